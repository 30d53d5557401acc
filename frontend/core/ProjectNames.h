#pragma once
// How the program names a project and the files around it: the version text,
// the caption of the main window, the project's name as the user reads it,
// its side files, and the project named on the command line.

#include <QString>
#include <QStringList>

namespace zavik {

// The version shown in the caption and the About box and written as the first
// line of the run's names file.
QString GetVersionText();

// The name of a project not yet saved under a name of the user's.
inline constexpr char NewProjectFileName[] = "NewData.kqd";

// FileName with the extension of its file name (from its last ".", never one
// in a folder name) replaced by Ext; a name without one gets Ext appended.
QString ChangeFileExt(const QString& FileName, const QString& Ext);

// The file name without its folder; a ".kqd" project (in any case) loses
// everything from its first "."; a name longer than one character starts with
// a capital.
QString ProjectDisplayName(const QString& FileName);

// "ZAVIK 3.0.15 - " and the display name.
QString MainCaption(const QString& FileName);

// The project to open at start: the first parameter after the program name,
// with ".kqd" appended when its file name has no "."; the absolute path when
// that file exists, else empty (a new project).
QString CommandLineProject(const QStringList& Arguments);

}  // namespace zavik
