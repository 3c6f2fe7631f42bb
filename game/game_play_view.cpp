#include "game_play_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "game_draw.h"

namespace game {
namespace {

constexpr int kHudHeight = 24;

int AnimatedWall(const GameData& data, int texture, int tic) {
  const int row = (texture - 1) % 10;
  if (!data.wall_animation.rows[static_cast<size_t>(row)]) return texture;
  const int column = (texture - 1) / 10;
  const int shift = tic * data.wall_animation.speed / kTicRate;
  return row + 1 + 10 * ((column + shift) % 4);
}

const Texture* EnemyFrame(const GameData& data, const Enemy& e) {
  const auto& frames = data.enemy_frames[static_cast<size_t>(e.kind)];
  switch (e.state) {
    case EnemyState::kShoot:
      return &frames[e.timer > kEnemyShootTics / 2 ? 4 : 5];
    case EnemyState::kDying:
      return &frames[static_cast<size_t>(6 + std::min(4, e.timer / 5))];
    case EnemyState::kDead:
      return &frames[10];
    case EnemyState::kChase:
      return &frames[static_cast<size_t>((e.walk_tics / 6) % 4)];
    default:
      return &frames[0];
  }
}

// `fraction` of the way from `from` to `to`, in cells: exactly `from` at 0 and `to` at 1.
double Between(Fixed from, Fixed to, double fraction) {
  return (from + fraction * (to - from)) / kFixedOne;
}

bool IsOpenCell(const LevelMap& map, int x, int y) {
  return LevelMap::Inside(x, y) && map.KindAt(x, y) != CellKind::kWall;
}

// Walls are shown only where they face an open cell; the map is fitted to them
// all, seen or not, so that it keeps its scale while the player explores.
bool ShownOnMap(const LevelMap& map, int x, int y) {
  if (map.KindAt(x, y) != CellKind::kWall) return true;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (IsOpenCell(map, x + dx, y + dy)) return true;
  return false;
}

void DrawMap(const Play& play, FrameBuffer& frame, int view_height) {
  const LevelMap& map = play.map();
  int min_x = kMapSize, min_y = kMapSize, max_x = 0, max_y = 0;
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x)
      if (ShownOnMap(map, x, y))
        min_x = std::min(min_x, x), min_y = std::min(min_y, y), max_x = std::max(max_x, x),
        max_y = std::max(max_y, y);
  if (min_x > max_x) return;
  const int columns = max_x - min_x + 1, rows = max_y - min_y + 1;
  const int cell = std::max(1, std::min(frame.width * 9 / 10 / columns, view_height * 9 / 10 / rows));
  const int x0 = (frame.width - cell * columns) / 2 - min_x * cell,
            y0 = (view_height - cell * rows) / 2 - min_y * cell;
  Tint(frame, x0 + min_x * cell - cell, y0 + min_y * cell - cell, (columns + 2) * cell, (rows + 2) * cell,
       Rgb(0, 0, 0), 180);
  // Only what the player has seen; the floor he has seen a shade lighter than the dark.
  for (int y = min_y; y <= max_y; ++y)
    for (int x = min_x; x <= max_x; ++x) {
      const CellKind k = map.KindAt(x, y);
      if (!play.Seen(x, y) || !ShownOnMap(map, x, y)) continue;
      const uint32_t color = k == CellKind::kEmpty  ? Rgb(40, 40, 48)
                             : k == CellKind::kWall ? Rgb(150, 150, 150)
                             : k == CellKind::kDoor ? Rgb(60, 120, 220)
                                                    : Rgb(220, 180, 40);
      FillRect(frame, x0 + x * cell, y0 + y * cell, cell, cell, color);
    }
  const Player& p = play.player();
  const int px = x0 + static_cast<int>(ToDouble(p.x) * cell),
            py = y0 + static_cast<int>(ToDouble(p.y) * cell);
  const int half = std::max(1, cell / 3);
  FillRect(frame, px - half, py - half, 2 * half, 2 * half, Rgb(40, 220, 40));
  for (int step = 1; step <= cell; ++step) {
    const int hx = px + static_cast<int>(FixedCos(p.angle) * static_cast<int64_t>(step) / kFixedOne);
    const int hy = py + static_cast<int>(FixedSin(p.angle) * static_cast<int64_t>(step) / kFixedOne);
    FillRect(frame, hx - 1, hy - 1, 2, 2, Rgb(40, 220, 40));
  }
}

void DrawHud(const Play& play, FrameBuffer& frame, int scale) {
  const GameData& data = play.data();
  const int top = frame.height - kHudHeight * scale;
  FillRect(frame, 0, top, frame.width, kHudHeight * scale, Rgb(0, 0, 0));
  const int left = (frame.width - 320 * scale) / 2;
  DrawImage(frame, data.mask, left, top, scale);
  const PlayerCarry& c = play.player().carry;
  const int digits_y = top + 2 * scale;
  DrawNumber(frame, data.numbers, c.health, 3, left + 8 * scale, digits_y, scale);
  const bool shows_ammo = c.weapon >= 0 && data.weapons.weapons[static_cast<size_t>(c.weapon)].can_shoot;
  if (shows_ammo)
    DrawNumber(frame, data.numbers, c.ammo[static_cast<size_t>(c.weapon)], 2, left + 80 * scale, digits_y,
               scale);
  if (play.player().has_key) DrawImage(frame, data.key_picture, left + 150 * scale, digits_y, scale);
  DrawNumber(frame, data.score_numbers, c.score, 6, left + 196 * scale, digits_y, scale);
}

}  // namespace

