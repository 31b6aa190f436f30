#pragma once

#include <QIcon>
#include <filesystem>

class QPushButton;
class QWidget;

namespace orbeni {

// The green tick of the dialogs' OK buttons, "resources/ok.png" of the program folder; an empty
// icon when the picture is missing.
QIcon okGlyph(const std::filesystem::path& programFolder);

// Makes a dialog's OK-style button: the caption with the tick, the default button.
QPushButton* makeOkButton(const QString& caption, const QIcon& glyph, QWidget* parent);

}  // namespace orbeni
