// Import game.pak: a pack made by Create Game taken apart into the
// workspace, after its password and version were checked, and the
// editable bitmaps of `GameBitmaps` refreshed from it.
#pragma once

#include <functional>

#include "platform/prompter.h"
#include "platform/workspace.h"

namespace gamebuild {

// The "Importing game.pak" bar runs from 0 to this.
constexpr int kImportProgressRange = 600;

struct ImportContext {
  const platform::Workspace& workspace;
  platform::Prompter& prompter;
  // Shows (true) or hides (false) the "Importing game.pak" progress display.
  std::function<void(bool)> show_progress;
  // Moves its bar; also called (with the same count) where the editor may
  // repaint between two files.
  platform::Progress progress;
};

enum class ImportResult {
  kNotImported,     // stopped before writing anything (its message shown), or cancelled
  kPartlyImported,  // written, but some files could not be: one message names them
  kImported,        // every file written
};

// Asks for the pack, checks it whole and writes every entry to its workspace
// file, then refreshes the GameBitmaps folder. `counter` counts the
// workspace files written. Nothing is written unless the whole pack reads
// back: a pack that is not one, is cut short, has fewer than 380 entries or
// fails a checksum gives "game.pak not compatible"; a password that differs,
// "wrong game.pak password"; a pack that is not of this version (or ends
// after its first entry), "wrong game.pak version". Files that cannot be
// written are told in one "Error" message at the end, with their number and
// the first few paths; the import then counts as partly done.
[[nodiscard]] ImportResult ImportGamePak(const ImportContext& context, int& counter);

// The whole command: the question "This will overwrite all your work! Do
// you wish to proceed?", the import, and after an import that wrote files
// `start_new_world`, the icon sheet rebuilt from the imported pictures
// (continuing the same count on the bar), and `start_new_world` again. The
// progress display is hidden in every case after Yes.
[[nodiscard]] ImportResult ImportGamePakCommand(const ImportContext& context,
                                                const std::function<void()>& start_new_world);

}  // namespace gamebuild
