#pragma once

#include <QImage>

namespace orbeni {

class HallOfFame;

// The side panel's size when "hof.bmp" is missing: the generated picture's size.
inline constexpr int kHallPanelWidth = 100;
inline constexpr int kHallPanelHeight = 468;

// What the side panel shows: the ten best times of a slot, or only its picture in the editor.
enum class HallPanelContent { Scores, BackgroundOnly };

// Draws the side panel: its background picture (black when there is none), then "HALL OF FAME"
// and the names and times of a slot, the last entry's name in italics. The picture holds
// pixelScale pixels for each of the panel's, and the texts are drawn at that resolution.
QImage ShowPanelHOF(const QImage& hofPic, const HallOfFame& hall, int slot, HallPanelContent content,
                    int pixelScale = 1);

}  // namespace orbeni
