// The Import Weapons dialog on the offscreen platform.
#include "settings/weapons_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/gui/config_dialog_fixture.h"

namespace {

using testing_support::Child;
using Messages = std::vector<platform::Message>;

class WeaponsDialogTest : public testing_support::ConfigDialogTest {
 protected:
  config::WeaponSettings Stored() {
    config::WeaponSettings s = config::Defaults(config::kWeaponSettingsRecord);
    s.can_shoot = {true, false, true, true, true, true};
    s.start_ammo = {10, 0, 30, 40, 50, 60};
    s.show_bullet = {false, true, false, false, false, false};
    s.weapon_key = 59;
    return s;
  }
  void Store() {
    home.Write("twksys/weaponsettings", config::Encode(config::kWeaponSettingsRecord, Stored()));
  }
};

TEST_F(WeaponsDialogTest, AMissingFileShowsTheDefaultsUnderTheCanShootRule) {
  config::WeaponsDialog dialog(nullptr, context);
  EXPECT_EQ(dialog.windowTitle(), "Import Weapons");
  for (const char* n : {"1", "6"}) {
    SCOPED_TRACE(n);
    const std::string id(n);
    EXPECT_EQ(Child<QLineEdit>(&dialog, ("repetition" + id).c_str())->text(), "5");
    EXPECT_EQ(Child<QLineEdit>(&dialog, ("power" + id).c_str())->text(), "5");
    auto* start = Child<QLineEdit>(&dialog, ("startAmmo" + id).c_str());
    auto* max = Child<QLineEdit>(&dialog, ("maxAmmo" + id).c_str());
    EXPECT_EQ(start->text(), "0");
    EXPECT_EQ(max->text(), "1");
    EXPECT_FALSE(start->isEnabled());
    EXPECT_FALSE(max->isEnabled());
  }
  EXPECT_EQ(Child<QComboBox>(&dialog, "weaponKey")->currentText(), "= empty");
  EXPECT_TRUE(Shown().empty());
}

TEST_F(WeaponsDialogTest, ClearingCanShootSetsStartZeroMaxOneAndKeepsShowBullet) {
  Store();
  config::WeaponsDialog dialog(nullptr, context);
  dialog.show();
  auto* can_shoot = Child<QCheckBox>(&dialog, "canShoot3");
  auto* start = Child<QLineEdit>(&dialog, "startAmmo3");
  auto* max = Child<QLineEdit>(&dialog, "maxAmmo3");
  auto* bullet = Child<QCheckBox>(&dialog, "showBullet3");
  bullet->setChecked(true);
  EXPECT_EQ(start->text(), "30");
  EXPECT_TRUE(start->isEnabled());

  QTest::mouseClick(can_shoot, Qt::LeftButton);
  EXPECT_FALSE(can_shoot->isChecked());
  EXPECT_EQ(start->text(), "0");
  EXPECT_EQ(max->text(), "1");
  EXPECT_FALSE(start->isEnabled());
  EXPECT_FALSE(max->isEnabled());
  EXPECT_FALSE(bullet->isEnabled());
  EXPECT_TRUE(bullet->isChecked());

  QTest::mouseClick(can_shoot, Qt::LeftButton);
  EXPECT_TRUE(start->isEnabled());
  EXPECT_TRUE(bullet->isEnabled());
  EXPECT_EQ(start->text(), "0");

  // Weapon 2 cannot shoot: its kept bullet state is saved as it is.
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const auto bytes = *workspace.Read("weaponsettings");
  ASSERT_EQ(bytes.size(), 38u);
  EXPECT_EQ(bytes[18 + 2], 0);  // weapon 3 start ammunition
  EXPECT_EQ(bytes[24 + 2], 1);  // weapon 3 maximum
  EXPECT_EQ(bytes[30], 59);
  EXPECT_EQ(bytes[32 + 1], 1);
  EXPECT_EQ(bytes[32 + 2], 1);
}

TEST_F(WeaponsDialogTest, OnlyWeaponOnesStartAmmunitionTakesAnyText) {
  Store();
  config::WeaponsDialog dialog(nullptr, context);
  dialog.show();
  auto* first = Child<QLineEdit>(&dialog, "startAmmo1");
  auto* fourth = Child<QLineEdit>(&dialog, "startAmmo4");
  first->clear();
  fourth->clear();
  QTest::keyClicks(first, "-5x");
  QTest::keyClicks(fourth, "-5x");
  EXPECT_EQ(first->text(), "-5x");
  EXPECT_EQ(fourth->text(), "5");
}

TEST_F(WeaponsDialogTest, OutOfRangeIsReportedAndTheDialogStaysOpen) {
  Store();
  config::WeaponsDialog dialog(nullptr, context);
  dialog.show();
  Child<QLineEdit>(&dialog, "maxAmmo4")->setText("100");
  Child<QPushButton>(&dialog, "use")->click();
  EXPECT_EQ(Shown(), (Messages{{"Weapon- Settings out of range", "Error"}}));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(config::Load(config::kWeaponSettingsRecord, workspace, prompter), Stored());
}

TEST_F(WeaponsDialogTest, APictureButtonImportsAndReloadsTheLastSavedValues) {
  Store();
  config::WeaponsDialog dialog(nullptr, context);
  dialog.show();
  const int thumbnails_before = pictures.thumbnails_taken;
  Child<QLineEdit>(&dialog, "power4")->setText("9");
  Child<QComboBox>(&dialog, "weaponKey")->setCurrentIndex(3);
  Child<QCheckBox>(&dialog, "canShoot5")->click();

  Child<QPushButton>(&dialog, "weapon4sprite")->click();
  ASSERT_EQ(pictures.imports.size(), 1u);
  EXPECT_EQ(pictures.imports[0], (std::pair<std::string, int>{"weapon4sprite", 203}));
  EXPECT_EQ(pictures.thumbnails_taken, thumbnails_before + 6);
  EXPECT_EQ(Child<QLineEdit>(&dialog, "power4")->text(), "5");
  EXPECT_EQ(Child<QComboBox>(&dialog, "weaponKey")->currentIndex(), 59);
  EXPECT_TRUE(Child<QCheckBox>(&dialog, "canShoot5")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(&dialog, "startAmmo5")->text(), "50");
  EXPECT_FALSE(Child<QLineEdit>(&dialog, "startAmmo2")->isEnabled());
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
