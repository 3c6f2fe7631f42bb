#include "kit/qt_prompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "platform/file_patterns.h"

namespace platform {

namespace {

QString Text(const std::string& text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::filesystem::path> PathOf(const QString& chosen) {
  if (chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.toStdString());
}

// The folder and name a requester opens with; a default like "*.ico" is
// only a pattern and leaves the name empty.
QString StartName(const std::string& default_name) {
  if (default_name.find('*') != std::string::npos) return {};
  return Text(default_name);
}

}  // namespace

QString QtFilterOf(const std::string& patterns) {
  QStringList filters;
  for (const FilePattern& p : ParseFilePatterns(patterns)) {
    QString name = Text(p.name);
    const int open = name.indexOf('(');
    if (open >= 0) name = name.left(open).trimmed();
    QString globs = Text(p.pattern);
    globs.replace(';', ' ');
    filters << name + " (" + globs + ")";
  }
  return filters.join(";;");
}

void QtPrompter::Show(const Message& message) {
  QMessageBox box(QMessageBox::NoIcon, Text(message.title), Text(message.text), QMessageBox::Ok, parent_);
  box.exec();
}

bool QtPrompter::Ask(const Message& question) {
  QMessageBox box(QMessageBox::NoIcon, Text(question.title), Text(question.text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::filesystem::path> QtPrompter::OpenFile(const FileRequest& request) {
  return PathOf(QFileDialog::getOpenFileName(parent_, Text(request.title), StartName(request.default_name),
                                             QtFilterOf(request.patterns)));
}

// The caller asks its own question about a file that exists; the requester
// must not ask first.
std::optional<std::filesystem::path> QtPrompter::SaveFile(const FileRequest& request) {
  return PathOf(QFileDialog::getSaveFileName(parent_, Text(request.title), StartName(request.default_name),
                                             QtFilterOf(request.patterns), nullptr,
                                             QFileDialog::DontConfirmOverwrite));
}

std::optional<std::filesystem::path> QtPrompter::ChooseFolder(const FileRequest& request) {
  return PathOf(QFileDialog::getExistingDirectory(parent_, Text(request.title), Text(request.default_name)));
}

}  // namespace platform
