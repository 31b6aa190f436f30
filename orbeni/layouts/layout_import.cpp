#include "orbeni/layouts/layout_import.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "orbeni/game/hall_of_fame.h"
#include "orbeni/layouts/layout_file.h"
#include "orbeni/layouts/peer_layouts.h"

namespace orbeni {

namespace {

constexpr int kMaxNameSuffix = 999;

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The bytes of a peer file, or why it cannot be read: missing, not a file, too big, unreadable.
platform::Result<std::string> readPeerFile(const std::filesystem::path& file) {
    using Read = platform::Result<std::string>;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return Read::failure("no such file.");
    }
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > kMaxPeerFileBytes) {
        return Read::failure("bigger than " + std::to_string(kMaxPeerFileBytes) + " bytes.");
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) {
        return Read::failure("cannot be read.");
    }
    return bytes;
}

// The ".desktop" beside a KMahjongg layout, which names it; empty when there is none.
std::string desktopBeside(const std::filesystem::path& layoutFile) {
    std::filesystem::path desktop = layoutFile;
    desktop.replace_extension(".desktop");
    const auto read = readPeerFile(desktop);
    return read ? read.value() : std::string();
}

std::optional<PeerFile> readPeerLayouts(const std::filesystem::path& file, const std::string& bytes) {
    const std::string extension = lowerCase(file.extension().string());
    if (extension == ".layout") {
        return readKMahjonggLayout(bytes, desktopBeside(file), file.stem().string());
    }
    if (extension == ".map") {
        return readGnomeMaps(bytes);
    }
    return std::nullopt;
}

bool folderHolds(const std::filesystem::path& folder, const std::string& fileName) {
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        if (lowerCase(item.path().filename().string()) == lowerCase(fileName)) {
            return true;
        }
    }
    return false;
}

// Answers whether a new entry could be confused with a listed layout: the same caption, or the
// same hall-of-fame section, whose times it would take over.
bool listHolds(const LayoutList& list, const std::string& caption) {
    const std::string section = lowerCase(HallOfFame::sectionName(caption));
    const std::vector<std::string> captions = list.captions();
    return std::any_of(captions.begin(), captions.end(), [&section](const std::string& listed) {
        return lowerCase(HallOfFame::sectionName(listed)) == section;
    });
}

// The first free file base for a layout: its name, else its name with " 2", " 3", ...
std::optional<std::string> freeFileBase(const std::string& displayName, const std::filesystem::path& folder,
                                        const LayoutList& list) {
    const std::string base = layoutFileBase(displayName);
    for (int suffix = 1; suffix <= kMaxNameSuffix; ++suffix) {
        const std::string candidate = suffix == 1 ? base : base + " " + std::to_string(suffix);
        const std::string fileName = candidate + ".lay";
        if (!folderHolds(folder, fileName) && !listHolds(list, layoutDisplayName(fileName))) {
            return candidate;
        }
    }
    return std::nullopt;
}

// Converts one layout and writes it as a ".lay"; the rest of the outcome line.
ImportOutcome importLayout(const PeerLayout& layout, PeerFormat format, const std::filesystem::path& folder,
                           LayoutList& list, const std::function<void(int)>& added) {
    const platform::Result<LayoutTemplate> converted = convertPeerLayout(layout, format);
    if (!converted) {
        return {converted.error()};
    }
    if (list.count() >= kMaxLayoutEntries) {
        return {"the layout list is full (" + std::to_string(kMaxLayoutEntries) + " layouts)."};
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::optional<std::string> base = freeFileBase(layout.name, folder, list);
    if (!base) {
        return {"no free file name for it in " + folder.string() + "."};
    }
    const std::filesystem::path file = folder / (*base + ".lay");
    if (!writeLayFile(file, layout.name, converted.value())) {
        return {"cannot write " + file.string() + "."};
    }
    const std::string caption = layoutDisplayName(file.filename().string());
    const int number = list.add({caption, file, LayoutKind::Lay});
    if (added) {
        added(number);
    }
    return {"imported as \"" + caption + "\".", true};
}

std::vector<ImportOutcome> importFile(const std::filesystem::path& file, const std::filesystem::path& folder,
                                      LayoutList& list, const std::function<void(int)>& added) {
    const std::string shownFile = file.filename().string() + ": ";
    const platform::Result<std::string> bytes = readPeerFile(file);
    if (!bytes) {
        return {{shownFile + bytes.error()}};
    }
    const std::optional<PeerFile> read = readPeerLayouts(file, bytes.value());
    if (!read) {
        return {{shownFile + "neither a KMahjongg .layout nor a GNOME Mahjongg .map file."}};
    }
    if (!read->refusal.empty()) {
        return {{shownFile + read->refusal + "."}};
    }
    std::vector<ImportOutcome> outcomes;
    for (const PeerLayout& layout : read->layouts) {
        ImportOutcome outcome = importLayout(layout, read->format, folder, list, added);
        outcome.line = shownFile + "\"" + layout.name + "\": " + outcome.line;
        outcomes.push_back(std::move(outcome));
    }
    return outcomes;
}

}  // namespace

std::string layoutFileBase(std::string_view displayName) {
    std::string base = printableName(displayName);
    std::replace_if(
        base.begin(), base.end(), [](char c) { return c == '/' || c == '\\'; }, '-');
    // One dot at a time, and none in front: no ".." and no hidden file.
    base.erase(std::unique(base.begin(), base.end(), [](char a, char b) { return a == '.' && b == '.'; }),
               base.end());
    base.erase(0, std::min(base.find_first_not_of(". "), base.size()));
    return base.empty() ? "Imported layout" : base;
}

std::vector<ImportOutcome> importLayoutFiles(const std::vector<std::filesystem::path>& files,
                                             const std::filesystem::path& folder, LayoutList& list,
                                             const std::function<void(int number)>& added) {
    std::vector<ImportOutcome> outcomes;
    for (const std::filesystem::path& file : files) {
        std::vector<ImportOutcome> ofFile = importFile(file, folder, list, added);
        outcomes.insert(outcomes.end(), std::make_move_iterator(ofFile.begin()),
                        std::make_move_iterator(ofFile.end()));
    }
    return outcomes;
}

}  // namespace orbeni
