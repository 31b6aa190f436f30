#include "pocketquillet/game/text_encoding.h"

#include <limits>

namespace pocketquillet {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at position i and moves i past it.
char32_t decodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    const int trailing = lead >= 0xF0 ? 3 : (lead >= 0xE0 ? 2 : (lead >= 0xC0 ? 1 : -1));
    if (trailing < 0 || lead > 0xF4) {
        return kReplacement;
    }
    char32_t code = lead & (0x3F >> trailing);
    for (int n = 0; n < trailing; ++n) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return kReplacement;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < smallest[trailing] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return kReplacement;
    }
    return code;
}

// Decodes one UTF-16 character at position i (a pair of surrogates or a single unit).
char32_t decodeUtf16(std::u16string_view text, std::size_t& i) {
    const char16_t unit = text[i++];
    if (unit < 0xD800 || unit > 0xDFFF) {
        return unit;
    }
    if (unit <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF) {
        return 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i++]) - 0xDC00);
    }
    return kReplacement;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

char16_t asciiUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

}  // namespace

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t code = decodeUtf8(text, i);
        if (code < 0x10000) {
            out += static_cast<char16_t>(code);
        } else {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        appendUtf8(out, decodeUtf16(text, i));
    }
    return out;
}

bool equalsIgnoringCase(std::u16string_view first, std::u16string_view second) {
    if (first.size() != second.size()) {
        return false;
    }
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (asciiUpper(first[i]) != asciiUpper(second[i])) {
            return false;
        }
    }
    return true;
}

std::uint32_t parseDecimal(std::u16string_view text) {
    constexpr std::uint64_t kLargest = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t number = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            break;
        }
        number = number * 10 + static_cast<std::uint64_t>(c - u'0');
        if (number > kLargest) {
            return static_cast<std::uint32_t>(kLargest);
        }
    }
    return static_cast<std::uint32_t>(number);
}

std::u16string decimalText(std::uint32_t number) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + number % 10));
        number /= 10;
    } while (number != 0);
    return digits;
}

}  // namespace pocketquillet
