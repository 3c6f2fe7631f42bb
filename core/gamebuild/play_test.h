// Play-testing the level being edited: where the player starts, the
// temporary pack of the workspace with the grid on screen in place of its
// level file, and the command line that starts the runtime on it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/files.h"
#include "platform/prompter.h"
#include "platform/workspace.h"
#include "world/level_grid.h"
#include "world/problem.h"

namespace gamebuild {

// Where and how the player stands: a cell, facing `degrees` clockwise from
// east (90 looks south, down the map).
struct PlayStart {
  world::GridCell cell;
  int degrees = 0;
  bool operator==(const PlayStart&) const = default;
};

struct PlayRequest {
  int level = 1;  // the level being edited
  const world::LevelGrid& grid;
  std::optional<PlayStart> cursor;  // the cell under the cursor, if it is over the map (ignored off the level)
  bool from_here = false;           // Play From Here: start at the cursor rather than the player start
};

struct PlayPlan {
  int level = 1;
  std::optional<PlayStart> start;  // none: the level's own player start
  platform::Bytes level_file;      // the grid as the pack carries it
};

// The plan for a request: Play Level starts at the level's player start
// (at the cursor when it has none), Play From Here at the cursor (at the
// player start when the cursor is not over the map). A level without a
// player start gets one in its packed copy at the start cell. The message
// tells why the level cannot be played.
std::variant<PlayPlan, platform::Message> PlanPlay(const PlayRequest& request);

// Writes a pack of the workspace's game.pak entries with the plan's level
// file in place of its own, each entry stored as it is: no compression, for
// speed. The settings carry at least the played level's number as the level
// count. Nothing is written into the workspace. The message, when the pack
// could not be made (files missing, a write failed).
std::optional<platform::Message> WritePlayPack(const platform::Workspace& workspace, const PlayPlan& plan,
                                               const std::filesystem::path& pack);

// The runtime's arguments: --pak PACK --level N, and --start COL,ROW,ANGLE
// (column and row counted from 1) when the plan has a start.
std::vector<std::string> PlayArguments(const std::filesystem::path& pack, const PlayPlan& plan);

}  // namespace gamebuild
