// MIDI pieces: any bytes give a length or a reason.
#include "fuzz/harnesses/harness_support.h"
#include "platform/audio/midi_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const platform::Result<std::uint32_t> length = platform::midiLengthMilliseconds({data, size});
    FUZZ_CHECK(length || !length.error().empty());
    return 0;
}
