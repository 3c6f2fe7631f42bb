// "Import GameBitmaps": the list of screen bitmaps, their size rules, the
// copies and conversions, and the question and messages of the command.
#include "assets/screen_bitmaps.h"

#include <gtest/gtest.h>

#include "tests/support/picture_fixture.h"

namespace {

using assets::Picture;
using assets::Rgb;
using assets::ScreenBitmapList;
using platform::Message;

const Message kSuccess{"GameBitmaps imported successfully", "Info"};

Message Failure(const std::string& name) {
  return {name + " is missing or has the wrong size", "Error"};
}

const assets::ScreenBitmap& Row(const std::string& source) {
  for (const auto& row : ScreenBitmapList())
    if (row.source == source) return row;
  throw std::runtime_error("no row " + source);
}

// A picture whose pixels tell their place, so that copies and exchanged
// rows and columns show.
Picture Marked(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.set(x, y, {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7});
  return p;
}

// Every file of the list in GameBitmaps, each of the smallest size its row takes.
void WriteAllGameBitmaps(const testing_support::PictureFixture& f) {
  for (const auto& row : ScreenBitmapList())
    f.WriteBmp("GameBitmaps/" + row.source, Marked(row.width, row.min_height));
}

bool RunImport(testing_support::PictureFixture& f) {
  f.prompter.answers.push_back(true);
  return assets::ImportGameBitmaps(f.workspace, f.prompter);
}

TEST(ScreenBitmapList, HasTheRowsInImportOrder) {
  const auto& list = ScreenBitmapList();
  ASSERT_EQ(list.size(), 57u);
  struct Case {
    size_t order;
    const char* source;
    const char* name;
    int width, min_height, max_height;
    bool convert;
  };
  const Case cases[] = {
      {1, "mask.bmp", "mask", 320, 24, 24, false},
      {4, "keypicture.bmp", "keypicture", 20, 20, 20, false},
      {9, "numbers.bmp", "numbers", 200, 20, 20, false},
      {10, "weapon1_1.bmp", "weapon1bitmap1", 64, 74, 74, false},
      {11, "weapon1_2.bmp", "weapon1bitmap2", 64, 74, 74, false},
      {39, "weapon6_5.bmp", "weapon6bitmap5", 64, 74, 74, false},
      {40, "Bullet1.bmp", "bullet1", 64, 64, 64, true},
      {48, "BulletExplode3.bmp", "bulletexplode3", 64, 64, 64, true},
      {52, "IntroScreen.bmp", "introscreen", 320, 200, 200, false},
      {53, "HelpScreen.bmp", "helpscreen", 320, 200, 1000, false},
      {54, "SoundScreen.bmp", "menu4", 320, 200, 0, false},
      {55, "VolumeButton.bmp", "volumebutton", 12, 12, 0, false},
      {56, "GunCenter.bmp", "guncenter", 16, 16, 0, false},
      {57, "scorenums.bmp", "scorenums", 200, 20, 20, false},
  };
  for (const auto& c : cases) {
    const auto& row = list[c.order - 1];
    EXPECT_EQ(row.source, c.source) << c.order;
    EXPECT_EQ(row.workspace_name, c.name) << c.order;
    EXPECT_EQ(row.width, c.width) << c.source;
    EXPECT_EQ(row.min_height, c.min_height) << c.source;
    EXPECT_EQ(row.max_height, c.max_height) << c.source;
    EXPECT_EQ(row.convert, c.convert) << c.source;
    EXPECT_EQ(row.shown_name, c.order == 57 ? "ScoreNums.bmp" : c.source) << c.source;
  }
}

TEST(ScreenBitmapList, SizeRules) {
  struct Case {
    const char* source;
    int w, h;
    bool fits;
  };
  const Case cases[] = {
      {"HelpScreen.bmp", 320, 1000, true}, {"HelpScreen.bmp", 320, 1001, false},
      {"HelpScreen.bmp", 321, 400, false}, {"HelpScreen.bmp", 320, 199, false},
      {"SoundScreen.bmp", 320, 480, true}, {"SoundScreen.bmp", 320, 199, false},
      {"VolumeButton.bmp", 12, 36, true},  {"VolumeButton.bmp", 13, 12, false},
      {"GunCenter.bmp", 16, 16, true},     {"menu1.bmp", 320, 201, false},
      {"menu1.bmp", 320, 200, true},       {"mask.bmp", 0, 0, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(assets::FitsSize(Row(c.source), c.w, c.h), c.fits) << c.source << " " << c.w << "x" << c.h;
}

TEST(ImportGameBitmaps, CopiesAndConvertsEveryRowAfterAskingFirst) {
  testing_support::PictureFixture f;
  WriteAllGameBitmaps(f);
  std::vector<std::string> labels;
  std::vector<int> progress;
  f.prompter.answers.push_back(true);
  EXPECT_TRUE(assets::ImportGameBitmaps(
      f.workspace, f.prompter, [&](std::string_view label) { labels.emplace_back(label); },
      [&](int done) { progress.push_back(done); }));

  EXPECT_EQ(f.prompter.asked, (std::vector<Message>{{"These Bitmaps are in the folder GameBitmaps.\r\n"
                                                     "If you edit them, do not change the size.\r\n"
                                                     "Do you whish to import all of them?",
                                                     "Warning"}}));
  EXPECT_EQ(labels, (std::vector<std::string>{"Importing...", ""}));
  EXPECT_EQ(f.prompter.shown, (std::vector<Message>{kSuccess}));
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 57);
  for (const auto& row : ScreenBitmapList()) {
    if (row.convert) {
      EXPECT_EQ(f.Stored(row.workspace_name), assets::Transposed(Marked(64, 64))) << row.source;
      EXPECT_EQ(f.workspace.FileSize(row.workspace_name), 12342);
    } else {
      EXPECT_EQ(f.workspace.Read(row.workspace_name),
                platform::ReadFileBytes(f.home / "GameBitmaps" / row.source))
          << row.source;
    }
  }
}

TEST(ImportGameBitmaps, AnswerNoChangesNothing) {
  testing_support::PictureFixture f;
  WriteAllGameBitmaps(f);
  f.prompter.answers.push_back(false);
  std::vector<std::string> labels;
  EXPECT_FALSE(assets::ImportGameBitmaps(f.workspace, f.prompter,
                                         [&](std::string_view label) { labels.emplace_back(label); }));
  EXPECT_TRUE(labels.empty());
  EXPECT_TRUE(f.prompter.shown.empty());
  EXPECT_TRUE(std::filesystem::is_empty(f.home / "twksys"));
}

TEST(ImportGameBitmaps, SizesAtTheEdgesOfTheirRules) {
  struct Case {
    const char* source;
    int w, h;
    bool copied;
  };
  const Case cases[] = {
      {"HelpScreen.bmp", 320, 1000, true}, {"HelpScreen.bmp", 320, 1001, false},
      {"HelpScreen.bmp", 321, 400, false}, {"SoundScreen.bmp", 320, 480, true},
      {"VolumeButton.bmp", 12, 36, true},  {"VolumeButton.bmp", 13, 12, false},
      {"menu1.bmp", 320, 201, false},
  };
  for (const auto& c : cases) {
    testing_support::PictureFixture f;
    WriteAllGameBitmaps(f);
    f.WriteBmp(std::string("GameBitmaps/") + c.source, Marked(c.w, c.h));
    EXPECT_EQ(RunImport(f), c.copied) << c.source;
    EXPECT_EQ(f.prompter.shown, (std::vector<Message>{c.copied ? kSuccess : Failure(c.source)})) << c.source;
    const auto& row = Row(c.source);
    EXPECT_EQ(f.workspace.Exists(row.workspace_name), c.copied) << c.source;
    if (c.copied) {
      EXPECT_EQ(f.Stored(row.workspace_name), Marked(c.w, c.h)) << c.source;
    }
    EXPECT_TRUE(f.workspace.Exists("menu2")) << "the other rows are imported";
  }
}

TEST(ImportGameBitmaps, NamesOnlyTheLastFailingRow) {
  testing_support::PictureFixture f;
  WriteAllGameBitmaps(f);
  f.WriteBmp("GameBitmaps/numbers.bmp", Marked(10, 10));
  std::filesystem::remove(f.home / "GameBitmaps/scorenums.bmp");
  EXPECT_FALSE(RunImport(f));
  EXPECT_EQ(f.prompter.shown, (std::vector<Message>{Failure("ScoreNums.bmp")}));
}

TEST(ImportGameBitmaps, BulletsMustBe64By64AndMissingOnesAreNamedTwice) {
  testing_support::PictureFixture f;
  WriteAllGameBitmaps(f);
  f.WriteBmp("GameBitmaps/Bullet1.bmp", Marked(32, 32));  // big enough to load, wrong size
  EXPECT_FALSE(RunImport(f));
  EXPECT_EQ(f.prompter.shown, (std::vector<Message>{Failure("Bullet1.bmp")}));
  EXPECT_FALSE(f.workspace.Exists("bullet1"));
  EXPECT_TRUE(f.workspace.Exists("bullet2"));

  testing_support::PictureFixture g;
  WriteAllGameBitmaps(g);
  std::filesystem::remove(g.home / "GameBitmaps/BulletExplode6.bmp");
  EXPECT_FALSE(RunImport(g));
  EXPECT_EQ(g.prompter.shown,
            (std::vector<Message>{{"BulletExplode6.bmp is too small, it must be at least 32*32", "Error"},
                                  Failure("BulletExplode6.bmp")}));
}

TEST(ImportGameBitmaps, ReadOnlyWorkspaceFilesAreKeptAndReportedAsNotWritten) {
  namespace fs = std::filesystem;
  testing_support::PictureFixture f;
  WriteAllGameBitmaps(f);
  const fs::perms read_only = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  for (const char* name : {"menu2", "bullet3"}) {  // a copy and a conversion
    f.home.Write(std::string("twksys/") + name, "kept");
    fs::permissions(f.workspace.PathOf(name), read_only);
  }
  EXPECT_FALSE(RunImport(f));
  EXPECT_EQ(f.prompter.shown,
            (std::vector<Message>{{"cannot write to 2 files:\r\n" + f.workspace.PathOf("menu2").string() +
                                       "\r\n" + f.workspace.PathOf("bullet3").string(),
                                   "Error"}}));
  for (const char* name : {"menu2", "bullet3"}) {
    EXPECT_EQ(f.workspace.Read(name), platform::Bytes({'k', 'e', 'p', 't'})) << name;
    EXPECT_EQ(fs::status(f.workspace.PathOf(name)).permissions(), read_only) << name;
  }
  EXPECT_TRUE(f.workspace.Exists("menu3")) << "the other rows are imported";
}

TEST(ImportGameBitmaps, SourceNamesMatchWithoutRegardToCase) {
  testing_support::PictureFixture f;
  WriteAllGameBitmaps(f);
  std::filesystem::rename(f.home / "GameBitmaps/scorenums.bmp", f.home / "GameBitmaps/ScoreNums.bmp");
  EXPECT_TRUE(RunImport(f));
  EXPECT_TRUE(f.workspace.Exists("scorenums"));
}

}  // namespace
