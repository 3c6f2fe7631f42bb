#include "platform/default_password.h"

#include <algorithm>

namespace platform {

std::string MakeDefaultPassword(std::mt19937& random) {
  std::uniform_int_distribution<int> draw(0, 26);
  std::string password;
  for (int i = 0; i < 16; ++i) password += static_cast<char>(std::min(65 + draw(random), 90));
  return password;
}

void EnsurePackPassword(const Workspace& workspace, Prompter& prompter, std::mt19937& random) {
  const auto file = workspace.PasswordFile();
  const int64_t size = FileSizeByName(file);
  if (size >= 4) return;
  std::error_code ec;
  std::filesystem::remove(file, ec);
  WriteFileAtomic(file, MakeDefaultPassword(random));
  prompter.Show({"A default GamePak password has been set!\r\nTo change it got to Menu <Settings>", "Info"});
}

}  // namespace platform
