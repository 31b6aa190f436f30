#include "platform/bitmap/raster_ops.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {

namespace {

constexpr Pixel kOpaque = 0xFF000000u;

// Combines one source pixel into one destination pixel; the result is always opaque.
inline Pixel combine(Pixel dest, Pixel source, RasterOp op) {
    switch (op) {
        case RasterOp::SourceCopy:
            return source | kOpaque;
        case RasterOp::SourceAnd:
            return (dest & source) | kOpaque;
        case RasterOp::SourcePaint:
            return (dest | source) | kOpaque;
        case RasterOp::SourceInvert:
            return (dest ^ source) | kOpaque;
    }
    return dest;
}

// Combines a row of count source pixels into a row of destination pixels.
void combineRow(Pixel* dest, const Pixel* source, int count, RasterOp op) {
    switch (op) {
        case RasterOp::SourceCopy:
            for (int i = 0; i < count; ++i) {
                dest[i] = source[i] | kOpaque;
            }
            break;
        case RasterOp::SourceAnd:
            for (int i = 0; i < count; ++i) {
                dest[i] = (dest[i] & source[i]) | kOpaque;
            }
            break;
        case RasterOp::SourcePaint:
            for (int i = 0; i < count; ++i) {
                dest[i] = dest[i] | source[i] | kOpaque;
            }
            break;
        case RasterOp::SourceInvert:
            for (int i = 0; i < count; ++i) {
                dest[i] = (dest[i] ^ source[i]) | kOpaque;
            }
            break;
    }
}

// A span of rows or columns: the part of [start, start + length) inside [0, limit), in 64 bits so
// that no sum of ints overflows.
struct Span {
    std::int64_t start = 0;
    std::int64_t end = 0;
    bool isEmpty() const { return end <= start; }
};

Span clipSpan(std::int64_t start, std::int64_t length, std::int64_t limit) {
    return {std::max<std::int64_t>(start, 0), std::min<std::int64_t>(start + length, limit)};
}

Rect clipRect(const Bitmap& bitmap, Rect rect) {
    if (rect.width <= 0 || rect.height <= 0) {
        return {};
    }
    const Span columns = clipSpan(rect.x, rect.width, bitmap.width());
    const Span rows = clipSpan(rect.y, rect.height, bitmap.height());
    if (columns.isEmpty() || rows.isEmpty()) {
        return {};
    }
    return {int(columns.start), int(rows.start), int(columns.end - columns.start),
            int(rows.end - rows.start)};
}

}  // namespace

// Clips the block on all four sides of both bitmaps, shifting the source corner with the
// destination corner so that the pixels that stay keep their places.
void blit(Bitmap& dest, int destX, int destY, int width, int height, const Bitmap& source, int sourceX,
          int sourceY, RasterOp op) {
    if (width <= 0 || height <= 0 || dest.isNull() || source.isNull()) {
        return;
    }
    std::int64_t dx = destX, dy = destY, sx = sourceX, sy = sourceY, w = width, h = height;
    const std::int64_t skipX = std::max<std::int64_t>({0, -dx, -sx});
    const std::int64_t skipY = std::max<std::int64_t>({0, -dy, -sy});
    dx += skipX, sx += skipX, w -= skipX;
    dy += skipY, sy += skipY, h -= skipY;
    w = std::min({w, dest.width() - dx, source.width() - sx});
    h = std::min({h, dest.height() - dy, source.height() - sy});
    if (w <= 0 || h <= 0) {
        return;
    }
    if (&dest == &source) {
        // The block may overlap itself: copy it out first, as a screen-to-screen blit would.
        Bitmap block{int(w), int(h)};
        blit(block, 0, 0, int(w), int(h), source, int(sx), int(sy));
        blit(dest, int(dx), int(dy), int(w), int(h), block, 0, 0, op);
        return;
    }
    for (std::int64_t y = 0; y < h; ++y) {
        combineRow(dest.row(int(dy + y)) + dx, source.row(int(sy + y)) + sx, int(w), op);
    }
}

