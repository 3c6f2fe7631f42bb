#include "world/recovery_file.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "platform/byte_io.h"
#include "world/level.h"

namespace world {

namespace {

constexpr char kMagic[] = "TWKRECO1";
constexpr size_t kMagicSize = 8;
constexpr size_t kMaxTextSize = 4096;  // a folder path or a level number

void WriteText(platform::ByteWriter& out, const std::string& text) {
  out.U32(static_cast<uint32_t>(text.size()));
  out.Bytes({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

std::optional<std::string> ReadText(platform::ByteReader& in) {
  const uint32_t size = in.U32();
  if (!in.ok() || size > kMaxTextSize) return std::nullopt;
  const auto bytes = in.Bytes(size);
  if (!in.ok()) return std::nullopt;
  return std::string(bytes.begin(), bytes.end());
}

std::string LocalTime(int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm local{};
#ifdef _WIN32  // the core is built for the Windows game too
  localtime_s(&local, &time);
#else
  localtime_r(&time, &local);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

}  // namespace

std::filesystem::path RecoveryFolder() {
  if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state)
    return std::filesystem::path(state) / "tarnwick";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home ? home : ".") / ".local" / "state" / "tarnwick";
}

std::filesystem::path RecoveryFile(const std::filesystem::path& folder) {
  return folder / "recovery";
}

platform::Bytes EncodeRecovery(const RecoveryRecord& record) {
  platform::Bytes bytes;
  platform::ByteWriter out(bytes);
  out.Bytes({reinterpret_cast<const uint8_t*>(kMagic), kMagicSize});
  out.U32(static_cast<uint32_t>(record.written_at));
  out.U32(static_cast<uint32_t>(static_cast<uint64_t>(record.written_at) >> 32));
  out.U8(record.new_world ? 1 : 0);
  WriteText(out, record.program_folder.string());
  WriteText(out, record.level_number);
  out.Bytes(LevelFileBytes(record.grid));
  return bytes;
}

std::optional<RecoveryRecord> DecodeRecovery(std::span<const uint8_t> bytes) {
  platform::ByteReader in(bytes);
  const auto magic = in.Bytes(kMagicSize);
  if (!in.ok() || !std::equal(magic.begin(), magic.end(), kMagic)) return std::nullopt;
  RecoveryRecord record;
  const uint64_t low = in.U32();
  const uint64_t high = in.U32();
  record.written_at = static_cast<int64_t>(low | high << 32);
  const uint8_t new_world = in.U8();
  const auto folder = ReadText(in);
  const auto level = ReadText(in);
  const auto grid = in.Bytes(kLevelFileSize);
  if (!in.ok() || !folder || !level || new_world > 1 || in.remaining() != 0) return std::nullopt;
  record.new_world = new_world == 1;
  record.program_folder = *folder;
  record.level_number = *level;
  ReadLevelBytes(platform::Bytes(grid.begin(), grid.end()), record.grid);
  return record;
}

bool WriteRecovery(const std::filesystem::path& folder, const RecoveryRecord& record) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return platform::WriteFileAtomic(RecoveryFile(folder), EncodeRecovery(record));
}

std::optional<RecoveryRecord> ReadRecovery(const std::filesystem::path& folder) {
  const auto bytes = platform::ReadFileBytes(RecoveryFile(folder), 2 * kMaxTextSize + kLevelFileSize + 64);
  return bytes ? DecodeRecovery(*bytes) : std::nullopt;
}

void RemoveRecovery(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::remove(RecoveryFile(folder), ec);
}

platform::Message RestoreQuestion(const RecoveryRecord& record) {
  const std::string level = record.new_world ? "the new level" : "Level " + record.level_number;
  return {"Tarnwick did not quit properly. Restore the unsaved changes to " + level + " from " +
              LocalTime(record.written_at) + "?",
          "Restore"};
}

}  // namespace world
