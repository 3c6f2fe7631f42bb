// The App's save and load screens: eight slots in the game's configuration
// folder, each named with the level and the time played in it.
#include <cctype>

#include "game_app.h"
#include "game_draw.h"
#include "game_menu_input.h"
#include "game_save.h"
#include "platform/files.h"

namespace game {
namespace {

using namespace menu_input;

}  // namespace

std::vector<std::string> App::SlotRows() const {
  std::vector<std::string> rows;
  for (int slot = 1; slot <= kSaveSlots; ++slot) {
    const auto bytes = platform::ReadFileBytes(SaveSlotFile(save_folder_, slot), 1 << 24);
    const auto summary = bytes ? ReadSaveSummary(*bytes) : std::nullopt;
    rows.push_back(std::to_string(slot) + "  " + (summary ? SaveName(*summary) : bytes ? "DAMAGED" : "EMPTY"));
  }
  return rows;
}

void App::TickSlots(const TicInput& input) {
  if (GoesUp(input)) selection_ = (selection_ + kSaveSlots - 1) % kSaveSlots;
  if (GoesDown(input)) selection_ = (selection_ + 1) % kSaveSlots;
  if (Confirms(input)) {
    if (screen_ == AppScreen::kSaveSlots)
      SaveToSlot(selection_ + 1);
    else
      LoadFromSlot(selection_ + 1);
  } else if (GoesBack(input)) {
    Enter(AppScreen::kPause);
  }
}

void App::SaveToSlot(int slot) {
  const std::filesystem::path file = SaveSlotFile(save_folder_, slot);
  std::error_code error;
  std::filesystem::create_directories(save_folder_, error);
  if (!play_ || !platform::WriteFileAtomic(file, EncodeSave(*play_, restart_carry_))) {
    slot_message_ = "CANNOT WRITE " + file.string();
    return;
  }
  Log("saved in slot " + std::to_string(slot));
  Enter(AppScreen::kPlaying);
}

void App::LoadFromSlot(int slot) {
  const auto bytes = platform::ReadFileBytes(SaveSlotFile(save_folder_, slot), 1 << 24);
  if (!bytes) {
    slot_message_ = "THE SLOT IS EMPTY";
    return;
  }
  std::string problem;
  PlayerCarry level_start;
  auto loaded = DecodeSave(data_, *bytes, level_start, problem);
  if (!loaded) {
    for (char& c : problem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    slot_message_ = problem;
    return;
  }
  play_ = std::move(loaded);
  play_->set_controls(options_.controls);
  restart_level_ = play_->level();
  restart_carry_ = level_start;
  Log("loaded slot " + std::to_string(slot) + ": level " + std::to_string(play_->level()));
  Enter(AppScreen::kPlaying);
}

void App::DrawSlots(FrameBuffer& frame) {
  FillRect(frame, 0, 0, frame.width, frame.height, Rgb(20, 16, 14));
  const ScreenPlacement at = PlaceScreen(frame);
  const std::string title = screen_ == AppScreen::kSaveSlots ? "SAVE GAME" : "LOAD GAME";
  DrawText(frame, title, at.x + (160 - TextWidth(title)) * at.scale, at.y + 10 * at.scale, 2 * at.scale,
           Rgb(240, 160, 60));
  const std::vector<std::string> rows = SlotRows();
  for (int k = 0; k < kSaveSlots; ++k) {
    const int y = 48 + k * 14;
    const bool chosen = k == selection_;
    if (chosen) Tint(frame, at.x + 60 * at.scale, at.y + (y - 3) * at.scale, 200 * at.scale, 13 * at.scale, Rgb(240, 160, 60), 70);
    DrawText(frame, rows[static_cast<size_t>(k)], at.x + 70 * at.scale, at.y + y * at.scale, at.scale,
             chosen ? Rgb(255, 230, 160) : Rgb(200, 190, 170));
  }
  if (!slot_message_.empty())
    DrawText(frame, slot_message_, at.x + (160 - TextWidth(slot_message_) / 2) * at.scale, at.y + 168 * at.scale,
             at.scale, Rgb(240, 90, 60));
  const std::string hint = "ARROWS CHOOSE - RETURN " + std::string(screen_ == AppScreen::kSaveSlots ? "SAVES" : "LOADS");
  DrawText(frame, hint, at.x + (160 - TextWidth(hint) / 2) * at.scale, at.y + 188 * at.scale, at.scale, Rgb(150, 140, 120));
}

}  // namespace game
