#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace orbeni {

// One element of a small markup document: its name, attributes in file order and children.
// Text between elements is not kept; the maps of layouts hold everything in attributes.
struct MarkupElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<MarkupElement> children;
    int line = 0;

    // The value of an attribute, nullptr when the element has none of that name.
    const std::string* attribute(std::string_view attributeName) const;
};

// Elements nest at most this deep, and a document holds at most this many.
inline constexpr int kMaxMarkupDepth = 16;
inline constexpr int kMaxMarkupElements = 100000;

// Reads a document of elements with quoted attributes, comments, processing instructions and the
// five named and numeric character references; its root element, or what is wrong and on which
// line.
platform::Result<MarkupElement> readMarkup(std::string_view text);

}  // namespace orbeni
