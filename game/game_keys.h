// Names of the key list and scripted input for headless runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game_play.h"

namespace game {

// The name of key-list index `key` without its "= " prefix ("Mouse left", "A", "Up").
std::string_view KeyName(int key);
// The index of a key name (any letter case), or -1.
int KeyByName(std::string_view name);

// Scripted input: lines "FIRST LAST KEY" hold KEY from tic FIRST to tic LAST
// (counted from 1), "mouse TIC DX DY" moves the mouse at a tic; "#" starts a comment.
class InputScript {
 public:
  // False with `error` naming the line when the text has a line it cannot read.
  bool Parse(const std::string& text, std::string& error);
  // The input of tic `tic` (counted from 1); pressed keys are those held now and not at the tic before.
  TicInput At(int tic) const;

 private:
  struct Hold {
    int first, last, key;
  };
  struct Mouse {
    int tic, dx, dy;
  };
  std::vector<Hold> holds_;
  std::vector<Mouse> mouse_;
};

}  // namespace game
