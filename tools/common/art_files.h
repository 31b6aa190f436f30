#pragma once

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/bitmap/bitmap.h"

namespace art_common {

// Writers of the generated files: each creates the file's folder, writes the file whole, and
// says on standard error which file failed.
bool writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);
bool writeBitmap(const std::filesystem::path& file, const platform::Bitmap& bitmap);
bool writePng(const std::filesystem::path& file, const QImage& picture);

// Converts between Qt's pictures, which we draw with, and the bitmaps the games load.
platform::Bitmap toBitmap(const QImage& image);
QImage toImage(const platform::Bitmap& bitmap);

}  // namespace art_common
