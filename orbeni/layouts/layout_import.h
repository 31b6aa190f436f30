#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "orbeni/layouts/layout_list.h"

namespace orbeni {

// What became of one layout of an imported file (or of a file that gave none), in one line the
// player reads: the file, the layout, and where it went or why not.
struct ImportOutcome {
    std::string line;
    bool imported = false;
};

// The base of a ".lay" file name for a layout's display name: no folder separators, no two dots
// running, no dot in front (no hidden files), no control characters; never empty.
std::string layoutFileBase(std::string_view displayName);

// Imports KMahjongg ".layout" and GNOME Mahjongg ".map" files: every layout that orbeni can play
// becomes a ".lay" file in `folder` (made when missing) and an entry at the end of the list.
// A name that the list or the folder already has gets the first free suffix " 2", " 3", ...:
// both layouts are kept. `added` hears the number of each new entry.
std::vector<ImportOutcome> importLayoutFiles(const std::vector<std::filesystem::path>& files,
                                             const std::filesystem::path& folder, LayoutList& list,
                                             const std::function<void(int number)>& added = {});

}  // namespace orbeni
