#include "config/pack_password.h"

#include "config/text_record.h"

namespace config {

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
  platform::WriteFileAtomic(workspace.PasswordFile(), std::string_view(password));
  return true;
}

}  // namespace config
