#include <cinttypes>
#include <cstdio>
#include <string>

#include "gamebuild/game_pak_layout.h"
#include "gamebuild/pack_file.h"
#include "tools/cli_commands.h"

namespace cli {

namespace {

std::string EntryName(size_t position) {
  const auto& names = gamebuild::GamePakEntryNames();
  if (position == 1) return "(password)";
  if (position > names.size()) return "-";
  return names[position - 1];
}

}  // namespace

int RunList(Context& context) {
  if (context.args.size() != 1) return kUsage;
  const std::string& path = context.args[0];
  gamebuild::PackReader reader;
  if (!reader.PackOpen(path)) {
    context.prompter.Show({"can't open " + path, "Error"});
    return kFailure;
  }
  for (size_t position = 1;; ++position) {
    if (reader.PackNextEntry().empty()) {
      if (reader.Status() == gamebuild::PackStatus::kEnd) return kSuccess;
      context.prompter.Show(
          {path + ": entry " + std::to_string(position) + ": " + gamebuild::PackStatusText(reader.Status()),
           "Error"});
      return kFailure;
    }
    std::printf("%4zu  %-22s %10" PRId64 " %10" PRIu32 "\n", position, EntryName(position).c_str(),
                reader.PackEntrySize(), reader.StoredSize());
  }
}

}  // namespace cli
