// Lays out the default program folder beside the editor: the workspace
// `twksys` with every file a game needs (pictures, screen bitmaps, records,
// sounds, tunes, levels, the icon sheet), the `GameBitmaps` folder and the
// user guide in `help`. Everything is made by code and the same at every run.
//
//   tarnwick-workspace FOLDER [--force]
//   tarnwick-workspace --share FOLDER
//   tarnwick-workspace --contact-sheet FILE.bmp
//
// Files that exist already are kept (they may hold the author's work) unless
// --force is given. --share writes what is installed under <prefix>/share,
// replacing what is there: the starter project (workspace and GameBitmaps)
// in tarnwick/starter, the user guide in tarnwick/help, and the program's
// icon in the hicolor theme of icons/. --contact-sheet writes every picture
// tiled into one BMP for a look at the art.
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/workspace.h"
#include "tools/starter/content.h"
#include "tools/starter/help_page.h"
#include "tools/starter/program_icon.h"

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
  bool Folder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) Fail(folder);
    return !ec;
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

// The workspace and the GameBitmaps folder.
void WriteProject(FolderWriter& out, const starter::Content& content) {
  const platform::Workspace& workspace = out.workspace();
  if (!out.Folder(workspace.Folder()) || !out.Folder(workspace.GameBitmapsFolder())) return;
  for (const auto& slot : content.slots) out.Workspace(slot.name, starter::StoredSlotPicture(slot.picture));
  for (const auto& screen : content.screens) {
    const platform::Bytes source = assets::EncodeBmp24(screen.picture);
    out.File(workspace.GameBitmapsFolder() / screen.source, source);
    out.Workspace(screen.name, screen.converted ? starter::StoredSlotPicture(screen.picture) : source);
  }
  for (const auto& file : content.files) out.Workspace(file.name, file.bytes);
  out.Workspace("ic", assets::EncodeBmp24(starter::BuildIconSheet(content.slots)));
}

void WriteGuide(FolderWriter& out, const fs::path& folder, const starter::Content& content) {
  if (!out.Folder(folder)) return;
  for (const auto& page : starter::HelpFiles(content)) out.File(folder / page.name, page.bytes);
}

int WriteProgramFolder(const fs::path& folder, bool force) {
  FolderWriter out(folder, force);
  const starter::Content content = starter::BuildContent();
  WriteProject(out, content);
  WriteGuide(out, out.workspace().HelpPage().parent_path(), content);
  return out.ok() ? 0 : 1;
}

int WriteShareFolder(const fs::path& share) {
  const starter::Content content = starter::BuildContent();
  FolderWriter starter(share / "tarnwick" / "starter", true);
  WriteProject(starter, content);
  FolderWriter out(share, true);
  WriteGuide(out, share / "tarnwick" / "help", content);
  for (int size : starter::kProgramIconSizes) {
    const std::string edge = std::to_string(size);
    const fs::path apps = share / "icons" / "hicolor" / (edge + "x" + edge) / "apps";
    if (out.Folder(apps)) out.File(apps / "tarnwick.png", starter::EncodePng(starter::ProgramIcon(size)));
  }
  return starter.ok() && out.ok() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (argc == 3 && first == "--contact-sheet") {
    const auto sheet = starter::ContactSheet(starter::BuildContent());
    return platform::WriteFileAtomic(argv[2], assets::EncodeBmp24(sheet)) ? 0 : 1;
  }
  if (argc == 3 && first == "--share") return WriteShareFolder(fs::path(argv[2]));
  if (argc < 2 || argc > 3 || first.starts_with("--") || (argc == 3 && std::string(argv[2]) != "--force")) {
    std::cerr << "usage: tarnwick-workspace FOLDER [--force]\n"
                 "       tarnwick-workspace --share FOLDER\n"
                 "       tarnwick-workspace --contact-sheet FILE.bmp\n";
    return 2;
  }
  return WriteProgramFolder(fs::path(argv[1]), argc == 3);
}
