// Pictures of the texture and enemy animation dialogs over the default
// workspace that the build lays out beside the editor, written to the
// folder named by TARNWICK_SCREENSHOTS (skipped when it is not set).
#include <QPixmap>
#include <cstdlib>
#include <filesystem>

#include "config/workspace_picture_slots.h"
#include "pictures/enemy_animations_dialog.h"
#include "pictures/level_textures_dialog.h"
#include "pictures/wall_textures_dialog.h"
#include "tests/gui/config_dialog_fixture.h"

namespace {

class PictureDialogScreenshots : public testing_support::ConfigDialogTest {
 protected:
  void SetUp() override {
    if (std::getenv("TARNWICK_SCREENSHOTS") == nullptr) GTEST_SKIP() << "TARNWICK_SCREENSHOTS not set";
    const auto starter = std::filesystem::path(TARNWICK_EDITOR).parent_path() / "twksys";
    if (!std::filesystem::exists(starter / "ic")) GTEST_SKIP() << "no default workspace at " << starter;
    std::filesystem::copy(
        starter, home / "twksys",
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  }

  void Snap(QDialog& dialog, const char* name) {
    dialog.show();
    const QString path = QString(std::getenv("TARNWICK_SCREENSHOTS")) + "/" + name + ".png";
    EXPECT_TRUE(dialog.grab().save(path)) << path.toStdString();
  }

  config::WorkspacePictureSlots real{workspace, prompter};
  config::DialogContext real_context{workspace, prompter, real};
};

TEST_F(PictureDialogScreenshots, WallTextures) {
  config::WallAnimSettings settings;
  settings.animate[0] = settings.animate[3] = true;
  settings.speed = 25;
  config::SaveWallAnimSettings(workspace, settings, prompter);
  assets::WallTexturesDialog dialog(nullptr, real_context);
  Snap(dialog, "wall_textures");
}

TEST_F(PictureDialogScreenshots, DoorTextures) {
  assets::DoorTexturesDialog dialog(nullptr, real_context);
  Snap(dialog, "door_textures");
}

TEST_F(PictureDialogScreenshots, FloorAndCeilingTextures) {
  assets::FloorCeilingDialog dialog(nullptr, real_context);
  Snap(dialog, "floor_ceiling_textures");
}

TEST_F(PictureDialogScreenshots, EnemyAnimations) {
  assets::EnemyAnimationsDialog dialog(nullptr, real_context);
  Snap(dialog, "enemy_animations");
}

}  // namespace
