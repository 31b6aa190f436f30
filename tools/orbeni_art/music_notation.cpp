#include <string>

#include "music_score.h"

namespace orbeni_art {

namespace {

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> found;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start) {
            found.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return found;
}

// Reads a note name with its accidental ("f#", "bb", "c") as semitones above C.
std::optional<int> semitone(std::string_view name, std::size_t& at) {
    static const int kNatural[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (at >= name.size() || name[at] < 'a' || name[at] > 'g') {
        return std::nullopt;
    }
    int value = kNatural[name[at++] - 'a'];
    if (at < name.size() && (name[at] == '#' || name[at] == 'b')) {
        value += name[at++] == '#' ? 1 : -1;
    }
    return value;
}

std::optional<std::vector<Note>> parseMelody(std::string_view text) {
    std::vector<Note> notes;
    std::uint32_t eighths = 1;
    for (const std::string_view word : words(text)) {
        std::size_t at = 0;
        Note note;
        if (word[0] != 'r') {
            const std::optional<int> pitch = semitone(word, at);
            if (!pitch || at >= word.size() || word[at] < '0' || word[at] > '9') {
                return std::nullopt;
            }
            note.key = 12 * (word[at++] - '0' + 1) + *pitch;
        } else {
            ++at;
        }
        if (at < word.size() && word[at] == ':') {
            eighths = std::uint32_t(std::stoul(std::string(word.substr(at + 1))));
        }
        note.eighths = eighths;
        notes.push_back(note);
    }
    return notes;
}

std::optional<std::vector<Chord>> parseChords(std::string_view text) {
    std::vector<Chord> chords;
    for (const std::string_view word : words(text)) {
        std::string lower(word);
        lower[0] = char(lower[0] - 'A' + 'a');
        std::size_t at = 0;
        const std::optional<int> root = semitone(lower, at);
        if (!root) {
            return std::nullopt;
        }
        chords.push_back({(*root + 12) % 12, at < lower.size() && lower[at] == 'm'});
    }
    return chords;
}

}  // namespace

std::optional<Bars> readSection(const Section& section) {
    const auto melody = parseMelody(section.melody);
    const auto chords = parseChords(section.chords);
    if (!melody || !chords) {
        return std::nullopt;
    }
    std::uint32_t eighths = 0;
    for (const Note& note : *melody) {
        eighths += note.eighths;
    }
    if (eighths != 8 * chords->size()) {
        return std::nullopt;
    }
    return Bars{*melody, *chords};
}

}  // namespace orbeni_art
