// The user guide of the program folder: help/index.htm and its pictures,
// made from the generated content itself.
#pragma once

#include <string>
#include <vector>

#include "tools/starter/content.h"

namespace starter {

struct HelpFile {
  std::string name;  // file name inside the help folder
  platform::Bytes bytes;
};

std::vector<HelpFile> HelpFiles(const Content& content);

// Every picture of the content tiled into one sheet, for looking at the art.
Picture ContactSheet(const Content& content);

// A PNG file (8-bit RGB, no interlace) of the picture.
platform::Bytes EncodePng(const Picture& picture);

}  // namespace starter
