#pragma once

#include <QDialogButtonBox>
#include <QString>
#include <string>

class QDialog;
class QLineEdit;
class QWidget;

namespace morvane {

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// A field that shows a value the player changes only through the buttons beside it.
QLineEdit* makeReadOnlyField(const QString& objectName, QWidget* parent);
// A read-only field that shows a file's path, wide enough for a path of some length.
QLineEdit* makePathField(const QString& objectName, const QString& path, QWidget* parent);

// The dialog's buttons, placed the desktop's way; their accept and reject close it.
QDialogButtonBox* makeButtonBox(QDialog* dialog, QDialogButtonBox::StandardButtons buttons);

// The open-file dialog of a Change button, starting with a name pattern such as "*.BMP"; the
// chosen file, or an empty text when the player cancelled.
QString pickFile(QWidget* parent, const QString& caption, const QString& initialName, const QString& filter);

// Puts a dialog in the middle of the screen it opens on; called when it is shown, once its size is
// final.
void centreOnScreen(QWidget* dialog);

}  // namespace morvane
