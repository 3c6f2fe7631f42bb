#include "gamebuild/workspace_problems.h"

#include <algorithm>
#include <string>

#include "assets/bmp_format.h"
#include "assets/picture_loader.h"
#include "assets/slot_table.h"
#include "config/game_settings.h"
#include "config/record_files.h"
#include "config/sound_slots.h"
#include "config/sprite_settings.h"
#include "gamebuild/game_pak_layout.h"
#include "gamebuild/password_block.h"
#include "world/level.h"
#include "world/level_problems.h"

namespace gamebuild {

namespace {

using world::Problem;
using world::Severity;

Problem FileProblem(Severity severity, const std::string& file, const char* rule, std::string message) {
  return {severity, file, 0, std::nullopt, rule, std::move(message)};
}

// Sprites the player walks around for good: solid ones that bullets cannot
// destroy. A record of the wrong size plays as the new one, every sprite solid.
world::SpriteBlocking ReadSpriteBlocking(const platform::Workspace& workspace) {
  const auto bytes = workspace.Read(config::files::kSpriteSettings);
  if (!bytes || bytes->size() != config::RecordSize(config::kSpriteSettingsRecord))
    return world::kEverySpriteBlocks;
  const config::SpriteSettings sprites = config::Decode(config::kSpriteSettingsRecord, *bytes);
  world::SpriteBlocking blocking{};
  for (size_t k = 0; k < blocking.size(); ++k)
    blocking[k] = sprites.collision[k] && sprites.endurance[k] <= 0;
  return blocking;
}

void CheckLevelFile(const platform::Workspace& workspace, int level, int count,
                    const world::SpriteBlocking& blocking, std::vector<Problem>& problems) {
  const std::string name = world::LevelFileName(level);
  const auto bytes = workspace.Read(name);
  if (!bytes || bytes->empty()) return;  // a missing file of its own
  const std::string size =
      std::to_string(bytes->size()) + " bytes, not " + std::to_string(world::kLevelFileSize);
  if (bytes->size() < static_cast<size_t>(world::kLevelFileSize)) {
    problems.push_back(
        {Severity::kError, name, level, std::nullopt, "level-size", "the level file has " + size});
    return;
  }
  if (bytes->size() > static_cast<size_t>(world::kLevelFileSize))
    problems.push_back({Severity::kWarning, name, level, std::nullopt, "level-size",
                        "the level file has " + size + "; the rest is not read"});
  world::LevelGrid grid;
  world::ReadLevelBytes(*bytes, grid);
  const auto found = world::CheckLevelGrid(grid, {level, level == count, blocking});
  problems.insert(problems.end(), found.begin(), found.end());
}

// The level count and the levels 1 to it; nothing when the settings are
// missing (a missing file of its own).
void CheckLevels(const platform::Workspace& workspace, std::vector<Problem>& problems) {
  const auto settings = workspace.Read(config::files::kSettings, 4);
  if (!settings || settings->empty()) return;
  const int64_t count =
      static_cast<int32_t>(config::Decode(config::kGameSettingsRecord, *settings).max_levels);
  if (count < 1 || count > world::kLevelCount)
    problems.push_back(FileProblem(Severity::kError, config::files::kSettings, "level-count",
                                   "the level count is " + std::to_string(count) + "; a game has 1 to " +
                                       std::to_string(world::kLevelCount) + " levels"));
  const int last = static_cast<int>(std::clamp<int64_t>(count, 0, world::kLevelCount));
  const world::SpriteBlocking blocking = ReadSpriteBlocking(workspace);
  for (int level = 1; level <= last; ++level) CheckLevelFile(workspace, level, last, blocking, problems);
}

// Every file Create Game packs; the Version record it writes itself.
void CheckPackFiles(const platform::Workspace& workspace, std::vector<Problem>& problems) {
  const auto password = platform::FileSizeByName(workspace.PasswordFile());
  const std::string password_name = workspace.PasswordFile().filename().string();
  if (password > static_cast<int64_t>(kMaxPasswordBytes))
    problems.push_back(FileProblem(Severity::kError, password_name, "password-length",
                                   "the pack password has " + std::to_string(password) +
                                       " characters; it may have at most " +
                                       std::to_string(kMaxPasswordBytes)));
  std::vector<std::string> names = {password_name};
  const auto& entries = GamePakEntryNames();
  for (size_t i = 1; i < entries.size(); ++i)
    if (entries[i] != config::files::kVersion) names.push_back(entries[i]);
  for (const std::string& name : names) {
    const int64_t size = name == password_name ? password : workspace.FileSize(name);
    if (size < 0)
      problems.push_back(FileProblem(Severity::kError, name, "missing-file", "the file is missing"));
    if (size == 0) problems.push_back(FileProblem(Severity::kError, name, "empty-file", "the file is empty"));
  }
}

bool IsStoredSlotPicture(const platform::Bytes& bytes) {
  const auto header = assets::bmp::ReadHeader(bytes, assets::kSlotPictureSize);
  return header && header->info_size == assets::bmp::kInfoHeaderSize &&
         header->width == assets::kSlotPictureSize && header->height == assets::kSlotPictureSize &&
         header->bits == 24 && header->compression == assets::bmp::kRgb;
}

std::string PictureFormatText(const assets::Picture& picture) {
  const int side = assets::kSlotPictureSize;
  if (picture.width == side && picture.height == side)
    return "not stored as a 24-bit BMP slot picture; the game reads it all the same";
  return "a picture of " + std::to_string(picture.width) + " x " + std::to_string(picture.height) +
         ", not 64 x 64; the game scales it";
}

void CheckSlotPictures(const platform::Workspace& workspace, std::vector<Problem>& problems) {
  for (const assets::Slot& slot : assets::SlotTable()) {
    const auto bytes = workspace.Read(slot.name);
    if (!bytes || bytes->empty()) continue;  // a missing file of its own
    if (IsStoredSlotPicture(*bytes)) continue;
    const assets::Picture picture = assets::DecodePicture(*bytes);
    if (picture.empty())
      problems.push_back(
          FileProblem(Severity::kError, slot.name, "bad-picture", "not a picture the game can read"));
    else
      problems.push_back(
          FileProblem(Severity::kWarning, slot.name, "picture-format", PictureFormatText(picture)));
  }
}

void CheckMusic(const platform::Workspace& workspace, std::vector<Problem>& problems) {
  for (const config::SoundSlot& slot : config::SoundSlots()) {
    if (slot.kind != config::SoundKind::kMidi) continue;
    const int64_t size = workspace.FileSize(slot.file);
    if (size > config::kMaxMidiBytes)
      problems.push_back(FileProblem(Severity::kError, slot.file, "midi-size",
                                     "the MIDI file has " + std::to_string(size) + " bytes, more than " +
                                         std::to_string(config::kMaxMidiBytes)));
  }
}

}  // namespace

std::vector<Problem> CheckWorkspace(const platform::Workspace& workspace) {
  std::vector<Problem> problems;
  CheckLevels(workspace, problems);
  CheckPackFiles(workspace, problems);
  CheckSlotPictures(workspace, problems);
  CheckMusic(workspace, problems);
  return problems;
}

bool HasErrors(const std::vector<Problem>& problems) {
  return std::any_of(problems.begin(), problems.end(),
                     [](const Problem& p) { return p.severity == Severity::kError; });
}

}  // namespace gamebuild
