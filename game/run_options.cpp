#include "run_options.h"

#include "platform/int_parse.h"

namespace game {

const char* const kRunUsage =
    "usage: tarnwick-game [options]\n"
    "Plays the game.pak that lies in the folder of this program.\n"
    "  --level N          start level N at once, without the menus\n"
    "  --frames N         run N tics without waiting, then end (headless: dummy video and audio)\n"
    "  --script FILE      feed input from FILE: lines \"FIRST LAST KEY\" hold a key from tic FIRST\n"
    "                     to tic LAST, \"mouse TIC DX DY\" moves the mouse; keys by their key-list names\n"
    "  --screenshot FILE  write the last frame as a BMP picture\n"
    "  --workspace DIR    read the game from the workspace of program folder DIR instead of game.pak\n"
    "  --size WxH         window size (default 640x400)\n"
    "  --help             show this text\n";

namespace {

int Number(const std::string& text) {
  return static_cast<int>(platform::ParseInteger(text));
}

// "WxH" within 64x48 to 8192x8192.
bool ParseSize(const std::string& value, RunOptions& options) {
  const size_t x = value.find('x');
  options.width = Number(value.substr(0, x));
  options.height = x == std::string::npos ? 0 : Number(value.substr(x + 1));
  return options.width >= 64 && options.height >= 48 && options.width <= 8192 && options.height <= 8192;
}

// Takes the value of one option; false with `error` set when it is wrong.
bool TakeValue(const std::string& option, const std::string& value, RunOptions& options, std::string& error) {
  if (option == "--level") {
    options.level = Number(value);
  } else if (option == "--frames") {
    options.frames = Number(value);
  } else if (option == "--script") {
    options.script = value;
  } else if (option == "--screenshot") {
    options.screenshot = value;
  } else if (option == "--workspace") {
    options.workspace = value;
  } else if (option == "--size") {
    if (!ParseSize(value, options)) error = "the size must be between 64x48 and 8192x8192";
  } else {
    error = "unknown option " + option;
  }
  return error.empty();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      line.help = true;
      return line;
    }
    if (i + 1 >= args.size()) {
      line.error = "unknown or incomplete option " + arg;
      return line;
    }
    if (!TakeValue(arg, args[++i], line.options, line.error)) return line;
  }
  if (line.options.frames < -1) line.options.frames = 0;  // a negative count runs no tic
  return line;
}

}  // namespace game
