#pragma once

#include <string>

namespace morvane {

// The on-line manual as one HTML page: the game, its rules, its commands and its game files.
// UTF-8.
std::string manualHtml();

}  // namespace morvane
