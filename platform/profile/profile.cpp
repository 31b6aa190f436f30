#include "platform/profile/profile.h"

#include <algorithm>
#include <climits>
#include <system_error>

#include "platform/profile/settings_folder.h"

namespace platform {

namespace {

std::string_view trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of a "[name]" line, or nothing for any other line. The name ends at the line's last
// "]", so that a name holding one ("Pyramid [hard]") reads back as it was written.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    return trim(line.substr(0, line.rfind(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// The key and value of a "key=value" line; comments and lines without "=" have none.
std::optional<KeyLine> keyLine(std::string_view line) {
    line = trim(line);
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == ';' || equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine{trim(line.substr(0, equals)), trim(line.substr(equals + 1))};
}

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string limited(std::string_view text, std::size_t capacity) {
    return std::string(text.substr(0, capacity == 0 ? 0 : capacity - 1));
}

// The integer of a profile value: an optional sign, then decimal digits up to the first other
// character; clamped to the range of int.
int leadingInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        magnitude = std::min(magnitude * 10 + (c - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    const long long value = negative ? -magnitude : magnitude;
    return int(std::clamp(value, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
}

bool isBlankLine(std::string_view line) {
    return trim(line).empty();
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// A key that a reader would not find again: cut at its "=", taken for a comment or a section.
bool isUnreadableKey(std::string_view key) {
    key = trim(key);
    return key.empty() || hasLineBreak(key) || key.find('=') != std::string_view::npos ||
           key.front() == ';' || key.front() == '[';
}

// A value never holds a line break: each one becomes a blank, on reading and on writing alike.
std::string oneLine(std::string_view value) {
    std::string text(value);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

// A value as its key line holds it: one that a reader would trim or unquote (blank edges,
// enclosing quotes) goes in quotes, so that it reads back as it was written.
std::string lineValue(std::string_view value) {
    std::string text = oneLine(value);
    if (trim(text) != text || withoutQuotes(text) != text) {
        text.insert(text.begin(), '"');
        text.push_back('"');
    }
    return text;
}

}  // namespace

Profile::Profile(std::filesystem::path file, std::string_view programFolderName)
    : m_path(resolveSettingsFile(file, programFolderName)) {}

Profile::Profile(std::filesystem::path file) : m_path(std::move(file)) {}

// Parses the file again only when its time or size changed since the last look; while a batch
// of changes is made the changes in memory are the contents.
const Profile::Contents& Profile::contents() const {
    if (m_batching) {
        return m_contents;
    }
    std::error_code error;
    const bool exists = std::filesystem::is_regular_file(m_path, error);
    const auto writeTime =
        exists ? std::filesystem::last_write_time(m_path, error) : std::filesystem::file_time_type{};
    const auto size = exists ? std::filesystem::file_size(m_path, error) : 0;
    if (m_loaded && exists == m_contents.exists && writeTime == m_contents.writeTime &&
        size == m_contents.size) {
        return m_contents;
    }
    m_contents = Contents{{}, writeTime, size, exists};
    m_loaded = true;
    if (!exists) {
        return m_contents;  // a missing file, or a folder of that name: nothing to read
    }
    const std::optional<std::string> bytes = readFileGuarded(m_path);
    if (!bytes) {
        m_contents.unreadable = true;
        return m_contents;
    }
    parse(*bytes);
    return m_contents;
}

// Splits the bytes into lines with their endings; a last line ending in a lone CR keeps it.
void Profile::parse(const std::string& bytes) const {
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t newline = bytes.find('\n', start);
        if (newline == std::string::npos) {
            const bool lone = bytes.back() == '\r';
            m_contents.lines.push_back(
                {bytes.substr(start, bytes.size() - start - (lone ? 1 : 0)), lone ? "\r" : ""});
            break;
        }
        const bool crlf = newline > start && bytes[newline - 1] == '\r';
        const std::size_t textEnd = crlf ? newline - 1 : newline;
        m_contents.lines.push_back({bytes.substr(start, textEnd - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
}

bool Profile::isUnreadable() const {
    return contents().unreadable || isUnreadableFile(m_path);
}

std::optional<Profile::SectionRange> Profile::findSection(std::string_view section) const {
    const auto& lines = contents().lines;
    section = trim(section);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i].text);
        if (!name || !equalIgnoringCase(*name, section)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines.size() && !sectionName(lines[end].text)) {
            ++end;
        }
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> Profile::findKey(const SectionRange& range, std::string_view key) const {
    const auto& lines = contents().lines;
    key = trim(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto line = keyLine(lines[i].text);
        if (line && equalIgnoringCase(line->key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> Profile::value(std::string_view section, std::string_view key) const {
    const auto range = findSection(section);
    const auto index = range ? findKey(*range, key) : std::nullopt;
    if (!index) {
        return std::nullopt;
    }
    return oneLine(withoutQuotes(keyLine(contents().lines[*index].text)->value));
}

std::string Profile::readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                std::size_t capacity) const {
    const auto found = value(section, key);
    return limited(found ? std::string_view(*found) : defaultValue, capacity);
}

int Profile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto found = value(section, key);
    return found && !found->empty() ? leadingInteger(*found) : defaultValue;
}

std::vector<std::string> Profile::keys(std::string_view section) const {
    std::vector<std::string> names;
    if (const auto range = findSection(section)) {
        for (std::size_t i = range->header + 1; i < range->end; ++i) {
            if (const auto line = keyLine(contents().lines[i].text)) {
                names.emplace_back(line->key);
            }
        }
    }
    return names;
}

std::vector<std::string> Profile::sections() const {
    std::vector<std::string> names;
    for (const auto& line : contents().lines) {
        if (const auto name = sectionName(line.text)) {
            names.emplace_back(*name);
        }
    }
    return names;
}

// New lines follow the file's own line ending; a new file gets the Windows one.
std::string Profile::newLineEnding() const {
    const auto& lines = contents().lines;
    const bool windows = lines.empty() || lines.front().ending != "\n";
    return windows ? "\r\n" : "\n";
}

bool Profile::writeString(std::string_view section, std::string_view key,
                          std::optional<std::string_view> value) {
    if (hasLineBreak(section) || trim(section).empty() || isUnreadableKey(key)) {
        return false;
    }
    const auto range = findSection(section);
    const auto index = range ? findKey(*range, key) : std::nullopt;
    if (!index) {
        return !value || save(withNewKey(range, section, key, lineValue(*value)));
    }
    std::vector<Line> lines = contents().lines;
    const std::size_t at = *index;
    if (value) {
        lines[at].text = std::string(keyLine(lines[at].text)->key).append("=").append(lineValue(*value));
    } else {
        lines.erase(lines.begin() + std::ptrdiff_t(at));
    }
    return save(std::move(lines));
}

// The lines with a new key after the last non-blank line of its section, or with a new
// section holding it at the end of the file.
std::vector<Profile::Line> Profile::withNewKey(const std::optional<SectionRange>& range,
                                               std::string_view section, std::string_view key,
                                               std::string_view value) const {
    std::vector<Line> lines = contents().lines;
    const std::string ending = newLineEnding();
    std::size_t at = lines.size();
    if (range) {
        at = range->end;
        while (at > range->header + 1 && isBlankLine(lines[at - 1].text)) {
            --at;
        }
    }
    // The line before gets an ending of its own; a lone CR keeps its place before the LF.
    if (at > 0 && lines[at - 1].ending.empty()) {
        lines[at - 1].ending = ending;
    } else if (at > 0 && lines[at - 1].ending == "\r") {
        lines[at - 1].ending = "\r\n";
    }
    std::vector<Line> added;
    if (!range) {
        added.push_back({std::string("[").append(trim(section)).append("]"), ending});
    }
    added.push_back({std::string(trim(key)).append("=").append(value), ending});
    lines.insert(lines.begin() + std::ptrdiff_t(at), added.begin(), added.end());
    return lines;
}

bool Profile::writeInt(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

bool Profile::deleteSection(std::string_view section) {
    if (!findSection(section)) {
        return true;
    }
    std::vector<Line> lines = contents().lines;
    bool inSection = false;
    std::erase_if(lines, [&](const Line& line) {
        if (const auto name = sectionName(line.text)) {
            inSection = equalIgnoringCase(*name, trim(section));
        }
        return inSection;
    });
    return save(std::move(lines));
}

bool Profile::writeBatch(const std::function<bool(Profile&)>& changes, BatchStart start) {
    if (isUnreadable()) {
        return false;
    }
    const Contents before = contents();
    if (start == BatchStart::FromEmpty) {
        m_contents.lines.clear();
    }
    m_batching = true;
    m_batchChanged = start == BatchStart::FromEmpty;
    const bool complete = changes(*this);
    m_batching = false;
    if (!complete) {
        m_contents = before;
        return false;
    }
    if (!m_batchChanged) {
        return true;
    }
    std::vector<Line> lines = std::move(m_contents.lines);
    m_contents = before;
    return save(std::move(lines));
}

bool Profile::save(std::vector<Line> lines) {
    if (isUnreadable()) {
        return false;
    }
    if (m_batching) {
        m_contents.lines = std::move(lines);
        m_batchChanged = true;
        return true;
    }
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line.text;
        bytes += line.ending;
    }
    if (!writeFileAtomically(m_path, bytes)) {
        return false;
    }
    std::error_code error;
    m_contents =
        Contents{std::move(lines), std::filesystem::last_write_time(m_path, error), bytes.size(), true};
    return true;
}

}  // namespace platform
