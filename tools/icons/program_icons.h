#pragma once

#include <string_view>
#include <vector>

#include "icon_shapes.h"

namespace icons {

struct ProgramIcon {
    std::string_view program;  // the executable's name, which names its icon files
    Icon icon;
};

// The menu icons of the three games.
std::vector<ProgramIcon> programIcons();

}  // namespace icons
