// How the game's sounds are heard: loudness falling with the distance and the
// side a placed sound comes from, and the few sounds the game makes itself.
#pragma once

#include <cstdint>
#include <vector>

#include "game_play.h"

namespace game {

// Gains of 0..255 for the whole sound and for each ear.
struct SoundGains {
  int volume = 255;
  int left = 255, right = 255;
  bool operator==(const SoundGains&) const = default;
};

constexpr double kSoundFullWithin = 2.0;  // cells: as loud as the player's own sounds
constexpr double kSoundSilentFrom = 20.0;

// What a listener at (x, y) facing `angle` hears of the sound; unplaced sounds
// are heard at full volume from the middle.
SoundGains HearSound(const SoundEvent& sound, Fixed x, Fixed y, int angle);

// The wave file (8-bit mono) of one of the game's own sounds: the click of an
// empty weapon, the player's death; empty for any other sound.
std::vector<uint8_t> OwnSoundWave(int sound);

}  // namespace game
