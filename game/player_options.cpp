#include "player_options.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <system_error>
#include <vector>

#include "game_keys.h"
#include "platform/files.h"

namespace game {
namespace {

// The option's name in the file for an action's key: "key_walk_forward".
std::string KeyOptionName(Action action) {
  std::string name = "key_";
  for (char c : ActionName(action)) name += c == ' ' ? '_' : static_cast<char>(c - 'A' + 'a');
  return name;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

bool ReadInt(std::string_view text, int low, int high, int& value) {
  int read = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
  if (error != std::errc() || end != text.data() + text.size() || read < low || read > high) return false;
  value = read;
  return true;
}

bool ReadFlag(std::string_view text, bool& value) {
  int read = 0;
  if (!ReadInt(text, 0, 1, read)) return false;
  value = read == 1;
  return true;
}

bool ReadDouble(std::string_view text, double low, double high, double& value) {
  double read = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
  if (error != std::errc() || end != text.data() + text.size() || !(read >= low && read <= high)) return false;
  value = read;
  return true;
}

std::string DoubleText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// One line of the file: its name, how it is written and how it is read.
struct OptionLine {
  std::string name;
  std::function<std::string(const PlayerOptions&)> write;
  std::function<bool(std::string_view, PlayerOptions&)> read;
};

std::vector<OptionLine> OptionLines() {
  std::vector<OptionLine> lines;
  for (int a = 0; a < kActionCount; ++a) {
    const Action action = static_cast<Action>(a);
    lines.push_back({KeyOptionName(action),
                     [action](const PlayerOptions& o) {
                       const int key = o.controls.Key(action);
                       return key == kNoKey ? std::string("none") : std::string(KeyName(key));
                     },
                     [action](std::string_view text, PlayerOptions& o) {
                       const int key = text == "none" ? kNoKey : KeyByName(text);
                       if (key < 0) return false;
                       o.controls.Key(action) = key;
                       return true;
                     }});
  }
  auto integer = [&lines](std::string name, int PlayerOptions::*member, int low, int high) {
    lines.push_back({std::move(name), [member](const PlayerOptions& o) { return std::to_string(o.*member); },
                     [member, low, high](std::string_view text, PlayerOptions& o) {
                       return ReadInt(text, low, high, o.*member);
                     }});
  };
  lines.push_back({"mouse_sensitivity",
                   [](const PlayerOptions& o) { return std::to_string(o.controls.mouse_sensitivity); },
                   [](std::string_view text, PlayerOptions& o) {
                     return ReadInt(text, 1, 10, o.controls.mouse_sensitivity);
                   }});
  lines.push_back({"invert_mouse", [](const PlayerOptions& o) { return std::to_string(o.controls.invert_mouse); },
                   [](std::string_view text, PlayerOptions& o) { return ReadFlag(text, o.controls.invert_mouse); }});
  integer("music_volume", &PlayerOptions::music_volume, 0, 10);
  integer("effects_volume", &PlayerOptions::effects_volume, 0, 10);
  lines.push_back({"fullscreen", [](const PlayerOptions& o) { return std::to_string(o.fullscreen); },
                   [](std::string_view text, PlayerOptions& o) { return ReadFlag(text, o.fullscreen); }});
  integer("window_width", &PlayerOptions::window_width, kOptionsMinWindow, kOptionsMaxWindow);
  integer("window_height", &PlayerOptions::window_height, kOptionsMinWindow * 5 / 8, kOptionsMaxWindow);
  lines.push_back({"fov_degrees", [](const PlayerOptions& o) { return DoubleText(o.fov_degrees); },
                   [](std::string_view text, PlayerOptions& o) {
                     return ReadDouble(text, kMinFovDegrees, kMaxFovDegrees, o.fov_degrees);
                   }});
  integer("render_scale_percent", &PlayerOptions::render_scale_percent, kOptionsMinScale, kOptionsMaxScale);
  return lines;
}

}  // namespace

PlayerOptions DefaultOptions(const GameData& data) {
  PlayerOptions options;
  options.controls = AuthorControls(data.settings, data.weapons);
  options.fullscreen = data.settings.screen_mode != ScreenMode::kWindow;
  return options;
}

std::string FormatOptions(const PlayerOptions& options) {
  std::string text = "# The player's options of this game, written by the game.\n";
  for (const OptionLine& line : OptionLines()) text += line.name + " = " + line.write(options) + "\n";
  return text;
}

std::optional<PlayerOptions> ParseOptions(std::string_view text, const PlayerOptions& defaults,
                                          std::string& problem) {
  const std::vector<OptionLine> lines = OptionLines();
  PlayerOptions options = defaults;
  int number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (line.empty() || line.front() == '#') continue;
    const size_t equals = line.find('=');
    const std::string_view name = Trim(line.substr(0, equals == std::string_view::npos ? line.size() : equals));
    const std::string_view value = equals == std::string_view::npos ? "" : Trim(line.substr(equals + 1));
    const auto known = std::find_if(lines.begin(), lines.end(), [&](const OptionLine& o) { return o.name == name; });
    const std::string where = "line " + std::to_string(number) + ": ";
    if (equals == std::string_view::npos || known == lines.end()) {
      problem = where + "unknown option \"" + std::string(name) + "\"";
      return std::nullopt;
    }
    if (!known->read(value, options)) {
      problem = where + "\"" + std::string(value) + "\" is not a value of " + std::string(name);
      return std::nullopt;
    }
  }
  return options;
}

std::filesystem::path OptionsFolder(const char* xdg_config_home, const char* home, const std::string& title) {
  std::filesystem::path root;
  if (xdg_config_home && *xdg_config_home == '/')
    root = xdg_config_home;
  else if (home && *home)
    root = std::filesystem::path(home) / ".config";
  else
    return {};
  // The title as one folder name: no separators, not "." or "..".
  std::string name;
  for (char c : title) name += c == '/' || c == '\\' ? '_' : c;
  if (name.empty() || name == "." || name == "..") name = "game";
  return root / name;
}

PlayerOptions LoadOptions(const std::filesystem::path& file, const PlayerOptions& defaults, std::string& message) {
  std::error_code error;
  if (!std::filesystem::exists(file, error)) return defaults;
  const auto bytes = platform::ReadFileBytes(file, 1 << 20);
  std::string problem = "it cannot be read";
  if (bytes) {
    const std::string text(bytes->begin(), bytes->end());
    if (auto options = ParseOptions(text, defaults, problem)) return *options;
  }
  message = "The options file " + file.string() + " is damaged (" + problem + "); the defaults are used.";
  return defaults;
}

bool SaveOptions(const std::filesystem::path& file, const PlayerOptions& options) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  return platform::WriteFileAtomic(file, FormatOptions(options));
}

}  // namespace game
