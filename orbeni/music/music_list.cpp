#include "orbeni/music/music_list.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace orbeni {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isPieceName(std::string_view name) {
    constexpr std::string_view kExtension = ".mid";
    if (name.size() < kExtension.size()) {
        return false;
    }
    const std::string_view end = name.substr(name.size() - kExtension.size());
    return std::equal(end.begin(), end.end(), kExtension.begin(),
                      [](char a, char b) { return lower(a) == b; });
}

std::string sortKey(const std::string& caption) {
    std::string key = caption;
    std::transform(key.begin(), key.end(), key.begin(), lower);
    return key;
}

// Orders by caption ignoring case, and pieces of one caption by their file names.
bool comesBefore(const MusicPiece& a, const MusicPiece& b) {
    const std::string keyA = sortKey(a.caption);
    const std::string keyB = sortKey(b.caption);
    return keyA != keyB ? keyA < keyB : a.file < b.file;
}

}  // namespace

std::string musicCaption(std::string_view fileName) {
    std::string caption(fileName.substr(0, fileName.size() >= 4 ? fileName.size() - 4 : 0));
    std::transform(caption.begin(), caption.end(), caption.begin(), lower);
    if (!caption.empty()) {
        caption.front() = upper(caption.front());
    }
    return caption;
}

std::vector<MusicPiece> findMusicPieces(const std::filesystem::path& musicsFolder) {
    std::vector<MusicPiece> pieces;
    std::error_code error;
    std::filesystem::directory_iterator entry(musicsFolder, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        std::error_code kindError;
        if (!entry->is_directory(kindError) && isPieceName(name)) {
            pieces.push_back({musicCaption(name), entry->path().filename()});
        }
    }
    std::sort(pieces.begin(), pieces.end(), comesBefore);
    return pieces;
}

}  // namespace orbeni
