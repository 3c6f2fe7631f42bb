#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "assets/picture.h"
#include "game_pictures.h"
#include "game_render.h"
#include "platform/files.h"
#include "tests/runtime/render_fixture.h"

namespace {

using namespace render_fixture;
constexpr double kEast = 0, kSouth = std::numbers::pi / 2, kWest = std::numbers::pi,
                 kNorth = -std::numbers::pi / 2;

FrameBuffer Draw(const Scene& scene, const Camera& camera, int w = 160, int h = 100,
                 Renderer* renderer = nullptr) {
  FrameBuffer frame(w, h, Rgb(255, 0, 255));
  Renderer local;
  (renderer ? *renderer : local).Render(scene, camera, frame, {0, 0, w, h});
  return frame;
}

// Rows of column x that show texture `id`.
int HeightOf(const FrameBuffer& f, int x, int id) {
  int n = 0;
  for (int y = 0; y < f.height; ++y) n += IdOf(f.at(x, y)) == id;
  return n;
}

const std::vector<std::string> kRoom = {"#############",  //
                                        "#...........#",  //
                                        "#...........#",  //
                                        "#...........#",  //
                                        "#...........#",  //
                                        "#...........#",  //
                                        "#############"};

TEST(Renderer, FlatWallHasOneHeightAcrossTheViewNoFisheye) {
  World world(kRoom);
  Renderer renderer;
  // Looking straight at the east wall from 3.5 cells: every column the same height and depth.
  const FrameBuffer f = Draw(world.MakeScene(), {8.5, 3.5, kEast, 0}, 160, 100, &renderer);
  const int centre = HeightOf(f, 80, kWallId);
  EXPECT_GT(centre, 10);
  for (int x = 0; x < f.width; ++x) {
    EXPECT_EQ(HeightOf(f, x, kWallId), centre) << "column " << x;
    EXPECT_NEAR(renderer.depth()[static_cast<size_t>(x)], 3.5, 1e-4) << "column " << x;
  }
}

TEST(Renderer, ViewCentredInARoomIsMirrorSymmetric) {
  World world(kRoom);
  // Centred between the north and south walls, looking east along the room's axis.
  const FrameBuffer f = Draw(world.MakeScene(), {2.5, 3.5, kEast, 0}, 120, 80);
  for (int x = 0; x < f.width / 2; ++x) {
    const int mirror = f.width - 1 - x;
    EXPECT_EQ(HeightOf(f, x, kWallId), HeightOf(f, mirror, kWallId)) << "column " << x;
    for (int y = 0; y < f.height; ++y) {
      const uint32_t a = f.at(x, y), b = f.at(mirror, y);
      ASSERT_EQ(IdOf(a), IdOf(b)) << x << "," << y;
      if (IdOf(a) == kWallId) {
        ASSERT_EQ(VOf(a), VOf(b)) << x << "," << y;
      }
    }
  }
}

// A single block in a big room, seen square-on from each side: the face shows
// texture columns 0..63 from left to right, and column 32 in the middle.
TEST(Renderer, EachFaceShowsItsTextureLeftToRight) {
  std::vector<std::string> rows(15, "#.............#");
  rows.front() = rows.back() = std::string(15, '#');
  rows[7][7] = '2';
  World world(rows);
  const struct {
    const char* face;
    Camera camera;
  } cases[] = {{"west", {4.5, 7.5, kEast, 0}},
               {"east", {10.5, 7.5, kWest, 0}},
               {"north", {7.5, 4.5, kSouth, 0}},
               {"south", {7.5, 10.5, kNorth, 0}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.face);
    const FrameBuffer f = Draw(world.MakeScene(), c.camera, 200, 120);
    const int row = 60;
    int first = -1, last = -1, previous_u = -1;
    for (int x = 0; x < f.width; ++x) {
      if (IdOf(f.at(x, row)) != kWall2Id) continue;
      if (first < 0) first = x;
      last = x;
      const int u = UOf(f.at(x, row));
      EXPECT_GE(u, previous_u) << "column " << x;
      previous_u = u;
    }
    ASSERT_GE(first, 0);
    EXPECT_LE(UOf(f.at(first, row)), 2);
    EXPECT_GE(UOf(f.at(last, row)), 61);
    EXPECT_NEAR(UOf(f.at(f.width / 2, row)), 32, 1);
  }
}

TEST(Renderer, HalfOpenDoorShowsItsClosedHalfAndTheRoomBehind) {
  World world({"#####",  //
               "#222#",  //
               "#...#",  //
               "##D##",  //
               "#...#",  //
               "#...#",  //
               "#...#",  //
               "#####"});
  world.open[static_cast<size_t>(3 * kMapSize + 2)] = 0.5f;
  // Looking north at the door from two cells south of it: west half open.
  const FrameBuffer f = Draw(world.MakeScene(), {2.5, 5.5, kNorth, 0}, 200, 120);
  const int row = 60;
  int door_columns = 0, far_columns_left = 0, first_door = -1;
  for (int x = 0; x < f.width; ++x) {
    const uint32_t p = f.at(x, row);
    if (IdOf(p) == kDoorId) {
      if (first_door < 0) first_door = x;
      ++door_columns;
      EXPECT_LT(UOf(p), 32) << "only the closed half of the texture shows, column " << x;
    } else if (IdOf(p) == kWall2Id && first_door < 0) {
      ++far_columns_left;
    }
  }
  EXPECT_GT(far_columns_left, 0) << "the room behind shows through the open half";
  ASSERT_GE(first_door, 0);
  EXPECT_LE(UOf(f.at(first_door, row)), 1);
  // The door cell spans the columns of one cell at 2 cells' distance (door plane at 2.5 - 0.5).
  const int cell_columns = static_cast<int>(std::lround(FocalLength(kDefaultFovDegrees, 200, 120) / 2.0));
  EXPECT_NEAR(door_columns, cell_columns / 2, 2);

  world.open.fill(0.f);
  const FrameBuffer closed = Draw(world.MakeScene(), {2.5, 5.5, kNorth, 0}, 200, 120);
  EXPECT_EQ(IdOf(closed.at(100, row)), kDoorId);
  world.open.fill(1.f);
  const FrameBuffer open = Draw(world.MakeScene(), {2.5, 5.5, kNorth, 0}, 200, 120);
  EXPECT_EQ(IdOf(open.at(100, row)), kWall2Id);
}

TEST(Renderer, SpriteBehindAWallIsHiddenAndInFrontIsDrawn) {
  World world({"#########",  //
               "#.......#",  //
               "#...2...#",  //
               "#.......#",  //
               "#########"});
  Texture red = Plain(Rgb(255, 0, 0));
  Scene scene = world.MakeScene();
  scene.sprites.push_back({6.5, 2.5, &red});  // behind the block at (4, 2)
  const Camera camera{1.5, 2.5, kEast, 0};
  auto red_pixels = [](const FrameBuffer& f) {
    int n = 0;
    for (uint32_t p : f.pixels) n += p == Rgb(255, 0, 0);
    return n;
  };
  EXPECT_EQ(red_pixels(Draw(scene, camera)), 0);
  scene.sprites[0].x = 3.0;  // in front of it
  EXPECT_GT(red_pixels(Draw(scene, camera)), 100);
}

TEST(Renderer, NearerSpriteCoversFartherWhateverTheListOrder) {
  World world(kRoom);
  Texture red = Plain(Rgb(255, 0, 0)), green = Plain(Rgb(0, 255, 0));
  for (bool near_first : {true, false}) {
    Scene scene = world.MakeScene();
    const RenderSprite near{4.5, 3.5, &green}, far{7.5, 3.5, &red};
    scene.sprites = near_first ? std::vector<RenderSprite>{near, far} : std::vector<RenderSprite>{far, near};
    const FrameBuffer f = Draw(scene, {2.5, 3.5, kEast, 0});
    EXPECT_EQ(f.at(80, 50), Rgb(0, 255, 0)) << "near first: " << near_first;
  }
}

TEST(Renderer, TransparentTexelsLeaveTheBackground) {
  World world(kRoom);
  Texture holed = Plain(Rgb(0, 0, 255));
  for (int u = 0; u < 64; ++u)
    for (int v = 0; v < 32; ++v) holed.at(u, v) = kTransparent;  // top half see-through
  Scene scene = world.MakeScene();
  scene.sprites.push_back({4.5, 3.5, &holed});
  const FrameBuffer f = Draw(scene, {2.5, 3.5, kEast, 0});
  EXPECT_NE(f.at(80, 45), Rgb(0, 0, 255));
  EXPECT_EQ(f.at(80, 55), Rgb(0, 0, 255));
}

// ---- field of view and threads -----------------------------------------------------

// The frame at the default field of view over the whole frame, as the play view draws it.
FrameBuffer DrawFrame(const Scene& scene, Camera camera, int w, int h, int threads = 1) {
  camera.focal = FocalLength(kDefaultFovDegrees, w, h);
  FrameBuffer frame(w, h, Rgb(255, 0, 255));
  Renderer(threads).Render(scene, camera, frame, {0, 0, w, h});
  return frame;
}

struct Extent {
  int columns = 0, rows = 0;  // of texture `id`, along the middle row and the middle column of its span
};
Extent ExtentOf(const FrameBuffer& f, int id) {
  Extent e;
  int first = -1;
  for (int x = 0; x < f.width; ++x)
    if (IdOf(f.at(x, f.height / 2)) == id) first = first < 0 ? x : first, ++e.columns;
  if (first >= 0) e.rows = HeightOf(f, first + e.columns / 2, id);
  return e;
}

// One block of texture 2 in a big room.
World BlockRoom(int block_x, int block_y) {
  std::vector<std::string> rows(21, "#" + std::string(19, '.') + "#");
  rows.front() = rows.back() = std::string(21, '#');
  rows[static_cast<size_t>(block_y)][static_cast<size_t>(block_x)] = '2';
  return World(rows);
}

TEST(RendererFieldOfView, ASquareFaceStaysSquareInWideAndTallFrames) {
  World world = BlockRoom(10, 10);
  const Camera camera{10.5, 13.5, kNorth, 0};  // three cells south of the block, facing its south face
  for (const auto& [w, h] : {std::pair{160, 100}, {234, 100}, {320, 100}, {160, 256}, {100, 160}}) {
    const Extent face = ExtentOf(DrawFrame(world.MakeScene(), camera, w, h), kWall2Id);
    EXPECT_GT(face.columns, 10) << w << "x" << h;
    EXPECT_NEAR(face.columns, face.rows, 1) << w << "x" << h;
  }
  // A frame narrower than 16:10 keeps the width of the 16:10 frame and shows more above and below.
  const FrameBuffer wide = DrawFrame(world.MakeScene(), camera, 160, 100);
  const FrameBuffer tall = DrawFrame(world.MakeScene(), camera, 160, 256);
  EXPECT_EQ(ExtentOf(wide, kWall2Id).columns, ExtentOf(tall, kWall2Id).columns);
}

TEST(RendererFieldOfView, A21By9FrameShowsMoreToTheSidesWithTheSameVerticalExtent) {
  World world = BlockRoom(6, 6);
  const Camera camera{2.5, 10.5, kEast, 0};  // the block lies 40 to 52 degrees to the left
  const FrameBuffer normal = DrawFrame(world.MakeScene(), camera, 160, 100);
  const FrameBuffer wide = DrawFrame(world.MakeScene(), camera, 234, 100);
  EXPECT_EQ(ExtentOf(normal, kWall2Id).columns, 0);
  EXPECT_GT(ExtentOf(wide, kWall2Id).columns, 0) << "the block comes into view at the left";
  EXPECT_EQ(HeightOf(normal, 80, kWallId), HeightOf(wide, 117, kWallId)) << "the far wall ahead";
  EXPECT_GT(HeightOf(normal, 80, kWallId), 5);
}

// The render scale shrinks the frame drawn for a window, kept within 50 .. 100 % and at least one pixel.
TEST(RenderScale, TheFrameIsTheWindowAtTheScaleWithinItsLimits) {
  struct Case {
    int width, height, percent;
    FrameSize frame;
  };
  for (const Case& c : {Case{1920, 1080, 100, {1920, 1080}}, Case{1920, 1080, 50, {960, 540}},
                        Case{3840, 2160, 75, {2880, 1620}}, Case{1001, 333, 67, {670, 223}},
                        Case{1920, 1080, 20, {960, 540}}, Case{1920, 1080, 0, {960, 540}},
                        Case{1920, 1080, 250, {1920, 1080}}, Case{1, 1, 50, {1, 1}}})
    EXPECT_EQ(ScaledFrameSize(c.width, c.height, c.percent), c.frame)
        << c.width << "x" << c.height << " at " << c.percent << " %";
}

// A room with doors and blocks, for the threads test and the golden frames.
const std::vector<std::string> kGoldenMap = {"##########",  //
                                             "#........#",  //
                                             "#..2.....#",  //
                                             "#........D",  //
                                             "#....2...#",  //
                                             "##D#######",  //
                                             "#........#",  //
                                             "##########"};

TEST(RendererThreads, TheFrameIsTheSameWithOneThreadOrMany) {
  World world(kGoldenMap);
  world.open[static_cast<size_t>(5 * kMapSize + 2)] = 0.4f;
  Texture holed = Plain(Rgb(0, 0, 200));
  for (int u = 0; u < 64; ++u)
    for (int v = 0; v < 64; v += 3) holed.at(u, v) = kTransparent;
  Scene scene = world.MakeScene();
  scene.shade = true;
  scene.sprites = {{6.5, 2.5, &holed}, {7.5, 3.2, &holed}, {2.6, 2.1, &holed}, {4.0, 4.0, &holed}};
  const Camera camera{1.6, 1.4, 0.6, -7};
  for (const auto& [w, h] : {std::pair{397, 211}, {64, 40}, {15, 9}}) {
    const FrameBuffer one = DrawFrame(scene, camera, w, h, 1);
    for (int threads : {2, 3, 8}) {
      const FrameBuffer many = DrawFrame(scene, camera, w, h, threads);
      EXPECT_TRUE(one.pixels == many.pixels) << w << "x" << h << " with " << threads << " threads";
    }
  }
}

// ---- golden frames ------------------------------------------------------------

std::string GoldenPath(const std::string& name) {
  return std::string(TARNWICK_SOURCE_DIR) + "/tests/runtime/golden/" + name + ".bmp";
}

// Compares with the stored frame; TARNWICK_REGENERATE_GOLDEN=1 writes it instead.
void ExpectGolden(const std::string& name, const FrameBuffer& f) {
  const std::string path = GoldenPath(name);
  if (const char* regenerate = std::getenv("TARNWICK_REGENERATE_GOLDEN"); regenerate && *regenerate == '1') {
    ASSERT_TRUE(platform::WriteFileAtomic(path, assets::EncodeBmp24(ToPicture(f))));
    return;
  }
  const auto bytes = platform::ReadFileBytes(path);
  ASSERT_TRUE(bytes) << path << " is missing; run with TARNWICK_REGENERATE_GOLDEN=1 to make it";
  Image golden;
  ASSERT_TRUE(DecodeScreenImage(*bytes, false, golden));
  ASSERT_EQ(golden.width, f.width);
  ASSERT_EQ(golden.height, f.height);
  int differing = 0;
  for (int y = 0; y < f.height; ++y)
    for (int x = 0; x < f.width; ++x)
      if (golden.at(x, y) != f.at(x, y) && differing++ < 5)
        ADD_FAILURE() << name << ": pixel " << x << "," << y << " differs";
  EXPECT_EQ(differing, 0) << name;
}

TEST(RendererGolden, CornerViewWithSprites) {
  World world(kGoldenMap);
  Texture blue = Plain(Rgb(0, 0, 200));
  for (int u = 0; u < 64; ++u)
    for (int v = 0; v < 20; ++v) blue.at(u, v) = kTransparent;
  Scene scene = world.MakeScene();
  scene.sprites = {{6.5, 2.5, &blue}, {7.5, 3.2, &blue}};
  ExpectGolden("corner_sprites", Draw(scene, {1.6, 1.4, 0.6, 0}, 96, 60));
}

TEST(RendererGolden, HalfOpenDoorLookingUpWithShading) {
  World world(kGoldenMap);
  world.open[static_cast<size_t>(5 * kMapSize + 2)] = 0.3f;
  Scene scene = world.MakeScene();
  scene.shade = true;
  ExpectGolden("door_pitch_shade", Draw(scene, {2.3, 3.6, 1.4, 12}, 96, 60));
}

}  // namespace
