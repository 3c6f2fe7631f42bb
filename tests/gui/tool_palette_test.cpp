#include <QGroupBox>
#include <QLabel>

#include "kit/qt_picture.h"
#include "tests/gui/editor_fixture.h"

using testing_support::EditorTest;

namespace {

struct Expected {
  int number;
  QRect geometry;
  const char* text;  // frames and texts; nullptr for buttons
};

std::vector<Expected> ExpectedPalette() {
  std::vector<Expected> e = {
      {193, {5, 20, 120, 270}, "Walls"},     {204, {135, 20, 60, 145}, "Sprites"},
      {214, {5, 295, 60, 145}, "Enemies"},   {372, {70, 305, 60, 45}, "Door 1"},
      {373, {70, 350, 60, 45}, "NextLevel"}, {374, {70, 395, 60, 45}, "Player"},
      {217, {135, 445, 60, 45}, "Ammo"},     {220, {135, 495, 60, 45}, "Health"},
      {221, {135, 545, 60, 45}, "Key"},      {946, {70, 445, 60, 145}, "Treasure"},
      {338, {87, 320, 25, 25}, nullptr},     {339, {87, 365, 25, 25}, nullptr},
      {340, {87, 410, 25, 25}, nullptr},     {218, {150, 460, 25, 25}, nullptr},
      {215, {150, 510, 25, 25}, nullptr},    {219, {150, 560, 25, 25}, nullptr},
      {388, {10, 450, 60, 20}, "BlockX:"},   {389, {10, 470, 60, 20}, "BlockY:"},
      {445, {5, 500, 80, 20}, "Position"},   {446, {5, 540, 20, 20}, nullptr},
      {447, {45, 540, 20, 20}, nullptr},     {448, {25, 520, 20, 20}, nullptr},
      {449, {25, 560, 20, 20}, nullptr},
  };
  static const char* weapons[] = {"Weapon1", "Weapon2", "Weapon3", "Weapon4", "Weapon5", "Weapon6"};
  for (int k = 0; k < 10; ++k) {
    e.push_back({171 + k, {15, 35 + 25 * k, 25, 25}, nullptr});
    e.push_back({181 + k, {40, 35 + 25 * k, 25, 25}, nullptr});
    e.push_back({277 + k, {65, 35 + 25 * k, 25, 25}, nullptr});
    e.push_back({287 + k, {90, 35 + 25 * k, 25, 25}, nullptr});
  }
  for (int k = 0; k < 5; ++k) {
    e.push_back({194 + k, {140, 35 + 25 * k, 25, 25}, nullptr});
    e.push_back({199 + k, {165, 35 + 25 * k, 25, 25}, nullptr});
    e.push_back({209 + k, {20, 310 + 25 * k, 25, 25}, nullptr});
    e.push_back({941 + k, {85, 460 + 25 * k, 25, 25}, nullptr});
  }
  for (int k = 0; k < 6; ++k) {
    e.push_back({704 + k, {135, 170 + 45 * k, 60, 45}, weapons[k]});
    e.push_back({343 + k, {150, 185 + 45 * k, 25, 25}, nullptr});
  }
  return e;
}

QString TextOf(QWidget* w) {
  if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  return {};
}

// The colour the numbered sheet has in the tile at (x, y).
QColor TileColour(int x, int y) {
  return QColor(x / 25 * 10, y / 25 * 10, 7);
}

QColor ButtonColour(QWidget* button) {
  return static_cast<kit::ImageButton*>(button)->Picture().pixelColor(12, 12);
}

}  // namespace

TEST_F(EditorTest, PaletteHasEveryControlAtItsPlaceInClientCoordinates) {
  const auto expected = ExpectedPalette();
  EXPECT_EQ(expected.size(), 95u);
  for (const Expected& e : expected) {
    QWidget* control = Control(e.number);
    ASSERT_NE(control, nullptr) << e.number;
    EXPECT_EQ(control->mapTo(window->centralWidget(), QPoint(0, 0)), e.geometry.topLeft()) << e.number;
    EXPECT_EQ(control->size(), e.geometry.size()) << e.number;
    if (e.text) {
      EXPECT_EQ(TextOf(control), e.text) << e.number;
    }
  }
}

TEST_F(EditorTest, PaletteButtonsShowTheirTilesOfTheIconSheet) {
  struct Case {
    int button;
    int tile_x, tile_y;
  };
  const Case cases[] = {{171, 0, 0},   {190, 0, 475},  {277, 25, 0},  {296, 25, 475}, {215, 50, 25},
                        {218, 50, 50}, {219, 50, 75},  {339, 75, 0},  {194, 125, 0},  {203, 125, 225},
                        {209, 150, 0}, {213, 250, 0},  {338, 350, 0}, {343, 375, 0},  {348, 375, 125},
                        {941, 500, 0}, {945, 500, 100}};
  for (const Case& c : cases)
    EXPECT_EQ(ButtonColour(Control(c.button)), TileColour(c.tile_x, c.tile_y)) << c.button;
  // The player start is drawn by the editor itself, not cut from the sheet.
  const QImage player = static_cast<kit::ImageButton*>(Control(340))->Picture();
  EXPECT_EQ(player.size(), QSize(25, 25));
  EXPECT_NE(player.pixelColor(12, 12), TileColour(75, 0));
  for (int arrow = 446; arrow <= 449; ++arrow)
    EXPECT_EQ(static_cast<kit::ImageButton*>(Control(arrow))->Picture().size(), QSize(20, 20));
}

TEST_F(EditorTest, PaletteRebuildTakesTheNewSheet) {
  assets::Picture sheet = testing_support::NumberedSheet();
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 25; ++x) sheet.set(x, y, {250, 1, 2});
  folder.Write("twksys/ic", assets::EncodeBmp24(sheet));
  window->BuildPalette();
  EXPECT_EQ(ButtonColour(Control(171)), QColor(250, 1, 2));
}

TEST_F(EditorTest, PaletteRebuildWritesABlackSheetWhenTheSheetIsGone) {
  std::filesystem::remove(folder / "twksys/ic");
  window->BuildPalette();
  EXPECT_EQ(std::filesystem::file_size(folder / "twksys/ic"), 54u + 550u * 550u * 3u + 550u * 2u);
  EXPECT_EQ(ButtonColour(Control(171)), QColor(0, 0, 0));
}

TEST_F(EditorTest, SmallSheetsAreUsedAndBrokenOnesNeverBreakThePalette) {
  folder.Write("twksys/ic", assets::EncodeBmp24(assets::Picture(550, 550, {200, 100, 50})));
  window->BuildPalette();
  EXPECT_EQ(ButtonColour(Control(171)), QColor(200, 100, 50));
  // A sheet of another size is used: the tiles inside it are shown, those
  // outside it left black.
  folder.Write("twksys/ic", assets::EncodeBmp24(assets::Picture(30, 30, {1, 2, 3})));
  window->BuildPalette();
  EXPECT_EQ(ButtonColour(Control(171)), QColor(1, 2, 3));
  EXPECT_EQ(ButtonColour(Control(180)), QColor(0, 0, 0));
  // One that is no picture is not: the palette keeps the thumbnails it had.
  folder.Write("twksys/ic", std::string("BM this is no picture"));
  window->BuildPalette();
  EXPECT_EQ(ButtonColour(Control(171)), QColor(1, 2, 3));
  window->resize(1800, 1620);
  window->RedrawMap();
  EXPECT_EQ(window->MapPicture().at(5, 5), (assets::Rgb{1, 2, 3}));
}
