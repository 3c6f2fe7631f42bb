// The Define Info Text and Set GamePak Password dialogs on the offscreen platform.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

#include "settings/info_text_dialog.h"
#include "settings/password_dialog.h"
#include "tests/gui/config_dialog_fixture.h"

namespace {

using testing_support::Child;
using Messages = std::vector<platform::Message>;

class InfoTextDialogTest : public testing_support::ConfigDialogTest {
 protected:
  std::string Stored() {
    const auto bytes = *workspace.Read("InfoText");
    return std::string(bytes.begin(), bytes.end());
  }
};

class PasswordDialogTest : public testing_support::ConfigDialogTest {
 protected:
  std::string Stored() {
    const auto bytes = *platform::ReadFileBytes(workspace.PasswordFile());
    return std::string(bytes.begin(), bytes.end());
  }
};

TEST_F(InfoTextDialogTest, AShortTextIsSavedAsEmptyAndShownSoNextTime) {
  config::InfoTextDialog dialog(nullptr, context);
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  dialog.show();
  // Blank, but not empty: for an empty title the window system shows the program's name.
  const QString title = dialog.windowHandle()->title();
  EXPECT_FALSE(title.isEmpty());
  EXPECT_TRUE(title.trimmed().isEmpty()) << title.toStdString();
  Child<QPlainTextEdit>(&dialog, "infoText")->setPlainText("abcd");
  Child<QPushButton>(&dialog, "ok")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Stored(), "empty");

  config::InfoTextDialog again(nullptr, context);
  EXPECT_EQ(Child<QPlainTextEdit>(&again, "infoText")->toPlainText(), "empty");
}

TEST_F(InfoTextDialogTest, LongerTextsAreSavedAsTyped) {
  config::InfoTextDialog dialog(nullptr, context);
  dialog.show();
  Child<QPlainTextEdit>(&dialog, "infoText")->setPlainText("Made by me\nHave fun");
  Child<QPushButton>(&dialog, "ok")->click();
  EXPECT_EQ(Stored(), "Made by me\nHave fun");
}

TEST_F(InfoTextDialogTest, CancelAndTheCloseBoxSaveNothing) {
  for (const bool close_box : {false, true}) {
    config::InfoTextDialog dialog(nullptr, context);
    dialog.show();
    Child<QPlainTextEdit>(&dialog, "infoText")->setPlainText("Something long");
    if (close_box) {
      dialog.close();
    } else {
      Child<QPushButton>(&dialog, "cancel")->click();
    }
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(workspace.Exists("InfoText"));
  }
}

// A folder in the place of the file cannot be replaced, even by root.
TEST_F(InfoTextDialogTest, AFailedWriteIsReportedAndTheDialogStaysOpen) {
  home.Write("twksys/InfoText/inside", platform::Bytes{});
  config::InfoTextDialog dialog(nullptr, context);
  dialog.show();
  Child<QPlainTextEdit>(&dialog, "infoText")->setPlainText("Made by me");
  Child<QPushButton>(&dialog, "ok")->click();
  EXPECT_EQ(Shown(), (Messages{{"cannot write to file " + workspace.PathOf("InfoText").string(), "Error"}}));
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(PasswordDialogTest, ShowsTheFirstLineAndStoresTheTrimmedPassword) {
  home.Write("pakpassword.txt", "OLDWORD\r\n");
  config::PasswordDialog dialog(nullptr, context);
  EXPECT_EQ(dialog.windowTitle(), "Set GamePak Password");
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(Child<QLineEdit>(&dialog, "password")->text(), "OLDWORD");
  dialog.show();
  Child<QLineEdit>(&dialog, "password")->setText("  AbCd  ");
  Child<QPushButton>(&dialog, "OK")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Stored(), "AbCd");
}

TEST_F(PasswordDialogTest, RefusesPasswordsUnderFourAndOver21Characters) {
  home.Write("pakpassword.txt", "OLDWORD");
  const std::pair<std::string, std::string> cases[] = {
      {" abc  ", "invalid Password"},
      {std::string(22, 'Q'), "Password too long (max 21 chars)"},
  };
  for (const auto& [typed, message] : cases) {
    SCOPED_TRACE(typed);
    prompter.shown.clear();
    config::PasswordDialog dialog(nullptr, context);
    dialog.show();
    Child<QLineEdit>(&dialog, "password")->setText(QString::fromStdString(typed));
    Child<QPushButton>(&dialog, "OK")->click();
    EXPECT_EQ(Shown(), (Messages{{message, "Error"}}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Stored(), "OLDWORD");
  }
}

TEST_F(PasswordDialogTest, AFailedWriteIsReportedAndTheDialogStaysOpen) {
  home.Write("pakpassword.txt/inside", platform::Bytes{});
  config::PasswordDialog dialog(nullptr, context);
  dialog.show();
  Child<QLineEdit>(&dialog, "password")->setText("AbCd");
  Child<QPushButton>(&dialog, "OK")->click();
  EXPECT_EQ(Shown(), (Messages{{"cannot write to file " + workspace.PasswordFile().string(), "Error"}}));
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
