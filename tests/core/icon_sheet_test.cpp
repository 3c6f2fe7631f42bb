// The icon sheet: thumbnails cut for windows, the black sheet made when it
// is missing, thumbnails made from stored slot pictures, and the rebuild.
#include "assets/icon_sheet.h"

#include <gtest/gtest.h>

#include "assets/picture_scale.h"
#include "assets/slot_import.h"
#include "assets/slot_table.h"
#include "tests/support/picture_fixture.h"

namespace {

using assets::Picture;
using assets::Rgb;
using platform::Message;

constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};

TEST(LoadThumbnails, MakesABlackSheetWhenThereIsNone) {
  testing_support::PictureFixture f;
  const int numbers[] = {1000, 1039};
  const auto thumbnails = assets::LoadThumbnails(f.workspace, numbers);
  ASSERT_EQ(thumbnails.size(), 2u);
  for (const auto& t : thumbnails) EXPECT_EQ(t, Picture(25, 25));
  EXPECT_EQ(f.Sheet(), Picture(550, 550));
}

TEST(LoadThumbnails, CutsEachNumbersTileInTheOrderAsked) {
  testing_support::PictureFixture f;
  Picture sheet(550, 550, kGrey);
  assets::Draw(sheet, Picture(25, 25, kRed), 475, 225);  // sprite10e
  assets::Draw(sheet, Picture(25, 25, kGreen), 25, 0);   // tex21
  f.WriteBmp("twksys/ic", sheet);
  const int numbers[] = {1020, 4039, 1000, 7};
  const auto thumbnails = assets::LoadThumbnails(f.workspace, numbers);
  ASSERT_EQ(thumbnails.size(), 4u);
  EXPECT_EQ(thumbnails[0], Picture(25, 25, kGreen));
  EXPECT_EQ(thumbnails[1], Picture(25, 25, kRed));
  EXPECT_EQ(thumbnails[2], Picture(25, 25, kGrey));
  EXPECT_EQ(thumbnails[3], Picture(25, 25)) << "a number without a tile";
}

TEST(LoadThumbnails, AnUnreadableSheetGivesBlackThumbnailsAndStaysAsItIs) {
  testing_support::PictureFixture f;
  f.home.Write("twksys/ic", std::string("not a picture"));
  const int numbers[] = {1000};
  EXPECT_EQ(assets::LoadThumbnails(f.workspace, numbers)[0], Picture(25, 25));
  EXPECT_EQ(f.workspace.FileSize("ic"), 13);
}

TEST(MakeThumbnailFromSlotFile, ExchangesRowsAndColumnsBack) {
  testing_support::PictureFixture f;
  // Stored 64 wide and 32 high: left half red, right half green. Seen the
  // right way round it is 32 wide and 64 high, red above green.
  Picture stored(64, 32, kGreen);
  assets::Draw(stored, Picture(32, 32, kRed), 0, 0);
  const Picture thumbnail = assets::MakeThumbnailFromSlotFile(f.WriteBmp("twksys/tex1", stored));
  ASSERT_EQ(thumbnail.width, 25);
  ASSERT_EQ(thumbnail.height, 25);
  for (int x = 0; x < 25; ++x) {
    EXPECT_EQ(thumbnail.at(x, 0), kRed);
    EXPECT_EQ(thumbnail.at(x, 24), kGreen);
  }
  EXPECT_TRUE(assets::MakeThumbnailFromSlotFile(f.home / "twksys/missing").empty());
}

// Imports `picture` into `slot` the way the editor does.
void Import(testing_support::PictureFixture& f, const std::string& slot, const Picture& picture) {
  const auto* s = assets::FindSlot(slot);
  const auto thumbnail = assets::ConvertSlotPicture(
      f.workspace, f.prompter, f.WriteBmp("in/" + slot + ".bmp", picture), s->name, s->keyed);
  ASSERT_TRUE(thumbnail);
  ASSERT_TRUE(assets::UpdateSheetTile(f.workspace, f.prompter, s->picture, *thumbnail));
}

Picture Sprite() {
  Picture p(80, 40, {255, 0, 255});
  assets::Draw(p, Picture(30, 20, kRed), 30, 10);
  return p;
}

