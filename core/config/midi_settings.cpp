#include "config/midi_settings.h"

#include "config/record_bytes.h"

namespace config {

bool DecodeMidiSettings(std::span<const uint8_t> bytes) {
  return SignedByteAt(bytes, 0) != 0;
}

platform::Bytes EncodeMidiSettings(bool use_midi_music) {
  return platform::Bytes(kMidiSettingsSize, use_midi_music ? 1 : 0);
}

std::optional<bool> LoadMidiSettings(const platform::Workspace& workspace) {
  const auto bytes = workspace.Read("MidiSettings");
  if (!bytes) return std::nullopt;
  return DecodeMidiSettings(*bytes);
}

bool SaveMidiSettings(const platform::Workspace& workspace, bool use_midi_music) {
  return workspace.Write("MidiSettings", EncodeMidiSettings(use_midi_music));
}

}  // namespace config
