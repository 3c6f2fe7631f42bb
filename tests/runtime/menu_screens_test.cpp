// The menus on the starter game's pictures: the marker beside the item that
// Return chooses, at any window size; the volume knobs on their tracks; the
// game-over question after the death's fade; the statistics of a level.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "game_app.h"
#include "game_draw.h"
#include "game_entry_index.h"
#include "game_keys.h"
#include "tests/runtime/play_fixture.h"
#include "tests/runtime/starter_game.h"

namespace {

using namespace game;
constexpr int kReturn = 46, kEscape = 39, kUpKey = 95, kDownKey = 96, kLeftKey = 97, kRightKey = 98;

TicInput Press(int key) {
  TicInput input;
  input.pressed.set(static_cast<size_t>(key));
  input.held.set(static_cast<size_t>(key));
  return input;
}

void RunTicsOf(App& app, int tics) {
  for (int i = 0; i < tics; ++i) app.Tick({});
}

struct Rows {
  int top, bottom;  // inclusive
};

int Brightness(uint32_t pixel) {
  return static_cast<int>(((pixel >> 16) & 255) + ((pixel >> 8) & 255) + (pixel & 255));
}

// Bands of picture rows that hold the light text of the items in the
// picture's middle, below its heading and above its footer line.
std::vector<Rows> ItemTextRows(const Image& picture) {
  std::vector<Rows> bands;
  for (int y = 64; y < 180; ++y) {
    bool text = false;
    for (int x = 110; x < 210 && !text; ++x) text = Brightness(picture.at(x, y)) > 450;
    if (!text) continue;
    if (!bands.empty() && bands.back().bottom >= y - 2)
      bands.back().bottom = y;
    else
      bands.push_back({y, y});
  }
  return bands;
}

// Bands of rows where the picture draws a dark slider track across x = 200.
std::vector<Rows> TrackRows(const Image& picture) {
  std::vector<Rows> bands;
  for (int y = 64; y < 180; ++y) {
    if (Brightness(picture.at(200, y)) > 60 || Brightness(picture.at(180, y)) > 60) continue;
    if (!bands.empty() && bands.back().bottom == y - 1)
      bands.back().bottom = y;
    else
      bands.push_back({y, y});
  }
  return bands;
}

// Centre, in screen-picture pixels, of the pixels that differ between the
// frames inside the picture rows [top, bottom] and left of picture column
// `right`; nullopt when none differ.
struct Point {
  double x, y;
};
std::optional<Point> ChangedCentre(const FrameBuffer& a, const FrameBuffer& b, int top = 0, int bottom = 199,
                                   int right_of_area = 320) {
  const ScreenPlacement at = PlaceScreen(a);
  int left = a.width, right = -1, high = a.height, low = -1;
  for (int y = std::max(0, at.y + top * at.scale); y < std::min(a.height, at.y + (bottom + 1) * at.scale); ++y)
    for (int x = 0; x < std::min(a.width, at.x + right_of_area * at.scale); ++x)
      if (a.at(x, y) != b.at(x, y))
        left = std::min(left, x), right = std::max(right, x), high = std::min(high, y), low = std::max(low, y);
  if (right < 0) return std::nullopt;
  return Point{((left + right + 1) / 2.0 - at.x) / at.scale, ((high + low + 1) / 2.0 - at.y) / at.scale};
}

FrameBuffer Bare(const Image& picture, int width, int height) {
  FrameBuffer frame(width, height);
  DrawScreen(frame, picture);
  return frame;
}

FrameBuffer Drawn(App& app, int width, int height) {
  FrameBuffer frame(width, height);
  app.Draw(frame);
  return frame;
}

struct Size {
  int width, height;
};
constexpr Size kSizes[] = {{320, 200}, {640, 480}, {1000, 700}, {1920, 1080}};

void ExpectMarkerBesideEachItem(App& app, const Image& picture, size_t items, const char* menu) {
  const std::vector<Rows> rows = ItemTextRows(picture);
  ASSERT_EQ(rows.size(), items) << menu << ": the items the picture draws";
  for (const Size size : kSizes) {
    const FrameBuffer bare = Bare(picture, size.width, size.height);
    for (size_t k = 0; k < items; ++k) {
      SCOPED_TRACE(std::string(menu) + " item " + std::to_string(k) + " at " + std::to_string(size.width) +
                   " x " + std::to_string(size.height));
      ASSERT_EQ(app.menu_selection(), static_cast<int>(k));
      // The marker stands left of the items (the game writes its own items on their right).
      const auto marker = ChangedCentre(Drawn(app, size.width, size.height), bare, 0, 199, 100);
      ASSERT_TRUE(marker);
      EXPECT_GE(marker->y, rows[k].top);
      EXPECT_LE(marker->y, rows[k].bottom + 1);
      app.Tick(Press(kDownKey));
    }
    // Down past the items the game adds comes round to the first, for the next size.
    while (app.menu_selection() != 0) app.Tick(Press(kDownKey));
  }
}

TEST(MenuScreens, TheMarkerSitsBesideEachItemOfTheMainAndPauseMenus) {
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  App app(starter->data, 1, false);
  app.Tick(Press(kReturn));
  ASSERT_EQ(app.screen(), AppScreen::kMenu);
  ExpectMarkerBesideEachItem(app, starter->data.menus[0], 4, "main menu");
  app.StartLevel(1);
  app.Tick(Press(kEscape));
  ASSERT_EQ(app.screen(), AppScreen::kPause);
  ExpectMarkerBesideEachItem(app, starter->data.menus[1], 4, "pause menu");
}

TEST(MenuScreens, ReturnChoosesTheItemThePictureDrawsInThatRow) {
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  struct Case {
    const char* item;
    bool paused;
    AppScreen leads_to;
    bool quits = false;
  };
  const Case cases[] = {{"NEW GAME", false, AppScreen::kPlaying}, {"SOUND", false, AppScreen::kSound},
                        {"HELP", false, AppScreen::kHelp},        {"QUIT", false, AppScreen::kMenu, true},
                        {"RESUME", true, AppScreen::kPlaying},    {"SOUND", true, AppScreen::kSound},
                        {"HELP", true, AppScreen::kHelp},         {"QUIT TO MENU", true, AppScreen::kMenu}};
  int row = 0;
  for (const Case& c : cases) {
    App app(starter->data, 1, true);
    app.Tick(Press(kReturn));
    if (c.paused) app.StartLevel(1), app.Tick(Press(kEscape));
    for (int k = 0; k < row % 4; ++k) app.Tick(Press(kDownKey));
    app.Tick(Press(kReturn));
    EXPECT_EQ(app.screen(), c.leads_to) << c.item;
    EXPECT_EQ(app.quit_requested(), c.quits) << c.item;
    ++row;
  }
}

TEST(MenuScreens, TheGameWritesOptionsAndInfoBelowThePicturesItems) {
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  GameData data = starter->data;
  data.info_text = "about";
  App app(data, 1, true);
  app.Tick(Press(kReturn));
  const std::vector<Rows> rows = ItemTextRows(data.menus[0]);
  ASSERT_EQ(rows.size(), 4u);
  const FrameBuffer bare = Bare(data.menus[0], 640, 400);
  const int step = rows[1].top - rows[0].top;
  for (int row : {5, 4}) {  // Up from the first item: INFO in the sixth row, then OPTIONS in the fifth
    SCOPED_TRACE(row);
    app.Tick(Press(kUpKey));
    ASSERT_EQ(app.menu_selection(), row);
    const int top = rows[0].top + row * step;
    const auto label = ChangedCentre(Drawn(app, 640, 400), bare, top, top + 8);
    ASSERT_TRUE(label);
    EXPECT_NEAR(label->x, 130, 30) << "the label beside the marker, in the items' column";
  }
  app.Tick(Press(kReturn));
  EXPECT_EQ(app.screen(), AppScreen::kOptions);
  app.Tick(Press(kEscape));
  app.Tick(Press(kUpKey));
  app.Tick(Press(kReturn));
  EXPECT_TRUE(app.TakeInfoRequest());
}

TEST(MenuScreens, EachVolumeKnobSitsOnItsTrackAndMovesAlone) {
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  const Image& picture = starter->data.menus[3];
  const std::vector<Rows> tracks = TrackRows(picture);
  ASSERT_EQ(tracks.size(), 2u) << "music and effects";
  App app(starter->data, 1, false);
  app.Tick(Press(kReturn));
  app.Tick(Press(kDownKey));
  app.Tick(Press(kReturn));
  ASSERT_EQ(app.screen(), AppScreen::kSound);
  for (const Size size : kSizes) {
    SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
    const FrameBuffer bare = Bare(picture, size.width, size.height);
    const FrameBuffer before = Drawn(app, size.width, size.height);
    for (size_t t = 0; t < 2; ++t) {
      const auto knob = ChangedCentre(before, bare, tracks[t].top - 6, tracks[t].bottom + 6);
      ASSERT_TRUE(knob);
      EXPECT_GE(knob->y, tracks[t].top);
      EXPECT_LE(knob->y, tracks[t].bottom + 1);
    }
  }
  // Right moves the music knob (the marker's slider) and leaves the effects knob.
  const FrameBuffer before = Drawn(app, 640, 400);
  app.Tick(Press(kRightKey));
  EXPECT_EQ(app.music_volume(), 9);
  EXPECT_EQ(app.effects_volume(), 8);
  const FrameBuffer after = Drawn(app, 640, 400);
  EXPECT_TRUE(ChangedCentre(before, after, tracks[0].top - 6, tracks[0].bottom + 6));
  EXPECT_FALSE(ChangedCentre(before, after, tracks[1].top - 6, tracks[1].bottom + 6));
  app.Tick(Press(kDownKey));
  app.Tick(Press(kRightKey));
  EXPECT_EQ(app.effects_volume(), 9);
  EXPECT_EQ(app.music_volume(), 9);
}

TEST(MenuScreens, DeathFadesWithItsSoundThenAsksWithTheMarkerOnRestart) {
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  App app(starter->data, 1, false);
  app.StartLevel(1);
  app.play()->player().carry.score = 0;
  RunTicsOf(app, 3);
  app.play()->player().carry.health = 0;
  app.Tick({});
  ASSERT_EQ(app.screen(), AppScreen::kDying);
  EXPECT_TRUE(play_fixture::Contains(app.TakeSounds(), kPlayerDeathSound));
  auto mean = [&] {
    const FrameBuffer frame = Drawn(app, 320, 200);
    long sum = 0;
    for (uint32_t p : frame.pixels) sum += Brightness(p);
    return sum / static_cast<long>(frame.pixels.size());
  };
  const long start = mean();
  RunTicsOf(app, kDyingTics / 2);
  const long half = mean();
  EXPECT_LT(half, start) << "the view fades";
  RunTicsOf(app, kDyingTics);
  ASSERT_EQ(app.screen(), AppScreen::kGameOver);
  const Image& question = starter->data.menus[2];
  const std::vector<Rows> rows = ItemTextRows(question);
  ASSERT_EQ(rows.size(), 2u) << "YES and NO";
  const auto marker = ChangedCentre(Drawn(app, 640, 400), Bare(question, 640, 400));
  ASSERT_TRUE(marker);
  EXPECT_GE(marker->y, rows[1].top) << "on NO, playing on";
  EXPECT_LE(marker->y, rows[1].bottom + 1);

  app.Tick(Press(kReturn));
  ASSERT_EQ(app.screen(), AppScreen::kPlaying);
  EXPECT_EQ(app.play()->level(), 1);
  EXPECT_EQ(app.play()->player().carry.health, kMaxHealth) << "the level again, as it began";

  app.play()->player().carry.health = 0;
  RunTicsOf(app, kDyingTics + 1);
  app.Tick(Press(kUpKey));
  app.Tick(Press(kReturn));
  EXPECT_EQ(app.screen(), AppScreen::kMenu) << "YES quits to the menu";
}

}  // namespace

