// The folder of a game's options and saves on Windows: %APPDATA%\<title>.
// The naming is plain text work, without Windows headers, so that it is
// tested on any system.
#pragma once

#include <algorithm>
#include <array>
#include <cwctype>
#include <filesystem>
#include <string>
#include <string_view>

namespace game::win {

// The title as one folder name Windows accepts: characters a name cannot hold
// become '_', the spaces and dots Windows drops from a name's end go, and a
// device name ("CON", "com1.x") gets a '_' before it; "game" when nothing is left.
inline std::wstring FolderNameOfTitle(std::wstring_view title) {
  std::wstring name;
  for (wchar_t c : title)
    name += c < 32 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos ? L'_' : c;
  while (!name.empty() && (name.back() == L' ' || name.back() == L'.')) name.pop_back();
  if (name.empty()) return L"game";
  std::wstring stem = name.substr(0, name.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  std::transform(stem.begin(), stem.end(), stem.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  static constexpr std::array<std::wstring_view, 4> kDevices = {L"CON", L"PRN", L"AUX", L"NUL"};
  const bool numbered = stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) &&
                        stem[3] >= L'0' && stem[3] <= L'9';
  if (numbered || std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end())
    name.insert(0, 1, L'_');
  return name;
}

// <appdata>\<title>; empty when APPDATA is not set (or not an absolute path).
inline std::filesystem::path OptionsFolderIn(const wchar_t* appdata, std::wstring_view title) {
  if (!appdata || !*appdata) return {};
  const std::filesystem::path root(appdata);
  if (!root.has_root_directory()) return {};
  return root / FolderNameOfTitle(title);
}

}  // namespace game::win
