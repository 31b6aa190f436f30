#include "pocketquillet/game/hiscore_view.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "pocketquillet/game/text_encoding.h"

namespace pocketquillet {

std::array<HiscoreRow, kHiscoreEntries> hiscoreRows(const HiscoreTable& table,
                                                    std::span<const RunningScore> running) {
    std::vector<RunningScore> waiting;
    std::copy_if(running.begin(), running.end(), std::back_inserter(waiting),
                 [](const RunningScore& score) { return score.points != 0; });
    std::stable_sort(waiting.begin(), waiting.end(),
                     [](const RunningScore& a, const RunningScore& b) { return a.points > b.points; });

    std::array<HiscoreRow, kHiscoreEntries> rows;
    std::size_t nextWaiting = 0;
    int nextStored = 0;
    for (int k = 0; k < kHiscoreEntries; ++k) {
        HiscoreRow& row = rows[k];
        row.rank = k + 1;
        const bool runningFirst =
            nextWaiting < waiting.size() &&
            (nextStored >= kHiscoreEntries || waiting[nextWaiting].points > table.entry(nextStored).points);
        if (runningFirst) {
            const RunningScore& score = waiting[nextWaiting++];
            row.pointsText = decimalText(score.points);
            row.name = score.name;
            row.source = RowSource::RunningGame;
        } else {
            const HiscoreEntry& entry = table.entry(nextStored++);
            row.pointsText = entry.pointsText;
            row.name = entry.name;
        }
    }
    return rows;
}

}  // namespace pocketquillet
