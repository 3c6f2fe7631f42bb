// Every settings record decoded from arbitrary bytes (a workspace file of any
// length, e.g. out of an imported pack), written back at its fixed size and
// read again to the same values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "config/enemy_settings.h"
#include "config/game_settings.h"
#include "config/info_text.h"
#include "config/midi_settings.h"
#include "config/pack_settings.h"
#include "config/sprite_settings.h"
#include "config/text_record.h"
#include "config/treasure_settings.h"
#include "config/wall_anim_settings.h"
#include "config/weapon_settings.h"

namespace {

void Expect(bool condition) {
  if (!condition) std::abort();
}

// Written back at the record's size, and read again to the same values.
template <typename Record>
void RoundTrip(const config::RecordFormat<Record>& format, std::span<const uint8_t> bytes) {
  const Record record = config::Decode(format, bytes);
  const platform::Bytes again = config::Encode(format, record);
  Expect(again.size() == config::RecordSize(format));
  Expect(config::Decode(format, again) == record);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  RoundTrip(config::kGameSettingsRecord, bytes);
  RoundTrip(config::kEnemySettingsRecord, bytes);
  RoundTrip(config::kWeaponSettingsRecord, bytes);
  RoundTrip(config::kSpriteSettingsRecord, bytes);
  RoundTrip(config::kTreasureSettingsRecord, bytes);
  RoundTrip(config::kPackSettingsRecord, bytes);
  RoundTrip(config::kWallAnimSettingsRecord, bytes);
  RoundTrip(config::kMidiSettingsRecord, bytes);
  Expect(config::FirstLine(bytes).size() <= size);
  Expect(config::DecodeInfoText(bytes).size() <= size);
  return 0;
}
