// Checks the pictures, sounds and music the generator made for orbeni, as the program will read
// them: through the platform's BMP reader and by parsing the WAV and MIDI files.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/bitmap/bmp_file.h"

namespace {

using platform::Bitmap;
using platform::kBlack;
using platform::kWhite;
using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path kArtFolder = ORBENI_ART_DIR;

Bytes bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t littleEndian(const Bytes& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | bytes.at(at + std::size_t(i));
    }
    return value;
}

std::uint32_t bigEndian(const Bytes& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        value = (value << 8) | bytes.at(at + std::size_t(i));
    }
    return value;
}

// The cells (column, row) of the 42 faces in the tileset grid.
std::vector<std::pair<int, int>> faceCells() {
    std::vector<std::pair<int, int>> cells;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 9; ++column) {
            cells.emplace_back(column, row);
        }
    }
    for (int column = 0; column < 8; ++column) {
        cells.emplace_back(column, 3);  // seasons, winds
    }
    for (int column = 0; column < 7; ++column) {
        cells.emplace_back(column, 4);  // flowers, dragons
    }
    return cells;
}

// Checks one tileset drawn with scale pixels for each pixel of the cutting layout.
void expectTilesetLayout(const Bitmap& tileset, const std::string& name, int scale) {
    EXPECT_GE(tileset.width(), 369 * scale) << name;
    EXPECT_GE(tileset.height(), 567 * scale) << name;
    // The tile mask: white outside the tile's outline, black over it; the blank tile black
    // wherever the mask is white.
    EXPECT_EQ(tileset.pixel(138 * scale, 256 * scale), kWhite) << name;
    EXPECT_EQ(tileset.pixel(184 * scale - 1, 312 * scale - 1), kWhite) << name;
    EXPECT_EQ(tileset.pixel(161 * scale, 284 * scale), kBlack) << name;
    for (int y = 0; y < 56 * scale; ++y) {
        for (int x = 0; x < 46 * scale; ++x) {
            const auto mask = tileset.pixel(138 * scale + x, 256 * scale + y);
            ASSERT_TRUE(mask == kWhite || mask == kBlack) << name << " tile mask at " << x << "," << y;
            if (mask == kWhite) {
                ASSERT_EQ(tileset.pixel(x, 256 * scale + y), kBlack)
                    << name << " blank tile at " << x << "," << y;
            }
        }
    }
    // Every face: a two-colour mask, a picture black wherever the mask is white, and a picture
    // that shows something.
    for (const auto& [column, row] : faceCells()) {
        int drawn = 0;
        for (int y = 0; y < 50 * scale; ++y) {
            for (int x = 0; x < 40 * scale; ++x) {
                const int px = (41 * column + 1) * scale + x;
                const auto mask = tileset.pixel(px, (51 * row + 313) * scale + y);
                const auto picture = tileset.pixel(px, (51 * row + 1) * scale + y);
                ASSERT_TRUE(mask == kWhite || mask == kBlack) << name << " face " << column << "," << row;
                if (mask == kWhite) {
                    ASSERT_EQ(picture, kBlack) << name << " face " << column << "," << row;
                } else {
                    drawn += picture != kBlack;
                }
            }
        }
        EXPECT_GT(drawn, 40 * scale * scale)
            << name << " face " << column << "," << row << " is nearly empty";
    }
}

// The share of the pixels of a band of rows of a tileset whose colour strays far from the same
// place of the twice-size version, each pixel compared with the mean of the four it became.
double shareUnlikeTwiceSize(const Bitmap& once, const Bitmap& twice, int top, int bottom) {
    int unlike = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < 369; ++x) {
            const auto channelMean = [&](int shift) {
                int sum = 0;
                for (int dy = 0; dy < 2; ++dy) {
                    for (int dx = 0; dx < 2; ++dx) {
                        sum += int((twice.pixel(2 * x + dx, 2 * y + dy) >> shift) & 0xFF);
                    }
                }
                return sum / 4;
            };
            int distance = 0;
            for (const int shift : {16, 8, 0}) {
                distance += std::abs(int((once.pixel(x, y) >> shift) & 0xFF) - channelMean(shift));
            }
            unlike += distance > 3 * 64;
        }
    }
    return double(unlike) / (369 * (bottom - top));
}

