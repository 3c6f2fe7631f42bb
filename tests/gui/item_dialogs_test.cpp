// The Import Treasures and Size of Ammo- and Healthpacks dialogs on the offscreen platform.
#include <QLineEdit>
#include <QPushButton>

#include "settings/packs_dialog.h"
#include "settings/treasures_dialog.h"
#include "tests/gui/config_dialog_fixture.h"

namespace {

using testing_support::Child;
using Messages = std::vector<platform::Message>;
using Imports = std::vector<std::pair<std::string, int>>;

class TreasuresDialogTest : public testing_support::ConfigDialogTest {};
class PacksDialogTest : public testing_support::ConfigDialogTest {};

TEST_F(TreasuresDialogTest, ShowsDefaultsAndSavesFiveIntegers) {
  config::TreasuresDialog dialog(nullptr, context);
  EXPECT_EQ(dialog.windowTitle(), "Import Treasures");
  EXPECT_EQ(Child<QLineEdit>(&dialog, "points1")->text(), "1000");
  dialog.show();
  Child<QLineEdit>(&dialog, "points2")->setText("9000");
  Child<QLineEdit>(&dialog, "points5")->setText("1");
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(config::Load(config::kTreasureSettingsRecord, workspace, prompter)->points,
            (std::array<int64_t, 5>{1000, 9000, 1000, 1000, 1}));
}

TEST_F(TreasuresDialogTest, AValueOutOfRangeIsReportedAndTheDialogStaysOpen) {
  for (const char* typed : {"0", "9001", "lots"}) {
    SCOPED_TRACE(typed);
    prompter.shown.clear();
    config::TreasuresDialog dialog(nullptr, context);
    dialog.show();
    Child<QLineEdit>(&dialog, "points3")->setText(typed);
    Child<QPushButton>(&dialog, "use")->click();
    EXPECT_EQ(Shown(), (Messages{{"Treasure- Settings out of range", "Error"}}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(workspace.Exists("Treasuresettings"));
  }
}

TEST_F(TreasuresDialogTest, APictureButtonReloadsTheLastSavedPoints) {
  config::TreasureSettings stored;
  stored.points = {10, 20, 30, 40, 50};
  home.Write("twksys/Treasuresettings", config::Encode(config::kTreasureSettingsRecord, stored));
  config::TreasuresDialog dialog(nullptr, context);
  dialog.show();
  Child<QLineEdit>(&dialog, "points4")->setText("77");
  Child<QPushButton>(&dialog, "Treasure4sprite")->click();
  EXPECT_EQ(pictures.imports, (Imports{{"Treasure4sprite", 303}}));
  EXPECT_EQ(Child<QLineEdit>(&dialog, "points4")->text(), "40");
}

TEST_F(PacksDialogTest, ShowsDefaultsAndSavesThePairThreeTimes) {
  config::PacksDialog dialog(nullptr, context);
  EXPECT_EQ(dialog.windowTitle(), "Size of Ammo- and Healthpacks");
  EXPECT_EQ(Child<QLineEdit>(&dialog, "ammoSize")->text(), "15");
  EXPECT_EQ(Child<QLineEdit>(&dialog, "healthSize")->text(), "15");
  dialog.show();
  Child<QLineEdit>(&dialog, "ammoSize")->setText("99");
  Child<QLineEdit>(&dialog, "healthSize")->setText("100");
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(*workspace.Read("ammohealthsettings"), (platform::Bytes{99, 100, 99, 100, 99, 100}));
}

TEST_F(PacksDialogTest, SizesOutOfRangeAreReported) {
  for (const auto& [ammo, health] : {std::pair{"100", "50"}, {"50", "101"}, {"0", "50"}, {"50", "0"}}) {
    SCOPED_TRACE(std::string(ammo) + "/" + health);
    prompter.shown.clear();
    config::PacksDialog dialog(nullptr, context);
    dialog.show();
    Child<QLineEdit>(&dialog, "ammoSize")->setText(ammo);
    Child<QLineEdit>(&dialog, "healthSize")->setText(health);
    Child<QPushButton>(&dialog, "use")->click();
    EXPECT_EQ(Shown(), (Messages{{"Ammo or Health- Settings out of range", "Error"}}));
    EXPECT_TRUE(dialog.isVisible());
  }
  EXPECT_FALSE(workspace.Exists("ammohealthsettings"));
}

TEST_F(PacksDialogTest, PictureButtonsReloadTheLastSavedSizes) {
  home.Write("twksys/ammohealthsettings", platform::Bytes{20, 50, 7, 7, 7, 7});
  config::PacksDialog dialog(nullptr, context);
  dialog.show();
  EXPECT_EQ(Child<QLineEdit>(&dialog, "ammoSize")->text(), "20");
  EXPECT_EQ(Child<QLineEdit>(&dialog, "healthSize")->text(), "50");
  Child<QLineEdit>(&dialog, "ammoSize")->setText("33");
  Child<QPushButton>(&dialog, "ammo")->click();
  EXPECT_EQ(Child<QLineEdit>(&dialog, "ammoSize")->text(), "20");
  Child<QLineEdit>(&dialog, "healthSize")->setText("44");
  Child<QPushButton>(&dialog, "food")->click();
  EXPECT_EQ(Child<QLineEdit>(&dialog, "healthSize")->text(), "50");
  EXPECT_EQ(pictures.imports, (Imports{{"ammo", 29}, {"food", 28}}));
}

}  // namespace
