#include "world/palette_layout.h"

#include "world/cell_codes.h"

namespace world {

namespace {

using Kind = PaletteControlKind;

PaletteControl Frame(int number, int x, int y, int w, int h, std::string text) {
  return {Kind::kFrame, number, x, y, w, h, std::move(text), std::nullopt, std::nullopt};
}

PaletteControl Button(int number, int x, int y, int code) {
  return {Kind::kPictureButton, number, x, y, 25, 25, "", code, std::nullopt};
}

PaletteControl Text(int number, int x, int y, int w, int h, std::string text) {
  return {Kind::kText, number, x, y, w, h, std::move(text), std::nullopt, std::nullopt};
}

PaletteControl ArrowButton(int number, int x, int y, Arrow arrow) {
  return {Kind::kArrowButton, number, x, y, 20, 20, "", std::nullopt, arrow};
}

// A column of `count` buttons 25 pixels apart.
void AddColumn(std::vector<PaletteControl>& out, int first_number, int x, int y, int count, int first_code,
               int step = 25) {
  for (int k = 0; k < count; ++k) out.push_back(Button(first_number + k, x, y + step * k, first_code + k));
}

std::vector<PaletteControl> MakeLayout() {
  std::vector<PaletteControl> out;
  out.push_back(Frame(193, 5, 20, 120, 270, "Walls"));
  out.push_back(Frame(204, 135, 20, 60, 145, "Sprites"));
  for (int k = 0; k < 6; ++k)
    out.push_back(Frame(704 + k, 135, 170 + 45 * k, 60, 45, "Weapon" + std::to_string(k + 1)));
  out.push_back(Frame(214, 5, 295, 60, 145, "Enemies"));
  out.push_back(Frame(kDoorFrame, 70, 305, 60, 45, "Door 1"));
  out.push_back(Frame(373, 70, 350, 60, 45, "NextLevel"));
  out.push_back(Frame(374, 70, 395, 60, 45, "Player"));
  out.push_back(Frame(217, 135, 445, 60, 45, "Ammo"));
  out.push_back(Frame(220, 135, 495, 60, 45, "Health"));
  out.push_back(Frame(221, 135, 545, 60, 45, "Key"));
  out.push_back(Frame(946, 70, 445, 60, 145, "Treasure"));

  AddColumn(out, 171, 15, 35, 10, WallCode(1));
  AddColumn(out, 181, 40, 35, 10, WallCode(11));
  AddColumn(out, 277, 65, 35, 10, WallCode(21));
  AddColumn(out, 287, 90, 35, 10, WallCode(31));
  AddColumn(out, 194, 140, 35, 5, kFirstSpriteCode);
  AddColumn(out, 199, 165, 35, 5, kFirstSpriteCode + 5);
  AddColumn(out, 343, 150, 185, 6, kFirstWeaponCode, 45);
  AddColumn(out, 209, 20, 310, 5, kFirstEnemyCode);
  out.push_back(Button(338, 87, 320, kDoorCode));
  out.push_back(Button(339, 87, 365, kNextLevelDoorCode));
  out.push_back(Button(340, 87, 410, kPlayerStartCode));
  out.push_back(Button(218, 150, 460, kAmmunitionPackCode));
  out.push_back(Button(215, 150, 510, kHealthPackCode));
  out.push_back(Button(219, 150, 560, kKeyCode));
  AddColumn(out, 941, 85, 460, 5, kFirstTreasureCode);

  out.push_back(Text(kBlockXText, 10, 450, 60, 20, "BlockX:"));
  out.push_back(Text(kBlockYText, 10, 470, 60, 20, "BlockY:"));
  out.push_back(Text(445, 5, 500, 80, 20, "Position"));
  out.push_back(ArrowButton(446, 5, 540, Arrow::kLeft));
  out.push_back(ArrowButton(447, 45, 540, Arrow::kRight));
  out.push_back(ArrowButton(448, 25, 520, Arrow::kUp));
  out.push_back(ArrowButton(449, 25, 560, Arrow::kDown));
  return out;
}

}  // namespace

const std::vector<PaletteControl>& PaletteLayout() {
  static const std::vector<PaletteControl> layout = MakeLayout();
  return layout;
}

}  // namespace world
