#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/result.h"

namespace platform {
class Bitmap;
}

namespace orbeni {

// "Orbeni Help": the rules in French, the chart of the tiles, and the notes file "orbeni.rtf".
class TAide : public QDialog {
    Q_OBJECT

public:
    // Builds the help window from the program folder's notes and the composed tile images; when
    // the notes cannot be read, the message "Cannot open file <full path>" instead.
    static platform::Result<std::unique_ptr<TAide>> create(const std::filesystem::path& programFolder,
                                                           const platform::Bitmap& tileImages,
                                                           QWidget* parent = nullptr);

private:
    TAide(const std::string& notesHtml, const platform::Bitmap& tileImages, QWidget* parent);
};

}  // namespace orbeni
