// The texture and enemy animation dialogs on the offscreen platform: their
// buttons in place, imports through the picture slots, the thumbnails built
// again after every press, and the wall animation settings.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "assets/icon_sheet.h"
#include "assets/picture_loader.h"
#include "config/workspace_picture_slots.h"
#include "kit/image_button.h"
#include "pictures/enemy_animations_dialog.h"
#include "pictures/level_textures_dialog.h"
#include "pictures/wall_textures_dialog.h"
#include "tests/gui/config_dialog_fixture.h"

namespace {

using testing_support::Child;
using Messages = std::vector<platform::Message>;
using Imports = std::vector<std::pair<std::string, int>>;

platform::Bytes Int32s(std::initializer_list<int32_t> values) {
  platform::Bytes out;
  for (const int32_t v : values) {
    const auto u = static_cast<uint32_t>(v);
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(u >> (8 * k)));
  }
  return out;
}

QRgb Rgb(assets::Rgb c) {
  return qRgb(c.r, c.g, c.b);
}

// Where the button of `slot` stands in the dialog.
QPoint PlaceOf(assets::PictureDialog& dialog, const std::string& slot) {
  return dialog.Button(slot)->mapTo(&dialog, QPoint(0, 0));
}

int Sign(int value) {
  return (value > 0) - (value < 0);
}

// The colour the dialog shows at (x, y) of the button of `slot`.
QRgb ShownOn(assets::PictureDialog& dialog, const std::string& slot, int x, int y) {
  return dialog.grab().toImage().pixel(PlaceOf(dialog, slot) + QPoint(x, y));
}

class PictureDialogTest : public testing_support::ConfigDialogTest {
 protected:
  // A 64 by 64 picture file of `background` with a 20 by 20 square of
  // `middle` at (22, 22).
  std::filesystem::path PictureFile(const char* name, assets::Rgb background, assets::Rgb middle) {
    assets::Picture picture(64, 64, background);
    for (int y = 22; y < 42; ++y)
      for (int x = 22; x < 42; ++x) picture.set(x, y, middle);
    home.Write(name, assets::EncodeBmp24(picture));
    return home / name;
  }

  // The stored picture of a slot, as written (rows and columns exchanged).
  assets::Picture Stored(const std::string& slot) {
    const auto picture = assets::LoadPicture(workspace.PathOf(slot));
    EXPECT_EQ(picture.width, 64) << slot;
    return picture.width == 64 ? picture : assets::Picture(64, 64);
  }

  assets::Rgb SheetAt(int x, int y) { return assets::LoadIconSheet(workspace)->at(x, y); }

  platform::Bytes WallSettings() { return workspace.Read("wasettings").value_or(platform::Bytes{}); }
};

// The real slots of the workspace, with a palette refresh that is counted.
class WorkspacePictureDialogTest : public PictureDialogTest {
 protected:
  int refreshed = 0;
  config::WorkspacePictureSlots real{workspace, prompter, [this] { ++refreshed; }};
  config::DialogContext real_context{workspace, prompter, real};
};

