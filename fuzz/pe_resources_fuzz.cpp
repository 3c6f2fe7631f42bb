// Reads arbitrary bytes as a Windows executable: its headers, its resources
// and its icon group; resources it reads are written back in place, and read
// back the same.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <tuple>

#include "gamebuild/pe_image.h"
#include "gamebuild/windows_game_icon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  (void)gamebuild::ReadPeImage(bytes);
  (void)gamebuild::ReadIconResources(bytes);
  auto resources = gamebuild::ReadPeResources(bytes);
  if (!resources) return 0;
  platform::Bytes file(bytes.begin(), bytes.end());
  if (!gamebuild::ReplacePeResources(file, *resources)) return 0;
  if (file.size() != size) std::abort();
  std::stable_sort(resources->begin(), resources->end(), [](const auto& a, const auto& b) {
    return std::tie(a.type, a.name, a.language) < std::tie(b.type, b.name, b.language);
  });
  if (gamebuild::ReadPeResources(file) != resources) std::abort();
  return 0;
}
