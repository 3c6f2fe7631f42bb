// A problem the checker found in the workspace: where it lies (a file, and in
// a level file its level and cell), the rule it breaks and what to tell the
// author.
#pragma once

#include <optional>
#include <string>

#include "world/level_grid.h"

namespace world {

// Errors stop Create Game (or make a game that does not start); warnings
// point at things the game plays around.
enum class Severity { kError, kWarning };

struct Problem {
  Severity severity = Severity::kError;
  std::string file;  // the workspace file: "game3", "settings", "tex4", "pakpassword.txt"
  int level = 0;     // 1 to 20 for a problem in a level, 0 for none
  std::optional<GridCell> cell;
  std::string rule;  // a short name: "open-border", "missing-file", ...
  std::string message;
  bool operator==(const Problem&) const = default;
};

const char* SeverityText(Severity severity);  // "error" or "warning"

// "game3:12:40: error: open border cell": the file, the column and row as the
// BlockX and BlockY read-out counts them (from 1; left out without a cell),
// the severity and the message.
std::string ProblemLine(const Problem& problem);

}  // namespace world
