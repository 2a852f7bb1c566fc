#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "zelvo/graphs/BmpWriter.h"

namespace zelvo {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

TEST(BmpWriter, AreaOf101PixelsHasRowsOf304Bytes) {
  EXPECT_EQ(BmpRowSize(101), 304u);
  EXPECT_EQ(BmpRowSize(100), 300u);
  EXPECT_EQ(BmpRowSize(1), 4u);
  RgbImage image{101, 3, std::vector<std::uint8_t>(101 * 3 * 3, 0xff)};
  const std::vector<std::uint8_t> b = EncodeBmp(image);
  ASSERT_EQ(b.size(), 54u + 304u * 3u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U32(b, 2), 54u + 304u * 3u);
  EXPECT_EQ(U32(b, 6), 0u);
  EXPECT_EQ(U32(b, 10), 54u);
  EXPECT_EQ(U32(b, 14), 40u);
  EXPECT_EQ(U32(b, 18), 101u);
  EXPECT_EQ(U32(b, 22), 3u);
  EXPECT_EQ(U16(b, 26), 1u);
  EXPECT_EQ(U16(b, 28), 24u);
  EXPECT_EQ(U32(b, 30), 0u);
  EXPECT_EQ(U32(b, 34), 304u * 3u);
  for (std::size_t at = 38; at < 54; ++at) EXPECT_EQ(b[at], 0u);
  // 303 bytes of pixels, then one zero byte of padding, in every row.
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(b[54 + 304 * row + 302], 0xff);
    EXPECT_EQ(b[54 + 304 * row + 303], 0x00);
  }
}

TEST(BmpWriter, RowsRunBottomUpAndPixelsAreBlueGreenRed) {
  // 2 x 2: top row red, green; bottom row blue, white.
  RgbImage image{2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}};
  const std::vector<std::uint8_t> b = EncodeBmp(image);
  ASSERT_EQ(b.size(), 54u + 8u * 2u);
  const std::vector<std::uint8_t> pixels(b.begin() + 54, b.end());
  EXPECT_EQ(pixels, (std::vector<std::uint8_t>{255, 0, 0, 255, 255, 255, 0, 0,  // bottom: blue, white, pad
                                               0, 0, 255, 0, 255, 0, 0, 0}));   // top: red, green, pad
}

TEST(BmpWriter, WritesTheEncodedFileOrSaysWriteError) {
  RgbImage image{3, 1, std::vector<std::uint8_t>(9, 7)};
  std::ostringstream out;
  ASSERT_TRUE(WriteBmp(out, image).Ok());
  const std::string written = out.str();
  const std::vector<std::uint8_t> expected = EncodeBmp(image);
  EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.end()), expected);

  std::ostringstream broken;
  broken.setstate(std::ios::badbit);
  const Status failed = WriteBmp(broken, image);
  EXPECT_FALSE(failed.Ok());
  EXPECT_EQ(failed.Message(), "write error");
}

}  // namespace
}  // namespace zelvo
