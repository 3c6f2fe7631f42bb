// Whether a standard MIDI file can be handed to the synthesizer: the file is
// read the way the synthesizer's own reader walks it (header, chunks, every
// event of every track), so a file that would make it fail, and then retry
// the file in a loop for ever, is caught before it gets there.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace game {

// "" when the file is playable; otherwise what is wrong with it, in a few
// words ("track 2 runs past the end of the file").
std::string MidiProblem(std::span<const uint8_t> bytes);

}  // namespace game
