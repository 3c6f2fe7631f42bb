// The program folder and the workspace files in its `twksys` folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace platform {

// The folder of the running executable.
std::filesystem::path ExecutableFolder();

// Every file of a project is reached through this: the workspace files in
// `twksys` (matched without regard to case), `pakpassword.txt` beside them in
// the program folder, and the `GameBitmaps` and `help` folders.
class Workspace {
 public:
  explicit Workspace(std::filesystem::path program_folder);

  const std::filesystem::path& ProgramFolder() const { return program_folder_; }
  std::filesystem::path Folder() const { return program_folder_ / "twksys"; }
  std::filesystem::path PasswordFile() const { return program_folder_ / "pakpassword.txt"; }
  std::filesystem::path GameBitmapsFolder() const { return program_folder_ / "GameBitmaps"; }
  std::filesystem::path HelpPage() const { return program_folder_ / "help" / "index.htm"; }

  // The path of workspace file `name`: the existing file whatever the case
  // of its name, else the name as given.
  std::filesystem::path PathOf(const std::string& name) const;

  int64_t FileSize(const std::string& name) const { return FileSizeByName(PathOf(name)); }
  bool Exists(const std::string& name) const { return FileSize(name) >= 0; }
  [[nodiscard]] std::optional<Bytes> Read(const std::string& name, size_t limit = SIZE_MAX) const {
    return ReadFileBytes(PathOf(name), limit);
  }

  // Atomic replacement of workspace file `name` (an existing spelling of the
  // name is replaced, no second spelling is made).
  [[nodiscard]] bool Write(const std::string& name, std::span<const uint8_t> bytes) const;
  [[nodiscard]] bool Write(const std::string& name, std::string_view text) const;

 private:
  std::filesystem::path program_folder_;
};

}  // namespace platform
