// The menu bar: titles, item texts, command numbers and separators, in order.
#pragma once

#include <vector>

namespace app {

constexpr int kSeparator = 0;

struct MenuItem {
  int command;  // kSeparator for a separator line
  const char* text;
};

struct Menu {
  const char* title;
  std::vector<MenuItem> items;
};

const std::vector<Menu>& MenuBarTable();

}  // namespace app
