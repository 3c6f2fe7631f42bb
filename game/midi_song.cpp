#include "midi_song.h"

#include <algorithm>
#include <cstring>

namespace game {
namespace {

// Chunks: a 4-character name and a big-endian 32-bit length.
constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kHeaderDataSize = 6;  // format, track count, division (16 bits each)
constexpr uint64_t kDefaultTempoUs = 500000;  // a quarter note, until a tempo event
constexpr uint64_t kLongestTrackTicks = uint64_t{1} << 36;
constexpr uint8_t kMetaEvent = 0xFF, kSysEx = 0xF0, kSysExContinued = 0xF7;
constexpr uint8_t kTempoMeta = 0x51, kEndOfTrackMeta = 0x2F;

uint32_t BigEndian(std::span<const uint8_t> bytes, size_t at, size_t count) {
  uint32_t value = 0;
  for (size_t i = 0; i < count; ++i) value = value << 8 | bytes[at + i];
  return value;
}

bool IsChunk(std::span<const uint8_t> bytes, size_t at, const char* name) {
  return at + kChunkHeaderSize <= bytes.size() && std::memcmp(bytes.data() + at, name, 4) == 0;
}

// An event of a track before the tracks are merged.
struct TimedEvent {
  uint64_t tick;
  uint32_t message;
  uint32_t tempo_us;  // > 0 for a tempo change (then no message)
};

class TrackReader {
 public:
  TrackReader(std::span<const uint8_t> track, int number) : track_(track), number_(number) {}

  // Appends the track's channel messages and tempo changes; "" or the fault.
  std::string Read(std::vector<TimedEvent>& out, uint64_t& end_tick) {
    uint8_t running = 0;
    uint64_t tick = 0;
    while (at_ < track_.size()) {
      uint32_t delta = 0;
      if (!VariableLength(delta)) return Fault("an event runs past the end of the track");
      tick += delta;
      if (tick > kLongestTrackTicks) return Fault("too long");
      if (at_ >= track_.size()) return Fault("an event runs past the end of the track");
      uint8_t status = track_[at_];
      if (status & 0x80) {
        ++at_;
      } else if (running == 0) {
        return Fault("a data byte without a status");
      } else {
        status = running;
      }
      if (status == kMetaEvent) {
        if (at_ >= track_.size()) return Fault("an event runs past the end of the track");
        const uint8_t type = track_[at_++];
        uint32_t length = 0;
        if (!VariableLength(length) || length > track_.size() - at_)
          return Fault("an event runs past the end of the track");
        if (type == kTempoMeta && length == 3) {
          const uint32_t tempo = BigEndian(track_, at_, 3);
          if (tempo > 0) out.push_back({tick, 0, tempo});
        }
        at_ += length;
        if (type == kEndOfTrackMeta) break;
        continue;
      }
      if (status == kSysEx || status == kSysExContinued) {
        uint32_t length = 0;
        if (!VariableLength(length) || length > track_.size() - at_)
          return Fault("an event runs past the end of the track");
        at_ += length;
        continue;
      }
      if (status >= 0xF0) return Fault("a system message inside the track");
      running = status;
      const size_t data_count = (status & 0xE0) == 0xC0 ? 1 : 2;  // program change and channel pressure: 1
      if (data_count > track_.size() - at_) return Fault("an event runs past the end of the track");
      uint8_t data[2] = {0, 0};
      for (size_t i = 0; i < data_count; ++i) {
        data[i] = track_[at_++];
        if (data[i] & 0x80) return Fault("a status byte where a data byte belongs");
      }
      out.push_back({tick, MidiMessage(status, data[0], data[1]), 0});
    }
    end_tick = tick;
    return {};
  }

 private:
  bool VariableLength(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      if (at_ >= track_.size()) return false;
      const uint8_t byte = track_[at_++];
      value = value << 7 | (byte & 0x7F);
      if (!(byte & 0x80)) return true;
    }
    return false;
  }
  std::string Fault(const std::string& what) const { return "track " + std::to_string(number_) + ": " + what; }

  std::span<const uint8_t> track_;
  int number_;
  size_t at_ = 0;
};

// Turns ticks into microseconds along the tempo changes (or at the fixed
// rate of a time-code division).
class TickClock {
 public:
  explicit TickClock(uint16_t division) {
    if (division & 0x8000) {
      const int frames = -static_cast<int8_t>(division >> 8);
      fixed_ticks_per_second_ = static_cast<uint64_t>(std::max(frames, 1)) * std::max(division & 0xFF, 1);
    } else {
      ticks_per_quarter_ = std::max<uint64_t>(division, 1);
    }
  }
  uint64_t TimeOf(uint64_t tick) const {
    if (fixed_ticks_per_second_) return tick * 1000000 / fixed_ticks_per_second_;
    return base_us_ + (tick - base_tick_) * tempo_us_ / ticks_per_quarter_;
  }
  void SetTempo(uint64_t tick, uint32_t tempo_us) {
    base_us_ = TimeOf(tick);
    base_tick_ = tick;
    tempo_us_ = tempo_us;
  }

 private:
  uint64_t fixed_ticks_per_second_ = 0;
  uint64_t ticks_per_quarter_ = 1;
  uint64_t base_tick_ = 0, base_us_ = 0, tempo_us_ = kDefaultTempoUs;
};

}  // namespace

std::variant<MidiSong, std::string> ReadMidiSong(std::span<const uint8_t> file) {
  if (!IsChunk(file, 0, "MThd")) return std::string("not a MIDI file");
  const size_t header_size = BigEndian(file, 4, 4);
  if (header_size < kHeaderDataSize || header_size > file.size() - kChunkHeaderSize)
    return std::string("the header runs past the end of the file");
  const uint16_t format = static_cast<uint16_t>(BigEndian(file, 8, 2));
  const uint16_t division = static_cast<uint16_t>(BigEndian(file, 12, 2));
  if (format > 1) return std::string("only files of type 0 and 1 are played");

  std::vector<TimedEvent> events;
  uint64_t last_tick = 0;
  int tracks = 0;
  for (size_t at = kChunkHeaderSize + header_size; at + kChunkHeaderSize <= file.size();) {
    const size_t length = BigEndian(file, at + 4, 4);
    const bool track = IsChunk(file, at, "MTrk");
    if (track) ++tracks;
    if (length > file.size() - at - kChunkHeaderSize) {
      if (!track) break;  // a damaged chunk after the tracks is not played anyway
      return "track " + std::to_string(tracks) + " runs past the end of the file";
    }
    if (track) {
      uint64_t end_tick = 0;
      const std::string fault =
          TrackReader(file.subspan(at + kChunkHeaderSize, length), tracks).Read(events, end_tick);
      if (!fault.empty()) return fault;
      last_tick = std::max(last_tick, end_tick);
    }
    at += kChunkHeaderSize + length;
  }
  if (tracks == 0) return std::string("the file has no track");

  std::stable_sort(events.begin(), events.end(),
                   [](const TimedEvent& a, const TimedEvent& b) { return a.tick < b.tick; });
  MidiSong song;
  TickClock clock(division);
  for (const TimedEvent& e : events) {
    if (e.tempo_us > 0)
      clock.SetTempo(e.tick, e.tempo_us);
    else
      song.events.push_back({clock.TimeOf(e.tick), e.message});
  }
  song.length_us = clock.TimeOf(last_tick);
  return song;
}

}  // namespace game
