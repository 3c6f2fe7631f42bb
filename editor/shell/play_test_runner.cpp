#include "shell/play_test_runner.h"

#include <QDir>

#include "platform/files.h"

namespace app {

namespace fs = std::filesystem;

PlayTestRunner::PlayTestRunner(std::span<const uint8_t> runtime_block) : runtime_block_(runtime_block) {}

PlayTestRunner::~PlayTestRunner() {
  End();
}

fs::path PlayTestRunner::Folder() const {
  return folder_ ? fs::path(folder_->path().toStdString()) : fs::path();
}

fs::path PlayTestRunner::PackPath() const {
  return Folder() / "play.pak";
}

fs::path PlayTestRunner::RuntimePath() const {
  return Folder() / "tarnwick-game";
}

bool PlayTestRunner::MakeFolder() {
  if (!folder_) folder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/tarnwick-play-XXXXXX");
  return folder_->isValid();
}

bool PlayTestRunner::WriteRuntime() {
  if (runtime_written_) return true;
  const fs::path path = RuntimePath();
  if (!platform::WriteFileAtomic(path, runtime_block_)) return false;
  std::error_code ec;
  fs::permissions(path, fs::perms::owner_exec, fs::perm_options::add, ec);
  runtime_written_ = !ec;
  return runtime_written_;
}

void PlayTestRunner::End() {
  if (!game_) return;
  if (game_->state() != QProcess::NotRunning) {
    game_->kill();
    game_->waitForFinished(2000);
  }
  game_.reset();
}

std::optional<platform::Message> PlayTestRunner::Play(const platform::Workspace& workspace,
                                                      const gamebuild::PlayPlan& plan) {
  End();
  if (!MakeFolder()) return platform::CannotWriteMessage(QDir::tempPath().toStdString());
  if (!WriteRuntime()) return platform::CannotWriteMessage(RuntimePath());
  if (auto failed = gamebuild::WritePlayPack(workspace, plan, PackPath())) return failed;
  QStringList arguments;
  for (const std::string& argument : gamebuild::PlayArguments(PackPath(), plan))
    arguments << QString::fromStdString(argument);
  game_ = std::make_unique<QProcess>();
  game_->setProcessChannelMode(QProcess::ForwardedChannels);
  game_->setWorkingDirectory(folder_->path());
  game_->start(QString::fromStdString(RuntimePath().string()), arguments);
  if (!game_->waitForStarted(5000))
    return platform::Message{"The game runtime could not be started: " + game_->errorString().toStdString(),
                             "Play Level"};
  return std::nullopt;
}

}  // namespace app
