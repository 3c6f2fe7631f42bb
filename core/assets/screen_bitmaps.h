// The screen bitmaps: the 57 BMP files of the program folder's
// `GameBitmaps` folder (menu and message screens, digit strips, buttons,
// weapon pictures, bullets and their explosions) that "Import GameBitmaps"
// checks for size and brings into the workspace.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/prompter.h"
#include "platform/workspace.h"

namespace assets {

constexpr int kScreenBitmapCount = 57;

struct ScreenBitmap {
  std::string source;          // file name in GameBitmaps
  std::string workspace_name;  // workspace file it becomes
  int width = 0;
  int min_height = 0;
  int max_height = 0;      // 0: no upper limit
  bool convert = false;    // made into a stored slot picture instead of copied
  std::string shown_name;  // the name the failure message gives
};

// The 57 rows in the order they are imported.
const std::vector<ScreenBitmap>& ScreenBitmapList();

// Whether a picture of that size may be imported for `row`.
bool FitsSize(const ScreenBitmap& row, int width, int height);

// How one row of the list came in.
enum class RowOutcome { kImported, kWrongSize, kNotWritten };

// Stores the 64 by 64 picture at `source` as workspace file `name` with rows
// and columns exchanged (no scaling, no keying). kWrongSize when the picture
// is smaller than 32 by 32 or does not load (after showing the minimum-size
// message) or is not exactly 64 by 64 (silently); kNotWritten when the file
// cannot be written. `column_done` is called after each column.
[[nodiscard]] RowOutcome ConvertScreenPicture(const platform::Workspace& workspace,
                                              platform::Prompter& prompter,
                                              const std::filesystem::path& source, const std::string& name,
                                              const platform::Progress& column_done = {});

// The question ImportGameBitmaps asks first ("Warning", three lines).
platform::Message ImportGameBitmapsQuestion();
constexpr std::string_view kImportingLabel = "Importing...";

// The "Import GameBitmaps" command. Asks the question above; on anything but
// Yes nothing changes. Otherwise calls `show_label` with "Importing...",
// brings in every row of the list (copies byte for byte when the size fits,
// converts bullets and explosions), calling `progress` with the number of
// rows done wherever the editor may repaint, calls `show_label` with "" to
// remove the label, and finally shows "Info": "GameBitmaps imported
// successfully"; or, for the files that could not be written, "Error":
// "cannot write to file <path>" (one message for all of them), and for the
// last row that was missing or had a wrong size "Error": "<name> is missing
// or has the wrong size". True when every row was imported.
[[nodiscard]] bool ImportGameBitmaps(const platform::Workspace& workspace, platform::Prompter& prompter,
                                     const std::function<void(std::string_view label)>& show_label = {},
                                     const platform::Progress& progress = {});

}  // namespace assets
