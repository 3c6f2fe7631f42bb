#include "gamebuild/import_game_pak.h"

#include <optional>
#include <string>
#include <vector>

#include "assets/icon_sheet.h"
#include "assets/picture.h"
#include "assets/picture_loader.h"
#include "assets/screen_bitmaps.h"
#include "gamebuild/game_pak.h"
#include "gamebuild/game_pak_layout.h"
#include "gamebuild/pack_file.h"
#include "gamebuild/password_block.h"
#include "platform/byte_io.h"

namespace gamebuild {

namespace fs = std::filesystem;

namespace {

// A reader accepts password blocks of up to 100 values.
constexpr int64_t kMaxPasswordEntrySize = 400;

const platform::Message kNotCompatible{"game.pak not compatible", "Error"};
const platform::Message kWrongPassword{"wrong game.pak password", "Error"};
const platform::Message kWrongVersion{"wrong game.pak version", "Error"};

using Entries = std::vector<platform::Bytes>;

std::optional<Entries> Refuse(const ImportContext& context, const platform::Message& message) {
  context.prompter.Show(message);
  return std::nullopt;
}

// Reads and checks the whole pack: the password, the version and all 380
// entries. Shows the reason and gives nothing when the pack is refused.
std::optional<Entries> ReadWholePack(const ImportContext& context, const fs::path& path,
                                     const platform::Bytes& password) {
  PackReader pack;
  if (!pack.PackOpen(path)) return Refuse(context, kNotCompatible);

  Entries entries;
  auto next = [&]() -> bool {
    const auto entry = pack.PackNextEntry();
    if (pack.Status() != PackStatus::kEntry) return false;
    entries.emplace_back(entry.begin(), entry.end());
    return true;
  };
  if (!next() || pack.PackEntrySize() > kMaxPasswordEntrySize) return Refuse(context, kNotCompatible);
  if (!PasswordMatches(entries[0], password)) return Refuse(context, kWrongPassword);
  // A pack that ends after its password has no version to show.
  if (!next()) return Refuse(context, pack.Status() == PackStatus::kEnd ? kWrongVersion : kNotCompatible);
  if (platform::ByteView(entries[1]).I32(0).value_or(0) != kPackVersion)
    return Refuse(context, kWrongVersion);
  while (entries.size() < static_cast<size_t>(kGamePakEntries))
    if (!next()) return Refuse(context, kNotCompatible);
  return entries;
}

// Writes one entry under exactly its pack name (another spelling of the
// name is replaced); false when it can't.
bool WriteWorkspaceEntry(const ImportContext& context, const platform::Bytes& data, const std::string& name,
                         int& counter) {
  const fs::path exact = context.workspace.Folder() / name;
  const fs::path existing = context.workspace.PathOf(name);
  if (!platform::WriteFileAtomic(exact, data)) return false;
  std::error_code ignored;
  if (existing != exact) fs::remove(existing, ignored);
  ++counter;
  if (context.progress) context.progress(counter);
  return true;
}

// The editable bitmaps: bullets and their explosions transposed back to the
// way they are drawn, every other screen bitmap copied. Adds the files it
// could not write to `unwritten`.
void RefreshGameBitmaps(const ImportContext& context, int counter, std::vector<fs::path>& unwritten) {
  const fs::path folder = context.workspace.GameBitmapsFolder();
  std::error_code ignored;
  fs::create_directories(folder, ignored);
  const auto& list = assets::ScreenBitmapList();
  for (const bool transposed : {true, false}) {
    for (const auto& row : list) {
      if (row.convert != transposed) continue;
      const fs::path target = platform::ResolveNoCase(folder, row.shown_name);
      const fs::path source = context.workspace.PathOf(row.workspace_name);
      bool written = true;
      if (transposed) {
        const assets::Picture picture = assets::LoadPicture(source);
        if (!picture.empty())
          written = platform::WriteFileAtomic(target, assets::EncodeBmp24(assets::Transposed(picture)));
      } else if (platform::FileSizeByName(source) >= 0) {
        written = platform::CopyFileReplacing(source, target);
      }
      if (!written) unwritten.push_back(target);
      if (context.progress) context.progress(counter);
    }
  }
}

}  // namespace

ImportResult ImportGamePak(const ImportContext& context, int& counter) {
  counter = 0;
  const auto password = platform::ReadFileBytes(context.workspace.PasswordFile());
  if (!password) {
    context.prompter.Show({"game.pak password not found", "Error"});
    return ImportResult::kNotImported;
  }
  const auto path = context.prompter.OpenFile({"import a pak file", "*.pak", "pak- File (*.pak)|*.pak"});
  if (!path || path->empty()) return ImportResult::kNotImported;
  if (context.show_progress) context.show_progress(true);

  const auto entries = ReadWholePack(context, *path, *password);
  if (!entries) {
    if (context.show_progress) context.show_progress(false);
    return ImportResult::kNotImported;
  }
  const auto& names = GamePakEntryNames();
  std::error_code ignored;
  fs::create_directories(context.workspace.Folder(), ignored);
  std::vector<fs::path> unwritten;
  for (size_t position = 2; position < names.size(); ++position)
    if (!WriteWorkspaceEntry(context, (*entries)[position], names[position], counter))
      unwritten.push_back(context.workspace.Folder() / names[position]);
  RefreshGameBitmaps(context, counter, unwritten);
  if (unwritten.empty()) return ImportResult::kImported;
  context.prompter.Show(platform::CannotWriteMessage(unwritten));
  return ImportResult::kPartlyImported;
}

ImportResult ImportGamePakCommand(const ImportContext& context,
                                  const std::function<void()>& start_new_world) {
  if (!context.prompter.Ask(
          {"This will overwrite all your work! Do you wish to proceed?", "Import game.pak"}))
    return ImportResult::kNotImported;
  int counter = 0;
  const ImportResult result = ImportGamePak(context, counter);
  if (result != ImportResult::kNotImported) {
    if (start_new_world) start_new_world();
    // A sheet that cannot be rebuilt has shown why; the workspace is replaced all the same.
    (void)assets::RebuildIconSheet(context.workspace, context.prompter, counter, context.progress);
    if (start_new_world) start_new_world();
  }
  if (context.show_progress) context.show_progress(false);
  return result;
}

}  // namespace gamebuild
