// The picture slots of the weapon, sprite, treasure and pack dialogs.
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

}  // namespace
