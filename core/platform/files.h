// Whole-file reads and writes, file sizes, and name lookup without regard to case.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

using Bytes = std::vector<uint8_t>;

// Size of a regular file in bytes, or -1 when there is none of that name.
int64_t FileSizeByName(const std::filesystem::path& path);

// The content of a regular file, at most `limit` bytes of it; nothing when
// it can't be read (missing, a folder, unreadable).
[[nodiscard]] std::optional<Bytes> ReadFileBytes(const std::filesystem::path& path, size_t limit = SIZE_MAX);

// Writes through a temporary file in the same folder, then renames it over
// the target, so the target is either the old or the complete new content.
// A target without its owner's write permission is not replaced (false); a
// replaced one keeps its permission bits.
[[nodiscard]] bool WriteFileAtomic(const std::filesystem::path& path, std::span<const uint8_t> bytes);
[[nodiscard]] bool WriteFileAtomic(const std::filesystem::path& path, std::string_view text);

// Copies a file, replacing the target atomically.
[[nodiscard]] bool CopyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// The entry of `folder` whose name equals `name` without regard to ASCII
// case; `folder / name` when there is none (a new file gets that spelling).
// An entry spelled exactly like `name` wins over other spellings.
std::filesystem::path ResolveNoCase(const std::filesystem::path& folder, const std::string& name);

}  // namespace platform
