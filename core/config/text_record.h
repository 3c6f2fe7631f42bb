// The text records: plain 8-bit text without terminator or line end, each
// with the rule by which it is stored and read back. The window title and the
// God Mode code are right-aligned in five characters and read as their first
// line.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "config/record_files.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

// A text shorter than 5 characters is padded on the left with spaces to 5;
// longer texts are kept as they are.
std::string PadToFive(const std::string& text);

// Everything up to the first carriage return, line feed or zero byte.
std::string FirstLine(std::span<const uint8_t> bytes);

struct TextRecord {
  const char* file = "";
  std::string (*stored)(const std::string& text) = nullptr;  // the text as the file holds it
  std::string (*read)(std::span<const uint8_t> bytes) = nullptr;
};

inline constexpr TextRecord kGameTitleRecord{files::kGameTitle, PadToFive, FirstLine};
inline constexpr TextRecord kCheatRecord{files::kCheat, PadToFive, FirstLine};

// The text of the record's file; nothing when it can't be read.
[[nodiscard]] std::optional<std::string> LoadText(const TextRecord& record, const platform::Workspace& workspace);

// Stores the text by the record's rule; a failed write shows "cannot write
// to file <path>" and gives false.
[[nodiscard]] bool SaveText(const TextRecord& record, const platform::Workspace& workspace,
                            const std::string& text, platform::Prompter& prompter);

}  // namespace config
