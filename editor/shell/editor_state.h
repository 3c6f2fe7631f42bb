// Everything the editor keeps in memory while it runs, in one record.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "world/editing_tools.h"
#include "world/level.h"
#include "world/map_geometry.h"

namespace app {

struct EditorState {
  world::LevelState level;
  world::ScrollPosition scroll;
  int cell_pixels = world::kCellPixels;  // the map's zoom
  bool grid_lines = false;
  world::ToolState tools;
  world::CellBlock clipboard;   // kept across levels
  world::CellUnderCursor cell;  // the block under the cursor, as last read out
  int mouse_x = 0;              // the cursor in client coordinates of the main window
  int mouse_y = 0;
  std::string icon_path;       // the .ico file Create Game puts into the game
  std::string last_game_path;  // the game Create Game wrote last
  bool quit = false;
  std::string project_name;  // in the window title; empty for the editor's own folder
  std::vector<std::filesystem::path> recent_projects;  // newest first, as the World menu lists them
  // The way the last arrow key pointed, in degrees clockwise from east:
  // where the player looks in Play From Here.
  int facing_degrees = 0;
  // The cell a problem pointed at, marked on the map until the next click.
  std::optional<world::GridCell> marked_cell;
};

}  // namespace app
