// INI profiles: any bytes read without harm, and what is written reads back.

#include "fuzz/harnesses/harness_support.h"
#include "platform/profile/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = fuzzing::writeInput("test.ini", data, size);
    platform::Profile profile(file);
    const std::vector<std::string> sections = profile.sections();
    for (const std::string& section : sections) {
        for (const std::string& key : profile.keys(section)) {
            profile.readString(section, key, "");
            profile.readInt(section, key, 0);
        }
    }
    // What is written into the input's first section reads back as it was: a value of the
    // input's plain characters (no blanks or quotes around it, which readers take off).
    const std::string section = sections.empty() ? "Options" : sections.front();
    std::string value;
    for (std::size_t i = 0; i < size && value.size() < 40; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c > ' ' && c < 127 && c != '"' && c != '\'') {
            value += c;
        }
    }
    if (profile.writeString(section, "Fuzz", value)) {
        FUZZ_CHECK(platform::Profile(file).readString(section, "Fuzz", "?") == value);
    }
    profile.deleteSection(section);
    FUZZ_CHECK(platform::Profile(file).readString(section, "Fuzz", "gone") == "gone");
    return 0;
}
