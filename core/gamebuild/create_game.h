// Create Game: from the workspace to a game a player can start, the
// runtime executable with `game.pak` beside it and the author's icon.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "platform/prompter.h"
#include "platform/workspace.h"

namespace gamebuild {

struct CreateGameContext {
  const platform::Workspace& workspace;
  platform::Prompter& prompter;
  // The game runtime executable, written out unchanged.
  std::span<const uint8_t> runtime_block;
  // The `.ico` chosen with the Icon command; empty when none was chosen.
  std::filesystem::path icon_path;
  // Whether the level on screen has unsaved edits or was never saved.
  bool level_unsaved = false;
  // Shows (true) or hides (false) the "Making the Game" progress display.
  std::function<void(bool)> show_progress;
  // Moves its bar (0 to 380).
  platform::Progress progress;
};

// The path a game is written to for the path the save requester gave (empty
// when cancelled): ".exe" is appended unless the path holds ".exe" anywhere;
// nothing when the result is shorter than 4 characters or starts with ".".
std::optional<std::filesystem::path> GameSavePath(const std::string& chosen);

// Runs Create Game. Returns the path of the written game, to be remembered
// for Execute Game; nothing when the command stopped (its message shown),
// was cancelled, or a write failed (reported with an "Error" message).
[[nodiscard]] std::optional<std::filesystem::path> CreateGame(const CreateGameContext& context);

// Writes the runtime block to `path` and makes it executable; then copies
// twksys/game.pak beside it and puts in the icon. False, with an "Error"
// message, when a write fails.
[[nodiscard]] bool WriteGame(const CreateGameContext& context, const std::filesystem::path& path);

}  // namespace gamebuild
