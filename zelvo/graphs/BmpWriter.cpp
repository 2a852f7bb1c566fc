#include "zelvo/graphs/BmpWriter.h"

#include <ostream>

namespace zelvo {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xff));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xff));
}

}  // namespace

std::uint32_t BmpRowSize(int width) {
  if (width <= 0) return 0;
  return 4u * ((24u * static_cast<std::uint32_t>(width) + 31u) / 32u);
}

std::vector<std::uint8_t> EncodeBmp(const RgbImage& image) {
  const int width = image.width > 0 ? image.width : 0;
  const int height = image.height > 0 ? image.height : 0;
  const std::uint32_t rowSize = BmpRowSize(width);
  const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> out;
  out.reserve(54 + imageSize);
  // File header.
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + imageSize);
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, 54);
  // Information header.
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // no compression
  Put32(out, imageSize);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  const std::size_t expected = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3;
  const bool havePixels = image.rgb.size() >= expected;
  for (int row = height - 1; row >= 0; --row) {
    const std::size_t start = static_cast<std::size_t>(row) * static_cast<std::size_t>(width) * 3;
    for (int col = 0; col < width; ++col) {
      const std::size_t p = start + static_cast<std::size_t>(col) * 3;
      const std::uint8_t r = havePixels ? image.rgb[p] : 0;
      const std::uint8_t g = havePixels ? image.rgb[p + 1] : 0;
      const std::uint8_t b = havePixels ? image.rgb[p + 2] : 0;
      out.push_back(b);
      out.push_back(g);
      out.push_back(r);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowSize; ++pad) out.push_back(0);
  }
  return out;
}

Status WriteBmp(std::ostream& out, const RgbImage& image) {
  const std::vector<std::uint8_t> bytes = EncodeBmp(image);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return out ? Status::Success() : Status::Failure(kBmpWriteErrorMessage);
}

}  // namespace zelvo
