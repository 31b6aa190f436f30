#include "orbeni/layouts/layout_list.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <system_error>

namespace orbeni {

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool lessIgnoringCase(const LayoutEntry& a, const LayoutEntry& b) {
    return lowerCase(a.caption) < lowerCase(b.caption);
}

// The files of a folder whose extension is `extension`, in any letter case; folders and names
// without a dot are skipped.
std::vector<std::filesystem::path> filesWithExtension(const std::filesystem::path& folder,
                                                      std::string_view extension) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = item.path().filename().string();
        if (item.is_directory(error) || name.find('.') == std::string::npos) {
            continue;
        }
        if (lowerCase(item.path().extension().string()) == extension) {
            files.push_back(item.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::string layoutDisplayName(std::string_view fileName) {
    if (fileName.size() <= 4) {
        return {};
    }
    std::string name = lowerCase(std::string(fileName.substr(0, fileName.size() - 4)));
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

namespace {

// The files of both folders with this extension; a player's file replaces the shipped ones of
// the same entry.
std::vector<LayoutEntry> entriesOf(const std::filesystem::path& folder,
                                   const std::filesystem::path& playerFolder, std::string_view extension,
                                   LayoutKind kind) {
    const auto entries = [&](const std::filesystem::path& from) {
        std::vector<LayoutEntry> found;
        for (const auto& file : filesWithExtension(from, extension)) {
            const std::string name = file.filename().string();
            found.push_back({kind == LayoutKind::Lay ? layoutDisplayName(name) : name, file, kind});
        }
        return found;
    };
    std::vector<LayoutEntry> all = entries(folder);
    if (playerFolder.empty() || playerFolder == folder) {
        return all;
    }
    std::vector<LayoutEntry> own = entries(playerFolder);
    std::erase_if(all, [&own](const LayoutEntry& shipped) {
        return std::any_of(own.begin(), own.end(),
                           [&shipped](const LayoutEntry& saved) { return saved.caption == shipped.caption; });
    });
    all.insert(all.end(), std::make_move_iterator(own.begin()), std::make_move_iterator(own.end()));
    return all;
}

}  // namespace

void LayoutList::build(const std::filesystem::path& folder, const std::filesystem::path& playerFolder) {
    m_entries.clear();
    std::vector<LayoutEntry> lays = entriesOf(folder, playerFolder, ".lay", LayoutKind::Lay);
    std::stable_sort(lays.begin(), lays.end(), lessIgnoringCase);
    for (auto& entry : lays) {
        add(std::move(entry));
    }
    for (auto& entry : entriesOf(folder, playerFolder, ".shp", LayoutKind::Shp)) {
        add(std::move(entry));
    }
}

void LayoutList::setFile(int number, std::filesystem::path file) {
    if (number >= 1 && number <= count()) {
        m_entries[static_cast<std::size_t>(number - 1)].file = std::move(file);
    }
}

const LayoutEntry* LayoutList::entry(int number) const {
    return number >= 1 && number <= count() ? &m_entries[static_cast<std::size_t>(number - 1)] : nullptr;
}

int LayoutList::find(std::string_view caption) const {
    for (int n = 1; n <= count(); ++n) {
        if (m_entries[static_cast<std::size_t>(n - 1)].caption == caption) {
            return n;
        }
    }
    return 0;
}

int LayoutList::add(LayoutEntry entry) {
    if (count() >= kMaxLayoutEntries) {
        return 0;
    }
    m_entries.push_back(std::move(entry));
    return count();
}

std::vector<std::string> LayoutList::captions() const {
    std::vector<std::string> names;
    for (const auto& entry : m_entries) {
        names.push_back(entry.caption);
    }
    return names;
}

int LayoutList::startingNumber(int storedNumber) const {
    if (count() == 0) {
        return 0;
    }
    const int number = std::min(storedNumber, count());
    std::error_code error;
    if (number < 1 || !std::filesystem::exists(entry(number)->file, error)) {
        return 1;
    }
    return number;
}

}  // namespace orbeni
