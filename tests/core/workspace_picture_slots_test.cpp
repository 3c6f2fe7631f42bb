#include "config/workspace_picture_slots.h"

#include <gtest/gtest.h>

#include "assets/icon_sheet.h"
#include "assets/picture.h"
#include "assets/slot_table.h"
#include "platform/scripted_prompter.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::TempFolder;

TEST(WorkspacePictureSlots, ThumbnailsFollowImports) {
  TempFolder home;
  const platform::Workspace workspace(home.path());
  platform::ScriptedPrompter prompter;
  int stored = 0;
  config::WorkspacePictureSlots slots(workspace, prompter, [&] { ++stored; });

  // A missing sheet gives black thumbnails (and a black sheet).
  EXPECT_EQ(slots.Thumbnail(200), assets::Picture(25, 25));
  EXPECT_TRUE(workspace.Exists("ic"));

  // A red square on green: the slot is keyed, so the green becomes white.
  assets::Picture picture(64, 64, {0, 160, 0});
  for (int y = 16; y < 48; ++y)
    for (int x = 16; x < 48; ++x) picture.set(x, y, {200, 10, 10});
  home.Write("red.bmp", assets::EncodeBmp24(picture));
  prompter.files.push_back(home / "red.bmp");
  slots.Import("weapon1sprite", 200);
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(slots.Thumbnail(200).at(12, 12), (assets::Rgb{200, 10, 10}));
  EXPECT_EQ(slots.Thumbnail(200).at(1, 1), (assets::Rgb{255, 255, 255}));
  EXPECT_EQ(slots.Thumbnail(201).at(12, 12), (assets::Rgb{0, 0, 0}));

  slots.Import("weapon1sprite", 200);  // cancelled requester: nothing stored
  EXPECT_EQ(stored, 1);
  EXPECT_TRUE(prompter.shown.empty());
}

}  // namespace
