// orbeni's Orbeni.ini: any file gives settings, and what is written reads back the same.
#include "fuzz/harnesses/harness_support.h"
#include "orbeni/view/orbeni_settings.h"
#include "platform/profile/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = fuzzing::writeInput("Orbeni.ini", data, size);
    const orbeni::ScreenSize screen{1280, 1024};
    const orbeni::OrbeniSettings settings = orbeni::readSettings(platform::Profile(file), screen);

    const std::filesystem::path copy = fuzzing::inputFile("copy.ini");
    std::filesystem::remove(copy);
    platform::Profile written(copy);
    if (orbeni::writeSettings(written, settings)) {
        FUZZ_CHECK(orbeni::readSettings(platform::Profile(copy), screen) == settings);
    }
    return 0;
}