TEST(RebuildIconSheet, RedrawsTheTilesOfStoredSlotsAsTheirImportsDid) {
  testing_support::PictureFixture f;
  Import(f, "sprite3", Sprite());  // keyed: magenta becomes white
  Import(f, "tex7", Sprite());
  Import(f, "Treasure2sprite", Picture(64, 64, kGreen));
  const Picture imported = f.Sheet();

  // Spoil every tile, leave a mark on a slot without a file, and rebuild.
  Picture spoilt(550, 550, kGrey);
  f.WriteBmp("twksys/ic", spoilt);
  f.home.Write("twksys/tex9", std::string("broken"));
  int counter = 7;
  std::vector<int> steps;
  ASSERT_TRUE(assets::RebuildIconSheet(f.workspace, f.prompter, counter, [&](int n) { steps.push_back(n); }));
  EXPECT_EQ(counter, 10);
  EXPECT_EQ(steps, (std::vector<int>{8, 9, 10}));
  EXPECT_TRUE(f.prompter.shown.empty());

  const Picture rebuilt = f.Sheet();
  for (const auto& slot : assets::SlotTable()) {
    const Picture tile = assets::Cut(rebuilt, slot.tile.x, slot.tile.y, 25, 25);
    const bool stored = slot.name == "sprite3" || slot.name == "tex7" || slot.name == "Treasure2sprite";
    EXPECT_EQ(tile, stored ? assets::Cut(imported, slot.tile.x, slot.tile.y, 25, 25) : Picture(25, 25, kGrey))
        << slot.name;
  }
  EXPECT_EQ(assets::Cut(rebuilt, 125, 50, 25, 25).at(0, 0), (Rgb{255, 255, 255})) << "keyed background";
}

TEST(RebuildIconSheet, AnUnreadableSheetStopsItWithoutWriting) {
  testing_support::PictureFixture f;
  f.home.Write("twksys/ic", std::string("garbage"));
  f.WriteBmp("twksys/tex1", Picture(64, 64, kRed));
  int counter = 0;
  EXPECT_FALSE(assets::RebuildIconSheet(f.workspace, f.prompter, counter));
  EXPECT_EQ(f.prompter.shown, (std::vector<Message>{{"can't create icons", "Error"}}));
  EXPECT_EQ(counter, 0);
  EXPECT_EQ(f.workspace.Read("ic"), (platform::Bytes{'g', 'a', 'r', 'b', 'a', 'g', 'e'}));
}

TEST(RebuildIconSheet, MakesTheSheetWhenThereIsNone) {
  testing_support::PictureFixture f;
  f.WriteBmp("twksys/doortex20", Picture(64, 64, kRed));
  int counter = 0;
  ASSERT_TRUE(assets::RebuildIconSheet(f.workspace, f.prompter, counter));
  EXPECT_EQ(counter, 1);
  Picture expected(550, 550);
  assets::Draw(expected, Picture(25, 25, kRed), 350, 475);
  EXPECT_EQ(f.Sheet(), expected);
}

// A sheet that loads but is not 550 by 550: every user takes what it holds.
TEST(IconSheet, ASheetOfAnotherSizeIsUsedAndTheRebuildMakesAWholeOne) {
  testing_support::PictureFixture f;
  f.WriteBmp("twksys/ic", Picture(60, 40, kGrey));  // holds tex1 (0, 0) and part of tex2 (0, 25)
  const int numbers[] = {1000, 1001, 1020};
  const auto thumbnails = assets::LoadThumbnails(f.workspace, numbers);
  EXPECT_EQ(thumbnails[0], Picture(25, 25, kGrey));
  EXPECT_EQ(assets::Cut(thumbnails[1], 0, 0, 25, 15), Picture(25, 15, kGrey));
  EXPECT_EQ(assets::Cut(thumbnails[1], 0, 15, 25, 10), Picture(25, 10)) << "the part outside is black";

  Import(f, "tex1", Picture(64, 64, kRed));         // its tile inside the sheet
  Import(f, "floortex1", Picture(64, 64, kGreen));  // its tile outside: left out
  EXPECT_TRUE(f.prompter.shown.empty()) << f.prompter.shown[0];
  Picture expected(60, 40, kGrey);
  assets::Draw(expected, Picture(25, 25, kRed), 0, 0);
  EXPECT_EQ(f.Sheet(), expected);

  int counter = 0;
  ASSERT_TRUE(assets::RebuildIconSheet(f.workspace, f.prompter, counter));
  EXPECT_EQ(counter, 2);
  Picture whole(550, 550);
  assets::Draw(whole, expected, 0, 0);
  assets::Draw(whole, Picture(25, 25, kGreen), 300, 0);
  EXPECT_EQ(f.Sheet(), whole);
}

}  // namespace
