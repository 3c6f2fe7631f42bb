#include "win_system.h"

#include <cstdio>
#include <iostream>
#include <vector>

namespace game::win {

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::filesystem::path ExecutableFolder() {
  std::vector<wchar_t> name(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return std::filesystem::current_path();
    if (length < name.size()) return std::filesystem::path(std::wstring(name.data(), length)).parent_path();
    name.resize(name.size() * 2);
  }
}

void ConnectParentConsole() {
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (error != nullptr && error != INVALID_HANDLE_VALUE) return;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!std::freopen("CONOUT$", "w", stdout) || !std::freopen("CONOUT$", "w", stderr)) return;
  std::cout.clear();
  std::cerr.clear();
}

void ReportMessage(const std::string& title, const std::string& text, bool headless, HWND owner) {
  std::cerr << title << ": " << text << std::endl;
  if (!headless) MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace game::win
