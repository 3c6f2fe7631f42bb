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

// The target chosen in the requester, and the answer to the overwrite question.
std::optional<fs::path> AskForTarget(const CreateGameContext& context) {
  const auto chosen = context.prompter.SaveFile({"Save Game", "", "Exe (*.exe)|*.exe"});
  const auto path = GameSavePath(chosen ? chosen->string() : std::string());
  if (!path) return std::nullopt;
  if (platform::FileSizeByName(*path) >= 0 &&
      !context.prompter.Ask({"overwrite existing " + path->filename().string() + "?", "Save as"}))
    return std::nullopt;
  return path;
}

}  // namespace

std::optional<fs::path> GameSavePath(const std::string& chosen) {
  std::string path = chosen;
  if (path.find(".exe") == std::string::npos) path += ".exe";
  if (path.size() < 4 || path.front() == '.') return std::nullopt;
  return fs::path(path);
}

bool WriteGame(const CreateGameContext& context, const fs::path& path) {
  if (!platform::WriteFileAtomic(path, context.runtime_block)) {
    context.prompter.Show(platform::CannotWriteMessage(path));
    return false;
  }
  std::error_code ec;
  fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, ec);
  const fs::path pak_copy = path.parent_path() / "game.pak";
  if (!platform::CopyFileReplacing(context.workspace.PathOf("game.pak"), pak_copy)) {
    context.prompter.Show(platform::CannotWriteMessage(pak_copy));
    return false;
  }
  if (!ReplaceGameIcon(path, context.icon_path, context.prompter)) {
    context.prompter.Show(platform::CannotWriteMessage(path));
    return false;
  }
  return true;
}

std::optional<fs::path> CreateGame(const CreateGameContext& context) {
  if (!WriteVersionFile(context.workspace)) {
    context.prompter.Show({"cannot write to file", "Error"});
    return std::nullopt;
  }
  if (context.level_unsaved) {
    context.prompter.Show({"The level must be saved before creating the game!", "TWK"});
    return std::nullopt;
  }
  ShowProgress(context, true);
  std::optional<fs::path> written;
  if (ValidateAndPack(context)) {
    const auto target = AskForTarget(context);
    if (target && WriteGame(context, *target)) written = target;
  }
  ShowProgress(context, false);
  return written;
}

}  // namespace gamebuild
