// The main window's editing commands: undo and redo, the selection and the
// clipboard, the shapes, the zoom, and what the map view shows of them.
#include <QAction>

#include "kit/qt_picture.h"
#include "map/map_view.h"
#include "map/tool_palette_widget.h"
#include "shell/main_window.h"
#include "shell/recovery_upkeep.h"
#include "world/area_tools.h"
#include "world/cell_codes.h"
#include "world/cell_names.h"
#include "world/level_edits.h"
#include "world/map_picture.h"

namespace app {

namespace {

// Past this many changed cells one full redraw is cheaper than drawing each.
constexpr size_t kCellsForFullRedraw = 512;

}  // namespace

void MainWindow::ZoomThumbnails() {
  zoomed_ = world::ScaledThumbnails(thumbnails_, state_.cell_pixels);
  for (size_t code = 0; code < zoomed_images_.size(); ++code)
    zoomed_images_[code] =
        zoomed_.by_code[code].empty() ? QImage() : platform::ToQImage(zoomed_.by_code[code]);
}

void MainWindow::DrawCells(std::span<const world::GridPoint> cells) {
  const int cell = state_.cell_pixels;
  for (const world::GridPoint p : cells)
    if (world::RedrawCell(state_.level.grid, state_.scroll, zoomed_, map_->Picture(), p, cell)) {
      const world::PixelPoint at = world::CellPixel(state_.scroll, p, cell);
      map_->UpdateArea(at.x, at.y, cell, cell);
    }
}

void MainWindow::ShowChanges(std::span<const world::CellChange> changed) {
  if (changed.size() > kCellsForFullRedraw) return RedrawMap();
  std::vector<world::GridPoint> cells;
  cells.reserve(changed.size());
  for (const world::CellChange& c : changed) cells.push_back({c.column, c.row});
  DrawCells(cells);
}

void MainWindow::EditsChanged() {
  UpdateTitle();
  RefreshActions();
  recovery_->Edited();
}

void MainWindow::GridEdited(const world::LevelGrid& before) {
  ShowChanges(world::CommitEdit(state_.level, before));
  EditsChanged();
}

void MainWindow::Undo() {
  world::FinishEdit(state_.tools, state_.level);
  ShowChanges(world::UndoEdit(state_.level));
  EditsChanged();
}

void MainWindow::Redo() {
  world::FinishEdit(state_.tools, state_.level);
  ShowChanges(world::RedoEdit(state_.level));
  EditsChanged();
}

void MainWindow::Copy() {
  world::CopySelection(state_.tools, state_.level.grid, state_.clipboard);
  RefreshActions();
}

void MainWindow::Cut() {
  if (!world::CopySelection(state_.tools, state_.level.grid, state_.clipboard)) return;
  DeleteSelection();
}

void MainWindow::DeleteSelection() {
  ShowChanges(world::DeleteSelection(state_.tools, state_.level));
  EditsChanged();
}

void MainWindow::SelectAll() {
  world::SelectAll(state_.tools);
  ShowToolOverlay();
}

// The paste hangs at the cell under the cursor, or at the map's top left.
void MainWindow::Paste() {
  const world::GridPoint at = state_.mouse_x >= world::kPaletteWidth
                                  ? world::GridPoint{state_.cell.block_x - 1, state_.cell.block_y - 1}
                                  : world::GridPoint{state_.scroll.column - 1, state_.scroll.row - 1};
  if (!world::StartPaste(state_.tools, state_.clipboard, at)) return;
  state_.tools.tool_code.reset();
  map_->SetHanging(nullptr);
  ShowToolOverlay();
}

void MainWindow::TransformSelection(world::CellBlock (*transform)(const world::CellBlock&)) {
  ShowChanges(world::TransformSelection(state_.tools, state_.level, transform));
  EditsChanged();
  ShowToolOverlay();
}

void MainWindow::SetShape(world::Shape shape) {
  state_.tools.shape = shape;
  RefreshActions();
}

void MainWindow::Escape() {
  world::ToolState& tools = state_.tools;
  if (tools.floating) {
    tools.floating.reset();
  } else if (tools.tool_code) {
    if (state_.mouse_x > world::kPaletteWidth) DropTool();
  } else {
    tools.selection.reset();
  }
  ShowToolOverlay();
}

void MainWindow::ZoomTo(int cell) {
  cell = std::clamp(cell, world::kMinCellPixels, world::kMaxCellPixels);
  if (cell == state_.cell_pixels) return;
  // The last position the map saw counts only while the cursor is still over it.
  const bool over_map = map_->CursorOver() && state_.mouse_x >= world::kPaletteWidth;
  const int dx = over_map ? state_.mouse_x - world::kPaletteWidth : 0;
  const int dy = over_map ? state_.mouse_y : 0;
  world::ZoomAbout(state_.scroll, dx, dy, state_.cell_pixels, cell);
  state_.cell_pixels = cell;
  ZoomThumbnails();
  map_->SetGridLines(state_.grid_lines ? cell : 0);
  RedrawMap();
}

void MainWindow::ZoomWholeLevel() {
  const assets::Picture& map = map_->Picture();
  state_.scroll = {1, 1};
  ZoomTo(world::WholeLevelCellPixels({map.width, map.height}));
  RedrawMap();
}

void MainWindow::ToggleGridLines() {
  state_.grid_lines = !state_.grid_lines;
  map_->SetGridLines(state_.grid_lines ? state_.cell_pixels : 0);
  RefreshActions();
}

void MainWindow::ShowToolOverlay() {
  const world::ToolState& tools = state_.tools;
  const int cell = state_.cell_pixels;
  const auto pixels = [&](world::GridRect r) {
    const world::PixelPoint at = world::CellPixel(state_.scroll, {r.left, r.top}, cell);
    return QRect(at.x, at.y, r.Width() * cell, r.Height() * cell);
  };
  map_->SetSelection(tools.selection && !tools.floating ? pixels(*tools.selection) : QRect());
  std::vector<world::MapView::PreviewTile> tiles;
  const auto add_tile = [&](world::GridPoint p, uint8_t byte) {
    const int code = world::CellCodeOf(byte);
    if (code < 0 || code >= world::MapThumbnails::kCodes ||
        zoomed_images_[static_cast<size_t>(code)].isNull())
      return;
    const world::PixelPoint at = world::CellPixel(state_.scroll, p, cell);
    tiles.push_back({QPoint(at.x, at.y), zoomed_images_[static_cast<size_t>(code)]});
  };
  QRect outline;
  if (tools.floating) {
    const world::CellBlock& block = *tools.floating;
    for (int y = 0; y < block.height; ++y)
      for (int x = 0; x < block.width; ++x)
        add_tile({tools.paste_at.x + x, tools.paste_at.y + y}, block.at(x, y));
    outline = pixels({tools.paste_at.x, tools.paste_at.y, tools.paste_at.x + block.width - 1,
                      tools.paste_at.y + block.height - 1});
  } else if (const auto cells = world::ShapePreview(tools); !cells.empty()) {
    for (const world::GridPoint p : cells) add_tile(p, world::CellByteOf(*tools.tool_code));
    outline = pixels(world::RectOf(*tools.drag_from, tools.drag_to));
  }
  map_->SetPreview(std::move(tiles), outline);
  palette_->SetHeld(tools.tool_code ? world::ControlOfToolCode(*tools.tool_code) : std::nullopt);
  RefreshActions();
}

void MainWindow::ShowHover(std::optional<world::GridPoint> cell) {
  if (status_hold_.isActive()) return;
  map_->SetStatus(cell ? QString::fromStdString(world::CellName(state_.level.grid.at(cell->x, cell->y)))
                       : "");
}

void MainWindow::ShowStatus(const QString& text) {
  map_->SetStatus(text);
  status_hold_.start();
}

QString MainWindow::StatusText() const {
  return map_->Status();
}

std::optional<world::RecoveryRecord> MainWindow::UnsavedRecord() const {
  const world::LevelState& level = state_.level;
  if (!level.unsaved_changes) return std::nullopt;
  world::RecoveryRecord record;
  record.program_folder = workspace_.ProgramFolder();
  record.level_number = level.current_level_number;
  record.new_world = level.unsaved_world;
  record.grid = level.grid;
  return record;
}

void MainWindow::Restore(const world::RecoveryRecord& record) {
  session_.Restore(record.grid, record.level_number, record.new_world);
}

}  // namespace app
