#pragma once

#include <optional>

#include "platform/bitmap/bitmap.h"

namespace platform {

// The raster operations the games copy with, named after their Windows codes.
enum class RasterOp {
    SourceCopy,    // SRCCOPY: dest = src
    SourceAnd,     // SRCAND: dest = dest AND src
    SourcePaint,   // SRCPAINT: dest = dest OR src
    SourceInvert,  // SRCINVERT: dest = dest XOR src
};

// Copies a width x height block from (sourceX, sourceY) of source to (destX, destY) of dest,
// combining the pixels by op. The block is clipped to both bitmaps: the pixels that stay keep
// their places, whatever edge is cut (negative corners, blocks larger than either bitmap). A
// blit within one bitmap copies as if from a copy of it, overlapping or not.
void blit(Bitmap& dest, int destX, int destY, int width, int height, const Bitmap& source, int sourceX,
          int sourceY, RasterOp op = RasterOp::SourceCopy);

// The transparent blit of a masked picture in one pass: a SourceAnd of the mask block (at maskX,
// maskY), then a SourcePaint of the picture block, clipped to all three bitmaps. The mask and the
// picture may be the same bitmap, never the destination.
void maskedBlit(Bitmap& dest, int destX, int destY, int width, int height, const Bitmap& mask, int maskX,
                int maskY, const Bitmap& picture, int pictureX, int pictureY);

// Copies the source rectangle onto the dest rectangle, scaling by the nearest pixel as the
// default stretch mode does (each destination pixel takes the source pixel under its centre);
// clipped to both bitmaps without changing the scale: destination pixels outside dest, or whose
// source pixel lies outside source, stay as they are. A rectangle with a width or height below
// 1 copies nothing (Windows would mirror a negative one). With a clip rectangle only the
// destination pixels inside it change, each taking the pixel the whole stretch would give it.
void stretchBlit(Bitmap& dest, Rect destRect, const Bitmap& source, Rect sourceRect,
                 RasterOp op = RasterOp::SourceCopy, std::optional<Rect> clip = std::nullopt);

// Fills a rectangle with one colour; clipped to the bitmap.
void fillRect(Bitmap& dest, Rect rect, Pixel colour);

// Inverts every pixel of a rectangle (DSTINVERT); clipped to the bitmap.
void invertRect(Bitmap& dest, Rect rect);

}  // namespace platform
