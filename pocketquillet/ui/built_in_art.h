#pragma once

#include <QIcon>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "pocketquillet/game/sounds.h"
#include "pocketquillet/view/board_painter.h"

namespace pocketquillet {

// The pictures and sounds built into the program, read once at start-up. What is missing stays
// empty: a null picture draws nothing, a missing sound plays nothing.
class BuiltInArt {
public:
    BuiltInArt();

    const Pictures& pictures() const { return m_pictures; }
    const QIcon& icon() const { return m_icon; }
    // The wave of a built-in sound by its name ("QZ1" ... "QZ11"); empty when there is none.
    std::span<const std::uint8_t> wave(std::string_view name) const;
    std::span<const std::uint8_t> wave(Sound sound) const { return wave(soundResource(sound)); }

private:
    Pictures m_pictures;
    QIcon m_icon;
    std::map<std::string, std::vector<std::uint8_t>, std::less<>> m_waves;
};

}  // namespace pocketquillet