void maskedBlit(Bitmap& dest, int destX, int destY, int width, int height, const Bitmap& mask, int maskX,
                int maskY, const Bitmap& picture, int pictureX, int pictureY) {
    if (width <= 0 || height <= 0 || dest.isNull() || mask.isNull() || picture.isNull()) {
        return;
    }
    std::int64_t dx = destX, dy = destY, mx = maskX, my = maskY, px = pictureX, py = pictureY;
    std::int64_t w = width, h = height;
    const std::int64_t skipX = std::max<std::int64_t>({0, -dx, -mx, -px});
    const std::int64_t skipY = std::max<std::int64_t>({0, -dy, -my, -py});
    dx += skipX, mx += skipX, px += skipX, w -= skipX;
    dy += skipY, my += skipY, py += skipY, h -= skipY;
    w = std::min({w, dest.width() - dx, mask.width() - mx, picture.width() - px});
    h = std::min({h, dest.height() - dy, mask.height() - my, picture.height() - py});
    for (std::int64_t y = 0; y < h; ++y) {
        Pixel* out = dest.row(int(dy + y)) + dx;
        const Pixel* masks = mask.row(int(my + y)) + mx;
        const Pixel* pixels = picture.row(int(py + y)) + px;
        for (std::int64_t x = 0; x < w; ++x) {
            out[x] = (out[x] & masks[x]) | pixels[x] | kOpaque;
        }
    }
}

// Maps every destination pixel to the source pixel under its centre. Destination pixels outside
// dest, and those whose source pixel lies outside source, are left as they are. An empty or
// mirrored rectangle (width or height not positive) copies nothing.
void stretchBlit(Bitmap& dest, Rect destRect, const Bitmap& source, Rect sourceRect, RasterOp op,
                 std::optional<Rect> clip) {
    if (sourceRect.width <= 0 || sourceRect.height <= 0 || source.isNull()) {
        return;
    }
    if (&dest == &source) {
        const Bitmap copy = source;
        stretchBlit(dest, destRect, copy, sourceRect, op, clip);
        return;
    }
    const Rect visible = clip ? intersected(clipRect(dest, destRect), *clip) : clipRect(dest, destRect);
    if (visible.width == 0) {
        return;
    }
    // The source column of each visible destination column, or -1 outside the source bitmap.
    std::vector<int> sourceColumns(std::size_t(visible.width));
    for (int i = 0; i < visible.width; ++i) {
        const std::int64_t offset = std::int64_t(visible.x) - destRect.x + i;
        const std::int64_t x =
            sourceRect.x + (2 * offset + 1) * sourceRect.width / (2 * std::int64_t(destRect.width));
        sourceColumns[std::size_t(i)] = (x >= 0 && x < source.width()) ? int(x) : -1;
    }
    for (int j = 0; j < visible.height; ++j) {
        const std::int64_t offset = std::int64_t(visible.y) - destRect.y + j;
        const std::int64_t y =
            sourceRect.y + (2 * offset + 1) * sourceRect.height / (2 * std::int64_t(destRect.height));
        if (y < 0 || y >= source.height()) {
            continue;
        }
        const Pixel* sourceRow = source.row(int(y));
        Pixel* destRow = dest.row(visible.y + j) + visible.x;
        for (int i = 0; i < visible.width; ++i) {
            const int x = sourceColumns[std::size_t(i)];
            if (x >= 0) {
                destRow[i] = combine(destRow[i], sourceRow[x], op);
            }
        }
    }
}

void fillRect(Bitmap& dest, Rect rect, Pixel colour) {
    const Rect visible = clipRect(dest, rect);
    for (int y = visible.y; y < visible.y + visible.height; ++y) {
        std::fill_n(dest.row(y) + visible.x, visible.width, colour | kOpaque);
    }
}

void invertRect(Bitmap& dest, Rect rect) {
    const Rect visible = clipRect(dest, rect);
    for (int y = visible.y; y < visible.y + visible.height; ++y) {
        Pixel* pixels = dest.row(y) + visible.x;
        for (int x = 0; x < visible.width; ++x) {
            pixels[x] = ~pixels[x] | kOpaque;
        }
    }
}

}  // namespace platform
