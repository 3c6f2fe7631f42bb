#include "runtime/game_entry_source.h"

#include "platform/files.h"
#include "platform/workspace.h"
#include "runtime/game_pak_layout.h"

namespace game {

Entry EncodePasswordEntry(const std::vector<uint8_t>& password) {
  Entry block;
  for (size_t i = 0; i < password.size() && i < 21; ++i) {
    const int32_t code = static_cast<int8_t>(password[i]);
    const uint32_t value = static_cast<uint32_t>(code * 4096 + static_cast<int32_t>(i) + 134);
    for (int shift = 0; shift < 32; shift += 8) block.push_back(static_cast<uint8_t>(value >> shift));
  }
  return block;
}

bool ReadWorkspaceEntries(const std::filesystem::path& program_folder, std::vector<Entry>& entries,
                          std::string& error) {
  const platform::Workspace workspace(program_folder);
  std::error_code ec;
  if (!std::filesystem::is_directory(workspace.Folder(), ec)) {
    error = "no workspace folder in " + program_folder.string();
    return false;
  }
  const std::vector<std::string> names = PakEntryNames();
  entries.assign(names.size(), Entry{});
  entries[entry::kPassword] =
      EncodePasswordEntry(platform::ReadFileBytes(workspace.PasswordFile()).value_or(Entry{}));
  for (size_t i = 1; i < names.size(); ++i) entries[i] = workspace.Read(names[i]).value_or(Entry{});
  return true;
}

}  // namespace game
