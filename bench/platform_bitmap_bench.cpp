#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "platform/bitmap/bmp_file.h"
#include "platform/bitmap/raster_ops.h"

namespace {

using platform::Bitmap;
using platform::RasterOp;

// A picture whose pixels all differ, so that no copy can be skipped.
Bitmap gradient(int width, int height) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.setPixel(x, y, platform::rgb(std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)));
        }
    }
    return bitmap;
}

// One board-sized blit, 704 x 468 as orbeni's window paints its back buffer, by each raster op.
void BM_BlitBoard(benchmark::State& state) {
    const Bitmap source = gradient(704, 468);
    Bitmap dest(704, 468);
    const auto op = RasterOp(state.range(0));
    for (auto _ : state) {
        platform::blit(dest, 0, 0, 704, 468, source, 0, 0, op);
        benchmark::DoNotOptimize(dest.row(0));
    }
    state.SetItemsProcessed(state.iterations() * 704 * 468);
}
BENCHMARK(BM_BlitBoard)
    ->Arg(int(RasterOp::SourceCopy))
    ->Arg(int(RasterOp::SourceAnd))
    ->Arg(int(RasterOp::SourcePaint))
    ->Arg(int(RasterOp::SourceInvert));

// A background picture stretched over the board.
void BM_StretchBackground(benchmark::State& state) {
    const Bitmap source = gradient(369, 567);
    Bitmap dest(704, 468);
    for (auto _ : state) {
        platform::stretchBlit(dest, dest.rect(), source, source.rect());
        benchmark::DoNotOptimize(dest.row(0));
    }
    state.SetItemsProcessed(state.iterations() * 704 * 468);
}
BENCHMARK(BM_StretchBackground);

// Decoding a 369 x 567 24-bit picture already in memory.
void BM_ReadBmp24(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = platform::encodeBmp24(gradient(369, 567));
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::readBmp(bytes));
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(bytes.size()));
}
BENCHMARK(BM_ReadBmp24);

// Loading the same picture from a file, as a game loads its tile set.
void BM_LoadBmp24(benchmark::State& state) {
    const auto file = std::filesystem::temp_directory_path() / "tilegames-bench-tiles.bmp";
    platform::saveBmp(gradient(369, 567), file);
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::loadBmp(file));
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_LoadBmp24);

// Encoding and saving it whole, as the art generator writes its pictures.
void BM_SaveBmp24(benchmark::State& state) {
    const auto file = std::filesystem::temp_directory_path() / "tilegames-bench-saved.bmp";
    const Bitmap picture = gradient(369, 567);
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::saveBmp(picture, file));
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_SaveBmp24);

}  // namespace
