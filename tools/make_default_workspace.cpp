// Lays out the default program folder beside the editor: the workspace
// `twksys` with its icon sheet and an empty `GameBitmaps` folder.
//
//   tarnwick-workspace FOLDER [--force]
//
// Files that exist already are kept (they may hold the author's work) unless
// --force is given.
#include <filesystem>
#include <iostream>
#include <string>

#include "assets/picture.h"
#include "platform/workspace.h"

namespace fs = std::filesystem;

namespace {

bool WriteUnlessPresent(const platform::Workspace& workspace, const std::string& name,
                        const platform::Bytes& bytes, bool force) {
  if (!force && workspace.Exists(name)) return true;
  return workspace.Write(name, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: tarnwick-workspace FOLDER [--force]\n";
    return 2;
  }
  const bool force = argc > 2 && std::string(argv[2]) == "--force";
  const platform::Workspace workspace{fs::path(argv[1])};
  std::error_code ec;
  fs::create_directories(workspace.Folder(), ec);
  fs::create_directories(workspace.GameBitmapsFolder(), ec);

  const assets::Picture black_sheet(550, 550);
  if (!WriteUnlessPresent(workspace, "ic", assets::EncodeBmp24(black_sheet), force)) {
    std::cerr << "cannot write " << workspace.PathOf("ic") << "\n";
    return 1;
  }
  return 0;
}
