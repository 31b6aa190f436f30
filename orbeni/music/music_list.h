#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orbeni {

// One entry of the Music menu: its caption and the real name of its file, since the caption
// alone cannot find the file again on a case-sensitive disk.
struct MusicPiece {
    std::string caption;
    std::filesystem::path file;
};

// The caption of a piece file: the name without its last four characters (".mid"), its first
// letter upper-case and the others lower-case.
std::string musicCaption(std::string_view fileName);

// The pieces of a "Musics" folder in menu order: every file (not folder) whose name holds a "."
// and ends in ".mid" in any case, sorted by caption. None when the folder is missing.
std::vector<MusicPiece> findMusicPieces(const std::filesystem::path& musicsFolder);

}  // namespace orbeni
