// Reads arbitrary bytes as a level file, as loading and validation do. The
// file written back from the grid has the fixed size and the same 64 x 64
// cells, and validation, which sees only those cells, passes or fails the
// file and its rewrite alike.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/workspace.h"
#include "world/level.h"
#include "world/level_validation.h"

namespace {

void Expect(bool condition) {
  if (!condition) std::abort();
}

// A program folder in the temporary folder, removed when the run ends.
std::filesystem::path ScratchFolder() {
  return std::filesystem::temp_directory_path() / ("level_file_fuzz_" + std::to_string(::getpid()));
}

const platform::Workspace& ScratchWorkspace() {
  static const platform::Workspace workspace = [] {
    std::filesystem::create_directories(ScratchFolder() / "twksys");
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchFolder(), ignored);
    });
    return platform::Workspace(ScratchFolder());
  }();
  return workspace;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const platform::Bytes bytes(data, data + size);
  world::LevelGrid grid;
  world::ReadLevelBytes(bytes, grid);
  const auto written = world::LevelFileBytes(grid);
  Expect(written.size() == static_cast<size_t>(world::kLevelFileSize));
  world::LevelGrid again;
  world::ReadLevelBytes(written, again);
  for (int y = 0; y < world::kLevelSize; ++y)
    for (int x = 0; x < world::kLevelSize; ++x) Expect(again.at(x, y) == grid.at(x, y));

  const auto& workspace = ScratchWorkspace();
  Expect(workspace.Write("game1", bytes));
  Expect(workspace.Write("game2", written));
  Expect(world::ValidateLevel(workspace, 1) == world::ValidateLevel(workspace, 2));
  (void)world::PlayerPlaced(grid);
  return 0;
}
