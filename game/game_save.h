// Saved games: a level in play with everything that changed in it, the
// player's carry at the level's start (for a restart), and the hash of the
// game's pack, so that a save is only ever loaded into the game that made it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game_play.h"

namespace game {

constexpr int kSaveSlots = 8;

std::vector<uint8_t> EncodeSave(const Play& play, const PlayerCarry& level_start_carry);

// What a slot's list shows of a save.
struct SaveSummary {
  int level = 0;
  int tic = 0;
};
std::optional<SaveSummary> ReadSaveSummary(std::span<const uint8_t> bytes);
// "LEVEL 2  TIME 1:05"
std::string SaveName(const SaveSummary& summary);

// The play the save holds, for this game; null and `problem` ("this save
// belongs to another game", "the save is damaged") when it cannot be loaded.
std::unique_ptr<Play> DecodeSave(const GameData& data, std::span<const uint8_t> bytes,
                                 PlayerCarry& level_start_carry, std::string& problem);

// Slot 1..8's file in the game's folder of the user's configuration.
std::filesystem::path SaveSlotFile(const std::filesystem::path& folder, int slot);

}  // namespace game
