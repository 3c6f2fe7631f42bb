// The picture slots of the dialogs with picture buttons.
#include "config/picture_slots.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "assets/slot_table.h"

namespace {

using config::SlotRef;

TEST(ConfigPictureSlots, NamesAndPictureNumbers) {
  EXPECT_EQ(config::WeaponSlot(1), (SlotRef{"weapon1sprite", 200}));
  EXPECT_EQ(config::WeaponSlot(6), (SlotRef{"weapon6sprite", 205}));
  EXPECT_EQ(config::SpriteSlot(1, 0), (SlotRef{"sprite1", 45}));
  EXPECT_EQ(config::SpriteSlot(10, 0), (SlotRef{"sprite10", 54}));
  EXPECT_EQ(config::SpriteSlot(1, 1), (SlotRef{"sprite1b", 4000}));
  EXPECT_EQ(config::SpriteSlot(2, 3), (SlotRef{"sprite2d", 4006}));
  EXPECT_EQ(config::SpriteSlot(10, 4), (SlotRef{"sprite10e", 4039}));
  EXPECT_EQ(config::TreasureSlot(1), (SlotRef{"Treasure1sprite", 300}));
  EXPECT_EQ(config::TreasureSlot(5), (SlotRef{"Treasure5sprite", 304}));
  EXPECT_EQ(config::AmmoPackSlot(), (SlotRef{"ammo", 29}));
  EXPECT_EQ(config::HealthPackSlot(), (SlotRef{"food", 28}));
}

TEST(ConfigPictureSlots, TexturesAndEnemyFrames) {
  EXPECT_EQ(config::WallTextureSlot(1), (SlotRef{"tex1", 1000}));
  EXPECT_EQ(config::WallTextureSlot(12), (SlotRef{"tex12", 1011}));
  EXPECT_EQ(config::DoorTextureSlot(20), (SlotRef{"doortex20", 3019}));
  EXPECT_EQ(config::FloorTextureSlot(1), (SlotRef{"floortex1", 2000}));
  EXPECT_EQ(config::CeilingTextureSlot(20), (SlotRef{"ceiltex20", 2039}));
  EXPECT_EQ(config::EnemyFrameSlot(1, 0), (SlotRef{"walk_ene1_1", 67}));
  EXPECT_EQ(config::EnemyFrameSlot(3, 5), (SlotRef{"shoot_ene3_2", 116}));
  EXPECT_EQ(config::EnemyFrameSlot(4, 8), (SlotRef{"die_ene4_3", 141}));
  EXPECT_EQ(config::EnemyFrameSlot(5, 10), (SlotRef{"die_ene5_5", 165}));
}

// Every texture and enemy frame names a slot of the slot table with the
// table's picture number, and no slot is named twice.
TEST(ConfigPictureSlots, TexturesAndEnemyFramesAreSlotsOfTheTable) {
  std::vector<SlotRef> refs;
  for (int n = 1; n <= 40; ++n) refs.push_back(config::WallTextureSlot(n));
  for (int n = 1; n <= 20; ++n) {
    refs.push_back(config::DoorTextureSlot(n));
    refs.push_back(config::FloorTextureSlot(n));
    refs.push_back(config::CeilingTextureSlot(n));
  }
  for (int e = 1; e <= 5; ++e)
    for (int f = 0; f <= 10; ++f) refs.push_back(config::EnemyFrameSlot(e, f));
  std::set<std::string> names;
  for (const SlotRef& ref : refs) {
    const assets::Slot* slot = assets::FindSlot(ref.name);
    ASSERT_NE(slot, nullptr) << ref.name;
    EXPECT_EQ(slot->name, ref.name);
    EXPECT_EQ(slot->picture, ref.picture_number) << ref.name;
    names.insert(ref.name);
  }
  EXPECT_EQ(names.size(), 155u);
}

}  // namespace
