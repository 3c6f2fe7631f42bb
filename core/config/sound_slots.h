// The 70 sound slots of a game (50 wave sounds, 20 level tunes) and the copy
// of a sound file into one of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/prompter.h"
#include "platform/workspace.h"

namespace config {

enum class SoundKind { kWave, kMidi };

struct SoundSlot {
  std::string shown;  // the entry of the dialog's list, e.g. "Weapon 3"
  std::string file;   // the workspace file, e.g. "weapon3sound"
  SoundKind kind;
};

inline constexpr int64_t kMaxMidiBytes = 120000;

// In the order the dialog lists them.
const std::vector<SoundSlot>& SoundSlots();

// The slot whose entry reads `shown`; nullptr when there is none.
const SoundSlot* FindSoundSlot(const std::string& shown);

// Asks for a file and copies it into the slot's workspace file. A MIDI file
// above 120,000 bytes is refused ("Filesize must be < 120kB"); a copy that
// fails is reported naming the chosen file. Returns true when a file was copied.
[[nodiscard]] bool ImportSound(const platform::Workspace& workspace, const SoundSlot& slot, platform::Prompter& prompter);

}  // namespace config
