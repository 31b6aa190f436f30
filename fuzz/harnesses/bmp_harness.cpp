// BMP pictures: any bytes decode or are refused, and a decoded picture saves and reads back.
#include "fuzz/harnesses/harness_support.h"
#include "platform/bitmap/bmp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const platform::Result<platform::Bitmap> picture = platform::readBmp({data, size});
    if (picture) {
        const std::vector<std::uint8_t> saved = platform::encodeBmp24(picture.value());
        const platform::Result<platform::Bitmap> again = platform::readBmp(saved);
        FUZZ_CHECK(again && again.value() == picture.value());
    }
    return 0;
}
