#include "orbeni/layouts/markup_reader.h"

#include <charconv>
#include <optional>

namespace orbeni {

namespace {

bool isNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':';
}

bool isNameChar(char c) {
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void appendUtf8(std::string& text, unsigned codePoint) {
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// The character a reference names ("amp", "#38", "#x26"); none for an unknown or invalid one.
std::optional<unsigned> referencedCharacter(std::string_view name) {
    static constexpr std::pair<std::string_view, unsigned> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [named, character] : kNamed) {
        if (name == named) {
            return character;
        }
    }
    if (name.size() < 2 || name[0] != '#') {
        return std::nullopt;
    }
    const bool hex = name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    unsigned codePoint = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), codePoint, hex ? 16 : 10);
    const bool valid = error == std::errc() && end == digits.data() + digits.size() && !digits.empty() &&
                       codePoint >= 1 && codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
    return valid ? std::optional<unsigned>(codePoint) : std::nullopt;
}

class MarkupParser {
public:
    explicit MarkupParser(std::string_view text) : m_text(text) {}

    platform::Result<MarkupElement> document() {
        skipMisc();
        MarkupElement root;
        if (m_error.empty() && !startsWith("<")) {
            fail("no element");
        }
        if (m_error.empty()) {
            element(root, 1);
        }
        if (m_error.empty()) {
            skipMisc();
            if (m_error.empty() && m_pos < m_text.size()) {
                fail("more after the end of the root element");
            }
        }
        if (!m_error.empty()) {
            return platform::Result<MarkupElement>::failure(m_error + " (line " + std::to_string(m_line) +
                                                            ")");
        }
        return root;
    }

private:
    bool startsWith(std::string_view prefix) const { return m_text.substr(m_pos).starts_with(prefix); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void advance(std::size_t count = 1) {
        for (std::size_t i = 0; i < count && !atEnd(); ++i) {
            m_line += m_text[m_pos++] == '\n' ? 1 : 0;
        }
    }
    void fail(std::string reason) {
        if (m_error.empty()) {
            m_error = std::move(reason);
        }
    }
    void skipSpace() {
        while (!atEnd() && isSpace(peek())) {
            advance();
        }
    }

    // Skips to just after `end`; false when the text ends first.
    bool skipPast(std::string_view end) {
        const std::size_t found = m_text.find(end, m_pos);
        if (found == std::string_view::npos) {
            return false;
        }
        advance(found + end.size() - m_pos);
        return true;
    }

    // Skips what may stand between elements: text, comments, declarations, instructions.
    void skipMisc() {
        while (m_error.empty() && !atEnd()) {
            if (startsWith("<!--")) {
                if (!skipPast("-->")) {
                    fail("a comment that does not end");
                }
            } else if (startsWith("<![CDATA[")) {
                if (!skipPast("]]>")) {
                    fail("a CDATA section that does not end");
                }
            } else if (startsWith("<?") || startsWith("<!")) {
                if (!skipPast(">")) {
                    fail("a declaration that does not end");
                }
            } else if (peek() == '<') {
                return;
            } else {
                advance();
            }
        }
    }

    std::string name() {
        std::string read;
        if (isNameStart(peek())) {
            while (!atEnd() && isNameChar(peek()) && read.size() < 64) {
                read += peek();
                advance();
            }
        }
        if (read.empty() || isNameChar(peek())) {
            fail("a missing or too long name");
        }
        return read;
    }

    std::string quotedValue() {
        const char quote = peek();
        if (quote != '"' && quote != '\'') {
            fail("an attribute value without quotes");
            return {};
        }
        advance();
        std::string value;
        while (m_error.empty() && !atEnd() && peek() != quote) {
            if (peek() == '<') {
                fail("a '<' inside an attribute value");
            } else if (peek() == '&') {
                reference(value);
            } else {
                value += peek();
                advance();
            }
        }
        if (atEnd()) {
            fail("an attribute value that does not end");
        }
        advance();
        return value;
    }

    void reference(std::string& value) {
        const std::size_t end = m_text.find(';', m_pos);
        const std::optional<unsigned> character =
            end == std::string_view::npos || end - m_pos > 10
                ? std::nullopt
                : referencedCharacter(m_text.substr(m_pos + 1, end - m_pos - 1));
        if (!character) {
            fail("an unknown character reference");
            return;
        }
        appendUtf8(value, *character);
        advance(end + 1 - m_pos);
    }

    // Reads the attributes of a start tag; true when the tag closes itself ("/>").
    bool attributes(MarkupElement& element) {
        while (m_error.empty()) {
            const bool spaced = isSpace(peek());
            skipSpace();
            if (startsWith("/>")) {
                advance(2);
                return true;
            }
            if (peek() == '>') {
                advance();
                return false;
            }
            if (!spaced) {
                fail("attributes run together");
                break;
            }
            std::string attributeName = name();
            skipSpace();
            if (peek() != '=') {
                fail("an attribute without a value");
                break;
            }
            advance();
            skipSpace();
            std::string value = quotedValue();
            if (element.attribute(attributeName) != nullptr) {
                fail("attribute " + attributeName + " given twice");
            }
            element.attributes.emplace_back(std::move(attributeName), std::move(value));
        }
        return true;
    }

    // Reads one element from its "<" on, with everything inside it.
    void element(MarkupElement& element, int depth) {
        if (depth > kMaxMarkupDepth || ++m_elements > kMaxMarkupElements) {
            fail("elements nested too deep or too many");
            return;
        }
        element.line = m_line;
        advance();
        element.name = name();
        if (!m_error.empty() || attributes(element)) {
            return;
        }
        while (m_error.empty()) {
            skipMisc();
            if (atEnd()) {
                fail("<" + element.name + "> is not closed");
            } else if (startsWith("</")) {
                advance(2);
                if (name() != element.name) {
                    fail("<" + element.name + "> closed by another name");
                }
                skipSpace();
                if (peek() != '>') {
                    fail("an end tag that does not end");
                }
                advance();
                return;
            } else {
                element.children.emplace_back();
                this->element(element.children.back(), depth + 1);
            }
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_elements = 0;
    std::string m_error;
};

}  // namespace

const std::string* MarkupElement::attribute(std::string_view attributeName) const {
    for (const auto& [key, value] : attributes) {
        if (key == attributeName) {
            return &value;
        }
    }
    return nullptr;
}

platform::Result<MarkupElement> readMarkup(std::string_view text) {
    return MarkupParser(text).document();
}

}  // namespace orbeni
