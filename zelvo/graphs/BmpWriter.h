#pragma once
// Windows bitmap files of 24 bits per pixel, written from raw pixels: a 14-byte file header, a
// 40-byte information header, then the rows from the bottom of the picture to the top, each pixel
// blue, green, red, each row padded with zero bytes to a multiple of 4.

#include <cstdint>
#include <iosfwd>
#include <vector>

#include "common/io/Status.h"

namespace zelvo {

// Pixels of a picture, top row first, each pixel red, green, blue.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // width x height x 3
};

// 4 x ceiling(24 x width / 32).
std::uint32_t BmpRowSize(int width);

// The whole file in memory.
std::vector<std::uint8_t> EncodeBmp(const RgbImage& image);

inline constexpr const char* kBmpWriteErrorMessage = "write error";
// Writes the whole file to `out` (a file the caller has created); a failing write gives
// kBmpWriteErrorMessage.
Status WriteBmp(std::ostream& out, const RgbImage& image);

}  // namespace zelvo