int WeaponPicture(int fire_tics) {
  return fire_tics < 8 ? 1 + fire_tics / 2 : 0;
}

Eye EyeAt(const Play& play, const FrameMoment& moment) {
  const TicStart& start = play.tic_start();
  const Player& p = play.player();
  const double f = moment.fraction;
  int turned = NormalAngle(p.angle - start.angle);  // the short way round
  if (turned > kAngleSteps / 2) turned -= kAngleSteps;
  double angle = std::fmod(p.angle - (1 - f) * turned + play.MouseTurn(moment.mouse_dx), kAngleSteps);
  if (angle < 0) angle += kAngleSteps;
  const double pitch = start.pitch + f * (p.pitch - start.pitch) + play.MouseLook(moment.mouse_dy);
  return {Between(start.x, p.x, f), Between(start.y, p.y, f), angle,
          std::clamp(pitch, double{-kMaxPitch}, double{kMaxPitch})};
}

Scene BuildScene(const Play& play, double fraction, DoorOpenness* doors) {
  const GameData& data = play.data();
  Scene scene;
  scene.map = &play.map();
  for (int t = 1; t <= 40; ++t)
    scene.walls[static_cast<size_t>(t)] =
        &data.wall_textures[static_cast<size_t>(AnimatedWall(data, t, play.tic()) - 1)];
  const size_t level = static_cast<size_t>(play.level() - 1);
  scene.door = &data.door_textures[level];
  scene.floor = &data.floor_textures[level];
  scene.ceiling = &data.ceiling_textures[level];
  scene.exit_door = &data.exit_door_texture;
  scene.door_open = &play.door_open();
  const TicStart& start = play.tic_start();
  if (fraction < 1 && doors && start.doors.size() == play.doors().size()) {
    *doors = play.door_open();
    for (size_t i = 0; i < start.doors.size(); ++i) {
      const Door& d = play.doors()[i];
      (*doors)[static_cast<size_t>(d.y * kMapSize + d.x)] =
          static_cast<float>(Between(start.doors[i], d.open, fraction));
    }
    scene.door_open = doors;
  }
  scene.shade = data.settings.shader;
  for (const Prop& p : play.props()) {
    const int endurance = data.sprites[static_cast<size_t>(p.kind)].endurance;
    const int stage = p.destroyed ? 4 : endurance > 0 ? std::min(3, p.hits * 4 / endurance) : 0;
    scene.sprites.push_back({p.x + 0.5, p.y + 0.5,
                             &data.sprite_textures[static_cast<size_t>(p.kind)][static_cast<size_t>(stage)]});
  }
  for (const Item& i : play.items()) {
    if (i.taken) continue;
    const Texture* t = nullptr;
    switch (i.kind) {
      case ThingKind::kWeapon:
        t = &data.weapon_item_textures[static_cast<size_t>(i.number - 1)];
        break;
      case ThingKind::kHealth:
        t = &data.health_texture;
        break;
      case ThingKind::kAmmo:
        t = &data.ammo_texture;
        break;
      case ThingKind::kKey:
        t = &data.key_texture;
        break;
      case ThingKind::kTreasure:
        t = &data.treasure_textures[static_cast<size_t>(i.number - 1)];
        break;
      default:
        break;
    }
    scene.sprites.push_back({i.x + 0.5, i.y + 0.5, t});
  }
  const std::vector<Enemy>& enemies = play.enemies();
  for (size_t i = 0; i < enemies.size(); ++i) {
    const Enemy& e = enemies[i];
    const bool known = i < start.enemies.size();
    scene.sprites.push_back({Between(known ? start.enemies[i][0] : e.x, e.x, fraction),
                             Between(known ? start.enemies[i][1] : e.y, e.y, fraction), EnemyFrame(data, e)});
  }
  for (const Bullet& b : play.bullets()) {
    const auto& set = b.explode_tics > 0 ? data.explosion_textures : data.bullet_textures;
    scene.sprites.push_back({Between(b.from_x, b.x, fraction), Between(b.from_y, b.y, fraction),
                             &set[static_cast<size_t>(b.weapon)]});
  }
  return scene;
}

