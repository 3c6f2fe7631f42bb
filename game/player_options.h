// The player's own options of a game: controls, volumes, window and view.
// They are kept as a small text file of "name = value" lines in the user's
// configuration folder, one folder per game title.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "game_controls.h"
#include "game_data.h"
#include "game_render.h"

namespace game {

constexpr int kOptionsMinScale = 50, kOptionsMaxScale = 100;
constexpr int kOptionsMinWindow = 320, kOptionsMaxWindow = 16384;

struct PlayerOptions {
  Controls controls;
  int music_volume = 8;  // 0..10
  int effects_volume = 8;
  bool fullscreen = false;
  int window_width = 640, window_height = 400;
  double fov_degrees = kDefaultFovDegrees;  // vertical, see FocalLength
  int render_scale_percent = 100;  // 50..100
  bool operator==(const PlayerOptions&) const = default;
};

// The author's controls and the game's window mode, everything else at its default.
PlayerOptions DefaultOptions(const GameData& data);

std::string FormatOptions(const PlayerOptions& options);

// The options the text holds; a line that does not read or a value out of
// its range is reported in `problem` ("line 3: ...") and gives no options.
std::optional<PlayerOptions> ParseOptions(std::string_view text, const PlayerOptions& defaults,
                                          std::string& problem);

// The folder of the game's options: <XDG_CONFIG_HOME or HOME/.config>/<title>;
// empty when neither variable is set or the title cannot name a folder.
std::filesystem::path OptionsFolder(const char* xdg_config_home, const char* home, const std::string& title);
constexpr const char* kOptionsFileName = "options.txt";

// Reads the options file: the defaults when it does not exist; the defaults
// and `message` (one line naming the file and the fault) when it is damaged.
PlayerOptions LoadOptions(const std::filesystem::path& file, const PlayerOptions& defaults,
                          std::string& message);
// Writes the options file, making its folder; false when it cannot.
bool SaveOptions(const std::filesystem::path& file, const PlayerOptions& options);

}  // namespace game
