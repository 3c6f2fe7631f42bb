#include "gamebuild/game_pak.h"

#include <string>

#include "config/record_files.h"
#include "gamebuild/game_pak_layout.h"
#include "gamebuild/pack_file.h"
#include "gamebuild/parallel_file_entries.h"
#include "gamebuild/password_block.h"
#include "platform/byte_io.h"

namespace gamebuild {

namespace {

const char* const kPackName = "game.pak";

// The workspace paths of the pack's files, group after group.
std::vector<std::filesystem::path> PackFilePaths(const platform::Workspace& workspace) {
  std::vector<std::filesystem::path> paths;
  for (const auto& group : GamePakGroups())
    for (const std::string& name : group)
      if (!name.empty()) paths.push_back(workspace.PathOf(name));
  return paths;
}

// A failed build leaves no pack behind, not even the one of an earlier build.
void RemovePack(const std::filesystem::path& path) {
  std::error_code ignored;
  if (!std::filesystem::is_directory(path, ignored)) std::filesystem::remove(path, ignored);
}

}  // namespace

std::vector<uint8_t> VersionRecord() {
  std::vector<uint8_t> bytes;
  platform::ByteWriter out(bytes);
  out.I32(kPackVersion);
  out.I32(kPackVersion);
  return bytes;
}

bool WriteVersionFile(const platform::Workspace& workspace) {
  return workspace.Write(config::files::kVersion, VersionRecord());
}

bool BuildGamePak(const platform::Workspace& workspace, platform::Prompter& prompter,
                  const platform::Progress& progress, uint64_t max_entry_size) {
  const auto password_path = workspace.PasswordFile();
  const auto pack_path = workspace.PathOf(kPackName);
  if (platform::FileSizeByName(password_path) > static_cast<int64_t>(kMaxPasswordBytes)) {
    RemovePack(pack_path);
    prompter.Show({"The GamePak password is too long: it may have at most " +
                       std::to_string(kMaxPasswordBytes) + " characters!",
                   "Error"});
    return false;
  }
  const platform::Bytes password =
      platform::ReadFileBytes(password_path, kMaxPasswordBytes).value_or(platform::Bytes{});

  PackWriter pack;
  if (!pack.PackCreate(pack_path)) {
    RemovePack(pack_path);
    prompter.Show({"Can't create the file " + pack_path.string(), "Error"});
    return false;
  }
  // The files are compressed on every core; this thread writes them in
  // order and reports progress after each group, as the entries come in.
  const auto paths = PackFilePaths(workspace);
  ParallelFileEntries files(paths, 0, max_entry_size);
  int stored = pack.PackAddMemory(PasswordBlockBytes(EncodePasswordBlock(password)));
  std::vector<std::string> too_large;
  size_t next_file = 0;
  for (const auto& group : GamePakGroups()) {
    for (const std::string& name : group) {
      if (name.empty()) continue;
      const size_t index = next_file++;
      const FileEntry entry = files.Take(index);
      if (entry.stored) stored += pack.PackAddStored(*entry.stored);
      if (entry.too_large) too_large.push_back(paths[index].filename().string());
    }
    if (progress) progress(stored);
  }
  if (!pack.PackClose()) {
    RemovePack(pack_path);
    prompter.Show({"Can't write the file " + pack_path.string(), "Error"});
    return false;
  }
  if (stored == kGamePakEntries) return true;
  RemovePack(pack_path);
  for (const std::string& name : too_large) prompter.Show({name + " is too large for game.pak", "Error"});
  const int missing = kGamePakEntries - stored - static_cast<int>(too_large.size());
  if (missing > 0) prompter.Show({std::to_string(missing) + " Files missing!", "Error"});
  return false;
}

}  // namespace gamebuild
