#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/bitmap/bitmap.h"
#include "platform/result.h"

namespace platform {

// Reads a Windows BMP file: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, RLE4, RLE8 and
// bit fields (masks after a 40-byte header or inside a V2 to V5 header), bottom-up and top-down,
// and the OS/2 core header. Pixels an RLE file never reaches take colour 0 of its colour table.
// A damaged or absurd file (more than 16384 pixels a side or 256 MiB of pixels, a colour index
// past the table, RLE runs past the picture, ...) gives the reason in words instead.
Result<Bitmap> readBmp(std::span<const std::uint8_t> bytes);
Result<Bitmap> loadBmp(const std::filesystem::path& file);

// Writes a 24-bit uncompressed BMP (bottom-up rows padded to four bytes); saveBmp writes the file
// whole or not at all. A null bitmap has no BMP form: no bytes, and saving it fails.
std::vector<std::uint8_t> encodeBmp24(const Bitmap& bitmap);
bool saveBmp(const Bitmap& bitmap, const std::filesystem::path& file);

}  // namespace platform
