// pocketquillet's HISCORE.QZO: any bytes give a table of ten, which writes and reads back.
#include "fuzz/harnesses/harness_support.h"
#include "pocketquillet/game/hiscore_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const pocketquillet::HiscoreTable table = pocketquillet::HiscoreTable::fromBytes(bytes);
    const std::string written = table.toBytes();
    FUZZ_CHECK(written.size() == 500);
    FUZZ_CHECK(pocketquillet::HiscoreTable::fromBytes(written).toBytes() == written);
    return 0;
}
