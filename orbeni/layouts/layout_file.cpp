#include "orbeni/layouts/layout_file.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "platform/profile/settings_folder.h"

namespace orbeni {

namespace {

constexpr int kShpLines = 144;

platform::Result<LayFile> ioError(const std::filesystem::path& file) {
    return platform::Result<LayFile>::failure("I/O error: cannot read " + file.string());
}

// Reads one line without its line ending; false at the end of the file.
bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

// Decodes a pair of ".shp" characters: digits count their value, any other character its code
// minus 55, so "A".."F" are 10..15.
int hexPair(char high, char low) {
    const auto digit = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : static_cast<unsigned char>(c) - 55;
    };
    return digit(high) * 16 + digit(low);
}

}  // namespace

platform::Result<LayFile> readLayFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return ioError(file);
    }
    std::string mark;
    std::string cells;
    LayFile result;
    readLine(in, mark);
    readLine(in, result.name);
    readLine(in, cells);
    if (in.bad()) {
        return ioError(file);
    }
    result.hasVersionMark = mark == kLayoutVersionMark;
    for (int k = 0; k < kLayoutCells && k < static_cast<int>(cells.size()); ++k) {
        const char c = cells[static_cast<std::size_t>(k)];
        const int cell = k % (kRows * kColumns);
        const int value = c >= '0' && c <= '9' ? c - '0' : 0;
        result.layout.set(cell % kColumns + 1, cell / kColumns + 1, k / (kRows * kColumns) + 1,
                          static_cast<std::uint8_t>(value));
    }
    return result;
}

platform::Result<LayoutTemplate> readShpFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return platform::Result<LayoutTemplate>::failure("I/O error: cannot read " + file.string());
    }
    LayoutTemplate layout;
    std::string line;
    for (int n = 0; n < kShpLines && readLine(in, line); ++n) {
        if (line.size() < 9) {
            continue;
        }
        const int column = hexPair(line[3], line[4]);
        const int row = hexPair(line[5], line[6]);
        const int level = hexPair(line[7], line[8]);
        layout.set(column + 2, row + 2, level + 1, 1);
    }
    return layout;
}

platform::Result<bool> writeLayFile(const std::filesystem::path& file, const std::string& name,
                                    const LayoutTemplate& layout) {
    // The name is one line of the file: a line break in it would shift the cells.
    std::string oneLineName = name;
    std::replace_if(
        oneLineName.begin(), oneLineName.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    std::string text = std::string(kLayoutVersionMark) + "\r\n" + oneLineName + "\r\n";
    for (int z = 1; z <= kLayers; ++z) {
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns; ++x) {
                text += static_cast<char>('0' + layout.at(x, y, z));
            }
        }
    }
    text += "\r\n";
    // A layout goes into a folder the player chose; none is made for it.
    std::error_code error;
    const bool folderExists =
        std::filesystem::is_directory(file.parent_path().empty() ? "." : file.parent_path(), error);
    if (!folderExists || !platform::writeFileAtomically(file, text)) {
        return platform::Result<bool>::failure("I/O error: cannot write " + file.string());
    }
    return true;
}

}  // namespace orbeni
