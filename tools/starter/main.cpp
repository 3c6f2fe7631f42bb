// Lays out the default program folder beside the editor: the workspace
// `twksys` with every file a game needs (pictures, screen bitmaps, records,
// sounds, tunes, levels, the icon sheet), the `GameBitmaps` folder and the
// user guide in `help`. Everything is made by code and the same at every run.
//
//   tarnwick-workspace FOLDER [--force]
//   tarnwick-workspace --contact-sheet FILE.bmp
//
// Files that exist already are kept (they may hold the author's work) unless
// --force is given. --contact-sheet writes every picture tiled into one BMP
// for a look at the art.
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/workspace.h"
#include "tools/starter/content.h"
#include "tools/starter/help_page.h"

namespace fs = std::filesystem;

namespace {

class FolderWriter {
 public:
  FolderWriter(const fs::path& folder, bool force) : workspace_(folder), force_(force) {}

  const platform::Workspace& workspace() const { return workspace_; }

  void Workspace(const std::string& name, const platform::Bytes& bytes) {
    if (!force_ && workspace_.Exists(name)) return;
    if (!workspace_.Write(name, bytes)) Fail(workspace_.PathOf(name));
  }
  void File(const fs::path& path, const platform::Bytes& bytes) {
    if (!force_ && fs::exists(path)) return;
    if (!platform::WriteFileAtomic(path, bytes)) Fail(path);
  }
  bool ok() const { return ok_; }

 private:
  void Fail(const fs::path& path) {
    std::cerr << "cannot write " << path.string() << "\n";
    ok_ = false;
  }

  platform::Workspace workspace_;
  bool force_;
  bool ok_ = true;
};

int WriteProgramFolder(const fs::path& folder, bool force) {
  FolderWriter out(folder, force);
  const platform::Workspace& workspace = out.workspace();
  std::error_code ec;
  for (const fs::path& dir :
       {workspace.Folder(), workspace.GameBitmapsFolder(), workspace.HelpPage().parent_path()}) {
    fs::create_directories(dir, ec);
    if (ec) {
      std::cerr << "cannot create " << dir.string() << "\n";
      return 1;
    }
  }
  const starter::Content content = starter::BuildContent();
  for (const auto& slot : content.slots) out.Workspace(slot.name, starter::StoredSlotPicture(slot.picture));
  for (const auto& screen : content.screens) {
    const platform::Bytes source = assets::EncodeBmp24(screen.picture);
    out.File(workspace.GameBitmapsFolder() / screen.source, source);
    out.Workspace(screen.name, screen.converted ? starter::StoredSlotPicture(screen.picture) : source);
  }
  for (const auto& file : content.files) out.Workspace(file.name, file.bytes);
  out.Workspace("ic", assets::EncodeBmp24(starter::BuildIconSheet(content.slots)));
  for (const auto& page : starter::HelpFiles(content))
    out.File(workspace.HelpPage().parent_path() / page.name, page.bytes);
  return out.ok() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--contact-sheet") {
    const auto sheet = starter::ContactSheet(starter::BuildContent());
    return platform::WriteFileAtomic(argv[2], assets::EncodeBmp24(sheet)) ? 0 : 1;
  }
  if (argc < 2 || argc > 3 || (argc == 3 && std::string(argv[2]) != "--force")) {
    std::cerr << "usage: tarnwick-workspace FOLDER [--force]\n";
    return 2;
  }
  return WriteProgramFolder(fs::path(argv[1]), argc == 3);
}
