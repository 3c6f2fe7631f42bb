// Importing a picture file into a slot: size check, scaling, keying,
// exchanged rows and columns, the thumbnail and its tile in the icon sheet.
#include "assets/slot_import.h"

#include <gtest/gtest.h>

#include "assets/asset_messages.h"
#include "assets/icon_sheet.h"
#include "assets/picture_scale.h"
#include "assets/slot_table.h"
#include "tests/support/picture_fixture.h"

namespace {

using assets::Picture;
using assets::Rgb;
using platform::Message;

constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kWhite{255, 255, 255};

// A 64 by 64 picture of `background` with a red block that touches no sample
// point and is not symmetric about the diagonal.
Picture Sprite(Rgb background) {
  Picture p(64, 64, background);
  for (int y = 10; y < 30; ++y)
    for (int x = 20; x < 50; ++x) p.set(x, y, kRed);
  return p;
}

Picture Replaced(Picture p, Rgb from, Rgb to) {
  for (Rgb& c : p.pixels)
    if (c == from) c = to;
  return p;
}

TEST(ConvertSlotPicture, KeysOnlyKeyedSlotsWhoseSamplePointsAgree) {
  Picture odd_sample = Sprite(kMagenta);
  odd_sample.set(1, 1, kBlue);
  Picture framed = Sprite(kMagenta);  // another colour in the top row and left column
  for (int i = 0; i < 64; ++i) framed.set(i, 0, kBlue), framed.set(0, i, kBlue);
  Picture bottom_right_differs = Sprite(kMagenta);
  bottom_right_differs.set(63, 63, kBlue);

  struct Case {
    const char* what;
    Picture input;
    const char* slot;
    Picture expected;  // as the user sees it
  };
  const Case cases[] = {
      {"sprite on magenta", Sprite(kMagenta), "sprite1", Replaced(Sprite(kMagenta), kMagenta, kWhite)},
      {"wall keeps magenta", Sprite(kMagenta), "tex1", Sprite(kMagenta)},
      {"one sample point differs", odd_sample, "sprite1", odd_sample},
      {"bottom-right corner is a sample point", bottom_right_differs, "key", bottom_right_differs},
      {"top row and left column keep their colour", framed, "weapon1sprite",
       Replaced(framed, kMagenta, kWhite)},
      {"white background, keyed", Sprite(kWhite), "Treasure2sprite", Sprite(kWhite)},
      {"white background, not keyed", Sprite(kWhite), "doortex4", Sprite(kWhite)},
  };
  for (const auto& c : cases) {
    testing_support::PictureFixture f;
    const auto file = f.WriteBmp("in/picture.bmp", c.input);
    const auto* slot = assets::FindSlot(c.slot);
    const auto thumbnail = assets::ConvertSlotPicture(f.workspace, f.prompter, file, slot->name, slot->keyed);
    ASSERT_TRUE(thumbnail) << c.what;
    EXPECT_EQ(f.Stored(c.slot), assets::Transposed(c.expected)) << c.what;
    EXPECT_EQ(*thumbnail, assets::Scaled(c.expected, 25, 25)) << c.what;
    EXPECT_TRUE(f.prompter.shown.empty()) << c.what;
  }
}

TEST(ConvertSlotPicture, StoresA64By64PictureMirroredAboutTheDiagonal) {
  testing_support::PictureFixture f;
  const Picture input = Sprite(kBlue);
  const auto file = f.WriteBmp("in/wall.bmp", input);
  ASSERT_TRUE(assets::ConvertSlotPicture(f.workspace, f.prompter, file, "tex3", false));
  const auto bytes = f.workspace.Read("tex3");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 12342u);
  const Picture stored = f.Stored("tex3");
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) ASSERT_EQ(stored.at(x, y), input.at(y, x)) << x << "," << y;
}

TEST(ConvertSlotPicture, SmallestPictureIsScaledUpAndSmallerOnesAreRefused) {
  testing_support::PictureFixture f;
  const auto ok = f.WriteBmp("in/small.bmp", Picture(32, 32, kBlue));
  ASSERT_TRUE(assets::ConvertSlotPicture(f.workspace, f.prompter, ok, "tex1", false));
  EXPECT_EQ(f.Stored("tex1"), Picture(64, 64, kBlue));

  const auto narrow = f.WriteBmp("in/wall.bmp", Picture(31, 64, kBlue));
  const auto low = f.WriteBmp("in/low.bmp", Picture(200, 31, kBlue));
  f.home.Write("in/colour_mapped.tga",
               platform::Bytes{0, 1, 1, 0, 0, 1, 0, 24, 0, 0, 0, 0, 64, 0, 64, 0, 8, 0});
  for (const auto& path : {narrow, low, f.home / "in/colour_mapped.tga", f.home / "in/missing.bmp"}) {
    f.prompter.shown.clear();
    EXPECT_FALSE(assets::ConvertSlotPicture(f.workspace, f.prompter, path, "tex2", false)) << path;
    EXPECT_EQ(f.prompter.shown,
              (std::vector<Message>{
                  {path.filename().string() + " is too small, it must be at least 32*32", "Error"}}));
  }
  EXPECT_FALSE(f.workspace.Exists("tex2"));
  EXPECT_EQ(assets::TooSmallMessage("C:\\pictures\\wall.bmp").text,
            "wall.bmp is too small, it must be at least 32*32");
}

