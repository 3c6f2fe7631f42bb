// The Import Sprites dialog on the offscreen platform.
#include "settings/sprites_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "tests/gui/config_dialog_fixture.h"

namespace {

using testing_support::Child;
using Messages = std::vector<platform::Message>;

class SpritesDialogTest : public testing_support::ConfigDialogTest {};

TEST_F(SpritesDialogTest, ANewWorkspaceGetsTheDefaultRecord) {
  config::SpritesDialog dialog(nullptr, context);
  EXPECT_EQ(dialog.windowTitle(), "Import Sprites");
  EXPECT_TRUE(Child<QCheckBox>(&dialog, "collision1")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(&dialog, "endurance10")->text(), "0");
  EXPECT_FALSE(Child<QCheckBox>(&dialog, "shootThrough5")->isChecked());
  EXPECT_EQ(workspace.FileSize("spritesettings"), 30);
  EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 52);  // 50 pictures, use, cancel
  EXPECT_NE(dialog.findChild<QPushButton*>("sprite10e"), nullptr);
}

TEST_F(SpritesDialogTest, ClearingCollisionDisablesTheOthersButTheirValuesAreSaved) {
  config::SpritesDialog dialog(nullptr, context);
  dialog.show();
  Child<QLineEdit>(&dialog, "endurance4")->setText("-1");
  Child<QCheckBox>(&dialog, "shootThrough4")->setChecked(true);
  Child<QCheckBox>(&dialog, "collision4")->click();
  EXPECT_FALSE(Child<QLineEdit>(&dialog, "endurance4")->isEnabled());
  EXPECT_FALSE(Child<QCheckBox>(&dialog, "shootThrough4")->isEnabled());
  EXPECT_TRUE(Child<QLineEdit>(&dialog, "endurance5")->isEnabled());

  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const auto bytes = *workspace.Read("spritesettings");
  ASSERT_EQ(bytes.size(), 30u);
  EXPECT_EQ(bytes[3], 0);
  EXPECT_EQ(bytes[13], 255);
  EXPECT_EQ(bytes[23], 1);

  config::SpritesDialog again(nullptr, context);
  EXPECT_EQ(Child<QLineEdit>(&again, "endurance4")->text(), "-1");
  EXPECT_FALSE(Child<QLineEdit>(&again, "endurance4")->isEnabled());
}

TEST_F(SpritesDialogTest, EnduranceAboveTenIsReported) {
  config::SpritesDialog dialog(nullptr, context);
  dialog.show();
  Child<QLineEdit>(&dialog, "endurance2")->setText("11");
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(Shown(), (Messages{{"Sprite- Settings out of range", "Error"}}));
  EXPECT_TRUE(dialog.isVisible());
  Child<QLineEdit>(&dialog, "endurance2")->setText("10");
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SpritesDialogTest, APictureButtonImportsItsSlotAndThrowsAwayUnsavedEdits) {
  config::SpritesDialog dialog(nullptr, context);
  dialog.show();
  Child<QLineEdit>(&dialog, "endurance7")->setText("9");
  Child<QCheckBox>(&dialog, "collision8")->click();
  Child<QPushButton>(&dialog, "sprite2d")->click();
  Child<QPushButton>(&dialog, "sprite10")->click();
  EXPECT_EQ(pictures.imports,
            (std::vector<std::pair<std::string, int>>{{"sprite2d", 4006}, {"sprite10", 54}}));
  EXPECT_EQ(Child<QLineEdit>(&dialog, "endurance7")->text(), "0");
  EXPECT_TRUE(Child<QCheckBox>(&dialog, "collision8")->isChecked());
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
