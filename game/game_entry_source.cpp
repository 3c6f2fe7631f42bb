#include "game_entry_source.h"

#include "game_entry_index.h"
#include "gamebuild/game_pak_layout.h"
#include "gamebuild/password_block.h"
#include "platform/files.h"
#include "platform/workspace.h"

namespace game {

bool ReadWorkspaceEntries(const std::filesystem::path& program_folder, std::vector<Entry>& entries,
                          std::string& error) {
  const platform::Workspace workspace(program_folder);
  std::error_code ec;
  if (!std::filesystem::is_directory(workspace.Folder(), ec)) {
    error = "no workspace folder in " + program_folder.string();
    return false;
  }
  const std::vector<std::string>& names = gamebuild::GamePakEntryNames();
  entries.assign(names.size(), Entry{});
  const Entry password = platform::ReadFileBytes(workspace.PasswordFile()).value_or(Entry{});
  entries[kPasswordEntry] = gamebuild::PasswordBlockBytes(gamebuild::EncodePasswordBlock(password));
  for (size_t i = 1; i < names.size(); ++i) entries[i] = workspace.Read(names[i]).value_or(Entry{});
  return true;
}

}  // namespace game