void DrawPlayFrame(const Play& play, Renderer& renderer, FrameBuffer& frame, const RenderSettings& settings,
                   const FrameMoment& moment) {
  const GameData& data = play.data();
  const int scale = ScreenScale(frame.width, frame.height);
  const ViewRect view{0, 0, frame.width, std::max(1, frame.height - kHudHeight * scale)};
  const Player& p = play.player();
  const Eye eye = EyeAt(play, moment);
  // The field of view spans the whole frame, as if the view went on behind the HUD.
  const Camera camera{eye.x, eye.y, eye.angle * (2.0 * std::numbers::pi / kAngleSteps),
                      eye.pitch * view.height / 200.0,
                      FocalLength(settings.fov_degrees, frame.width, frame.height)};
  DoorOpenness doors;
  renderer.Render(BuildScene(play, moment.fraction, &doors), camera, frame, view);
  if (p.carry.weapon >= 0) {
    const Image& hand = data.weapon_in_hand[static_cast<size_t>(p.carry.weapon)]
                                           [static_cast<size_t>(WeaponPicture(p.fire_tics))];
    DrawImage(frame, hand, (frame.width - hand.width * scale) / 2, view.height - hand.height * scale, scale);
  }
  const Image& mark = data.gun_center;
  DrawImage(frame, mark, (frame.width - mark.width * scale) / 2,
            (view.height - std::min(mark.height, 16) * scale) / 2, scale, 0, 16);
  if (play.red_flash() > 0)
    Tint(frame, 0, 0, frame.width, view.height, Rgb(255, 0, 0), 24 * play.red_flash());
  if (play.bright_flash() > 0)
    Tint(frame, 0, 0, frame.width, view.height, Rgb(255, 255, 255), 16 * play.bright_flash());
  if (play.show_map()) DrawMap(play, frame, view.height);
  DrawHud(play, frame, scale);
  if (p.carry.god_mode) DrawText(frame, "GOD MODE", 4 * scale, 4 * scale, scale, Rgb(255, 255, 0));
}

}  // namespace game
