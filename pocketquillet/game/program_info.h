#pragma once

#include <string_view>

namespace pocketquillet {

// The caption of the main window, exactly as the original program shows it.
inline constexpr std::string_view kApplicationTitle = "PocketQuillet";

// The version the About box shows.
inline constexpr std::string_view kVersion = "V 2.0 Beta1";

// The folder under the user's settings folder where this program keeps its files.
inline constexpr std::string_view kSettingsFolderName = "pocketquillet";

}  // namespace pocketquillet
