#include "config/pack_password.h"

#include <algorithm>

#include "config/text_record.h"

namespace config {

namespace {

bool WritePassword(const platform::Workspace& workspace, const std::string& password,
                   platform::Prompter& prompter) {
  if (platform::WriteFileAtomic(workspace.PasswordFile(), std::string_view(password))) return true;
  prompter.Show(platform::CannotWriteMessage(workspace.PasswordFile()));
  return false;
}

}  // namespace

std::string TrimSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::optional<std::string> LoadPackPassword(const platform::Workspace& workspace) {
  const auto bytes = platform::ReadFileBytes(workspace.PasswordFile());
  if (!bytes) return std::nullopt;
  return FirstLine(*bytes);
}

bool UsePackPassword(const platform::Workspace& workspace, const std::string& typed,
                     platform::Prompter& prompter) {
  const std::string password = TrimSpaces(typed);
  if (password.size() < kMinPasswordLength) {
    prompter.Show({"invalid Password", "Error"});
    return false;
  }
  if (password.size() > kMaxPasswordLength) {
    prompter.Show({"Password too long (max 21 chars)", "Error"});
    return false;
  }
  return WritePassword(workspace, password, prompter);
}

std::string MakeDefaultPassword(std::mt19937& random) {
  std::uniform_int_distribution<int> draw(0, 26);
  std::string password;
  for (int i = 0; i < 16; ++i) password += static_cast<char>(std::min(65 + draw(random), 90));
  return password;
}

bool EnsurePackPassword(const platform::Workspace& workspace, platform::Prompter& prompter,
                        std::mt19937& random) {
  const auto file = workspace.PasswordFile();
  if (platform::FileSizeByName(file) >= static_cast<int64_t>(kMinPasswordLength)) return true;
  std::error_code ec;
  std::filesystem::remove(file, ec);
  if (!WritePassword(workspace, MakeDefaultPassword(random), prompter)) return false;
  prompter.Show({"A default GamePak password has been set!\r\nTo change it got to Menu <Settings>", "Info"});
  return true;
}

}  // namespace config
