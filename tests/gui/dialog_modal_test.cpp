// Every dialog of the editor, opened by its command: modal over the main
// window and centred on it, at its client size, and gone again after a
// close request, which saves nothing.
#include <QApplication>
#include <QDialog>

#include "tests/gui/editor_fixture.h"

using testing_support::EditorTest;
using testing_support::WhenModal;

namespace {

struct DialogCase {
  int command;
  const char* title;
  QSize client_size;
  // False where the controls need more room than `client_size`: the dialog
  // then opens larger.
  bool fits = true;
  bool close_box = false;
};

const DialogCase kDialogs[] = {
    {201, "Load Level", {170, 129}},
    {207, "Save Level", {170, 129}},
    {206, "Replace Walls", {409, 282}},
    {181, "Info", {280, 174}},
    {5, "Wall Textures", {260, 400}},
    {26, "Door Textures", {248, 400}},
    {28, "Floor and Ceiling Textures", {248, 400}},
    {40, "Enemy Animations", {442, 530}},
    {41, "Enemy Settings", {477, 335}},
    {132, "Import Weapons", {700, 426}, false},
    {133, "Size of Ammo- and Healthpacks", {245, 227}},
    {136, "Import Treasures", {201, 305}, false},
    {138, "Import Sprites", {613, 409}},
    {150, "Import Sounds", {452, 274}},
    {309, "Set GamePak Password", {258, 140}},
    {310, "Game Settings", {480, 569}},
    {312, " ", {400, 344}, true, true},  // a blank title, not the program's name
};

TEST_F(EditorTest, EveryDialogOpensModalAndCentredOverTheMainWindow) {
  for (const DialogCase& c : kDialogs) {
    SCOPED_TRACE(c.command);
    bool seen = false;
    WhenModal([&](QDialog* dialog) {
      seen = true;
      testing_support::ExpectModalAndCentred(dialog, window.get());
      EXPECT_EQ(dialog->windowTitle(), c.title);
      if (c.fits) {
        EXPECT_EQ(dialog->size(), c.client_size);
      } else {
        EXPECT_EQ(dialog->size().expandedTo(c.client_size), dialog->size());
      }
      EXPECT_EQ(bool(dialog->windowFlags() & Qt::WindowCloseButtonHint), c.close_box);
      dialog->close();
    });
    window->Dispatch(c.command);
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window->isEnabled());
  }
  for (QWidget* top : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<QDialog*>(top), nullptr);
  const platform::Workspace workspace(folder.path());
  for (const char* file : {"game1", "settings", "enemysettings", "MidiSettings", "InfoText"})
    EXPECT_FALSE(workspace.Exists(file)) << file;
}

}  // namespace
