// Whether the levels play MIDI music: `MidiSettings`, ten equal bytes of
// which the first decides.
#pragma once

#include "config/record_files.h"
#include "config/record_format.h"

namespace config {

struct MidiSettings {
  bool use_midi_music = false;
  bool operator==(const MidiSettings&) const = default;
};

inline constexpr Field<MidiSettings> kMidiSettingsFields[] = {
    Byte<&MidiSettings::use_midi_music>(),
};

inline constexpr RecordFormat<MidiSettings> kMidiSettingsRecord{
    .file = files::kMidiSettings,
    .fields = kMidiSettingsFields,
    .copies = 10,
};

}  // namespace config
