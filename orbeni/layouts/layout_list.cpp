#include "orbeni/layouts/layout_list.h"

#include <algorithm>
#include <cctype>
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

void LayoutList::build(const std::filesystem::path& folder) {
    m_entries.clear();
    std::vector<LayoutEntry> lays;
    for (const auto& file : filesWithExtension(folder, ".lay")) {
        lays.push_back({layoutDisplayName(file.filename().string()), file, LayoutKind::Lay});
    }
    std::stable_sort(lays.begin(), lays.end(), lessIgnoringCase);
    for (auto& entry : lays) {
        add(std::move(entry));
    }
    for (const auto& file : filesWithExtension(folder, ".shp")) {
        add({file.filename().string(), file, LayoutKind::Shp});
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
