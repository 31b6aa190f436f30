#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/bitmap/bitmap.h"
#include "platform/result.h"

namespace platform {

// Reads a Windows BMP file: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, RLE4, RLE8 and
// bit fields, bottom-up and top-down. A damaged or absurd file gives the reason instead.
Result<Bitmap> readBmp(std::span<const std::uint8_t> bytes);
Result<Bitmap> loadBmp(const std::filesystem::path& file);

// Writes a 24-bit uncompressed BMP, whole or not at all.
std::vector<std::uint8_t> encodeBmp24(const Bitmap& bitmap);
bool saveBmp(const Bitmap& bitmap, const std::filesystem::path& file);

}  // namespace platform
