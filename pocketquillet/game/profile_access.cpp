#include "pocketquillet/game/profile_access.h"

#include <algorithm>

namespace pocketquillet {

std::u16string DefaultProfile::readText(std::u16string_view, std::u16string_view,
                                        std::u16string_view defaultText, int capacity) const {
    const auto room = static_cast<std::size_t>(std::max(capacity - 1, 0));
    return std::u16string(defaultText.substr(0, room));
}

int DefaultProfile::readNumber(std::u16string_view, std::u16string_view, int defaultNumber) const {
    return defaultNumber;
}

void DefaultProfile::writeText(std::u16string_view, std::u16string_view, std::u16string_view) {}

}  // namespace pocketquillet
