// Reads arbitrary bytes as a level file and checks it as validation does.
#include <cstdint>
#include <cstdlib>

#include "platform/files.h"
#include "world/level.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const platform::Bytes bytes(data, data + size);
  world::LevelGrid grid;
  world::ReadLevelBytes(bytes, grid);
  const auto written = world::LevelFileBytes(grid);
  if (written.size() != static_cast<size_t>(world::kLevelFileSize)) std::abort();
  (void)world::PlayerPlaced(grid);
  return 0;
}
