#pragma once

#include <QRect>
#include <QString>
#include <string_view>

#include "platform/bitmap/bitmap.h"

// The shared plain types as Qt's, for the windows that show what the cores hold.

namespace platform::qt {

// The cores' texts are UTF-8.
inline QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

inline QRect rectOf(const Rect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

}  // namespace platform::qt
