// The Enemy Settings dialog on the offscreen platform.
#include "settings/enemy_settings_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/gui/config_dialog_fixture.h"

namespace {

using testing_support::Child;
using Messages = std::vector<platform::Message>;

class EnemySettingsDialogTest : public testing_support::ConfigDialogTest {
 protected:
  void StoreValid() {
    config::EnemySettings s;
    s.can_shoot = {true, true, true, true, true};
    s.speed = {1, 2, 3, 4, 5};
    s.endurance = {10, 10, 10, 10, 10};
    s.power = {5, 5, 5, 5, 5};
    home.Write("twksys/enemysettings", config::Encode(config::kEnemySettingsRecord, s));
  }
};

TEST_F(EnemySettingsDialogTest, CanShootIsClearedWheneverPowerReadsZero) {
  config::EnemySettingsDialog dialog(nullptr, context);
  EXPECT_EQ(dialog.windowTitle(), "Enemy Settings");
  dialog.show();
  // Power box empty: a tick is taken back at once.
  auto* can_shoot = Child<QCheckBox>(&dialog, "canShoot2");
  can_shoot->click();
  EXPECT_FALSE(can_shoot->isChecked());

  auto* power = Child<QLineEdit>(&dialog, "power2");
  QTest::keyClicks(power, "7");
  can_shoot->click();
  EXPECT_TRUE(can_shoot->isChecked());
  // Typing power 0 takes it back again.
  power->clear();
  QTest::keyClicks(power, "0");
  EXPECT_FALSE(can_shoot->isChecked());
  EXPECT_TRUE(Shown().empty());
}

TEST_F(EnemySettingsDialogTest, NumberBoxesTakeDigitsOnly) {
  config::EnemySettingsDialog dialog(nullptr, context);
  dialog.show();
  auto* speed = Child<QLineEdit>(&dialog, "speed1");
  QTest::keyClicks(speed, "1a-2");
  EXPECT_EQ(speed->text(), "12");
}

TEST_F(EnemySettingsDialogTest, LoadsTheFileAndPowerZeroIsSavedWithoutCanShoot) {
  StoreValid();
  config::EnemySettingsDialog dialog(nullptr, context);
  EXPECT_TRUE(Child<QCheckBox>(&dialog, "canShoot3")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(&dialog, "speed4")->text(), "4");
  Child<QLineEdit>(&dialog, "power3")->setText("0");
  dialog.show();
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const auto bytes = *workspace.Read("enemysettings");
  ASSERT_EQ(bytes.size(), 20u);
  EXPECT_EQ(bytes[2], 0);
  EXPECT_EQ(bytes[17], 0);
  EXPECT_EQ(bytes[3], 1);
}

TEST_F(EnemySettingsDialogTest, OutOfRangeKeepsTheDialogOpen) {
  StoreValid();
  config::EnemySettingsDialog dialog(nullptr, context);
  Child<QLineEdit>(&dialog, "speed5")->setText("13");
  dialog.show();
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(Shown(), (Messages{{"Speed- Settings out of range", "Error"}}));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(config::Load(config::kEnemySettingsRecord, workspace, prompter)->speed[4], 5);
}

TEST_F(EnemySettingsDialogTest, AMissingFileOpensEmptyAndUseFails) {
  config::EnemySettingsDialog dialog(nullptr, context);
  EXPECT_EQ(Child<QLineEdit>(&dialog, "endurance1")->text(), "");
  dialog.show();
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(Shown(), (Messages{{"Speed- Settings out of range", "Error"}}));
  EXPECT_FALSE(workspace.Exists("enemysettings"));
}

}  // namespace
