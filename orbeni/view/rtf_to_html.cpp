#include "orbeni/view/rtf_to_html.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "orbeni/view/rtf_text.h"

namespace orbeni {

namespace {

using namespace rtf;

constexpr std::size_t kMaxDepth = 100;
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxDigits = 10;
constexpr int kMaxTwips = 20000;

enum class Destination { Text, Skip, FontTable, ColourTable };

struct Group {
    CharStyle chars;
    ParagraphStyle paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

struct Word {
    std::string_view name;
    std::optional<int> parameter;
};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
std::optional<int> hexValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

// Groups whose text the notes never show.
bool isSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 22> kSkipped{
        "stylesheet", "info",      "pict",      "header",  "headerl",           "headerr",
        "headerf",    "footer",    "footerl",   "footerr", "footerf",           "footnote",
        "fldinst",    "object",    "listtable", "filetbl", "listoverridetable", "revtbl",
        "rsidtbl",    "generator", "themedata", "xmlnstbl"};
    return std::find(kSkipped.begin(), kSkipped.end(), word) != kSkipped.end();
}

// The character a control word stands for, or none.
std::optional<char32_t> specialCharacter(std::string_view word) {
    static constexpr std::array<std::pair<std::string_view, char32_t>, 11> kSpecials{{
        {"endash", 0x2013},
        {"emdash", 0x2014},
        {"bullet", 0x2022},
        {"lquote", 0x2018},
        {"rquote", 0x2019},
        {"ldblquote", 0x201C},
        {"rdblquote", 0x201D},
        {"emspace", 0x2003},
        {"enspace", 0x2002},
        {"qmspace", 0x2005},
        {"tab", U'\t'},
    }};
    for (const auto& [name, character] : kSpecials) {
        if (name == word) {
            return character;
        }
    }
    return std::nullopt;
}

int clampTwips(std::optional<int> parameter) {
    return std::clamp(parameter.value_or(0), 0, kMaxTwips);
}

// Reads the rich text once, from left to right, keeping the formatting of each open group.
class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : m_rtf(rtf) {}

    std::string run() {
        while (m_at < m_rtf.size()) {
            step(m_rtf[m_at++]);
        }
        flushSurrogate();
        return m_out.finish();
    }

private:
    Group& group() { return m_groups.back(); }

    void step(char c) {
        switch (c) {
            case '{':
                m_skip = 0;
                openGroup();
                break;
            case '}':
                m_skip = 0;
                closeGroup();
                break;
            case '\\':
                readEscape();
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (!skipFallback()) {
                    character(fromCp1252(static_cast<unsigned char>(c)));
                }
        }
    }

    // Groups deeper than the limit share their parent's formatting, so nesting costs no memory.
    void openGroup() {
        if (m_groups.size() < kMaxDepth) {
            m_groups.push_back(group());
        } else {
            ++m_overflow;
        }
    }
    void closeGroup() {
        if (m_overflow > 0) {
            --m_overflow;
        } else if (m_groups.size() > 1) {
            m_groups.pop_back();
        }
    }

    // Counts off one character of the plain-text stand-in that follows a \u character.
    bool skipFallback() {
        if (m_skip == 0) {
            return false;
        }
        --m_skip;
        return true;
    }

    void readEscape() {
        if (m_at >= m_rtf.size()) {
            return;
        }
        const char c = m_rtf[m_at];
        if (isLetter(c)) {
            const Word word = readWord();
            if (!skipFallback()) {
                controlWord(word);
            }
            return;
        }
        ++m_at;
        if (c == '\'') {
            const std::optional<int> byte = readHexByte();
            if (!skipFallback() && byte) {
                character(fromCp1252(static_cast<unsigned char>(*byte)));
            }
        } else if (!skipFallback()) {
            controlSymbol(c);
        }
    }

    // Reads a control word and its parameter; over-long words and numbers are read whole but
    // kept unknown or clamped.
    Word readWord() {
        const std::size_t start = m_at;
        while (m_at < m_rtf.size() && isLetter(m_rtf[m_at])) {
            ++m_at;
        }
        Word word;
        if (m_at - start <= kMaxWordLength) {
            word.name = m_rtf.substr(start, m_at - start);
        }
        const bool negative = m_at + 1 < m_rtf.size() && m_rtf[m_at] == '-' && isDigit(m_rtf[m_at + 1]);
        m_at += negative ? 1 : 0;
        long long value = 0;
        int digits = 0;
        for (; m_at < m_rtf.size() && isDigit(m_rtf[m_at]); ++m_at, ++digits) {
            if (digits < kMaxDigits) {
                value = value * 10 + (m_rtf[m_at] - '0');
            }
        }
        if (digits > 0) {
            value = std::min<long long>(value, INT32_MAX);
            word.parameter = static_cast<int>(negative ? -value : value);
        }
        if (m_at < m_rtf.size() && m_rtf[m_at] == ' ') {
            ++m_at;
        }
        return word;
    }

    std::optional<int> readHexByte() {
        int value = 0;
        for (int digit = 0; digit < 2; ++digit) {
            const std::optional<int> nibble = m_at < m_rtf.size() ? hexValue(m_rtf[m_at]) : std::nullopt;
            if (!nibble) {
                return std::nullopt;
            }
            value = value * 16 + *nibble;
            ++m_at;
        }
        return value;
    }

