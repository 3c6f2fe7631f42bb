// Every settings record decoded from arbitrary bytes (a workspace file of any
// length, e.g. out of an imported pack) and written back at its fixed size.
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
#include "config/weapon_settings.h"

namespace {

void Expect(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  Expect(config::EncodeGameSettings(config::DecodeGameSettings(bytes)).size() == config::kGameSettingsSize);
  Expect(config::EncodeEnemySettings(config::DecodeEnemySettings(bytes)).size() ==
         config::kEnemySettingsSize);
  Expect(config::EncodeWeaponSettings(config::DecodeWeaponSettings(bytes)).size() ==
         config::kWeaponSettingsSize);
  Expect(config::EncodeSpriteSettings(config::DecodeSpriteSettings(bytes)).size() ==
         config::kSpriteSettingsSize);
  Expect(config::EncodeTreasureSettings(config::DecodeTreasureSettings(bytes)).size() ==
         config::kTreasureSettingsSize);
  Expect(config::EncodePackSettings(config::DecodePackSettings(bytes)).size() == config::kPackSettingsSize);
  Expect(config::EncodeMidiSettings(config::DecodeMidiSettings(bytes)).size() == config::kMidiSettingsSize);
  Expect(config::FirstLine(bytes).size() <= size);
  Expect(config::DecodeInfoText(bytes).size() <= size);
  // Records that fit their size read back unchanged.
  if (size == config::kSpriteSettingsSize) {
    const auto again = config::EncodeSpriteSettings(config::DecodeSpriteSettings(bytes));
    Expect(config::DecodeSpriteSettings(again) == config::DecodeSpriteSettings(bytes));
  }
  return 0;
}
