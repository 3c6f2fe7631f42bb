// Decoding the images of an icon trailer into the window icon.
#include <gtest/gtest.h>

#include "game_window_icon.h"
#include "tests/runtime/icon_fixture.h"
#include "tests/support/png_writer.h"

namespace {

using namespace icon_fixture;

gamebuild::IconImage IconOf(int side, int bits, Bytes data) {
  gamebuild::IconImage icon;
  icon.width = icon.height = static_cast<uint8_t>(side);
  icon.planes = 1;
  icon.bits_per_pixel = static_cast<uint16_t>(bits);
  icon.data = std::move(data);
  return icon;
}

void ExpectPixels(const game::Image& image, int side, int bits, const std::string& what) {
  ASSERT_EQ(image.width, side) << what;
  ASSERT_EQ(image.height, side) << what;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x)
      if (Hole(x, y))
        ASSERT_TRUE(game::IsTransparent(image.at(x, y))) << what << " at " << x << "," << y;
      else
        ASSERT_EQ(image.at(x, y), Expected(x, y, bits)) << what << " at " << x << "," << y;
}

TEST(WindowIcon, BitmapsOfEveryDepthDecodeWithTheirMask) {
  for (int bits : {1, 4, 8, 24, 32})
    for (int side : {16, 20, 33}) {
      const std::string what = std::to_string(bits) + " bits, " + std::to_string(side) + " wide";
      const auto image = game::DecodeIconImage(IconOf(side, bits, Dib(side, bits)));
      ASSERT_TRUE(image) << what;
      ExpectPixels(*image, side, bits, what);
    }
  const auto mask_only = game::DecodeIconImage(IconOf(16, 32, Dib(16, 32, /*alpha_unused=*/true)));
  ASSERT_TRUE(mask_only);
  ExpectPixels(*mask_only, 16, 32, "32 bits whose alpha is unused");
}

TEST(WindowIcon, PngImagesKeepTheirTransparency) {
  // Clear, half-transparent and opaque pixels, each with its own colour.
  const Bytes png = testing_support::EncodePng(3, 1, {10, 20, 30, 0, 40, 50, 60, 128, 70, 80, 90, 255});
  const auto image = game::DecodeIconImage(IconOf(3, 32, png));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->pixels, (std::vector<uint32_t>{game::Argb(0, 10, 20, 30), game::Argb(128, 40, 50, 60),
                                                  game::Rgb(70, 80, 90)}));
}

TEST(WindowIcon, DamagedBitmapsAreRefused) {
  const Bytes good = Dib(16, 8);
  auto with = [&good](size_t at, std::initializer_list<uint8_t> bytes) {
    Bytes b = good;
    std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
    return b;
  };
  const struct {
    const char* what;
    Bytes data;
  } cases[] = {
      {"cut inside the mask", Bytes(good.begin(), good.end() - 1)},
      {"cut inside the header", Bytes(good.begin(), good.begin() + 30)},
      {"header size past the end", with(0, {0xFF, 0xFF, 0, 0})},
      {"no width", with(4, {0, 0, 0, 0})},
      {"negative width", with(4, {0xF0, 0xFF, 0xFF, 0xFF})},
      {"wider than an icon", with(4, {0x01, 0x02, 0, 0})},
      {"height 1", with(8, {1, 0, 0, 0})},
      {"16 bits", with(14, {16, 0})},
      {"compressed", with(16, {1, 0, 0, 0})},
      {"a PNG that is not one", Bytes{0x89, 'P', 'N', 'G', 0, 1, 2}},
      {"empty", Bytes{}},
  };
  for (const auto& c : cases) EXPECT_FALSE(game::DecodeIconImage(IconOf(16, 8, c.data))) << c.what;
  Bytes many_colours = with(32, {0xFF, 0xFF, 0xFF, 0x7F});  // more colours than 8 bits hold
  EXPECT_TRUE(game::DecodeIconImage(IconOf(16, 8, many_colours))) << "the table is 256 colours at most";
}

TEST(WindowIcon, LargestImageWinsAndOfEqualSizesTheDeepest) {
  const Bytes trailer = gamebuild::EncodeIconTrailer(
      {IconOf(16, 32, Dib(16, 32)), IconOf(24, 4, Dib(24, 4)), IconOf(24, 24, Dib(24, 24)),
       IconOf(32, 8, Bytes{1, 2, 3})});  // the largest does not decode
  Bytes executable = trailer;
  executable.insert(executable.begin(), 1000, 0x90);
  const auto icon = game::ReadWindowIcon(executable);
  ASSERT_TRUE(icon);
  ExpectPixels(*icon, 24, 24, "the 24-bit image of 24 x 24");
  EXPECT_FALSE(game::ReadWindowIcon(Bytes(1000, 0x90))) << "no trailer";
}

}  // namespace
