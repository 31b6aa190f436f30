#include "morvane/game/settings_choices.h"

#include <filesystem>

#include "morvane/game/sounds.h"
#include "morvane/game/tile_set.h"

namespace morvane {

namespace {

RadioChoice choiceOf(bool isDefault) {
    return isDefault ? RadioChoice::Default : RadioChoice::Custom;
}

void applyBitmap(GameSettings& settings, const BitmapChoice& bitmap) {
    settings.bitmapPath = bitmap.path;
    settings.width = bitmap.width;
    settings.height = bitmap.height;
    settings.depth = bitmap.depth;
}

}  // namespace

BitmapChoice defaultBitmap() {
    GameSettings builtIn;
    applyBuiltInTileSet(builtIn);
    return bitmapOf(builtIn);
}

BitmapChoice bitmapOf(const GameSettings& settings) {
    return {settings.bitmapPath, settings.width, settings.height, settings.depth};
}

SoundTable defaultSoundNames() {
    GameSettings builtIn;
    applyBuiltInSounds(builtIn, std::filesystem::path());
    return builtIn.sounds;
}

std::string chosenFileName(std::string_view pickedPath, SavePath savePath) {
    if (savePath == SavePath::Full) {
        return std::string(pickedPath);
    }
    return std::filesystem::path(pickedPath).filename().string();
}

RadioChoice SettingsChoices::tileSetChoice() const {
    return choiceOf(m_settings.tileSetIsDefault);
}

RadioChoice SettingsChoices::bitmapChoice() const {
    return choiceOf(m_settings.bitmapIsDefault);
}

RadioChoice SettingsChoices::soundsChoice() const {
    return choiceOf(m_settings.soundsAreDefault);
}

RadioChoice SettingsChoices::layoutChoice() const {
    return choiceOf(m_settings.layoutIsDefault);
}

void SettingsChoices::chooseTileSet(RadioChoice choice) {
    m_settings.tileSetIsDefault = choice == RadioChoice::Default;
    if (m_settings.tileSetIsDefault) {
        m_settings.tileSet = builtInTileSet();
    }
}

void SettingsChoices::chooseBitmap(RadioChoice choice) {
    m_settings.bitmapIsDefault = choice == RadioChoice::Default;
    if (m_settings.bitmapIsDefault) {
        applyBitmap(m_settings, defaultBitmap());
    }
}

void SettingsChoices::chooseSounds(RadioChoice choice) {
    m_settings.soundsAreDefault = choice == RadioChoice::Default;
    if (m_settings.soundsAreDefault) {
        m_settings.sounds = defaultSoundNames();
    }
}

void SettingsChoices::chooseLayout(RadioChoice choice) {
    m_settings.layoutIsDefault = choice == RadioChoice::Default;
}

void SettingsChoices::takeTileSet(const TileSet& tileSet) {
    if (!m_settings.tileSetIsDefault) {
        m_settings.tileSet = tileSet;
    }
}

void SettingsChoices::takeBitmap(const BitmapChoice& bitmap) {
    applyBitmap(m_settings, m_settings.bitmapIsDefault ? defaultBitmap() : bitmap);
}

void SettingsChoices::takeSounds(const SoundTable& sounds) {
    if (!m_settings.soundsAreDefault) {
        m_settings.sounds = sounds;
    }
}

}  // namespace morvane
