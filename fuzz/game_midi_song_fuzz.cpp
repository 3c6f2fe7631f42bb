// Reads arbitrary bytes as a standard MIDI file; a song it gives is in time
// order and within its length.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "midi_song.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto read = game::ReadMidiSong(std::span<const uint8_t>(data, size));
  if (const auto* song = std::get_if<game::MidiSong>(&read)) {
    uint64_t last = 0;
    for (const game::MidiEvent& event : song->events) {
      if (event.time_us < last || event.time_us > song->length_us) std::abort();
      last = event.time_us;
    }
  }
  return 0;
}
