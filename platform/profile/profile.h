#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One INI file read and written the way the Windows profile functions treat it, so that files
// written by the Windows programs or by hand keep working:
// - section and key names compare ignoring (ASCII) case; the first matching section and the
//   first matching key in it win;
// - white space around names and values is trimmed, and one pair of matching quotes (" or ')
//   around a value is removed;
// - lines without "=" and comment lines (";") never match a key;
// - a write keeps every other line byte for byte and reaches the disk whole or not at all;
// - a file that exists but cannot be read is never written in this run, so that what it holds
//   is not replaced by defaults;
// - line breaks in a value become blanks (a lone CR inside a line too, on reading), a value
//   that trimming or unquoting would change is written in quotes, so every value written reads
//   back as it was, and a section or key that could not be found again (a line break in it, or
//   a key with "=" or starting with ";" or "[") is refused.
//
// The file is parsed once and again only when it changes on disk, so many reads cost little.
class Profile {
public:
    // A file name without a folder ("Orbeni.ini") lives in the settings folder of the program.
    Profile(std::filesystem::path file, std::string_view programFolderName);
    explicit Profile(std::filesystem::path file);

    const std::filesystem::path& path() const { return m_path; }

    // Whether the file exists but could not be read: it then reads as missing and every write
    // fails.
    bool isUnreadable() const;

    // The value of a key, or the default when the section or the key is missing; at most
    // capacity - 1 characters, as a buffer of that size would hold.
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                           std::size_t capacity = kDefaultCapacity) const;

    // The value as an integer: the default for a missing key or an empty value, otherwise an
    // optional sign and the leading decimal digits (no digits give 0).
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    // The key names of a section in file order (empty when the section is missing).
    std::vector<std::string> keys(std::string_view section) const;
    // The section names in file order.
    std::vector<std::string> sections() const;

    // Sets a key, creating the file, the section or the key as needed; no value deletes the key.
    // False when the file cannot be written (nothing on disk changes then).
    bool writeString(std::string_view section, std::string_view key, std::optional<std::string_view> value);
    bool writeInt(std::string_view section, std::string_view key, int value);
    // Removes a section with all its lines, and every other copy of it.
    bool deleteSection(std::string_view section);

    // Makes all the changes and writes the file once: the same bytes the writes one by one would
    // give, but a save that fails or is cut off leaves the old file whole. Reads inside see the
    // changes made so far. The changes start from the file, or from an empty one when the file is
    // to be made anew; when they return false nothing is written. False when nothing was written.
    enum class BatchStart { FromFile, FromEmpty };
    bool writeBatch(const std::function<bool(Profile&)>& changes, BatchStart start = BatchStart::FromFile);

    static constexpr std::size_t kDefaultCapacity = 4096;

private:
    struct Line {
        std::string text;    // without its line ending
        std::string ending;  // "\r\n", "\n" or "" (last line without one)
    };
    struct Contents {
        std::vector<Line> lines;
        std::filesystem::file_time_type writeTime{};
        std::uintmax_t size = 0;
        bool exists = false;
        bool unreadable = false;
    };
    struct SectionRange {
        std::size_t header = 0;  // index of the "[name]" line
        std::size_t end = 0;     // one past its last line (the next header or the end of the file)
    };

    const Contents& contents() const;
    void parse(const std::string& bytes) const;
    std::optional<SectionRange> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const SectionRange& range, std::string_view key) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string newLineEnding() const;
    std::vector<Line> withNewKey(const std::optional<SectionRange>& range, std::string_view section,
                                 std::string_view key, std::string_view value) const;
    bool save(std::vector<Line> lines);

    std::filesystem::path m_path;
    mutable Contents m_contents;
    mutable bool m_loaded = false;
    bool m_batching = false;  // inside writeBatch: changes stay in memory
    bool m_batchChanged = false;
};

}  // namespace platform
