#pragma once

#include <string_view>

namespace orbeni_art {

// The "Notes" page of the help window, as rich text.
std::string_view notesRtf();

}  // namespace orbeni_art
