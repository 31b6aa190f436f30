#pragma once

#include <string_view>

namespace orbeni {

// The caption of the main window, exactly as the original program shows it.
inline constexpr std::string_view kApplicationTitle = "Orbeni 4.52 ";

// The folder under the user's settings folder where this program keeps its files.
inline constexpr std::string_view kSettingsFolderName = "orbeni";

}  // namespace orbeni
