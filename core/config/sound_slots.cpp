#include "config/sound_slots.h"

namespace config {

namespace {

void AddNumbered(std::vector<SoundSlot>& slots, int count, const std::string& shown_before,
                 const std::string& shown_after, const std::string& file_before,
                 const std::string& file_after, SoundKind kind = SoundKind::kWave) {
  for (int n = 1; n <= count; ++n) {
    const std::string number = std::to_string(n);
    slots.push_back({shown_before + number + shown_after, file_before + number + file_after, kind});
  }
}

std::vector<SoundSlot> MakeSoundSlots() {
  std::vector<SoundSlot> slots;
  slots.push_back({"Player Walk", "footstepsound", SoundKind::kWave});
  AddNumbered(slots, 6, "Weapon ", "", "weapon", "sound");
  AddNumbered(slots, 6, "Impact Weapon ", "", "impact", "sound");
  const std::pair<const char*, const char*> singles[] = {
      {"Sirene", "sirenesound"},
      {"DoorOpen", "dooropensound"},
      {"DoorClose", "doorclosesound"},
      {"Next Level", "nextlevelsound"},
      {"Game Finished", "gamefinishedsound"},
      {"Menu Music", "menumusic"},
      {"Health found", "healthfoundsound"},
      {"Weapon found", "weaponfoundsound"},
      {"Ammo found", "ammofoundsound"},
      {"Treasure found", "treasurefoundsound"},
      {"Reload", "reloadsound"},
      {"Key found", "keyfoundsound"},
  };
  for (const auto& [shown, file] : singles) slots.push_back({shown, file, SoundKind::kWave});
  AddNumbered(slots, 5, "Enemy ", " Hey", "enemy", "heysound");
  AddNumbered(slots, 5, "Enemy ", " shoot", "enemy", "shootsound");
  AddNumbered(slots, 5, "Enemy ", " die", "enemy", "diesound");
  AddNumbered(slots, 10, "Sprite ", " Destroy", "spr", "destroysound");
  AddNumbered(slots, 20, "Level", " MidiSound", "midilvl", "", SoundKind::kMidi);
  return slots;
}

}  // namespace

const std::vector<SoundSlot>& SoundSlots() {
  static const std::vector<SoundSlot> kSlots = MakeSoundSlots();
  return kSlots;
}

const SoundSlot* FindSoundSlot(const std::string& shown) {
  for (const auto& slot : SoundSlots()) {
    if (slot.shown == shown) return &slot;
  }
  return nullptr;
}

bool ImportSound(const platform::Workspace& workspace, const SoundSlot& slot, platform::Prompter& prompter) {
  const bool midi = slot.kind == SoundKind::kMidi;
  const platform::FileRequest request =
      midi ? platform::FileRequest{"import a sound file", "*.mid", "Midi (*.mid)|*.mid"}
           : platform::FileRequest{"import a sound file", "*.wav", "Wave (*.wav)|*.wav"};
  const auto chosen = prompter.OpenFile(request);
  if (!chosen) return false;
  if (midi && platform::FileSizeByName(*chosen) > kMaxMidiBytes) {
    prompter.Show({"Filesize must be < 120kB", "Error"});
    return false;
  }
  const auto sound = platform::ReadFileBytes(*chosen);
  if (!sound) {
    prompter.Show({"Cannot copy the sound file " + chosen->string(), "Error"});
    return false;
  }
  if (!workspace.Write(slot.file, *sound)) {
    prompter.Show(platform::CannotWriteMessage(workspace.PathOf(slot.file)));
    return false;
  }
  return true;
}

}  // namespace config
