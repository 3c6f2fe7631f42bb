// A program folder for picture tests: writes pictures as files, reads back
// slot pictures and the icon sheet, and answers through a scripted prompter.
#pragma once

#include <filesystem>
#include <string>

#include "assets/picture.h"
#include "assets/picture_loader.h"
#include "platform/scripted_prompter.h"
#include "platform/workspace.h"
#include "tests/support/picture_print.h"
#include "tests/support/temp_folder.h"

namespace testing_support {

struct PictureFixture {
  TempFolder home;
  platform::Workspace workspace{home.path()};
  platform::ScriptedPrompter prompter;

  // Writes `picture` as a BMP file below the program folder; its path.
  std::filesystem::path WriteBmp(const std::string& relative, const assets::Picture& picture) const {
    home.Write(relative, assets::EncodeBmp24(picture));
    return home / relative;
  }
  assets::Picture Stored(const std::string& name) const {
    return assets::LoadPicture(workspace.PathOf(name));
  }
  assets::Picture Sheet() const { return Stored("ic"); }
};

}  // namespace testing_support
