#include "orbeni/view/orbeni_settings.h"

#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <system_error>
#include <type_traits>
#include <variant>

#include "platform/profile/profile.h"

namespace orbeni {

namespace {

constexpr int kSmallScreenWidth = 640;
constexpr WindowBounds kSmallScreenBounds{0, 0, 640, 480};
constexpr int kWindowWidth = 710;
constexpr int kWindowHeight = 570;
// A string value holds at most 1023 characters, as the program's read buffer did.
constexpr std::size_t kStringCapacity = 1024;

using Field = std::variant<bool Options::*, bool OrbeniSettings::*, int OrbeniSettings::*,
                           std::string OrbeniSettings::*, int WindowBounds::*>;

struct Key {
    std::string_view name;
    Field field;
};

// Every key of the file, in the order it is written.
const Key kKeys[] = {
    {"Highlight", &OrbeniSettings::highlight},
    {"Invert", &Options::invertSelection},
    {"ShowMoves", &Options::showMoves},
    {"PlayMusic", &Options::playMusic},
    {"PlaySounds", &Options::playSounds},
    {"NeverWarn", &Options::neverWarn},
    {"CurrentPlayer1", &OrbeniSettings::currentPlayer},
    {"Background", &OrbeniSettings::background},
    {"BoardNumber", &OrbeniSettings::boardNumber},
    {"MidiNumber", &OrbeniSettings::midiNumber},
    {"SetRes800", &Options::setRes800},
    {"StartDirectly", &Options::startDirectly},
    {"Tileset", &OrbeniSettings::tileset},
    {"LastLoadedTileset", &OrbeniSettings::lastLoadedTileset},
    {"LastLoadedBackground", &OrbeniSettings::lastLoadedBackground},
    {"KeyboardLayout", &OrbeniSettings::keyboardLayout},
    {"StartMusic", &Options::startMusic},
    {"ShowHallOfFame", &Options::showHallOfFame},
    {"ShowToolbar", &Options::showToolbar},
    {"ShowStatus", &Options::showStatus},
    {"CoolMouse", &Options::coolMouse},
    {"CoolStatus", &Options::coolStatus},
    {"CoolToolbar", &Options::coolToolbar},
    {"TileRivers", &Options::tileRivers},
    {"ShowTime", &Options::showTime},
    {"EnableHall", &Options::enableHall},
    {"Vertical", &Options::Vertical},
    {"Winnable", &Options::Winnable},
    {"Shuffable", &Options::Shuffable},
    {"Animate", &Options::Animate},
    {"ShowTile", &Options::showCurrentTile},
    {"OnlyPossible", &Options::onlyPossibleMoves},
    {"RandomMusic", &Options::randomMusic},
    {"RandomSeed", &OrbeniSettings::randomSeed},
    {"XPos", &WindowBounds::left},
    {"YPos", &WindowBounds::top},
    {"WPos", &WindowBounds::width},
    {"HPos", &WindowBounds::height},
    {"PreviousRes", &OrbeniSettings::previousRes},
    {"Maximized", &OrbeniSettings::maximized},
    {"ScaleBoard", &Options::scaleBoard},
    {"WarnUnwinnable", &Options::warnUnwinnable},
    {"HintsKeepWinnable", &Options::hintsKeepWinnable},
};

std::optional<int> parseDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Hexadecimal values take all 32 bits, so "0xFFFFFFFF" reads as -1 as it did on Windows.
std::optional<int> parseHexadecimal(std::string_view digits) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace

WindowBounds defaultBounds(ScreenSize screen) {
    if (screen.width == kSmallScreenWidth) {
        return kSmallScreenBounds;
    }
    return {(screen.width - kWindowWidth) / 2, (screen.height - kWindowHeight) / 2, kWindowWidth,
            kWindowHeight};
}

WindowBounds startBounds(const OrbeniSettings& settings, ScreenSize screen) {
    return screen.width == settings.previousRes ? settings.bounds : defaultBounds(screen);
}

int parseSettingsInt(std::string_view text, int defaultValue) {
    const bool hexadecimal = text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::optional<int> value = hexadecimal ? parseHexadecimal(text.substr(2)) : parseDecimal(text);
    return value.value_or(defaultValue);
}

OrbeniSettings readSettings(const platform::Profile& profile, ScreenSize screen) {
    OrbeniSettings settings;
    settings.bounds = defaultBounds(screen);
    settings.previousRes = screen.width;
    const auto readInt = [&](std::string_view key, int defaultValue) {
        const std::string text = profile.readString(kSettingsSection, key, "", kStringCapacity);
        return text.empty() ? defaultValue : parseSettingsInt(text, defaultValue);
    };
    for (const Key& key : kKeys) {
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (std::is_same_v<Member, bool Options::*>) {
                    settings.options.*member = readInt(key.name, settings.options.*member ? 1 : 0) != 0;
                } else if constexpr (std::is_same_v<Member, bool OrbeniSettings::*>) {
                    settings.*member = readInt(key.name, settings.*member ? 1 : 0) != 0;
                } else if constexpr (std::is_same_v<Member, int OrbeniSettings::*>) {
                    settings.*member = readInt(key.name, settings.*member);
                } else if constexpr (std::is_same_v<Member, int WindowBounds::*>) {
                    settings.bounds.*member = readInt(key.name, settings.bounds.*member);
                } else {
                    settings.*member =
                        profile.readString(kSettingsSection, key.name, settings.*member, kStringCapacity);
                }
            },
            key.field);
    }
    return settings;
}

namespace {

// Writes one key of the settings in the way its kind is kept.
bool writeKey(platform::Profile& profile, const OrbeniSettings& settings, const Key& key) {
    return std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool Options::*>) {
                return profile.writeInt(kSettingsSection, key.name, settings.options.*member ? 1 : 0);
            } else if constexpr (std::is_same_v<Member, bool OrbeniSettings::*>) {
                return profile.writeInt(kSettingsSection, key.name, settings.*member ? 1 : 0);
            } else if constexpr (std::is_same_v<Member, int OrbeniSettings::*>) {
                return profile.writeInt(kSettingsSection, key.name, settings.*member);
            } else if constexpr (std::is_same_v<Member, int WindowBounds::*>) {
                return profile.writeInt(kSettingsSection, key.name, settings.bounds.*member);
            } else {
                return profile.writeString(kSettingsSection, key.name, settings.*member);
            }
        },
        key.field);
}

}  // namespace

// Every key in one replacement of the file: a save cut off keeps the old settings whole.
bool writeSettings(platform::Profile& profile, const OrbeniSettings& settings) {
    return profile.writeBatch([&](platform::Profile& file) {
        bool written = true;
        for (const Key& key : kKeys) {
            written = writeKey(file, settings, key) && written;
        }
        return written;
    });
}

void forgetMissingFiles(OrbeniSettings& settings, const std::filesystem::path& programFolder) {
    for (std::string* file : {&settings.lastLoadedTileset, &settings.lastLoadedBackground}) {
        std::error_code error;
        if (!file->empty() && !std::filesystem::is_regular_file(programFolder / *file, error)) {
            file->clear();
        }
    }
}

}  // namespace orbeni
