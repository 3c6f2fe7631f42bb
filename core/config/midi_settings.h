// Whether the levels play MIDI music: `MidiSettings`, ten equal bytes.
#pragma once

#include <optional>

#include "platform/files.h"
#include "platform/workspace.h"

namespace config {

inline constexpr size_t kMidiSettingsSize = 10;

// The first byte decides; a nonzero byte means the music is on.
bool DecodeMidiSettings(std::span<const uint8_t> bytes);
platform::Bytes EncodeMidiSettings(bool use_midi_music);

std::optional<bool> LoadMidiSettings(const platform::Workspace& workspace);
bool SaveMidiSettings(const platform::Workspace& workspace, bool use_midi_music);

}  // namespace config
