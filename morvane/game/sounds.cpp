#include "morvane/game/sounds.h"

namespace morvane {

void applyBuiltInSounds(GameSettings& settings, const std::filesystem::path& programFolder) {
    // Mismatch has no file of its own: it sounds like clicking a tile that is not free.
    constexpr const char* kFiles[kSoundSlots] = {"select.wav", "deselect.wav", "unfree.wav",
                                                 "unfree.wav", "remove.wav",   "won.wav"};
    for (int slot = 0; slot < kSoundSlots; ++slot) {
        settings.sounds[static_cast<std::size_t>(slot)] = (programFolder / kFiles[slot]).string();
    }
}

}  // namespace morvane
