// What the settings dialog tests share: a program folder, a scripted
// prompter, picture slots that record imports, and child lookup by name.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "platform/scripted_prompter.h"
#include "settings/dialog_context.h"
#include "tests/support/temp_folder.h"

namespace testing_support {

// Thumbnails in a colour made from the picture number; imports are recorded
// and store nothing, as when the requester is cancelled.
class FakePictureSlots : public config::PictureSlots {
 public:
  std::vector<std::pair<std::string, int>> imports;
  int thumbnails_taken = 0;

  assets::Picture Thumbnail(int picture_number) override {
    ++thumbnails_taken;
    const auto shade = static_cast<uint8_t>(picture_number * 37);
    return assets::Picture(25, 25, {shade, static_cast<uint8_t>(255 - shade), 128});
  }
  void Import(const std::string& slot_name, int picture_number) override {
    imports.emplace_back(slot_name, picture_number);
  }
};

class ConfigDialogTest : public ::testing::Test {
 protected:
  TempFolder home;
  platform::Workspace workspace{home.path()};
  platform::ScriptedPrompter prompter;
  FakePictureSlots pictures;
  config::DialogContext context{workspace, prompter, pictures};

  std::vector<platform::Message> Shown() const { return prompter.shown; }
};

// The child of `parent` named `name`; fails the test when there is none.
template <class T>
T* Child(QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(name);
  EXPECT_NE(child, nullptr) << "no child named " << name;
  return child;
}

}  // namespace testing_support
