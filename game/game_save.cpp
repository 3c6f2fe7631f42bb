#include "game_save.h"

#include <string_view>

#include "platform/byte_io.h"

namespace game {
namespace {

constexpr std::string_view kMagic = "TWKSAVE";
constexpr uint8_t kVersion = 1;

struct Header {
  uint64_t pack_hash = 0;
  SaveSummary summary;
};

std::optional<Header> ReadHeader(platform::ByteReader& in) {
  const auto magic = in.Bytes(kMagic.size());
  if (!in.ok() || !std::equal(magic.begin(), magic.end(), kMagic.begin()) || in.U8() != kVersion) return std::nullopt;
  Header h;
  h.pack_hash = in.U32();
  h.pack_hash |= uint64_t{in.U32()} << 32;
  h.summary.level = in.I32();
  h.summary.tic = in.I32();
  if (!in.ok()) return std::nullopt;
  return h;
}

}  // namespace

std::vector<uint8_t> EncodeSave(const Play& play, const PlayerCarry& level_start_carry) {
  std::vector<uint8_t> bytes(kMagic.begin(), kMagic.end());
  platform::ByteWriter out(bytes);
  out.U8(kVersion);
  const uint64_t hash = play.data().pack_hash;
  out.U32(static_cast<uint32_t>(hash)), out.U32(static_cast<uint32_t>(hash >> 32));
  out.I32(play.level()), out.I32(play.tic());
  WriteCarry(out, level_start_carry);
  play.WriteState(out);
  return bytes;
}

std::optional<SaveSummary> ReadSaveSummary(std::span<const uint8_t> bytes) {
  platform::ByteReader in(bytes);
  const auto header = ReadHeader(in);
  if (!header) return std::nullopt;
  return header->summary;
}

std::string SaveName(const SaveSummary& summary) {
  const int seconds = summary.tic / kTicRate;
  return "LEVEL " + std::to_string(summary.level) + "  TIME " + std::to_string(seconds / 60) + ":" +
         (seconds % 60 < 10 ? "0" : "") + std::to_string(seconds % 60);
}

std::unique_ptr<Play> DecodeSave(const GameData& data, std::span<const uint8_t> bytes,
                                 PlayerCarry& level_start_carry, std::string& problem) {
  platform::ByteReader in(bytes);
  const auto header = ReadHeader(in);
  if (header && header->pack_hash != data.pack_hash) {
    problem = "this save belongs to another game";
    return nullptr;
  }
  problem = "the save is damaged";
  if (!header || header->summary.level < 1 || header->summary.level > data.LevelCount()) return nullptr;
  PlayerCarry carry;
  if (!ReadCarry(in, carry)) return nullptr;
  auto play = std::make_unique<Play>(data, header->summary.level, carry, 1);
  if (!play->ReadState(in) || in.remaining() != 0) return nullptr;
  problem.clear();
  level_start_carry = carry;
  return play;
}

std::filesystem::path SaveSlotFile(const std::filesystem::path& folder, int slot) {
  return folder / ("save" + std::to_string(slot) + ".sav");
}

}  // namespace game
