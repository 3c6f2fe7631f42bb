#include "assets/screen_bitmaps.h"

#include <cctype>

#include "assets/asset_messages.h"
#include "assets/picture_loader.h"
#include "assets/slot_import.h"
#include "assets/slot_table.h"

namespace assets {

namespace {

ScreenBitmap Copy(std::string source, std::string name, int width, int min_height, int max_height) {
  std::string shown = source;
  return {std::move(source), std::move(name), width, min_height, max_height, false, std::move(shown)};
}

std::vector<ScreenBitmap> MakeList() {
  std::vector<ScreenBitmap> list = {
      Copy("mask.bmp", "mask", 320, 24, 24),
      Copy("entering_next_level.bmp", "entering_next_level", 320, 200, 200),
      Copy("finished.bmp", "finished", 320, 200, 200),
      Copy("keypicture.bmp", "keypicture", 20, 20, 20),
      Copy("menu1.bmp", "menu1", 320, 200, 200),
      Copy("menu2.bmp", "menu2", 320, 200, 200),
      Copy("menu3.bmp", "menu3", 320, 200, 200),
      Copy("menubutton.bmp", "menubutton", 16, 16, 16),
      Copy("numbers.bmp", "numbers", 200, 20, 20),
  };
  for (int weapon = 1; weapon <= 6; ++weapon)
    for (int picture = 1; picture <= 5; ++picture)
      list.push_back(Copy("weapon" + std::to_string(weapon) + "_" + std::to_string(picture) + ".bmp",
                          "weapon" + std::to_string(weapon) + "bitmap" + std::to_string(picture), 64, 74,
                          74));
  for (const char* kind : {"Bullet", "BulletExplode"}) {
    for (int n = 1; n <= 6; ++n) {
      ScreenBitmap row =
          Copy(kind + std::to_string(n) + ".bmp", std::string(kind) + std::to_string(n), 64, 64, 64);
      for (char& c : row.workspace_name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      row.convert = true;
      list.push_back(std::move(row));
    }
  }
  list.push_back(Copy("IntroScreen.bmp", "introscreen", 320, 200, 200));
  list.push_back(Copy("HelpScreen.bmp", "helpscreen", 320, 200, 1000));
  list.push_back(Copy("SoundScreen.bmp", "menu4", 320, 200, 0));
  list.push_back(Copy("VolumeButton.bmp", "volumebutton", 12, 12, 0));
  list.push_back(Copy("GunCenter.bmp", "guncenter", 16, 16, 0));
  list.push_back(Copy("scorenums.bmp", "scorenums", 200, 20, 20));
  list.back().shown_name = "ScoreNums.bmp";
  return list;
}

RowOutcome CopyRow(const platform::Workspace& workspace, const ScreenBitmap& row,
                   const std::filesystem::path& source) {
  const Picture picture = LoadPicture(source);
  if (!FitsSize(row, picture.width, picture.height)) return RowOutcome::kWrongSize;
  return platform::CopyFileReplacing(source, workspace.PathOf(row.workspace_name)) ? RowOutcome::kImported
                                                                                   : RowOutcome::kNotWritten;
}

}  // namespace

const std::vector<ScreenBitmap>& ScreenBitmapList() {
  static const std::vector<ScreenBitmap> list = MakeList();
  return list;
}

bool FitsSize(const ScreenBitmap& row, int width, int height) {
  return width == row.width && height >= row.min_height && (row.max_height == 0 || height <= row.max_height);
}

RowOutcome ConvertScreenPicture(const platform::Workspace& workspace, platform::Prompter& prompter,
                                const std::filesystem::path& source, const std::string& name,
                                const platform::Progress& column_done) {
  const Picture picture = LoadPicture(source);
  if (!CheckMinimumPictureSize(prompter, source.string(), picture)) return RowOutcome::kWrongSize;
  if (picture.width != kSlotPictureSize || picture.height != kSlotPictureSize) return RowOutcome::kWrongSize;
  Picture stored(kSlotPictureSize, kSlotPictureSize);
  for (int x = 0; x < kSlotPictureSize; ++x) {
    for (int y = 0; y < kSlotPictureSize; ++y) stored.set(x, y, picture.at(y, x));
    if (column_done) column_done(x + 1);
  }
  return workspace.Write(name, EncodeBmp24(stored)) ? RowOutcome::kImported : RowOutcome::kNotWritten;
}

platform::Message ImportGameBitmapsQuestion() {
  return {
      "These Bitmaps are in the folder GameBitmaps.\r\n"
      "If you edit them, do not change the size.\r\n"
      "Do you whish to import all of them?",
      "Warning"};
}

bool ImportGameBitmaps(const platform::Workspace& workspace, platform::Prompter& prompter,
                       const std::function<void(std::string_view label)>& show_label,
                       const platform::Progress& progress) {
  if (!prompter.Ask(ImportGameBitmapsQuestion())) return false;
  if (show_label) show_label(kImportingLabel);
  const ScreenBitmap* last_failure = nullptr;
  std::vector<std::filesystem::path> unwritten;
  int done = 0;
  const platform::Progress repaint = [&](int) {
    if (progress) progress(done);
  };
  for (const ScreenBitmap& row : ScreenBitmapList()) {
    const auto source = platform::ResolveNoCase(workspace.GameBitmapsFolder(), row.source);
    const RowOutcome outcome =
        row.convert ? ConvertScreenPicture(workspace, prompter, source, row.workspace_name, repaint)
                    : CopyRow(workspace, row, source);
    if (outcome == RowOutcome::kWrongSize) last_failure = &row;
    if (outcome == RowOutcome::kNotWritten) unwritten.push_back(workspace.PathOf(row.workspace_name));
    ++done;
    if (progress) progress(done);
  }
  if (show_label) show_label("");
  if (!unwritten.empty()) prompter.Show(platform::CannotWriteMessage(unwritten));
  if (last_failure) prompter.Show({last_failure->shown_name + " is missing or has the wrong size", "Error"});
  if (last_failure || !unwritten.empty()) return false;
  prompter.Show({"GameBitmaps imported successfully", "Info"});
  return true;
}

}  // namespace assets
