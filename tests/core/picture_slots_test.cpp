// The picture slots of the dialogs with picture buttons.
#include "config/picture_slots.h"

#include <gtest/gtest.h>

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

}  // namespace
