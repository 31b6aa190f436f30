#pragma once

#include <optional>

#include "morvane/game/settings_choices.h"
#include "morvane/ui/dialogs/morvane_dialogs.h"

class QWidget;

namespace morvane {

// "Custom Tile Set Settings": the groups chosen on OK, none on Cancel.
std::optional<TileSet> editCustomTileSet(QWidget* parent, const TileSet& current);

// "Custom Bitmap Settings": the picture and tile sizes chosen on OK, none on Cancel.
std::optional<BitmapChoice> editCustomBitmap(QWidget* parent, const BitmapChoice& current);

// "Custom Sounds": the six files chosen on OK, none on Cancel; Test plays a file at once.
std::optional<SoundTable> editCustomSounds(QWidget* parent, const SoundTable& current,
                                           const TestSound& testSound);

}  // namespace morvane
