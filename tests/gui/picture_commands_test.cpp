// The picture commands of the main window: the texture and enemy animation
// dialogs open from their menu commands, and every picture they or the
// next-level door and key commands store shows at once in the palette and
// on the map.
#include "assets/icon_sheet.h"
#include "kit/qt_picture.h"
#include "shell/command_numbers.h"
#include "tests/gui/editor_fixture.h"
#include "world/cell_codes.h"
#include "world/map_geometry.h"

using testing_support::EditorTest;
using testing_support::WhenModal;

namespace {

constexpr int kDoorButton = 338;
constexpr int kNextLevelDoorButton = 339;
constexpr int kKeyButton = 219;

const assets::Rgb kGreen{0, 255, 0};
const assets::Rgb kRed{200, 0, 0};
const assets::Rgb kWhite{255, 255, 255};

class PictureCommandsTest : public EditorTest {
 protected:
  // A 64 by 64 picture file on a green background with a red square in the middle.
  std::filesystem::path GreenPicture() {
    assets::Picture picture(64, 64, kGreen);
    for (int y = 22; y < 42; ++y)
      for (int x = 22; x < 42; ++x) picture.set(x, y, kRed);
    folder.Write("picture.bmp", assets::EncodeBmp24(picture));
    return folder / "picture.bmp";
  }

  // The colour of a palette button's picture at (x, y).
  assets::Rgb ButtonAt(int control, int x, int y) {
    auto* button = dynamic_cast<kit::ImageButton*>(Control(control));
    EXPECT_NE(button, nullptr) << control;
    if (button == nullptr) return {};
    const QColor c = button->Picture().pixelColor(x, y);
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue())};
  }

  // Puts `code` into a cell of the map view; gives where the cell is drawn.
  world::CellUnderCursor Place(int code) {
    const world::CellUnderCursor cell = world::CellAt(112, 112, State().scroll);
    Grid().at(cell.block_x - 1, cell.block_y - 1) = world::CellByteOf(code);
    window->RedrawMap();
    return cell;
  }
};

TEST_F(PictureCommandsTest, EachPictureCommandOpensItsDialogOverTheMainWindow) {
  const std::pair<int, const char*> commands[] = {
      {app::command::kImportWallTextures, "Wall Textures"},
      {app::command::kImportDoorTextures, "Door Textures"},
      {app::command::kImportFloorCeiling, "Floor and Ceiling Textures"},
      {app::command::kEnemyAnimations, "Enemy Animations"},
  };
  for (const auto& [command, title] : commands) {
    SCOPED_TRACE(title);
    QString seen;
    QWidget* over = nullptr;
    WhenModal([&](QDialog* dialog) {
      seen = dialog->windowTitle();
      over = dialog->parentWidget();
      dialog->findChild<QPushButton*>("close")->click();
    });
    window->Dispatch(command);
    EXPECT_EQ(seen, title);
    EXPECT_EQ(over, window.get());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
  // Only the wall dialog reads and writes the wall animation settings.
  EXPECT_EQ(prompter.shown, (std::vector<platform::Message>{{"cannot load Wall Anim Settings", "Error"}}));
  EXPECT_EQ(platform::Workspace(folder.path()).FileSize("wasettings"), 44);
}

TEST_F(PictureCommandsTest, ADoorTextureOfTheCurrentLevelShowsOnThePaletteWhileTheDialogIsOpen) {
  prompter.files.push_back(GreenPicture());
  assets::Rgb door_in_dialog;
  WhenModal([&](QDialog* dialog) {
    dialog->findChild<QAbstractButton*>("doortex1")->click();
    door_in_dialog = ButtonAt(kDoorButton, 1, 1);
    dialog->findChild<QPushButton*>("close")->click();
  });
  window->Dispatch(app::command::kImportDoorTextures);
  EXPECT_EQ(door_in_dialog, kGreen);  // a door texture is not keyed
  EXPECT_EQ(ButtonAt(kDoorButton, 12, 12), kRed);
  const auto door = Place(world::kDoorCode);
  EXPECT_EQ(window->MapPicture().at(door.x + 1, door.y + 1), kGreen);
}

TEST_F(PictureCommandsTest, TheNextLevelDoorKeepsItsBackgroundAndTheKeyIsKeyedToWhite) {
  const auto key = Place(world::kKeyCode);
  prompter.files.push_back(GreenPicture());
  window->Dispatch(app::command::kImportNextLevelDoor);
  prompter.files.push_back(GreenPicture());
  window->Dispatch(app::command::kImportKey);

  ASSERT_EQ(prompter.requests.size(), 2u);
  EXPECT_EQ(prompter.requests[0].title, "import bitmap");
  EXPECT_EQ(ButtonAt(kNextLevelDoorButton, 1, 1), kGreen);
  EXPECT_EQ(ButtonAt(kKeyButton, 1, 1), kWhite);
  EXPECT_EQ(ButtonAt(kKeyButton, 12, 12), kRed);
  EXPECT_EQ(window->MapPicture().at(key.x + 1, key.y + 1), kWhite);
  EXPECT_EQ(window->MapPicture().at(key.x + 12, key.y + 12), kRed);
  const auto sheet = assets::LoadIconSheet(platform::Workspace(folder.path()));
  ASSERT_TRUE(sheet.has_value());
  EXPECT_EQ(sheet->at(75 + 1, 0 + 1), kGreen);
  EXPECT_EQ(sheet->at(50 + 1, 75 + 1), kWhite);
  EXPECT_EQ(prompter.shown, std::vector<platform::Message>{});
}

TEST_F(PictureCommandsTest, ACancelledNextLevelDoorOrKeyChangesNothing) {
  const auto before = window->Thumbnails().Of(world::kKeyCode)->pixels;
  window->Dispatch(app::command::kImportNextLevelDoor);
  window->Dispatch(app::command::kImportKey);
  EXPECT_EQ(prompter.requests.size(), 2u);
  EXPECT_FALSE(platform::Workspace(folder.path()).Exists("specialdoor"));
  EXPECT_FALSE(platform::Workspace(folder.path()).Exists("key"));
  EXPECT_EQ(window->Thumbnails().Of(world::kKeyCode)->pixels, before);
}

}  // namespace
