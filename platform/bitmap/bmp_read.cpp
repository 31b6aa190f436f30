#include "platform/bitmap/bmp_file.h"

namespace platform {

// FIXME: the reader comes in the next commit.
Result<Bitmap> readBmp(std::span<const std::uint8_t>) {
    return Result<Bitmap>::failure("BMP reading is not ready yet");
}
Result<Bitmap> loadBmp(const std::filesystem::path&) {
    return Result<Bitmap>::failure("BMP reading is not ready yet");
}

}  // namespace platform
