# Run as a script (cmake -DSOURCES=<list> -P CheckCoreLayer.cmake) before
# zavik_core is built: no file of the core may include a header of Qt Widgets,
# Qt Print Support or Qt OpenGL Widgets. Headers named without their module
# (<QWidget>) do not compile there at all, as the core does not see those
# modules; this catches the module-qualified form (<QtWidgets/QWidget>).
foreach(file IN LISTS SOURCES)
  if(NOT EXISTS "${file}")
    continue()
  endif()
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Qt(Widgets|PrintSupport|OpenGLWidgets)")
  if(lines)
    list(GET lines 0 line)
    message(FATAL_ERROR "${file}: the front-end core includes a widget header: ${line}")
  endif()
endforeach()
