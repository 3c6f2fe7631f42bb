#include "world/problem.h"

namespace world {

const char* SeverityText(Severity severity) {
  return severity == Severity::kError ? "error" : "warning";
}

std::string ProblemLine(const Problem& problem) {
  std::string line = problem.file;
  if (problem.cell)
    line += ":" + std::to_string(problem.cell->column + 1) + ":" + std::to_string(problem.cell->row + 1);
  return line + ": " + SeverityText(problem.severity) + ": " + problem.message;
}

}  // namespace world