TEST_F(PictureDialogTest, EveryDialogHasItsTitleSizeAndButtonsInPlace) {
  struct Case {
    std::function<std::unique_ptr<assets::PictureDialog>()> make;
    QString title;
    QSize size;
    int buttons;
    std::vector<std::pair<std::string, QPoint>> places;
  };
  const Case cases[] = {
      {[&] { return std::make_unique<assets::WallTexturesDialog>(nullptr, context); },
       "Wall Textures",
       {260, 400},
       40,
       {{"tex1", {70, 65}},
        {"tex10", {70, 290}},
        {"tex12", {95, 90}},
        {"tex31", {145, 65}},
        {"tex40", {145, 290}}}},
      {[&] { return std::make_unique<assets::DoorTexturesDialog>(nullptr, context); },
       "Door Textures",
       {248, 400},
       20,
       {{"doortex1", {100, 65}},
        {"doortex10", {100, 290}},
        {"doortex11", {125, 65}},
        {"doortex20", {125, 290}}}},
      {[&] { return std::make_unique<assets::FloorCeilingDialog>(nullptr, context); },
       "Floor and Ceiling Textures",
       {248, 400},
       40,
       {{"floortex1", {40, 65}},
        {"floortex20", {65, 290}},
        {"ceiltex1", {157, 65}},
        {"ceiltex20", {182, 290}}}},
      {[&] { return std::make_unique<assets::EnemyAnimationsDialog>(nullptr, context); },
       "Enemy Animations",
       {442, 530},
       55,
       {{"walk_ene1_1", {45, 80}},
        {"walk_ene1_4", {45, 155}},
        {"shoot_ene2_2", {125, 245}},
        {"die_ene4_3", {285, 360}},
        {"die_ene5_5", {365, 410}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title.toStdString());
    const auto dialog = c.make();
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), c.title);
    EXPECT_EQ(dialog->size(), c.size);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog->findChildren<kit::ImageButton*>().size(), c.buttons);
    // Buttons of one frame stand exactly as far apart as in the table; those
    // of different frames in the same order.
    for (const auto& [slot, place] : c.places) {
      ASSERT_NE(dialog->Button(slot), nullptr) << slot;
      EXPECT_EQ(dialog->Button(slot)->size(), QSize(25, 25)) << slot;
      const auto& [first_slot, first_place] = c.places.front();
      const QPoint expected = place - first_place;
      const QPoint shown = PlaceOf(*dialog, slot) - PlaceOf(*dialog, first_slot);
      if (dialog->Button(slot)->parent() == dialog->Button(first_slot)->parent()) {
        EXPECT_EQ(shown, expected) << slot;
      } else {
        EXPECT_EQ(Sign(shown.x()), Sign(expected.x())) << slot;
        EXPECT_EQ(Sign(shown.y()), Sign(expected.y())) << slot;
      }
    }
    EXPECT_EQ(Child<QPushButton>(dialog.get(), "close")->size(), QSize(60, 20));
  }
  EXPECT_EQ(pictures.imports, Imports{});
}

TEST_F(PictureDialogTest, EachAnimateBoxStandsLevelWithItsRowOfWalls) {
  assets::WallTexturesDialog dialog(nullptr, context);
  dialog.show();
  for (int r = 1; r <= 10; ++r) {
    QWidget* box = Child<QCheckBox>(&dialog, ("animate" + std::to_string(r)).c_str());
    const int box_middle = box->mapTo(&dialog, box->rect().center()).y();
    const int row_middle = PlaceOf(dialog, "tex" + std::to_string(r)).y() + 12;
    EXPECT_NEAR(box_middle, row_middle, 1) << r;
  }
}

TEST_F(PictureDialogTest, EachButtonImportsItsOwnSlotAndAllThumbnailsAreCutAgain) {
  assets::EnemyAnimationsDialog dialog(nullptr, context);
  dialog.show();
  EXPECT_EQ(pictures.thumbnails_taken, 55);
  dialog.Button("die_ene4_3")->click();
  dialog.Button("walk_ene1_1")->click();
  dialog.Button("shoot_ene5_2")->click();
  EXPECT_EQ(pictures.imports, (Imports{{"die_ene4_3", 141}, {"walk_ene1_1", 67}, {"shoot_ene5_2", 160}}));
  // The fake stores nothing, as a cancelled requester: the dialog is built again all the same.
  EXPECT_EQ(pictures.thumbnails_taken, 4 * 55);
  EXPECT_TRUE(dialog.isVisible());
  Child<QPushButton>(&dialog, "close")->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(workspace.Exists("wasettings"));
}

TEST_F(WorkspacePictureDialogTest, AnImportedWallTextureShowsAtOnceInItsPlaceAndKeepsItsMagenta) {
  home.Write("twksys/wasettings", Int32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5}));
  assets::WallTexturesDialog dialog(nullptr, real_context);
  dialog.show();
  const assets::Rgb magenta{255, 0, 255}, blue{0, 0, 200};
  EXPECT_EQ(ShownOn(dialog, "tex12", 5, 5), qRgb(0, 0, 0));  // a new sheet is black
  prompter.files.push_back(PictureFile("wall.bmp", magenta, blue));
  dialog.Button("tex12")->click();

  EXPECT_EQ(workspace.FileSize("tex12"), 12342);
  EXPECT_EQ(Stored("tex12").at(1, 1), magenta);
  EXPECT_EQ(Stored("tex12").at(32, 32), blue);
  EXPECT_EQ(SheetAt(0 + 1, 275 + 1), magenta);
  EXPECT_EQ(refreshed, 1);
  EXPECT_EQ(ShownOn(dialog, "tex12", 1, 1), Rgb(magenta));
  EXPECT_EQ(ShownOn(dialog, "tex12", 12, 12), Rgb(blue));
  EXPECT_EQ(ShownOn(dialog, "tex1", 12, 12), qRgb(0, 0, 0));  // tex1 as it was
  EXPECT_EQ(prompter.shown, Messages{});
}

