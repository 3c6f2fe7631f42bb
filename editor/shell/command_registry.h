// Every command of the editor in one table: its number, its place in the
// menu bar, its keyboard shortcut and what it does. A new command is a new
// row.
#pragma once

#include <span>
#include <string>

namespace app {

class MainWindow;

struct CommandRow {
  int number;
  const char* menu = nullptr;  // the title of the menu it stands in; none for a shortcut only
  const char* text = nullptr;  // its item text
  void (*run)(MainWindow& window) = nullptr;
  bool separator_above = false;  // a separator line stands above the item
  int key = 0;                   // its shortcut (a Qt::Key with modifiers); 0 for none
  int second_key = 0;            // another shortcut for the same command
  // Whether the item can be chosen now (greyed otherwise); always when null.
  bool (*enabled)(const MainWindow& window) = nullptr;
  // For an item with a check mark: whether it is checked now.
  bool (*checked)(const MainWindow& window) = nullptr;
  // For an item whose text changes (the recent projects): gives the text
  // when the menu is built; the item is left out while it is empty.
  std::string (*caption)(const MainWindow& window) = nullptr;
};

constexpr bool kSeparatorAbove = true;

// The rows in menu bar order: the menus in the order of their first items,
// the items of each menu in the order of their rows.
std::span<const CommandRow> CommandRegistry();

}  // namespace app
