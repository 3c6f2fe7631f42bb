// Picture loading: the format decided by content, the header checks that
// refuse broken or oversized files, and real files from tests/data.
#include "assets/picture_loader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "assets/picture.h"
#include "tests/support/picture_print.h"
#include "tests/support/png_writer.h"
#include "tests/support/test_data.h"

namespace {

namespace fs = std::filesystem;
using assets::Picture;
using assets::Rgb;
using testing_support::EncodePng;

// ---- fixtures made in code ------------------------------------------------

void Put16(platform::Bytes& b, size_t at, int v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(platform::Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// An 18-byte TGA header followed by `data`.
platform::Bytes Tga(int type, int bits, int w, int h, const platform::Bytes& data, int descriptor = 0x20) {
  platform::Bytes b(18, 0);
  b[2] = static_cast<uint8_t>(type);
  Put16(b, 12, w);
  Put16(b, 14, h);
  b[16] = static_cast<uint8_t>(bits);
  b[17] = static_cast<uint8_t>(descriptor);  // 0x20: first row at the top
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

Picture TwoByTwo() {
  Picture p(2, 2);
  p.set(0, 0, {255, 0, 0});
  p.set(1, 0, {0, 255, 0});
  p.set(0, 1, {0, 0, 255});
  p.set(1, 1, {255, 255, 255});
  return p;
}

TEST(PictureLoader, TrueColourTgaLoadsInEveryDepthAndCoding) {
  const Picture expected = TwoByTwo();
  // Blue-green-red order; 16 bits: 0RRRRRGG GGGBBBBB little-endian.
  const platform::Bytes raw24 = {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255};
  const platform::Bytes raw32 = {0, 0, 255, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 255, 255};
  const platform::Bytes raw16 = {0x00, 0x7c, 0xe0, 0x03, 0x1f, 0x00, 0xff, 0x7f};
  const platform::Bytes rle24 = {0x80, 0, 0, 255, 0x80, 0, 255, 0, 0x01, 255, 0, 0, 255, 255, 255};
  const platform::Bytes bottom_up = {255, 0, 0, 255, 255, 255, 0, 0, 255, 0, 255, 0};
  EXPECT_EQ(assets::DecodePicture(Tga(2, 24, 2, 2, raw24)), expected);
  EXPECT_EQ(assets::DecodePicture(Tga(2, 32, 2, 2, raw32, 0x28)), expected);
  EXPECT_EQ(assets::DecodePicture(Tga(2, 16, 2, 2, raw16)), expected);
  EXPECT_EQ(assets::DecodePicture(Tga(10, 24, 2, 2, rle24)), expected);
  EXPECT_EQ(assets::DecodePicture(Tga(2, 24, 2, 2, bottom_up, 0)), expected);
}

TEST(PictureLoader, TransparentTgaPixelsLieOnWhite) {
  const platform::Bytes half_red = {0, 0, 255, 128};  // blue, green, red, alpha
  const Picture p = assets::DecodePicture(Tga(2, 32, 1, 1, half_red, 0x28));
  ASSERT_FALSE(p.empty());
  EXPECT_EQ(p.at(0, 0), (Rgb{255, 127, 127}));
  // Without alpha bits in the descriptor the fourth byte is not alpha.
  EXPECT_EQ(assets::DecodePicture(Tga(2, 32, 1, 1, {0, 0, 255, 0}, 0x20)).at(0, 0), (Rgb{255, 0, 0}));
}

TEST(PictureLoader, RefusesWhatTheHeadersRuleOut) {
  const platform::Bytes pixel24 = {1, 2, 3};
  auto bmp_with = [](auto change) {
    platform::Bytes b = assets::EncodeBmp24(Picture(4, 4, {9, 9, 9}));
    change(b);
    return b;
  };
  struct Case {
    const char* fault;
    platform::Bytes bytes;
  };
  const Case cases[] = {
      {"tga_colour_mapped", Tga(1, 8, 1, 1, platform::Bytes(3 * 256 + 1, 0))},
      {"tga_grey", Tga(3, 8, 1, 1, {7})},
      {"tga_8_bits_true_colour", Tga(2, 8, 1, 1, {7})},
      {"tga_short_data", Tga(2, 24, 2, 2, pixel24)},
      {"tga_rle_too_few_bytes", Tga(10, 24, 300, 1, {0xff, 1, 2, 3})},
      {"tga_zero_width", Tga(2, 24, 0, 1, pixel24)},
      {"tga_too_wide", Tga(2, 24, 16385, 1, platform::Bytes(16385 * 3, 0))},
      {"bmp_truncated", bmp_with([](platform::Bytes& b) { b.resize(b.size() - 1); })},
      {"bmp_rows_missing_sizes_agreeing", bmp_with([](platform::Bytes& b) {
         b.resize(b.size() - 4);
         Put32(b, 2, static_cast<uint32_t>(b.size()));
         Put32(b, 34, static_cast<uint32_t>(b.size() - 54));
       })},
      {"bmp_zero_height", bmp_with([](platform::Bytes& b) { Put32(b, 22, 0); })},
      {"bmp_negative_width", bmp_with([](platform::Bytes& b) { Put32(b, 18, static_cast<uint32_t>(-4)); })},
      {"bmp_too_high", bmp_with([](platform::Bytes& b) { Put32(b, 22, 16385); })},
      {"bmp_two_planes", bmp_with([](platform::Bytes& b) { Put16(b, 26, 2); })},
      {"bmp_unknown_depth", bmp_with([](platform::Bytes& b) { Put16(b, 28, 12); })},
      {"bmp_unknown_compression", bmp_with([](platform::Bytes& b) { Put32(b, 30, 9); })},
      {"bmp_offset_beyond_file", bmp_with([](platform::Bytes& b) { Put32(b, 10, 100000); })},
      {"bmp_absurd_resolution", bmp_with([](platform::Bytes& b) { Put32(b, 38, 30000000); })},
      {"bmp_header_only", platform::Bytes{'B', 'M', 0, 0}},
      {"not_a_picture", platform::Bytes{'h', 'e', 'l', 'l', 'o'}},
      {"empty", platform::Bytes{}},
  };
  for (const auto& c : cases) {
    const Picture p = assets::DecodePicture(c.bytes);
    EXPECT_TRUE(p.empty() && p.width == 0 && p.height == 0) << c.fault;
  }
}

TEST(PictureLoader, PngLoadsWithTransparencyOnWhiteUpToTheLargestSide) {
  const Picture p = assets::DecodePicture(EncodePng(2, 1, {255, 0, 0, 255, 0, 0, 255, 0}));
  EXPECT_EQ(p.pixels, (std::vector<Rgb>{{255, 0, 0}, {255, 255, 255}}));
  EXPECT_EQ(assets::DecodePicture(EncodePng(16384, 1, std::vector<uint8_t>(16384 * 4, 9))).width, 16384);
  EXPECT_TRUE(assets::DecodePicture(EncodePng(16385, 1, std::vector<uint8_t>(16385 * 4, 9))).empty());
  EXPECT_TRUE(assets::DecodePicture(EncodePng(1, 16385, std::vector<uint8_t>(16385 * 4, 9))).empty());
}

TEST(PictureLoader, KeptTransparencyLeavesTheColoursAndGivesTheAlpha) {
  std::vector<uint8_t> alpha = {7, 7, 7};
  Picture p = assets::DecodePicture(EncodePng(2, 1, {255, 0, 0, 255, 0, 0, 255, 0}), &alpha);
  EXPECT_EQ(p.pixels, (std::vector<Rgb>{{255, 0, 0}, {0, 0, 255}}));
  EXPECT_EQ(alpha, (std::vector<uint8_t>{255, 0}));
  p = assets::DecodePicture(Tga(2, 32, 1, 1, {0, 0, 255, 128}, 0x28), &alpha);
  EXPECT_EQ(p.at(0, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(alpha, (std::vector<uint8_t>{128}));
  // Pictures without alpha are opaque throughout; one that does not load has none.
  p = assets::DecodePicture(Tga(2, 32, 1, 1, {0, 0, 255, 0}, 0x20), &alpha);
  EXPECT_EQ(alpha, (std::vector<uint8_t>{255}));
  p = assets::DecodePicture(assets::EncodeBmp24(TwoByTwo()), &alpha);
  EXPECT_EQ(p, TwoByTwo());
  EXPECT_EQ(alpha, (std::vector<uint8_t>(4, 255)));
  const platform::Bytes png = EncodePng(2, 1, {1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_TRUE(assets::DecodePicture(std::span(png).first(20), &alpha).empty());
  EXPECT_TRUE(alpha.empty());
}

TEST(PictureLoader, ALargestSidePictureLoads) {
  const Picture wide(16384, 1, {5, 6, 7});
  const Picture p = assets::DecodePicture(assets::EncodeBmp24(wide));
  EXPECT_EQ(p.width, 16384);
  EXPECT_EQ(p.at(16383, 0), (Rgb{5, 6, 7}));
}

TEST(PictureLoader, ContentDecidesTheFormatNotTheName) {
  testing::TempDir();
  const fs::path file = fs::path(testing::TempDir()) / "really_a_bitmap.png";
  const Picture p = TwoByTwo();
  ASSERT_TRUE(platform::WriteFileAtomic(file, assets::EncodeBmp24(p)));
  EXPECT_EQ(assets::LoadPicture(file), p);
  EXPECT_EQ(assets::DetectPictureFormat(assets::EncodeBmp24(p)), assets::PictureFormat::kBmp);
  fs::remove(file);
  EXPECT_TRUE(assets::LoadPicture(file).empty());
}

TEST(PictureLoader, RunLengthBmpExpandsAndBrokenRunsAreRefused) {
  // 4 by 2, 8 bits, RLE8: bottom row 4 x index 1, top row literal 0 1 0 1.
  const platform::Bytes rle = {4, 1, 0, 0, 0, 4, 0, 1, 0, 1, 0, 0, 0, 1};
  auto file = [](const platform::Bytes& data, int height) {
    platform::Bytes b(54 + 8, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, 54 + 8);
    Put32(b, 14, 40);
    Put32(b, 18, 4);
    Put32(b, 22, static_cast<uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, 8);
    Put32(b, 30, 1);
    Put32(b, 34, static_cast<uint32_t>(data.size()));
    Put32(b, 46, 2);
    const platform::Bytes palette = {0, 0, 0, 0, 255, 255, 255, 0};  // black, white
    std::copy(palette.begin(), palette.end(), b.begin() + 54);
    b.insert(b.end(), data.begin(), data.end());
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    return b;
  };
  const Picture p = assets::DecodePicture(file(rle, 2));
  ASSERT_EQ(p.width, 4);
  ASSERT_EQ(p.height, 2);
  const Rgb w{255, 255, 255}, k{};
  EXPECT_EQ(p.pixels, (std::vector<Rgb>{k, w, k, w, w, w, w, w}));

  EXPECT_TRUE(assets::DecodePicture(file({5, 1, 0, 1}, 2)).empty()) << "run past the row end";
  EXPECT_TRUE(assets::DecodePicture(file({4, 2, 0, 1}, 2)).empty()) << "index beyond the palette";
  EXPECT_TRUE(assets::DecodePicture(file({0, 2, 9, 0, 0, 1}, 2)).empty()) << "move past the row end";
  EXPECT_TRUE(assets::DecodePicture(file({0, 6, 0, 1}, 2)).empty()) << "literal longer than the data";
  EXPECT_TRUE(assets::DecodePicture(file(rle, -2)).empty()) << "run-length rows stored top-down";
}

TEST(PictureLoader, BmpSizeFieldsPromisingMoreThanTheFileHoldsAreIgnoredWhenEveryRowIsThere) {
  const Picture picture(4, 4, {9, 8, 7});
  const platform::Bytes whole = assets::EncodeBmp24(picture);
  const auto size = static_cast<uint32_t>(whole.size());
  struct Case {
    const char* what;
    uint32_t file_size, image_size;
  };
  const Case cases[] = {{"file size 2 bytes over", size + 2, size - 54},
                        {"image size 2 bytes over", size, size - 54 + 2},
                        {"both far over", 0x7FFFFFFF, 0x7FFFFFFF}};
  for (const Case& c : cases) {
    platform::Bytes bytes = whole;
    Put32(bytes, 2, c.file_size);
    Put32(bytes, 34, c.image_size);
    EXPECT_EQ(assets::DecodePicture(bytes), picture) << c.what;
  }
}

TEST(PictureLoader, NoTruncationOfAValidFileCrashes) {
  const platform::Bytes files[] = {
      assets::EncodeBmp24(TwoByTwo()),
      Tga(10, 24, 2, 2, {0x80, 0, 0, 255, 0x80, 0, 255, 0, 0x01, 255, 0, 0, 255, 255, 255}),
  };
  for (const auto& whole : files)
    for (size_t n = 0; n < whole.size(); ++n)
      EXPECT_TRUE(assets::DecodePicture(std::span(whole.data(), n)).empty()) << n << " bytes";
}

// ---- real files ---------------------------------------------------------------

using testing_support::TestData;

std::vector<fs::path> FilesIn(const fs::path& folder, const std::string& extension) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == extension) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// The reference decoding: libpng's simplified reader on its own, straight
// alpha composited onto white.
Picture ReferencePng(const fs::path& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return {};
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) return {};
  Picture p(static_cast<int>(image.width), static_cast<int>(image.height));
  for (size_t i = 0; i < p.pixels.size(); ++i) {
    const uint8_t* c = &rgba[4 * i];
    auto on_white = [&](int v) { return static_cast<uint8_t>((v * c[3] + 255 * (255 - c[3]) + 127) / 255); };
    p.pixels[i] = {on_white(c[0]), on_white(c[1]), on_white(c[2])};
  }
  return p;
}

TEST(PictureCorpora, EveryValidPngLoadsAsTheReferenceAndEveryBrokenOneIsRefused) {
  int valid = 0, broken = 0;
  for (const auto& file : FilesIn(TestData("pngsuite"), ".png")) {
    const Picture p = assets::LoadPicture(file);
    if (file.filename().string().starts_with("x")) {
      EXPECT_TRUE(p.empty()) << file.filename();
      ++broken;
    } else {
      const Picture reference = ReferencePng(file);
      ASSERT_FALSE(reference.empty()) << file.filename();
      EXPECT_EQ(p.width, reference.width) << file.filename();
      EXPECT_EQ(p.height, reference.height) << file.filename();
      EXPECT_TRUE(p == reference) << file.filename();
      ++valid;
    }
  }
  EXPECT_EQ(valid, 161);
  EXPECT_EQ(broken, 14);
}

TEST(PictureCorpora, PngPixelsAreRight) {
  const auto png = [](const char* name) { return assets::LoadPicture(TestData("pngsuite") / name); };
  // basn0g08: a grey ramp starting at black.
  EXPECT_EQ(png("basn0g08.png").at(0, 0), (Rgb{0, 0, 0}));
  // A fully transparent corner lies on white.
  EXPECT_EQ(png("basn6a08.png").at(0, 0), (Rgb{255, 255, 255}));
  // The same picture interlaced or not.
  EXPECT_EQ(png("basn2c08.png"), png("basi2c08.png"));
  EXPECT_EQ(png("s09n3p02.png").width, 9);
}

TEST(PictureCorpora, BmpSuiteGoodLoadsBadIsRefusedQuestionableDoesNotCrash) {
  const fs::path suite = TestData("bmpsuite");
  for (const auto& file : FilesIn(suite / "g", ".bmp")) {
    const Picture p = assets::LoadPicture(file);
    EXPECT_GE(p.width, 124) << file.filename();
    EXPECT_GE(p.height, 32) << file.filename();
  }
  // Of the bad ones only those whose one fault is a size field that
  // promises more than the file holds load, with every row there.
  for (const auto& file : FilesIn(suite / "b", ".bmp")) {
    const Picture p = assets::LoadPicture(file);
    const auto name = file.filename().string();
    if (name == "badfilesize.bmp" || name == "badbitssize.bmp")
      EXPECT_EQ(p, assets::LoadPicture(suite / "g" / "pal1.bmp")) << name;
    else
      EXPECT_TRUE(p.empty()) << name;
  }
  for (const auto& file : FilesIn(suite / "q", ".bmp")) {
    const Picture p = assets::LoadPicture(file);
    EXPECT_TRUE(p.empty() || (p.width == 127 && p.height == 64)) << file.filename();
  }
}

TEST(PictureCorpora, BmpSuiteVariantsOfOnePictureLoadAlike) {
  const fs::path g = TestData("bmpsuite/g");
  const auto bmp = [&](const char* name) { return assets::LoadPicture(g / name); };
  const Picture rgb24 = bmp("rgb24.bmp");
  EXPECT_EQ(rgb24.at(0, 0), (Rgb{255, 0, 0}));
  for (const char* name : {"rgb24pal.bmp", "rgb32.bmp", "rgb32bf.bmp"}) EXPECT_EQ(bmp(name), rgb24) << name;
  const Picture pal8 = bmp("pal8.bmp");
  for (const char* name :
       {"pal8-0.bmp", "pal8os2.bmp", "pal8rle.bmp", "pal8topdown.bmp", "pal8v4.bmp", "pal8v5.bmp"})
    EXPECT_EQ(bmp(name), pal8) << name;
  EXPECT_EQ(bmp("pal4rle.bmp"), bmp("pal4.bmp"));
  EXPECT_EQ(bmp("pal8w125.bmp").width, 125);
  EXPECT_EQ(bmp("pal8nonsquare.bmp").height, 32);
}

TEST(PictureCorpora, TrueColourTgaLoadsAsItsReferenceAndOtherModesAreRefused) {
  int loaded = 0, refused = 0;
  for (const auto& file : FilesIn(TestData("tga"), ".tga")) {
    const std::string name = file.stem().string();  // 200x32_rgba_bl_rle
    const std::string size_mode = name.substr(0, name.find('_', name.find('_') + 1));
    const std::string mode = size_mode.substr(size_mode.find('_') + 1);
    const Picture p = assets::LoadPicture(file);
    if (mode == "rgb" || mode == "rgba") {
      const Picture reference = assets::LoadPicture(file.parent_path() / (size_mode + ".png"));
      ASSERT_FALSE(reference.empty()) << size_mode;
      EXPECT_TRUE(p == reference) << file.filename();
      ++loaded;
    } else {
      EXPECT_TRUE(p.empty()) << file.filename();
      ++refused;
    }
  }
  EXPECT_EQ(loaded, 8);
  EXPECT_EQ(refused, 16);
}

}  // namespace