TEST_F(WorkspacePictureDialogTest, AThirdDieFrameOfEnemyFourIsKeyedToWhite) {
  assets::EnemyAnimationsDialog dialog(nullptr, real_context);
  dialog.show();
  const assets::Rgb green{0, 255, 0}, red{200, 0, 0}, white{255, 255, 255};
  prompter.files.push_back(PictureFile("enemy.bmp", green, red));
  dialog.Button("die_ene4_3")->click();

  EXPECT_EQ(Stored("die_ene4_3").at(1, 1), white);
  EXPECT_EQ(Stored("die_ene4_3").at(32, 32), red);
  EXPECT_EQ(SheetAt(225 + 1, 200 + 1), white);
  EXPECT_EQ(SheetAt(225 + 12, 200 + 12), red);
  EXPECT_EQ(ShownOn(dialog, "die_ene4_3", 1, 1), Rgb(white));
  EXPECT_EQ(ShownOn(dialog, "die_ene4_3", 12, 12), Rgb(red));
  EXPECT_EQ(workspace.FileSize("die_ene4_2"), -1);
}

TEST_F(WorkspacePictureDialogTest, ACancelledOrRefusedPictureChangesNothing) {
  home.Write("twksys/wasettings", Int32s({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5}));
  assets::WallTexturesDialog dialog(nullptr, real_context);
  dialog.show();
  // Ticks not yet saved are replaced by the file's when the controls are built again.
  Child<QCheckBox>(&dialog, "animate1")->setChecked(false);
  Child<QCheckBox>(&dialog, "animate2")->setChecked(true);
  dialog.Button("tex3")->click();  // requester cancelled
  EXPECT_TRUE(Child<QCheckBox>(&dialog, "animate1")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(&dialog, "animate2")->isChecked());

  home.Write("small.bmp", assets::EncodeBmp24(assets::Picture(31, 64, {9, 9, 9})));
  prompter.files.push_back(home / "small.bmp");
  dialog.Button("tex3")->click();
  EXPECT_EQ(prompter.shown, (Messages{{"small.bmp is too small, it must be at least 32*32", "Error"}}));
  EXPECT_EQ(prompter.requests.size(), 2u);
  EXPECT_EQ(prompter.requests[0].title, "import bitmap");
  EXPECT_FALSE(workspace.Exists("tex3"));
  EXPECT_EQ(refreshed, 0);
  EXPECT_EQ(ShownOn(dialog, "tex3", 12, 12), qRgb(0, 0, 0));
}

TEST_F(WorkspacePictureDialogTest, DoorAndFloorTexturesAreStoredUnkeyedAndNeverTouchTheWallSettings) {
  const assets::Rgb magenta{255, 0, 255}, grey{90, 90, 90};
  {
    assets::DoorTexturesDialog doors(nullptr, real_context);
    doors.show();
    prompter.files.push_back(PictureFile("door.bmp", magenta, grey));
    doors.Button("doortex11")->click();
    EXPECT_EQ(ShownOn(doors, "doortex11", 1, 1), Rgb(magenta));
    Child<QPushButton>(&doors, "close")->click();
  }
  {
    assets::FloorCeilingDialog floors(nullptr, real_context);
    floors.show();
    prompter.files.push_back(PictureFile("ceiling.bmp", magenta, grey));
    floors.Button("ceiltex20")->click();
    EXPECT_EQ(ShownOn(floors, "ceiltex20", 1, 1), Rgb(magenta));
    floors.close();
  }
  EXPECT_EQ(Stored("doortex11").at(1, 1), magenta);
  EXPECT_EQ(SheetAt(350 + 1, 250 + 1), magenta);
  EXPECT_EQ(Stored("ceiltex20").at(1, 1), magenta);
  EXPECT_EQ(SheetAt(325 + 1, 475 + 1), magenta);
  EXPECT_FALSE(workspace.Exists("wasettings"));
  EXPECT_EQ(prompter.shown, Messages{});
}

