// Everything the default program folder holds, made in memory by the
// generators and written out by main.cpp.
#pragma once

#include <string>
#include <vector>

#include "assets/slot_table.h"
#include "platform/files.h"
#include "tools/starter/draw.h"

namespace starter {

// A picture slot of the workspace, held the right way round (the writer
// exchanges rows and columns). Keyed slots are drawn on pure white.
struct SlotPicture {
  std::string name;
  int number = 0;  // the picture number that gives its tile in the icon sheet
  Picture picture;
};

// A screen bitmap: its source file in GameBitmaps and its workspace name.
// Converted ones are stored in the workspace like a slot picture.
struct ScreenBitmap {
  std::string source;
  std::string name;
  Picture picture;
  bool converted = false;
};

// A workspace file that is not a picture (records, texts, sounds, levels).
struct WorkspaceFile {
  std::string name;
  platform::Bytes bytes;
};

struct Content {
  std::vector<SlotPicture> slots;
  std::vector<ScreenBitmap> screens;
  std::vector<WorkspaceFile> files;
};

// Adds the picture of the slot of `kind`, `number` and `part` (the slot table
// gives its name and picture number).
void AddSlotPicture(Content& content, assets::SlotKind kind, int number, int part, Picture picture);

// The generators, one per kind of content.
void AddTextures(Content& content);  // walls, floors, ceilings, doors, next-level door
void AddSprites(Content& content);   // the ten sprites with their four further pictures
void AddItems(Content& content);     // health, ammunition, key, treasures, weapon pick-ups
void AddEnemies(Content& content);   // five enemies, eleven frames each
void AddScreens(Content& content);   // the 57 screen bitmaps
void AddSounds(Content& content);    // the 50 wave sounds
void AddMusic(Content& content);     // the 20 MIDI tunes
void AddLevels(Content& content);    // game1 to game20
void AddRecords(Content& content);   // settings records and texts

Content BuildContent();

// The slot picture file: 64 x 64, rows and columns exchanged.
platform::Bytes StoredSlotPicture(const Picture& picture);
// The icon sheet `ic` with the 25 x 25 thumbnail of every slot at its tile.
Picture BuildIconSheet(const std::vector<SlotPicture>& slots);

}  // namespace starter
