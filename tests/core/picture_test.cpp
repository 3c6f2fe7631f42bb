// Pictures in memory: the BMP file form, cutting, drawing, transposing and
// smooth scaling.
#include "assets/picture.h"

#include <gtest/gtest.h>

#include "assets/picture_loader.h"
#include "assets/picture_scale.h"
#include "tests/support/picture_print.h"

namespace {

using assets::Picture;
using assets::Rgb;

// A picture in which every pixel differs from its neighbours.
Picture Pattern(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.set(x, y,
            {static_cast<uint8_t>(x * 7 + 1), static_cast<uint8_t>(y * 11 + 2), static_cast<uint8_t>(x ^ y)});
  return p;
}

uint32_t Le32(const platform::Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(EncodeBmp24, WritesTheHeadersAndPaddedBottomUpRows) {
  Picture p(3, 2);
  p.set(0, 0, {1, 2, 3});     // top-left
  p.set(2, 1, {10, 20, 30});  // bottom-right
  const auto bmp = assets::EncodeBmp24(p);
  const size_t row = 12;  // 9 bytes padded to 12
  ASSERT_EQ(bmp.size(), 54 + 2 * row);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(Le32(bmp, 2), bmp.size());
  EXPECT_EQ(Le32(bmp, 6), 0u);
  EXPECT_EQ(Le32(bmp, 10), 54u);
  EXPECT_EQ(Le32(bmp, 14), 40u);
  EXPECT_EQ(Le32(bmp, 18), 3u);
  EXPECT_EQ(Le32(bmp, 22), 2u);
  EXPECT_EQ(bmp[26] | bmp[27] << 8, 1);
  EXPECT_EQ(bmp[28] | bmp[29] << 8, 24);
  EXPECT_EQ(Le32(bmp, 30), 0u);
  EXPECT_EQ(Le32(bmp, 34), 2 * row);
  for (size_t at = 38; at < 54; at += 4) EXPECT_EQ(Le32(bmp, at), 0u) << "field at " << at;
  // The bottom row comes first, blue-green-red, then padding.
  EXPECT_EQ((platform::Bytes(bmp.begin() + 54 + 6, bmp.begin() + 54 + 12)),
            (platform::Bytes{30, 20, 10, 0, 0, 0}));
  EXPECT_EQ((platform::Bytes(bmp.begin() + 54 + row, bmp.begin() + 54 + row + 3)),
            (platform::Bytes{3, 2, 1}));
}

TEST(EncodeBmp24, SlotPictureFileIs12342Bytes) {
  EXPECT_EQ(assets::EncodeBmp24(Picture(64, 64)).size(), 12342u);
}

TEST(EncodeBmp24, LoadsBackUnchangedForEveryRowPadding) {
  for (int w = 1; w <= 5; ++w) {
    const Picture p = Pattern(w, 3);
    EXPECT_EQ(assets::DecodePicture(assets::EncodeBmp24(p)), p) << "width " << w;
  }
}

TEST(PictureGeometry, CutClipsToBlackOutsideTheSource) {
  const Picture source = Pattern(4, 4);
  const Picture cut = assets::Cut(source, 2, -1, 3, 3);
  ASSERT_EQ(cut.width, 3);
  ASSERT_EQ(cut.height, 3);
  EXPECT_EQ(cut.at(0, 0), Rgb{});
  EXPECT_EQ(cut.at(0, 1), source.at(2, 0));
  EXPECT_EQ(cut.at(1, 2), source.at(3, 1));
  EXPECT_EQ(cut.at(2, 1), Rgb{});
}

TEST(PictureGeometry, DrawLeavesOutWhatFallsOutside) {
  const Rgb red{255, 0, 0};
  for (const auto& [x, y] : {std::pair{-1, -1}, std::pair{3, 3}, std::pair{-5, 0}, std::pair{1, 1}}) {
    Picture target(4, 4);
    assets::Draw(target, Picture(2, 2, red), x, y);
    for (int ty = 0; ty < 4; ++ty)
      for (int tx = 0; tx < 4; ++tx) {
        const bool inside = tx >= x && tx < x + 2 && ty >= y && ty < y + 2;
        EXPECT_EQ(target.at(tx, ty), inside ? red : Rgb{}) << "drawn at " << x << "," << y;
      }
  }
}

TEST(PictureGeometry, TransposedExchangesRowsAndColumns) {
  const Picture p = Pattern(5, 3);
  const Picture t = assets::Transposed(p);
  ASSERT_EQ(t.width, 3);
  ASSERT_EQ(t.height, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(t.at(x, y), p.at(y, x));
  EXPECT_EQ(assets::Transposed(t), p);
}

// One row of grey values, scaled along x only.
std::vector<int> ScaleRow(const std::vector<int>& values, int width) {
  Picture p(static_cast<int>(values.size()), 1);
  for (size_t i = 0; i < values.size(); ++i) {
    const auto v = static_cast<uint8_t>(values[i]);
    p.set(static_cast<int>(i), 0, {v, v, v});
  }
  const Picture s = assets::Scaled(p, width, 1);
  std::vector<int> out;
  for (int x = 0; x < s.width; ++x) out.push_back(s.at(x, 0).g);
  return out;
}

TEST(Scaled, AveragesAreasWhenReducingAndInterpolatesWhenEnlarging) {
  struct Case {
    std::vector<int> in;
    int width;
    std::vector<int> out;
  };
  const Case cases[] = {
      {{0, 90, 180}, 2, {30, 150}},          // each output covers 1.5 input pixels
      {{10, 20, 30, 40}, 2, {15, 35}},       // plain halving
      {{0, 255, 0, 255, 0, 255}, 1, {128}},  // the whole row averaged (127.5 rounds up)
      {{0, 200}, 4, {0, 50, 150, 200}},      // centres at -0.25, 0.25, 0.75, 1.25
      {{100}, 3, {100, 100, 100}},           // a single pixel spreads
      {{0, 64, 128}, 3, {0, 64, 128}},       // same size: unchanged
  };
  for (const auto& c : cases) EXPECT_EQ(ScaleRow(c.in, c.width), c.out) << "to width " << c.width;
}

TEST(Scaled, ScalesEachAxisByItsOwnRule) {
  // 4 by 2 to 2 by 4: columns are averaged in pairs, rows interpolated.
  Picture p(4, 2);
  for (int x = 0; x < 4; ++x) {
    p.set(x, 0, {0, 0, 0});
    p.set(x, 1, {200, 200, 200});
  }
  p.set(0, 0, {100, 0, 0});
  const Picture s = assets::Scaled(p, 2, 4);
  ASSERT_EQ(s.width, 2);
  ASSERT_EQ(s.height, 4);
  EXPECT_EQ(s.at(0, 0), (Rgb{50, 0, 0}));
  EXPECT_EQ(s.at(1, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(s.at(1, 1), (Rgb{50, 50, 50}));
  EXPECT_EQ(s.at(1, 2), (Rgb{150, 150, 150}));
  EXPECT_EQ(s.at(1, 3), (Rgb{200, 200, 200}));
}

TEST(Scaled, KeepsAUniformPictureUniform) {
  const Rgb colour{12, 200, 77};
  for (const auto& [w, h] : {std::pair{64, 64}, std::pair{25, 25}, std::pair{300, 7}, std::pair{1, 1}}) {
    const Picture s = assets::Scaled(Picture(37, 91, colour), w, h);
    ASSERT_EQ(s.pixels.size(), static_cast<size_t>(w) * h);
    for (const Rgb& c : s.pixels) ASSERT_EQ(c, colour) << w << "x" << h;
  }
}

TEST(Scaled, EmptyInOrOutGivesAnEmptyPicture) {
  EXPECT_TRUE(assets::Scaled(Picture(), 64, 64).empty());
  EXPECT_TRUE(assets::Scaled(Picture(3, 3), 0, 64).empty());
}

}  // namespace
