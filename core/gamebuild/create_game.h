// Create Game: from the workspace to games a player can start, the Linux
// and the Windows runtime executables with `game.pak` beside them and the
// author's icon.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "gamebuild/game_platform.h"
#include "platform/prompter.h"
#include "platform/workspace.h"

namespace gamebuild {

// The game runtime executables, written out unchanged but for the icon.
struct GameRuntimes {
  std::span<const uint8_t> linux_runtime;
  std::span<const uint8_t> windows_runtime;
};

struct CreateGameContext {
  const platform::Workspace& workspace;
  platform::Prompter& prompter;
  GameRuntimes runtimes;
  // The `.ico` chosen with the Icon command; empty when none was chosen.
  std::filesystem::path icon_path;
  // Whether the level on screen has unsaved edits or was never saved.
  bool level_unsaved = false;
  // Shows (true) or hides (false) the "Making the Game" progress display.
  std::function<void(bool)> show_progress;
  // Moves its bar (0 to 380).
  platform::Progress progress;
  // Which games are written.
  GamePlatforms platforms{};
};

// Where the games go: the Windows game at the path the save requester gave
// (after GameSavePath), the Linux game beside it.
struct GamePaths {
  std::filesystem::path windows_game;
  std::filesystem::path linux_game;
};

// The path a game is written to for the path the save requester gave (empty
// when cancelled): ".exe" is appended unless the path holds ".exe" anywhere;
// nothing when the result is shorter than 4 characters or starts with ".".
std::optional<std::filesystem::path> GameSavePath(const std::string& chosen);

// The Linux game beside the Windows game at `windows_game`: the same name
// without its final ".exe", or with ".x86_64" added where that would leave
// the two names equal (or no name at all).
std::filesystem::path LinuxGamePath(const std::filesystem::path& windows_game);

// The games a Create Game wrote; nothing for a platform not asked for.
struct WrittenGames {
  std::optional<std::filesystem::path> linux_game;
  std::optional<std::filesystem::path> windows_game;
};

// Runs Create Game. Returns the games written, the Linux one to be
// remembered for Execute Game; nothing when the command stopped (its message
// shown), was cancelled, or a write failed (reported with an "Error" message).
[[nodiscard]] std::optional<WrittenGames> CreateGame(const CreateGameContext& context);

// Writes the runtimes asked for to their paths and makes them executable;
// then copies twksys/game.pak beside them and puts in the icon. False, with
// an "Error" message, when a write fails.
[[nodiscard]] bool WriteGame(const CreateGameContext& context, const GamePaths& paths);

}  // namespace gamebuild
