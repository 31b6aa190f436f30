#pragma once

#include <string_view>

namespace morvane {

// The caption of the main window, exactly as the original program shows it.
inline constexpr std::string_view kApplicationTitle = "Morvane";

// The folder under the user's settings folder where this program keeps its files.
inline constexpr std::string_view kSettingsFolderName = "morvane";

}  // namespace morvane
