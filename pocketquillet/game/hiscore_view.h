#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "pocketquillet/game/hiscore_file.h"

namespace pocketquillet {

// Whether a row is a stored score or one of the game still being played.
enum class RowSource { Stored, RunningGame };

struct HiscoreRow {
    int rank = 0;  // 1..10
    std::u16string pointsText;
    std::u16string name;
    RowSource source = RowSource::Stored;
};

// A score of the game still being played, shown among the stored ones.
struct RunningScore {
    std::uint32_t points = 0;
    std::u16string name;
};

// What the "View Hiscores" dialog shows: a headline (may be empty) and ten rows.
struct HiscoreView {
    std::string headline;
    std::array<HiscoreRow, kHiscoreEntries> rows;
};

// Builds the ten rows of the view: the stored entries, with the running game's scores that are
// not 0 placed where they rank (below equal stored scores, higher first); the rows below move
// down and the last ones fall off.
std::array<HiscoreRow, kHiscoreEntries> hiscoreRows(const HiscoreTable& table,
                                                    std::span<const RunningScore> running);

}  // namespace pocketquillet
