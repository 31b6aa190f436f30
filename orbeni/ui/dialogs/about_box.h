#pragma once

#include <QDialog>
#include <filesystem>

namespace orbeni {

// "About Orbeni": the program's name and version, what it is, and who made it.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    // The program folder gives the OK glyph and the new-game picture shown as the emblem.
    explicit TAboutBox(const std::filesystem::path& programFolder, QWidget* parent = nullptr);
};

}  // namespace orbeni
