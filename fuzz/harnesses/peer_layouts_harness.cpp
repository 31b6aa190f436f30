// Other programs' layouts, KMahjongg's ".layout" and GNOME Mahjongg's ".map": any file reads or
// is refused with a reason, a layout that converts fits orbeni's grid with every tile, and the
// names it gives are safe file names.
#include <algorithm>

#include "fuzz/harnesses/harness_support.h"
#include "orbeni/board/tiles.h"
#include "orbeni/layouts/layout_import.h"
#include "orbeni/layouts/peer_layouts.h"

namespace {

void checkLayouts(const orbeni::PeerFile& file) {
    FUZZ_CHECK(file.refusal.empty() || file.layouts.empty());
    for (const orbeni::PeerLayout& layout : file.layouts) {
        FUZZ_CHECK(std::none_of(layout.name.begin(), layout.name.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
        const std::string base = orbeni::layoutFileBase(layout.name);
        FUZZ_CHECK(!base.empty() && base.find('/') == std::string::npos &&
                   base.find("..") == std::string::npos && base[0] != '.');
        const auto converted = orbeni::convertPeerLayout(layout, file.format);
        if (converted) {
            const int positions = converted.value().positionCount();
            FUZZ_CHECK(positions == static_cast<int>(layout.tiles.size()));
            FUZZ_CHECK(positions % 2 == 0 && positions > 0 && positions <= orbeni::kMaxTiles);
        } else {
            FUZZ_CHECK(!converted.error().empty());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkLayouts(orbeni::readGnomeMaps(text));
    checkLayouts(orbeni::readKMahjonggLayout(text, text, text.substr(0, 80)));
    return 0;
}
