#include "platform/files.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

int64_t FileSizeByName(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return -1;
  const auto size = fs::file_size(path, ec);
  return ec ? -1 : static_cast<int64_t>(size);
}

std::optional<Bytes> ReadFileBytes(const fs::path& path, size_t limit) {
  const int64_t size = FileSizeByName(path);
  if (size < 0) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Bytes bytes(std::min(static_cast<size_t>(size), limit));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  if (in.bad()) return std::nullopt;
  return bytes;
}

namespace {

fs::path TemporaryNameBeside(const fs::path& path) {
  // Unique within this process; the process id keeps two processes apart.
  static std::atomic<unsigned> counter{0};
  return path.parent_path() / ("." + path.filename().string() + ".tmp" + std::to_string(::getpid()) + "_" +
                               std::to_string(counter++));
}

}  // namespace

bool WriteFileAtomic(const fs::path& path, std::span<const uint8_t> bytes) {
  // The rename would replace a file its owner made read-only, whoever runs
  // this (root included): such a file is refused, by its mode bits.
  std::error_code ec;
  const fs::file_status existing = fs::status(path, ec);
  const bool replacing = fs::exists(existing);
  if (replacing && (existing.permissions() & fs::perms::owner_write) == fs::perms::none) return false;
  const fs::path temp = TemporaryNameBeside(path);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  // The new content keeps the permissions of the file it replaces.
  if (replacing) fs::permissions(temp, existing.permissions(), ec);
  fs::rename(temp, path, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

bool WriteFileAtomic(const fs::path& path, std::string_view text) {
  return WriteFileAtomic(
      path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

bool CopyFileReplacing(const fs::path& from, const fs::path& to) {
  const auto bytes = ReadFileBytes(from);
  return bytes && WriteFileAtomic(to, *bytes);
}

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

fs::path ResolveNoCase(const fs::path& folder, const std::string& name) {
  const fs::path exact = folder / name;
  std::error_code ec;
  if (fs::exists(exact, ec)) return exact;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (EqualNoCase(entry, name)) return it->path();
  }
  return exact;
}

}  // namespace platform