TEST(OrbeniArtTest, TilesetsKeepTheLayoutTheProgramCutsThemBy) {
    std::vector<Bitmap> tilesets;
    for (const std::string stem : {"pai", "darkpai", "bluepai"}) {
        const auto once = platform::loadBmp(kArtFolder / "Tilesets" / (stem + ".bmp"));
        const auto twice = platform::loadBmp(kArtFolder / "Tilesets" / (stem + "@2x.bmp"));
        ASSERT_TRUE(once) << stem << ": " << once.error();
        ASSERT_TRUE(twice) << stem << "@2x: " << twice.error();
        expectTilesetLayout(once.value(), stem, 1);
        expectTilesetLayout(twice.value(), stem + "@2x", 2);
        // The twice-size version shows the same tiles: the blank tile, face backgrounds and tile mask
        // alike but for their diagonal corners; the faces but for the edges of shapes, drawn finer.
        EXPECT_LT(shareUnlikeTwiceSize(once.value(), twice.value(), 256, 312), 0.005) << stem;
        EXPECT_LT(shareUnlikeTwiceSize(once.value(), twice.value(), 0, 567), 0.05) << stem;
        tilesets.push_back(once.value());
    }
    EXPECT_NE(tilesets[0], tilesets[1]);
    EXPECT_NE(tilesets[0], tilesets[2]);
}

TEST(OrbeniArtTest, BackgroundsAndPanelPictureLoad) {
    const struct {
        const char* file;
        int minWidth, minHeight;
    } pictures[] = {
        {"Backgrounds/andromeda.bmp", 704, 468},
        {"Backgrounds/dragons.bmp", 1, 1},
        {"Backgrounds/kanji.bmp", 1, 1},
        {"hof.bmp", 90, 400},
    };
    for (const auto& p : pictures) {
        const auto loaded = platform::loadBmp(kArtFolder / p.file);
        ASSERT_TRUE(loaded) << p.file << ": " << loaded.error();
        EXPECT_GE(loaded.value().width(), p.minWidth) << p.file;
        EXPECT_GE(loaded.value().height(), p.minHeight) << p.file;
    }
}

// Walks the chunks of a RIFF WAVE file; the length in seconds of its 16-bit PCM sound.
double pcm16Seconds(const Bytes& wav) {
    EXPECT_GE(wav.size(), 44u);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 12), "WAVE");
    std::uint32_t rate = 0, channels = 0, bits = 0, format = 0, dataBytes = 0;
    for (std::size_t at = 12; at + 8 <= wav.size();) {
        const std::string id(wav.begin() + std::ptrdiff_t(at), wav.begin() + std::ptrdiff_t(at) + 4);
        const std::uint32_t size = littleEndian(wav, at + 4, 4);
        if (id == "fmt ") {
            format = littleEndian(wav, at + 8, 2);
            channels = littleEndian(wav, at + 10, 2);
            rate = littleEndian(wav, at + 12, 4);
            bits = littleEndian(wav, at + 22, 2);
        } else if (id == "data") {
            dataBytes = size;
            EXPECT_LE(at + 8 + size, wav.size());
        }
        at += 8 + size + size % 2;
    }
    EXPECT_EQ(format, 1u);
    EXPECT_EQ(bits, 16u);
    EXPECT_GT(rate * channels, 0u);
    return rate * channels == 0 ? 0.0 : double(dataBytes) / (2.0 * rate * channels);
}

TEST(OrbeniArtTest, SoundEffectsAreShort16BitPcm) {
    for (const char* name : {"select.wav", "noway.wav", "done.wav"}) {
        const double seconds = pcm16Seconds(bytesOf(kArtFolder / name));
        EXPECT_GT(seconds, 0.02) << name;
        EXPECT_LT(seconds, 0.5) << name;
    }
}

