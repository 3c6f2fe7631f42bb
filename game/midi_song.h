// A standard MIDI file (type 0 or 1) read into one list of timed channel
// messages, for a sequencer that sends them to a MIDI output: every track
// merged in time order, tempo changes applied, system exclusive and meta
// events left out.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace game {

struct MidiEvent {
  uint64_t time_us = 0;  // from the start of the song
  // The short message as a MIDI output takes it: status in the low byte,
  // then the first and second data bytes.
  uint32_t message = 0;

  bool operator==(const MidiEvent&) const = default;
};

struct MidiSong {
  std::vector<MidiEvent> events;  // in time order; of equal times, in file order
  uint64_t length_us = 0;         // the time of the last event of any track, its end included
};

// The song, or what is wrong with the file in a few words ("track 2 runs
// past the end of the file").
std::variant<MidiSong, std::string> ReadMidiSong(std::span<const uint8_t> file);

// The status byte and data bytes of a short message.
inline uint8_t MidiStatus(uint32_t message) {
  return static_cast<uint8_t>(message);
}
inline uint8_t MidiData1(uint32_t message) {
  return static_cast<uint8_t>(message >> 8);
}
inline uint8_t MidiData2(uint32_t message) {
  return static_cast<uint8_t>(message >> 16);
}
inline uint32_t MidiMessage(uint8_t status, uint8_t data1, uint8_t data2 = 0) {
  return status | static_cast<uint32_t>(data1) << 8 | static_cast<uint32_t>(data2) << 16;
}

}  // namespace game
