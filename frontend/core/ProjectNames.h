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

// The extension of a deck saved with the program's filter.
inline constexpr char DeckExtension[] = ".kqd";

// The files beside a deck (its mass and geometry files, the report, the plot
// data, the run notes) are named by the deck's stem: the deck's name without
// its ".kqd" (in any case), else the whole name, so that two decks never
// share them ("job v1.2" gives "job v1.2.kqo", "job.kqd" "job.kqo").
QString DeckStem(const QString& DeckFileName);
// The stem followed by Ext (".kqo", ".kqp", ".kqr", ".kqt", ".kqm").
QString SideFileName(const QString& DeckFileName, const QString& Ext);
// The name a deck saved with the program's filter gets: Name, with ".kqd"
// appended unless it ends in it (in any case).
QString WithDeckExtension(const QString& Name);

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
