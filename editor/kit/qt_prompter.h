// The prompter of the editor: message boxes and file requesters over a window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/prompter.h"

namespace platform {

class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Show(const Message& message) override;
  bool Ask(const Message& question) override;
  std::optional<std::filesystem::path> OpenFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> SaveFile(const FileRequest& request) override;
  std::optional<std::filesystem::path> ChooseFolder(const FileRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

// "Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png" as a Qt filter list
// "Bitmap (*.bmp);;PNG (*.png)" (the pattern after each bar decides).
QString QtFilterOf(const std::string& patterns);

}  // namespace platform