    void controlSymbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                character(static_cast<unsigned char>(c));
                break;
            case '~':
                character(0xA0);
                break;
            case '_':
                character(0x2011);
                break;
            case '*':
                group().destination = Destination::Skip;
                break;
            case '\r':
            case '\n':
                paragraphEnd();
                break;
            default:
                break;
        }
    }

    void controlWord(const Word& word) {
        if (destinationWord(word.name)) {
            return;
        }
        switch (group().destination) {
            case Destination::FontTable:
                m_fonts.word(word.name, word.parameter);
                return;
            case Destination::ColourTable:
                m_colours.word(word.name, word.parameter);
                return;
            case Destination::Skip:
                return;
            case Destination::Text:
                break;
        }
        if (!characterWord(word) && !paragraphWord(word)) {
            specialWord(word);
        }
    }

    bool destinationWord(std::string_view name) {
        Destination destination = Destination::Skip;
        if (name == "fonttbl") {
            destination = Destination::FontTable;
        } else if (name == "colortbl") {
            destination = Destination::ColourTable;
        } else if (!isSkippedDestination(name)) {
            return false;
        }
        if (group().destination != Destination::Skip) {
            group().destination = destination;
        }
        return true;
    }

    bool characterWord(const Word& word) {
        CharStyle& chars = group().chars;
        const bool on = word.parameter.value_or(1) != 0;
        if (word.name == "b") {
            chars.bold = on;
        } else if (word.name == "i") {
            chars.italic = on;
        } else if (word.name == "ul") {
            chars.underline = on;
        } else if (word.name == "ulnone") {
            chars.underline = false;
        } else if (word.name == "plain") {
            chars = CharStyle{};
        } else if (word.name == "fs") {
            const int size = word.parameter.value_or(0);
            chars.halfPoints = size > 0 ? std::clamp(size, 2, kMaxHalfPoints) : kDefaultHalfPoints;
        } else if (word.name == "f") {
            chars.font = word.parameter.value_or(-1);
        } else if (word.name == "cf") {
            chars.colour = word.parameter.value_or(0);
        } else {
            return false;
        }
        return true;
    }

    bool paragraphWord(const Word& word) {
        ParagraphStyle& paragraph = group().paragraph;
        if (word.name == "pard") {
            paragraph = ParagraphStyle{};
        } else if (word.name == "li") {
            paragraph.leftIndent = clampTwips(word.parameter);
        } else if (word.name == "sa") {
            paragraph.spaceAfter = clampTwips(word.parameter);
        } else if (word.name == "ql" || word.name == "qc" || word.name == "qr" || word.name == "qj") {
            paragraph.alignment = static_cast<Alignment>(std::string_view("lcrj").find(word.name[1]));
        } else if (word.name == "par") {
            paragraphEnd();
        } else if (word.name == "line") {
            m_out.lineBreak(group().paragraph);
        } else {
            return false;
        }
        return true;
    }

    void specialWord(const Word& word) {
        if (word.name == "uc") {
            group().unicodeSkip = std::clamp(word.parameter.value_or(1), 0, 10);
        } else if (word.name == "u" && word.parameter) {
            unicode(*word.parameter);
        } else if (const std::optional<char32_t> special = specialCharacter(word.name)) {
            character(*special);
        }
    }

    // Puts a \u character out, joining a surrogate pair; its fallback is skipped next.
    void unicode(int value) {
        m_skip = group().unicodeSkip;
        if (value < -32768 || value > 65535) {
            character(kReplacementCharacter);
            return;
        }
        const auto unit = static_cast<char32_t>(value < 0 ? value + 65536 : value);
        if (unit >= 0xD800 && unit < 0xDC00) {
            flushSurrogate();
            m_highSurrogate = unit;
        } else if (unit >= 0xDC00 && unit < 0xE000) {
            const char32_t high = m_highSurrogate;
            m_highSurrogate = 0;
            character(high != 0 ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00)
                                : kReplacementCharacter);
        } else {
            character(unit);
        }
    }

    void flushSurrogate() {
        if (m_highSurrogate != 0) {
            m_highSurrogate = 0;
            character(kReplacementCharacter);
        }
    }

    void character(char32_t c) {
        flushSurrogate();
        switch (group().destination) {
            case Destination::Text:
                m_out.text(c, group().paragraph, group().chars);
                break;
            case Destination::FontTable:
                m_fonts.character(c);
                break;
            case Destination::ColourTable:
                m_colours.character(c);
                break;
            case Destination::Skip:
                break;
        }
    }

    void paragraphEnd() {
        if (group().destination == Destination::Text) {
            m_out.paragraphEnd(group().paragraph);
        }
    }

    std::string_view m_rtf;
    std::size_t m_at = 0;
    std::vector<Group> m_groups{Group{}};
    std::size_t m_overflow = 0;
    int m_skip = 0;
    char32_t m_highSurrogate = 0;
    FontTable m_fonts;
    ColourTable m_colours;
    HtmlWriter m_out{m_fonts, m_colours};
};

}  // namespace

std::string rtfToHtml(std::string_view rtf) {
    return RtfReader(rtf).run();
}

}  // namespace orbeni
