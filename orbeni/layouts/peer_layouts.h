#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "orbeni/board/layout_template.h"
#include "platform/result.h"

namespace orbeni {

// Layout files of two other Mah-Jongg solitaires, read so that their players can bring their
// layouts along: KMahjongg's ".layout" (with the ".desktop" beside it naming it) and GNOME
// Mahjongg's ".map", which holds any number of layouts.

// Bigger files than this are no layout files and are not read.
inline constexpr std::size_t kMaxPeerFileBytes = 1 << 20;
// Beyond this many tiles a layout is refused without reading on.
inline constexpr int kMaxPeerTiles = 4096;

enum class PeerFormat { KMahjongg, GnomeMap };

// One tile of a peer layout: the top-left cell of its 2 x 2 half-tile cells, counted from 0 at
// the source's own origin, and its level, 0 at the bottom.
struct PeerTile {
    int column = 0;
    int row = 0;
    int level = 0;
};

// One layout of a peer file: its display name and tiles, or why the reader refused it.
struct PeerLayout {
    std::string name;
    std::vector<PeerTile> tiles;
    std::string refusal;
};

// What a peer file holds: its layouts, or (none read) why the whole file was refused.
struct PeerFile {
    PeerFormat format = PeerFormat::KMahjongg;
    std::vector<PeerLayout> layouts;
    std::string refusal;
};

// A name as a menu and a file name may hold it: control characters become spaces, spaces at the
// ends go, and it is cut to 64 bytes without splitting a character.
std::string printableName(std::string_view name);

// Reads a KMahjongg ".layout" and the ".desktop" text beside it (empty when there is none); the
// layout takes the desktop's Name, else `fallbackName`.
PeerFile readKMahjonggLayout(std::string_view layoutText, std::string_view desktopText,
                             std::string_view fallbackName);
// Reads every map of a GNOME Mahjongg ".map"; a map the reader cannot take is refused alone.
PeerFile readGnomeMaps(std::string_view text);

// Turns a peer layout into an orbeni layout centred on the grid, or says why it cannot be one:
// no tiles, an odd count or more than 144, too big for the grid, overlapping tiles, a tile
// resting on nothing, or no order of moves that clears it.
platform::Result<LayoutTemplate> convertPeerLayout(const PeerLayout& layout, PeerFormat format);

}  // namespace orbeni
