#include "orbeni/view/rtf_text.h"

#include <algorithm>
#include <cstdio>

namespace orbeni::rtf {

namespace {

constexpr std::size_t kMaxTableEntries = 256;
constexpr std::size_t kMaxFontName = 64;
constexpr int kTwipsPerPixel = 15;

// The characters 0x80..0x9F of code page 1252; the rest of the page is Latin-1.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

std::string_view genericFamily(std::string_view word) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kFamilies{{
        {"froman", "serif"},
        {"fswiss", "sans-serif"},
        {"fmodern", "monospace"},
        {"fscript", "cursive"},
        {"fdecor", "fantasy"},
    }};
    for (const auto& [name, family] : kFamilies) {
        if (name == word) {
            return family;
        }
    }
    return {};
}

// Keeps the characters a quoted CSS font name can hold safely.
bool isNameCharacter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' ||
           c == '-' || c == '_';
}

const char* alignmentName(Alignment alignment) {
    switch (alignment) {
        case Alignment::Centre:
            return "center";
        case Alignment::Right:
            return "right";
        case Alignment::Justified:
            return "justify";
        case Alignment::Left:
            break;
    }
    return "left";
}

}  // namespace

char32_t fromCp1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
        c = kReplacementCharacter;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void FontTable::word(std::string_view name, std::optional<int> parameter) {
    if (name == "f") {
        m_pending.number = parameter.value_or(0);
    } else if (const std::string_view generic = genericFamily(name); !generic.empty()) {
        m_pending.generic = generic;
    }
}

void FontTable::character(char32_t c) {
    if (c != ';') {
        if (isNameCharacter(c) && m_pending.name.size() < kMaxFontName) {
            m_pending.name += static_cast<char>(c);
        }
        return;
    }
    if (m_fonts.size() < kMaxTableEntries) {
        m_fonts.push_back(m_pending);
    }
    m_pending = Font{};
}

std::string FontTable::cssFamily(int font) const {
    const auto found = std::find_if(m_fonts.begin(), m_fonts.end(),
                                    [font](const Font& entry) { return entry.number == font; });
    if (found == m_fonts.end()) {
        return {};
    }
    std::string family = found->name.empty() ? std::string() : "'" + found->name + "'";
    if (!found->generic.empty()) {
        family += (family.empty() ? "" : ", ") + std::string(found->generic);
    }
    return family;
}

void ColourTable::word(std::string_view name, std::optional<int> parameter) {
    const std::size_t component = name == "red" ? 0 : name == "green" ? 1 : name == "blue" ? 2 : 3;
    if (component < 3) {
        m_pending[component] = std::clamp(parameter.value_or(0), 0, 255);
        m_pendingSet = true;
    }
}

void ColourTable::character(char32_t c) {
    if (c != ';') {
        return;
    }
    if (m_colours.size() < kMaxTableEntries) {
        const auto rgb = std::uint32_t(m_pending[0] << 16 | m_pending[1] << 8 | m_pending[2]);
        m_colours.push_back(m_pendingSet ? std::optional<std::uint32_t>(rgb) : std::nullopt);
    }
    m_pending = {};
    m_pendingSet = false;
}

std::optional<std::uint32_t> ColourTable::colour(int index) const {
    if (index < 0 || std::size_t(index) >= m_colours.size()) {
        return std::nullopt;
    }
    return m_colours[std::size_t(index)];
}

// Writes one character of text; spaces after spaces stay visible, as rich text shows them.
void HtmlWriter::text(char32_t c, const ParagraphStyle& paragraph, const CharStyle& chars) {
    if ((c < 0x20 && c != '\t') || c == 0x7F) {
        return;
    }
    openParagraph(paragraph);
    useSpan(chars);
    const bool space = c == ' ';
    switch (c) {
        case '\t':
            m_html += "&emsp;";
            break;
        case ' ':
            m_html += m_afterSpace ? "&#160;" : " ";
            break;
        case '&':
            m_html += "&amp;";
            break;
        case '<':
            m_html += "&lt;";
            break;
        case '>':
            m_html += "&gt;";
            break;
        case '"':
            m_html += "&quot;";
            break;
        default:
            appendUtf8(m_html, c);
    }
    m_afterSpace = space;
}

void HtmlWriter::lineBreak(const ParagraphStyle& paragraph) {
    openParagraph(paragraph);
    m_html += "<br />";
    m_afterSpace = true;
}

void HtmlWriter::paragraphEnd(const ParagraphStyle& paragraph) {
    openParagraph(paragraph);
    closeSpan();
    m_html += "</p>";
    m_inParagraph = false;
}

std::string HtmlWriter::finish() {
    if (m_inParagraph) {
        closeSpan();
        m_html += "</p>";
        m_inParagraph = false;
    }
    return m_html;
}

void HtmlWriter::openParagraph(const ParagraphStyle& paragraph) {
    if (m_inParagraph) {
        return;
    }
    char style[160];
    std::snprintf(style, sizeof style,
                  "<p style=\"margin-top:0px; margin-bottom:%dpx; margin-left:%dpx; text-align:%s\">",
                  paragraph.spaceAfter / kTwipsPerPixel, paragraph.leftIndent / kTwipsPerPixel,
                  alignmentName(paragraph.alignment));
    m_html += style;
    m_inParagraph = true;
    m_afterSpace = true;
}

void HtmlWriter::useSpan(const CharStyle& chars) {
    if (m_inSpan && m_spanStyle == chars) {
        return;
    }
    closeSpan();
    m_html += "<span style=\"" + spanStyle(chars) + "\">";
    m_inSpan = true;
    m_spanStyle = chars;
}

void HtmlWriter::closeSpan() {
    if (m_inSpan) {
        m_html += "</span>";
        m_inSpan = false;
    }
}

std::string HtmlWriter::spanStyle(const CharStyle& chars) const {
    std::string style =
        "font-size:" + std::to_string(chars.halfPoints / 2) + (chars.halfPoints % 2 ? ".5pt" : "pt");
    style += chars.bold ? "; font-weight:bold" : "";
    style += chars.italic ? "; font-style:italic" : "";
    style += chars.underline ? "; text-decoration:underline" : "";
    if (const std::string family = m_fonts.cssFamily(chars.font); !family.empty()) {
        style += "; font-family:" + family;
    }
    if (const std::optional<std::uint32_t> colour = m_colours.colour(chars.colour)) {
        char text[16];
        std::snprintf(text, sizeof text, "; color:#%06x", *colour);
        style += text;
    }
    return style;
}

}  // namespace orbeni::rtf
