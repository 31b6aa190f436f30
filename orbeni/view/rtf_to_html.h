#pragma once

#include <string>
#include <string_view>

namespace orbeni {

// Turns the rich text of the notes file into the HTML a text view shows: paragraphs with their
// indent, spacing and alignment; bold, italic, underline, size, font and colour of the text;
// escaped and Unicode characters. Tables, pictures and the other destinations are left out.
// Damaged text (unbalanced braces, cut escapes, absurd nesting) gives what could be read.
std::string rtfToHtml(std::string_view rtf);

}  // namespace orbeni
