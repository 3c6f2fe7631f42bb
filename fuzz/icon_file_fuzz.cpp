// Reads arbitrary bytes as an icon file and as a game executable with an
// icon trailer; a trailer made from the parsed icon reads back the same.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "gamebuild/game_icon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (const auto images = gamebuild::ParseIconFile(bytes)) {
    const auto trailer = gamebuild::EncodeIconTrailer(*images);
    const auto back = gamebuild::ReadIconTrailer(trailer);
    if (!back || *back != *images) std::abort();
  }
  (void)gamebuild::ReadIconTrailer(bytes);
  if (gamebuild::SizeWithoutIconTrailer(bytes) > size) std::abort();
  return 0;
}
