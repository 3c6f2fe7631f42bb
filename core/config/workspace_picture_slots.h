// The picture slots of a workspace for the dialogs with picture buttons:
// thumbnails cut from the icon sheet, imports through the file requester.
#pragma once

#include <functional>
#include <optional>

#include "assets/picture.h"
#include "config/picture_slots.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

class WorkspacePictureSlots : public PictureSlots {
 public:
  // `stored` runs after every picture stored (the editor rebuilds its tool
  // palette and redraws the map there).
  WorkspacePictureSlots(const platform::Workspace& workspace, platform::Prompter& prompter,
                        std::function<void()> stored = {});

  assets::Picture Thumbnail(int picture_number) override;
  void Import(const std::string& slot_name, int picture_number) override;

 private:
  const platform::Workspace& workspace_;
  platform::Prompter& prompter_;
  std::function<void()> stored_;
  // The sheet as last read; read again after an import changed it.
  std::optional<assets::Picture> sheet_;
};

}  // namespace config