class WallAnimSettingsDialogTest : public PictureDialogTest {
 protected:
  void Close(QDialog& dialog) { Child<QPushButton>(&dialog, "close")->click(); }
  QLineEdit* Speed(QWidget& dialog) { return Child<QLineEdit>(&dialog, "speed"); }
};

TEST_F(WallAnimSettingsDialogTest, SpeedsAboveTenAreShownAndSavedAsTen) {
  const std::tuple<int32_t, const char*, int32_t> cases[] = {
      {25, "10", 10}, {0, "0", 0}, {-4, "-4", -4}, {7, "7", 7}};
  for (const auto& [stored, shown, saved] : cases) {
    SCOPED_TRACE(stored);
    home.Write("twksys/wasettings", Int32s({0, 1, 0, 0, 0, 0, 0, 0, 0, 0, stored}));
    assets::WallTexturesDialog dialog(nullptr, context);
    dialog.show();
    EXPECT_EQ(Speed(dialog)->text(), shown);
    EXPECT_TRUE(Child<QCheckBox>(&dialog, "animate2")->isChecked());
    Close(dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(WallSettings(), Int32s({0, 1, 0, 0, 0, 0, 0, 0, 0, 0, saved}));
  }
  EXPECT_EQ(Shown(), Messages{});
}

TEST_F(WallAnimSettingsDialogTest, TheTicksAndTheTypedSpeedAreSavedOnClose) {
  home.Write("twksys/wasettings", Int32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5}));
  assets::WallTexturesDialog dialog(nullptr, context);
  dialog.show();
  QTest::mouseClick(Child<QCheckBox>(&dialog, "animate1"), Qt::LeftButton);
  QTest::mouseClick(Child<QCheckBox>(&dialog, "animate10"), Qt::LeftButton);
  Speed(dialog)->clear();
  QTest::keyClicks(Speed(dialog), "-1x2.3");  // only digits are taken while typing
  EXPECT_EQ(Speed(dialog)->text(), "123");
  Close(dialog);
  EXPECT_EQ(WallSettings(), Int32s({1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 123}));
}

TEST_F(WallAnimSettingsDialogTest, AnEmptySpeedBoxIsSavedAsZero) {
  home.Write("twksys/wasettings", Int32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5}));
  assets::WallTexturesDialog dialog(nullptr, context);
  dialog.show();
  Speed(dialog)->clear();
  dialog.close();  // a close request saves like "close"
  EXPECT_EQ(WallSettings(), Int32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(WallAnimSettingsDialogTest, AMissingFileIsReportedAtEveryBuildAndCloseCreatesIt) {
  assets::WallTexturesDialog dialog(nullptr, context);
  dialog.show();
  EXPECT_EQ(Shown(), (Messages{{"cannot load Wall Anim Settings", "Error"}}));
  EXPECT_EQ(Speed(dialog)->text(), "5");
  for (int r = 1; r <= 10; ++r)
    EXPECT_FALSE(Child<QCheckBox>(&dialog, ("animate" + std::to_string(r)).c_str())->isChecked());
  dialog.Button("tex40")->click();
  EXPECT_EQ(Shown().size(), 2u);
  Close(dialog);
  EXPECT_EQ(WallSettings(), Int32s({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5}));
  EXPECT_EQ(Shown().size(), 2u);
}

TEST_F(WallAnimSettingsDialogTest, AFileThatCannotBeWrittenIsReportedAndTheDialogStillCloses) {
  std::filesystem::create_directories(home / "twksys/wasettings/inside");
  assets::WallTexturesDialog dialog(nullptr, context);
  dialog.show();
  Close(dialog);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(Shown(), (Messages{{"cannot load Wall Anim Settings", "Error"},
                               {"cannot save Wall Anim Settings", "Error"}}));
}

}  // namespace
