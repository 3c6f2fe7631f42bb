#include "game_keys.h"

#include <cctype>
#include <sstream>

#include "config/key_list.h"

namespace game {
namespace {

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

std::string_view KeyName(int key) {
  if (key < 0 || key >= kKeyCount) return {};
  std::string_view name = config::KeyNames()[static_cast<size_t>(key)];
  if (name.starts_with("= ")) name.remove_prefix(2);
  return name;
}

int KeyByName(std::string_view name) {
  for (int key = 0; key < kKeyCount; ++key)
    if (SameNoCase(KeyName(key), name)) return key;
  return -1;
}

bool InputScript::Parse(const std::string& text, std::string& error) {
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string first;
    if (!(words >> first)) continue;
    if (first == "mouse") {
      Mouse m{};
      if (words >> m.tic >> m.dx >> m.dy) {
        mouse_.push_back(m);
        continue;
      }
    } else {
      Hold h{};
      std::string rest, name;
      if (std::istringstream(first) >> h.first && words >> h.last && std::getline(words >> std::ws, name)) {
        while (!name.empty() && (name.back() == ' ' || name.back() == '\r')) name.pop_back();
        h.key = KeyByName(name);
        if (h.key > 0 && h.first <= h.last) {
          holds_.push_back(h);
          continue;
        }
      }
    }
    error = "line " + std::to_string(number) + " of the script cannot be read: " + line;
    return false;
  }
  return true;
}

TicInput InputScript::At(int tic) const {
  TicInput input;
  std::bitset<kKeyCount> before;
  for (const Hold& h : holds_) {
    if (tic >= h.first && tic <= h.last) input.held.set(static_cast<size_t>(h.key));
    if (tic - 1 >= h.first && tic - 1 <= h.last) before.set(static_cast<size_t>(h.key));
  }
  input.pressed = input.held & ~before;
  for (const Mouse& m : mouse_)
    if (m.tic == tic) input.mouse_dx += m.dx, input.mouse_dy += m.dy;
  return input;
}

}  // namespace game