TEST(ConvertSlotPicture, AFileThatCannotBeWrittenIsReported) {
  testing_support::PictureFixture f;
  std::filesystem::create_directories(f.home / "twksys" / "tex1");  // a folder in the file's place
  const auto file = f.WriteBmp("in/wall.bmp", Sprite(kBlue));
  EXPECT_FALSE(assets::ConvertSlotPicture(f.workspace, f.prompter, file, "tex1", false));
  EXPECT_EQ(f.prompter.shown, (std::vector<Message>{{"can't write tex1", "Error"}}));
}

TEST(ImportSlotPicture, AsksWithTheImportRequester) {
  testing_support::PictureFixture f;
  int redraws = 0;
  EXPECT_FALSE(assets::ImportSlotPicture(f.workspace, f.prompter, "tex1", 1000, [&] { ++redraws; }));
  ASSERT_EQ(f.prompter.requests.size(), 1u);
  EXPECT_EQ(f.prompter.requests[0].title, "import bitmap");
  EXPECT_EQ(f.prompter.requests[0].default_name, "*.bmp");
  EXPECT_EQ(f.prompter.requests[0].patterns, "Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png|TGA (*.tga)|*.tga");
  // Cancelled: nothing written, nothing redrawn.
  EXPECT_EQ(redraws, 0);
  EXPECT_FALSE(f.workspace.Exists("tex1"));
  EXPECT_FALSE(f.workspace.Exists("ic"));
  EXPECT_TRUE(f.prompter.shown.empty());
}

TEST(ImportSlotPicture, DrawsTheThumbnailAtTheSlotsTileOfANewBlackSheet) {
  struct Case {
    const char* slot;
    int picture;
    int x, y;
  };
  for (const Case c :
       {Case{"tex21", 1020, 25, 0}, Case{"sprite10e", 4039, 475, 225}, Case{"die_ene4_3", 141, 225, 200}}) {
    testing_support::PictureFixture f;
    f.prompter.files.push_back(f.WriteBmp("in/picture.png", Sprite(kBlue)));  // a BMP, whatever the name
    int redraws = 0;
    EXPECT_TRUE(assets::ImportSlotPicture(f.workspace, f.prompter, c.slot, c.picture, [&] { ++redraws; }));
    EXPECT_EQ(redraws, 1);
    const Picture sheet = f.Sheet();
    ASSERT_EQ(sheet.width, 550);
    ASSERT_EQ(sheet.height, 550);
    const Picture seen =
        assets::FindSlot(c.slot)->keyed ? Replaced(Sprite(kBlue), kBlue, kWhite) : Sprite(kBlue);
    const Picture expected_tile = assets::Scaled(seen, 25, 25);
    EXPECT_EQ(assets::Cut(sheet, c.x, c.y, 25, 25), expected_tile) << c.slot;
    Picture rest = sheet;
    assets::Draw(rest, Picture(25, 25), c.x, c.y);
    EXPECT_EQ(rest, Picture(550, 550)) << c.slot << ": only its tile is drawn";
  }
}

TEST(ImportSlotPicture, KeepsTheOtherTilesAndReportsEachColumn) {
  testing_support::PictureFixture f;
  Picture sheet(550, 550, {1, 2, 3});
  f.WriteBmp("twksys/ic", sheet);
  f.prompter.files.push_back(f.WriteBmp("in/key.bmp", Sprite(kMagenta)));
  std::vector<int> columns;
  EXPECT_TRUE(assets::ImportSlotPicture(f.workspace, f.prompter, "key", 30, {},
                                        [&](int c) { columns.push_back(c); }));
  EXPECT_EQ(columns.size(), 64u);
  EXPECT_EQ(columns.back(), 64);
  assets::Draw(sheet, assets::Scaled(Replaced(Sprite(kMagenta), kMagenta, kWhite), 25, 25), 50, 75);
  EXPECT_EQ(f.Sheet(), sheet);
}

TEST(ImportSlotPicture, ARefusedPictureLeavesSlotAndSheetAlone) {
  testing_support::PictureFixture f;
  const Picture sheet(550, 550, {1, 2, 3});
  f.WriteBmp("twksys/ic", sheet);
  f.prompter.files.push_back(f.WriteBmp("in/tiny.bmp", Picture(16, 16)));
  int redraws = 0;
  EXPECT_FALSE(assets::ImportSlotPicture(f.workspace, f.prompter, "tex1", 1000, [&] { ++redraws; }));
  EXPECT_EQ(redraws, 0);
  EXPECT_EQ(f.Sheet(), sheet);
  EXPECT_FALSE(f.workspace.Exists("tex1"));
}

}  // namespace
