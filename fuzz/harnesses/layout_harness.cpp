// orbeni's .lay and .shp layouts: any file reads or is refused with a reason, and a layout written
// reads back the same.
#include "fuzz/harnesses/harness_support.h"
#include "orbeni/layouts/layout_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path lay = fuzzing::writeInput("test.lay", data, size);
    const auto layFile = orbeni::readLayFile(lay);
    const std::filesystem::path shp = fuzzing::writeInput("test.shp", data, size);
    orbeni::readShpFile(shp);
    if (layFile) {
        const std::filesystem::path copy = fuzzing::inputFile("copy.lay");
        if (orbeni::writeLayFile(copy, layFile.value().name, layFile.value().layout)) {
            const auto again = orbeni::readLayFile(copy);
            FUZZ_CHECK(again && again.value().layout == layFile.value().layout);
        }
    }
    return 0;
}