// The loudest sample of a 16-bit PCM wave file, in dB below full scale.
double pcm16PeakDecibels(const Bytes& wave) {
    std::size_t at = 12;
    while (at + 8 <= wave.size() &&
           std::string(wave.begin() + std::ptrdiff_t(at), wave.begin() + std::ptrdiff_t(at) + 4) != "data") {
        at += 8 + littleEndian(wave, at + 4, 4);
    }
    const std::size_t end = std::min(wave.size(), at + 8 + littleEndian(wave, at + 4, 4));
    int peak = 0;
    for (std::size_t i = at + 8; i + 1 < end; i += 2) {
        peak = std::max(peak, std::abs(int(std::int16_t(littleEndian(wave, i, 2)))));
    }
    return 20 * std::log10(std::max(peak, 1) / 32768.0);
}

// The music peaks near -3 dBFS; the effects stand beside it at the same level, short of clipping.
TEST(OrbeniArtTest, SoundEffectsPeakWhereTheMusicDoes) {
    for (const char* name : {"select.wav", "noway.wav", "done.wav"}) {
        const double peak = pcm16PeakDecibels(bytesOf(kArtFolder / name));
        EXPECT_GT(peak, -4.0) << name;
        EXPECT_LT(peak, -2.0) << name;
    }
}

// Parses a Standard MIDI File, checking every track ends with its end-of-track event; the
// length in seconds at its tempos.
double midiSeconds(const Bytes& midi) {
    EXPECT_EQ(std::string(midi.begin(), midi.begin() + 4), "MThd");
    EXPECT_EQ(bigEndian(midi, 4, 4), 6u);
    EXPECT_LE(bigEndian(midi, 8, 2), 1u);
    const std::uint32_t tracks = bigEndian(midi, 10, 2);
    const std::uint32_t division = bigEndian(midi, 12, 2);
    EXPECT_TRUE(division > 0 && division < 0x8000);
    std::map<std::uint64_t, std::uint32_t> tempos{{0, 500000}};
    std::uint64_t lastTick = 0;
    std::size_t at = 14;
    for (std::uint32_t track = 0; track < tracks; ++track) {
        EXPECT_EQ(std::string(midi.begin() + std::ptrdiff_t(at), midi.begin() + std::ptrdiff_t(at) + 4),
                  "MTrk");
        const std::size_t end = at + 8 + bigEndian(midi, at + 4, 4);
        at += 8;
        std::uint64_t tick = 0;
        std::uint8_t status = 0;
        bool ended = false;
        const auto variable = [&] {
            std::uint32_t value = 0;
            std::uint8_t byte = 0;
            do {
                byte = midi.at(at++);
                value = (value << 7) | (byte & 0x7F);
            } while (byte & 0x80);
            return value;
        };
        while (at < end && !ended) {
            tick += variable();
            if (midi.at(at) & 0x80) {
                status = midi.at(at++);
            }
            if (status == 0xFF) {
                const std::uint8_t type = midi.at(at++);
                const std::uint32_t length = variable();
                if (type == 0x51) {
                    tempos[tick] = bigEndian(midi, at, 3);
                }
                ended = type == 0x2F;
                at += length;
            } else if (status == 0xF0 || status == 0xF7) {
                at += variable();
            } else {
                const std::uint8_t kind = status & 0xF0;
                at += kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            }
        }
        EXPECT_TRUE(ended) << "track " << track << " has no end-of-track event";
        EXPECT_EQ(at, end) << "track " << track << " runs on past its end-of-track event";
        lastTick = std::max(lastTick, tick);
        at = end;
    }
    double seconds = 0;
    for (auto it = tempos.begin(); it != tempos.end() && it->first < lastTick; ++it) {
        const auto next = std::next(it);
        const std::uint64_t until = next == tempos.end() ? lastTick : std::min(next->first, lastTick);
        seconds += double(until - it->first) / division * it->second / 1e6;
    }
    return seconds;
}

TEST(OrbeniArtTest, MusicPiecesAreOneToTwoMinutes) {
    int pieces = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kArtFolder / "Musics")) {
        const double seconds = midiSeconds(bytesOf(entry.path()));
        EXPECT_GE(seconds, 60.0) << entry.path();
        EXPECT_LE(seconds, 120.0) << entry.path();
        ++pieces;
    }
    EXPECT_GE(pieces, 3);
}

}  // namespace
