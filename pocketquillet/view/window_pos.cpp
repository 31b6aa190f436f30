#include "pocketquillet/view/window_pos.h"

#include <algorithm>
#include <array>
#include <string>

#include "pocketquillet/game/text_encoding.h"

namespace pocketquillet {

namespace {

// A whole number of at most nine digits, with an optional minus sign and spaces around it.
std::optional<long long> numberOf(std::u16string_view part) {
    while (!part.empty() && part.front() == u' ') {
        part.remove_prefix(1);
    }
    while (!part.empty() && part.back() == u' ') {
        part.remove_suffix(1);
    }
    const bool negative = !part.empty() && part.front() == u'-';
    if (negative) {
        part.remove_prefix(1);
    }
    constexpr std::size_t kMostDigits = 9;
    if (part.empty() || part.size() > kMostDigits) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char16_t c : part) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

std::optional<std::array<long long, 4>> fourNumbers(std::u16string_view text) {
    std::array<long long, 4> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::size_t comma = text.find(u',');
        const bool last = i + 1 == numbers.size();
        if (last != (comma == std::u16string_view::npos)) {
            return std::nullopt;
        }
        const std::optional<long long> number = numberOf(text.substr(0, comma));
        if (!number) {
            return std::nullopt;
        }
        numbers[i] = *number;
        text = last ? std::u16string_view() : text.substr(comma + 1);
    }
    return numbers;
}

}  // namespace

WindowPlacement windowPlacement(std::u16string_view windowPos, int screenWidth, int screenHeight) {
    const std::optional<std::array<long long, 4>> percent =
        equalsIgnoringCase(windowPos, kMaximalWindowPos) ? std::nullopt : fourNumbers(windowPos);
    if (!percent) {
        return {};
    }
    const auto share = [](long long total, long long part) { return static_cast<int>(total * part / 100); };
    int left = std::max(share(screenWidth, (*percent)[0]), 0);
    int top = std::max(share(screenHeight, (*percent)[1]), 0);
    const int right = share(screenWidth, (*percent)[2]);
    const int bottom = share(screenHeight, (*percent)[3]);
    int width = right - left;
    int height = bottom - top;
    if (right < left) {
        left = 0;
        width = kFallbackWindowWidth;
    }
    if (bottom < top) {
        top = 0;
        height = kFallbackWindowHeight;
    }
    return {false, {left, top, width, height}};
}

std::u16string windowPosText(const platform::Rect& window) {
    const std::string text = std::to_string(window.x) + "," + std::to_string(window.y) + "," +
                             std::to_string(window.x + window.width) + "," +
                             std::to_string(window.y + window.height);
    return utf8ToUtf16(text);
}

}  // namespace pocketquillet
