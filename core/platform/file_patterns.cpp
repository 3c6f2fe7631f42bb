#include "platform/file_patterns.h"

namespace platform {

namespace {

std::vector<std::string> SplitBars(std::string_view text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t bar = text.find('|', start);
    const size_t end = bar == std::string_view::npos ? text.size() : bar;
    parts.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string PatternInParentheses(const std::string& name) {
  const size_t open = name.find('(');
  const size_t close = name.find(')', open == std::string::npos ? 0 : open);
  if (open == std::string::npos || close == std::string::npos) return "*";
  return name.substr(open + 1, close - open - 1);
}

}  // namespace

std::vector<FilePattern> ParseFilePatterns(std::string_view patterns) {
  std::vector<FilePattern> result;
  if (patterns.empty()) return result;
  const auto parts = SplitBars(patterns);
  for (size_t i = 0; i < parts.size(); i += 2) {
    if (parts[i].empty()) continue;
    std::string pattern =
        i + 1 < parts.size() && !parts[i + 1].empty() ? parts[i + 1] : PatternInParentheses(parts[i]);
    result.push_back({parts[i], pattern});
  }
  return result;
}

}  // namespace platform
