// What every settings dialog works with: the workspace, the prompter for
// messages and requesters, and the picture slots.
#pragma once

#include "config/picture_slots.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

struct DialogContext {
  const platform::Workspace& workspace;
  platform::Prompter& prompter;
  PictureSlots& pictures;
};

}  // namespace config