namespace {

using namespace game;

TEST(OptionsScreen, BindsAKeyChangesValuesAndResetsTheKeys) {
  auto data = play_fixture::DataOf({"##########", "#P.......#", "##########"});
  App app(*data, 1, false);
  app.Tick(Press(kReturn));
  for (int k = 0; k < 4; ++k) app.Tick(Press(kDownKey));
  app.Tick(Press(kReturn));
  ASSERT_EQ(app.screen(), AppScreen::kOptions);
  EXPECT_FALSE(app.TakeOptionsChanged());

  app.Tick(Press(kRightKey));  // mouse sensitivity
  EXPECT_EQ(app.options().controls.mouse_sensitivity, data->settings.mouse_sensitivity + 1);
  EXPECT_TRUE(app.TakeOptionsChanged());
  const auto rows = app.OptionRows();
  const auto walk = std::find_if(rows.begin(), rows.end(), [](const std::string& r) { return r.rfind("WALK FORWARD", 0) == 0; });
  ASSERT_NE(walk, rows.end());
  while (app.OptionRows()[static_cast<size_t>(app.menu_selection())].rfind("WALK FORWARD", 0) != 0)
    app.Tick(Press(kDownKey));
  app.Tick(Press(kReturn));
  EXPECT_TRUE(app.binding_key());
  const int w = KeyByName("W");
  app.Tick(Press(w));
  EXPECT_FALSE(app.binding_key());
  EXPECT_EQ(app.options().controls.Key(Action::kWalkForward), w);
  EXPECT_TRUE(app.TakeOptionsChanged());

  app.Tick(Press(kEscape));
  app.Tick(Press(kUpKey));
  while (app.menu_selection() != 0) app.Tick(Press(kDownKey));
  app.Tick(Press(kReturn));  // NEW GAME
  ASSERT_EQ(app.screen(), AppScreen::kPlaying);
  const Fixed x = app.play()->player().x;
  for (int i = 0; i < 10; ++i) app.Tick(play_fixture::Holding({w}));
  EXPECT_GT(app.play()->player().x, x) << "the play walks on the player's key";

  PlayerOptions reset = app.options();
  reset.controls.keys = AuthorControls(data->settings, data->weapons).keys;
  app.Tick(Press(kEscape));
  for (int k = 0; k < 4; ++k) app.Tick(Press(kDownKey));
  app.Tick(Press(kReturn));
  ASSERT_EQ(app.screen(), AppScreen::kOptions);
  while (app.OptionRows()[static_cast<size_t>(app.menu_selection())].rfind("RESET KEYS", 0) != 0)
    app.Tick(Press(kDownKey));
  app.Tick(Press(kReturn));
  EXPECT_EQ(app.options(), reset) << "the author's keys again, the other options kept";
}

TEST(OptionsScreen, FieldOfViewAndRenderScaleReachTheRenderer) {
  auto data = play_fixture::DataOf({"####", "#P.#", "####"});
  App app(*data, 1, false);
  EXPECT_EQ(app.render_settings().fov_degrees, kDefaultFovDegrees);
  app.Tick(Press(kReturn));
  for (int k = 0; k < 4; ++k) app.Tick(Press(kDownKey));
  app.Tick(Press(kReturn));
  ASSERT_EQ(app.screen(), AppScreen::kOptions);
  auto row = [&app](const char* name) {
    while (app.OptionRows()[static_cast<size_t>(app.menu_selection())].rfind(name, 0) != 0) app.Tick(Press(kDownKey));
  };
  row("FIELD OF VIEW");
  app.Tick(Press(kRightKey));
  EXPECT_EQ(app.options().fov_degrees, 50);
  EXPECT_EQ(app.render_settings().fov_degrees, 50);
  row("RENDER SCALE");
  for (int k = 0; k < 9; ++k) app.Tick(Press(kLeftKey));
  EXPECT_EQ(app.options().render_scale_percent, 50) << "no lower than 50 %";
  EXPECT_EQ(app.render_settings().scale_percent, 50);
  PlayerOptions loaded = app.options();
  loaded.fov_degrees = 90, loaded.render_scale_percent = 70;
  app.SetOptions(loaded);  // as read from the options file at start
  EXPECT_EQ(app.render_settings().fov_degrees, 90);
  EXPECT_EQ(app.render_settings().scale_percent, 70);
}

}  // namespace
