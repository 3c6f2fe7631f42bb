#include "midi_check.h"

#include <optional>

namespace game {
namespace {

constexpr uint8_t kMeta = 0xFF, kSysEx = 0xF0, kEndOfTrack = 0x2F;

// The meta events whose data has one fixed length (tempo, SMPTE offset, time
// and key signature); any other length makes the synthesizer give up.
std::optional<uint32_t> FixedMetaLength(uint8_t type) {
  switch (type) {
    case 0x51:
      return 3;
    case 0x54:
      return 5;
    case 0x58:
      return 4;
    case 0x59:
      return 2;
    default:
      return std::nullopt;
  }
}

// Walks the file as the synthesizer does: tracks one after another, each
// event read from the file even where it runs past its chunk, the running
// status kept across events and tracks.
class MidiWalk {
 public:
  explicit MidiWalk(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  std::string Problem() {
    if (bytes_.size() < 14 || bytes_[0] != 'M' || bytes_[1] != 'T' || bytes_[2] != 'h' || bytes_[3] != 'd')
      return "it is not a MIDI file";
    if (BigEndian(4, 4) != 6 || bytes_[8] != 0 || bytes_[9] > 2) return "its header is damaged";
    if (bytes_[10] != 0 || bytes_[11] == 0) return "its header gives no track or too many";
    const bool smpte = bytes_[12] & 0x80;
    if (!smpte && BigEndian(12, 2) == 0) return "its header gives no time division";
    const int tracks = bytes_[11];
    pos_ = 14;
    for (int track = 1; track <= tracks; ++track) {
      const std::string problem = Track();
      if (!problem.empty()) return "track " + std::to_string(track) + " " + problem;
    }
    if (notes_ == 0) return "it plays no note";
    return {};
  }

 private:
  uint32_t BigEndian(size_t at, int count) const {
    uint32_t value = 0;
    for (int k = 0; k < count; ++k) value = value << 8 | bytes_[at + static_cast<size_t>(k)];
    return value;
  }
  // Whether `count` more bytes follow; remembers when they do not.
  bool Has(size_t count) {
    if (pos_ <= bytes_.size() && count <= bytes_.size() - pos_) return true;
    ran_out_ = true;
    return false;
  }
  bool Byte(uint8_t& out) {
    if (!Has(1)) return false;
    out = bytes_[pos_++];
    return true;
  }
  // A variable-length number of at most four bytes.
  bool Variable(uint32_t& out) {
    out = 0;
    for (int k = 0; k < 4; ++k) {
      uint8_t b;
      if (!Byte(b)) return false;
      out = out << 7 | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }
  bool Skip(uint32_t count) {
    if (!Has(count)) return false;
    pos_ += count;
    return true;
  }

  std::string Track() {
    if (!Has(8)) return "is missing: the file ends early";
    if (bytes_[pos_] != 'M' || bytes_[pos_ + 1] != 'T' || bytes_[pos_ + 2] != 'r' || bytes_[pos_ + 3] != 'k')
      return "does not start where the one before it ends";
    const uint32_t length = BigEndian(pos_ + 4, 4);
    pos_ += 8;
    const size_t start = pos_;
    bool ended = false;
    while (!ended && pos_ - start < length)
      if (!Event(ended)) return ran_out_ ? "runs past the end of the file" : "has an event that cannot be read";
    if (pos_ - start < length && !Skip(static_cast<uint32_t>(length - (pos_ - start))))
      return "runs past the end of the file";
    return {};
  }

  bool Event(bool& ended) {
    uint32_t delta;
    uint8_t status;
    if (!Variable(delta) || !Has(1)) return false;
    if (bytes_[pos_] & 0x80) {
      status = bytes_[pos_++];
    } else if (running_status_ != 0) {
      status = running_status_;  // the data byte is read again as part of the event
    } else {
      return false;
    }
    running_status_ = status;
    if (status == kSysEx) {
      uint32_t length;
      return Variable(length) && Skip(length);
    }
    if (status == kMeta) {
      uint8_t type;
      uint32_t length;
      if (!Byte(type) || !Variable(length) || !Skip(length)) return false;
      if (const auto fixed = FixedMetaLength(type); fixed && *fixed != length) return false;
      ended = type == kEndOfTrack;
      return true;
    }
    uint8_t first, second;
    switch (status & 0xF0) {
      case 0xC0:
      case 0xD0:
        return Byte(first);
      case 0x80:
      case 0xA0:
      case 0xB0:
      case 0xE0:
        return Byte(first) && Byte(second);
      case 0x90:
        if (!Byte(first) || !Byte(second)) return false;
        if (second > 0) ++notes_;
        return true;
      default:
        return false;  // system messages have no place in a file
    }
  }

  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
  uint8_t running_status_ = 0;
  int notes_ = 0;
  bool ran_out_ = false;
};

}  // namespace

std::string MidiProblem(std::span<const uint8_t> bytes) {
  return MidiWalk(bytes).Problem();
}

}  // namespace game
