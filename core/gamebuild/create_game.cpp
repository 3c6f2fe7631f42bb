#include "gamebuild/create_game.h"

#include "gamebuild/game_icon.h"
#include "gamebuild/game_pak.h"
#include "world/level_validation.h"

namespace gamebuild {

namespace fs = std::filesystem;

namespace {

void ShowProgress(const CreateGameContext& context, bool shown) {
  if (context.show_progress) context.show_progress(shown);
}

// Validation and the pack: true when the game can be written.
bool ValidateAndPack(const CreateGameContext& context) {
  const int result = world::ValidateLevels(context.workspace, context.progress);
  if (const auto message = world::ValidationMessage(result)) {
    context.prompter.Show(*message);
    return false;
  }
  return BuildGamePak(context.workspace, context.prompter, context.progress);
}

// The files of the games asked for, Windows first.
std::vector<std::pair<GamePlatform, fs::path>> Targets(const CreateGameContext& context, const GamePaths& paths) {
  std::vector<std::pair<GamePlatform, fs::path>> targets;
  if (context.platforms.windows_game) targets.emplace_back(GamePlatform::kWindows, paths.windows_game);
  if (context.platforms.linux_game) targets.emplace_back(GamePlatform::kLinux, paths.linux_game);
  return targets;
}

// The question asked once when any of the games' files exists already.
std::optional<platform::Message> OverwriteQuestion(const CreateGameContext& context, const GamePaths& paths) {
  std::string names;
  for (const auto& [target, path] : Targets(context, paths))
    if (platform::FileSizeByName(path) >= 0) names += (names.empty() ? "" : " and ") + path.filename().string();
  if (names.empty()) return std::nullopt;
  return platform::Message{"overwrite existing " + names + "?", "Save as"};
}

// The target chosen in the requester, and the answer to the overwrite question.
std::optional<GamePaths> AskForTarget(const CreateGameContext& context) {
  const auto chosen = context.prompter.SaveFile({"Save Game", "", "Exe (*.exe)|*.exe"});
  const auto path = GameSavePath(chosen ? chosen->string() : std::string());
  if (!path) return std::nullopt;
  const GamePaths paths{*path, LinuxGamePath(*path)};
  if (const auto question = OverwriteQuestion(context, paths); question && !context.prompter.Ask(*question))
    return std::nullopt;
  return paths;
}

bool WriteRuntime(const CreateGameContext& context, GamePlatform target, const fs::path& path) {
  const auto runtime =
      target == GamePlatform::kWindows ? context.runtimes.windows_runtime : context.runtimes.linux_runtime;
  if (!platform::WriteFileAtomic(path, runtime)) {
    context.prompter.Show(platform::CannotWriteMessage(path));
    return false;
  }
  std::error_code ec;
  fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, ec);
  return true;
}

}  // namespace

std::optional<fs::path> GameSavePath(const std::string& chosen) {
  std::string path = chosen;
  if (path.find(".exe") == std::string::npos) path += ".exe";
  if (path.size() < 4 || path.front() == '.') return std::nullopt;
  return fs::path(path);
}

fs::path LinuxGamePath(const fs::path& windows_game) {
  const std::string name = windows_game.filename().string();
  constexpr std::string_view kExe = ".exe";
  if (name.size() > kExe.size() && name.ends_with(kExe))
    return windows_game.parent_path() / name.substr(0, name.size() - kExe.size());
  return windows_game.parent_path() / (name + ".x86_64");
}

bool WriteGame(const CreateGameContext& context, const GamePaths& paths) {
  const auto targets = Targets(context, paths);
  for (const auto& [target, path] : targets)
    if (!WriteRuntime(context, target, path)) return false;
  const fs::path pak_copy = paths.windows_game.parent_path() / "game.pak";
  if (!platform::CopyFileReplacing(context.workspace.PathOf("game.pak"), pak_copy)) {
    context.prompter.Show(platform::CannotWriteMessage(pak_copy));
    return false;
  }
  for (const auto& [target, path] : targets) {
    if (!ReplaceGameIcon(path, context.icon_path, target, context.prompter)) {
      context.prompter.Show(platform::CannotWriteMessage(path));
      return false;
    }
  }
  return true;
}

std::optional<WrittenGames> CreateGame(const CreateGameContext& context) {
  if (!WriteVersionFile(context.workspace)) {
    context.prompter.Show({"cannot write to file", "Error"});
    return std::nullopt;
  }
  if (context.level_unsaved) {
    context.prompter.Show({"The level must be saved before creating the game!", "TWK"});
    return std::nullopt;
  }
  ShowProgress(context, true);
  std::optional<WrittenGames> written;
  if (ValidateAndPack(context)) {
    const auto target = AskForTarget(context);
    if (target && WriteGame(context, *target)) {
      written = WrittenGames{};
      if (context.platforms.linux_game) written->linux_game = target->linux_game;
      if (context.platforms.windows_game) written->windows_game = target->windows_game;
    }
  }
  ShowProgress(context, false);
  return written;
}

}  // namespace gamebuild
