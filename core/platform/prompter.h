// What an operation may ask of the person at the screen: messages, Yes/No
// questions and file requesters. The editor shows real boxes; tests and the
// command-line tool answer from a script.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace platform {

struct Message {
  std::string text;
  std::string title;
  bool operator==(const Message&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Message& message) {
  return out << message.title << ": " << message.text;
}

// What a write that failed tells the user.
inline Message CannotWriteMessage(const std::filesystem::path& path) {
  return {"cannot write to file " + path.string(), "Error"};
}

// What many writes that failed tell the user at once: the message above for
// one file; for more, how many and the first few, one a line.
inline Message CannotWriteMessage(std::span<const std::filesystem::path> paths) {
  constexpr size_t kNamed = 5;
  if (paths.size() == 1) return CannotWriteMessage(paths.front());
  std::string text = "cannot write to " + std::to_string(paths.size()) + " files:";
  for (size_t i = 0; i < paths.size() && i < kNamed; ++i) text += "\r\n" + paths[i].string();
  if (paths.size() > kNamed) text += "\r\n...";
  return {text, "Error"};
}

// A requester: its title, the default file name and the pattern list in the
// form "Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png".
struct FileRequest {
  std::string title;
  std::string default_name;
  std::string patterns;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  // A message box with an OK button.
  virtual void Show(const Message& message) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool Ask(const Message& question) = 0;
  // Open-file and save-file requesters; nothing when cancelled. The
  // save-file requester does not ask about a file that exists: its caller does.
  virtual std::optional<std::filesystem::path> OpenFile(const FileRequest& request) = 0;
  virtual std::optional<std::filesystem::path> SaveFile(const FileRequest& request) = 0;
  // A folder requester titled `request.title`, opening at the folder
  // `request.default_name`; nothing when cancelled.
  virtual std::optional<std::filesystem::path> ChooseFolder(const FileRequest& request) = 0;
};

// Called at the progress points of long operations with the new position.
// The editor moves its progress bar and repaints there.
using Progress = std::function<void(int position)>;

}  // namespace platform
