// Packs changed for tests: a copy of a pack with one entry replaced.
#pragma once

#include <filesystem>
#include <span>

#include "gamebuild/pack_file.h"
#include "platform/files.h"

namespace testing_support {

// The pack at `pack` with entry `index` (from 0) replaced by `replacement`,
// written to `out`; empty when it cannot be read or written.
inline platform::Bytes PackWithEntry(const std::filesystem::path& pack, size_t index,
                                     const platform::Bytes& replacement, const std::filesystem::path& out) {
  gamebuild::PackReader reader;
  gamebuild::PackWriter writer;
  if (!reader.PackOpen(pack) || !writer.PackCreate(out)) return {};
  for (size_t i = 0;; ++i) {
    const auto entry = reader.PackNextEntry();
    if (entry.empty()) break;
    if (writer.PackAddMemory(i == index ? std::span<const uint8_t>(replacement) : entry) != 1) return {};
  }
  if (!writer.PackClose()) return {};
  return platform::ReadFileBytes(out).value_or(platform::Bytes{});
}

}  // namespace testing_support
