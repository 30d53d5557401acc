#pragma once
// The files the windows write at the user's request: the question for a file
// name (offered beside the project), and a picture written as a bitmap file.

#include <QString>

#include <functional>

class QImage;
class QWidget;

namespace zavik {

// Asks for the name of a file to write (Caption, Filter, default Suffix),
// asking before an existing file is overwritten when ConfirmOverwrite; empty
// when the user cancels. Windows keep one as a replaceable member, so that
// their commands can run unattended.
using TAskFileName = std::function<QString(const QString& Caption, const QString& Filter,
                                           const QString& Suffix, bool ConfirmOverwrite)>;

// The save dialog, starting at Preset (folder and file name) when one is given.
QString AskSaveFileName(QWidget* Parent, const QString& Caption, const QString& Filter,
                        const QString& Suffix, bool ConfirmOverwrite, const QString& Preset = QString());

// "<folder>/<stem>-<Tag>.<Suffix>" beside File (the project, or its plot
// data); "<Tag>.<Suffix>" in the dialog's own folder when there is no file.
QString FileBeside(const QString& File, const QString& Tag, const QString& Suffix);

// The save dialog offering each file beside the file that File names when
// asked (it follows the project as it changes), tagged with Tag and carrying
// the suffix asked for.
TAskFileName SaveDialogBeside(QWidget* Parent, std::function<QString()> File, const QString& Tag);

// Writes the picture as a BMP file, replacing the file only once it is
// written completely; false when it could not be written.
bool WriteBitmapFile(const QString& FileName, const QImage& Picture);

}  // namespace zavik
