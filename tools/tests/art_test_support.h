#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/bitmap/bitmap.h"

namespace art_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::uint32_t littleEndian(const Bytes& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | (at + std::size_t(i) < bytes.size() ? bytes[at + std::size_t(i)] : 0);
    }
    return value;
}

// What the game's wave player relies on in a WAV file; format 0 when the file is no WAV.
struct WavFacts {
    std::uint32_t format = 0;
    std::uint32_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t bits = 0;
    double seconds = 0;
};

inline WavFacts wavFacts(const Bytes& wav) {
    WavFacts facts;
    if (wav.size() < 12 || std::string(wav.begin(), wav.begin() + 4) != "RIFF" ||
        std::string(wav.begin() + 8, wav.begin() + 12) != "WAVE") {
        return facts;
    }
    for (std::size_t at = 12; at + 8 <= wav.size();) {
        const std::string id(wav.begin() + std::ptrdiff_t(at), wav.begin() + std::ptrdiff_t(at) + 4);
        const std::uint32_t size = littleEndian(wav, at + 4, 4);
        if (id == "fmt ") {
            facts.format = littleEndian(wav, at + 8, 2);
            facts.channels = littleEndian(wav, at + 10, 2);
            facts.rate = littleEndian(wav, at + 12, 4);
            facts.bits = littleEndian(wav, at + 22, 2);
        } else if (id == "data" && facts.rate > 0 && facts.channels > 0 && at + 8 + size <= wav.size()) {
            facts.seconds = double(size) / (facts.rate * facts.channels * (facts.bits / 8));
        }
        at += 8 + size + (size & 1);
    }
    return facts;
}

// Cuts a rectangle out of a bitmap, to compare one picture of a grid with another.
inline platform::Bitmap cut(const platform::Bitmap& bitmap, int left, int top, int width, int height) {
    platform::Bitmap piece(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            piece.setPixel(x, y, bitmap.pixel(left + x, top + y));
        }
    }
    return piece;
}

// How many pixels of a bitmap differ from a colour.
inline int pixelsOtherThan(const platform::Bitmap& bitmap, platform::Pixel colour) {
    int count = 0;
    for (const platform::Pixel pixel : bitmap.pixels()) {
        count += pixel != colour ? 1 : 0;
    }
    return count;
}

// How many pixels two bitmaps of one size differ in.
inline int differingPixels(const platform::Bitmap& a, const platform::Bitmap& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.pixels().size() && i < b.pixels().size(); ++i) {
        count += a.pixels()[i] != b.pixels()[i] ? 1 : 0;
    }
    return count;
}

}  // namespace art_test
