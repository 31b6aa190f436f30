#pragma once

#include <string>
#include <string_view>

namespace pocketquillet {

// The settings file that every profile call names; no file of this name is ever opened.
inline constexpr std::u16string_view kSettingsFileName = u"vellmar.ini";

// The game's lookup of board definitions and settings by section and key.
class ProfileAccess {
public:
    virtual ~ProfileAccess() = default;

    // The text of a key, at most capacity - 1 characters, as a buffer of that size would hold.
    virtual std::u16string readText(std::u16string_view section, std::u16string_view key,
                                    std::u16string_view defaultText, int capacity) const = 0;
    virtual int readNumber(std::u16string_view section, std::u16string_view key, int defaultNumber) const = 0;
    virtual void writeText(std::u16string_view section, std::u16string_view key,
                           std::u16string_view text) = 0;
};

// The profile access the game runs with: every read answers the default and nothing written is
// kept, so each run starts from the built-in board and the default settings.
class DefaultProfile final : public ProfileAccess {
public:
    std::u16string readText(std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultText, int capacity) const override;
    int readNumber(std::u16string_view section, std::u16string_view key, int defaultNumber) const override;
    void writeText(std::u16string_view section, std::u16string_view key, std::u16string_view text) override;
};

}  // namespace pocketquillet
