#pragma once

#include <QString>

namespace morvane {

// The on-line manual as one HTML page: the game, its rules, its commands and its game files.
QString manualHtml();

}  // namespace morvane
