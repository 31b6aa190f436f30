#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The pieces the rich-text reader builds its HTML with: formatting states, the font and colour
// tables of the document, and the writer of paragraphs and styled runs.
namespace orbeni::rtf {

inline constexpr int kDefaultHalfPoints = 24;
inline constexpr int kMaxHalfPoints = 400;
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// A byte of Windows code page 1252, the code page of \ansi documents, as Unicode.
char32_t fromCp1252(unsigned char byte);
void appendUtf8(std::string& out, char32_t c);

enum class Alignment { Left, Centre, Right, Justified };

struct CharStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = kDefaultHalfPoints;
    int font = -1;
    int colour = 0;
    friend bool operator==(const CharStyle&, const CharStyle&) = default;
};

// Indent and space after in twips, as the document gives them.
struct ParagraphStyle {
    int leftIndent = 0;
    int spaceAfter = 0;
    Alignment alignment = Alignment::Left;
};

// The fonts of {\fonttbl ...}: each entry's number, name and family, ended by ';'.
class FontTable {
public:
    void word(std::string_view name, std::optional<int> parameter);
    void character(char32_t c);
    // The CSS font-family of a font number; empty when the table does not name it.
    std::string cssFamily(int font) const;

private:
    struct Font {
        int number = 0;
        std::string name;
        std::string_view generic;
    };
    std::vector<Font> m_fonts;
    Font m_pending;
};

// The colours of {\colortbl ...}; an entry without components is the automatic colour.
class ColourTable {
public:
    void word(std::string_view name, std::optional<int> parameter);
    void character(char32_t c);
    std::optional<std::uint32_t> colour(int index) const;

private:
    std::vector<std::optional<std::uint32_t>> m_colours;
    std::array<int, 3> m_pending{};
    bool m_pendingSet = false;
};

// Writes paragraphs and runs of equal formatting; a paragraph opens with its first character.
class HtmlWriter {
public:
    HtmlWriter(const FontTable& fonts, const ColourTable& colours) : m_fonts(fonts), m_colours(colours) {}

    void text(char32_t c, const ParagraphStyle& paragraph, const CharStyle& chars);
    void lineBreak(const ParagraphStyle& paragraph);
    void paragraphEnd(const ParagraphStyle& paragraph);
    std::string finish();

private:
    void openParagraph(const ParagraphStyle& paragraph);
    void useSpan(const CharStyle& chars);
    void closeSpan();
    std::string spanStyle(const CharStyle& chars) const;

    const FontTable& m_fonts;
    const ColourTable& m_colours;
    std::string m_html;
    bool m_inParagraph = false;
    bool m_inSpan = false;
    bool m_afterSpace = true;
    CharStyle m_spanStyle;
};

}  // namespace orbeni::rtf
