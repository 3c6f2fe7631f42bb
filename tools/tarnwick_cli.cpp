// tarnwick-cli: the editor's operations without windows, for scripts,
// tests and benchmarks.
#include <cstring>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "project/start_project.h"
#include "tools/cli_commands.h"

namespace {

struct Command {
  const char* name;
  const char* usage;
  const char* summary;
  int (*run)(cli::Context&);
  std::vector<std::string> value_options;  // options of this command that take a value
};

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"validate", "validate", "check every level; print the result (0, N or -1)", cli::RunValidate, {}},
      {"check", "check", "list the problems of the workspace; exit 1 on errors", cli::RunCheck, {}},
      {"import-picture", "import-picture SLOT FILE", "store a picture in a slot", cli::RunImportPicture, {}},
      {"rebuild-icons", "rebuild-icons", "redraw the icon sheet from the slots", cli::RunRebuildIcons, {}},
      {"import-gamebitmaps", "import-gamebitmaps", "import GameBitmaps", cli::RunImportGameBitmaps, {}},
      {"pack", "pack", "write twksys/Version and build twksys/game.pak", cli::RunPack, {}},
      {"list", "list PAK", "print position, name, data size and stored size of each entry", cli::RunList, {}},
      {"compress",
       "compress [--level N] IN OUT",
       "write a compressed block of IN",
       cli::RunCompress,
       {"--level"}},
      {"decompress", "decompress IN OUT", "decode one compressed block", cli::RunDecompress, {}},
      {"create",
       "create OUT [--icon ICO] [--platform linux|windows|both]",
       "Create Game: write the games (default both) to OUT and game.pak beside them (--yes overwrites)",
       cli::RunCreate,
       {"--icon", "--platform"}},
      {"unpack",
       "unpack PAK",
       "Import game.pak into the program folder (--yes to proceed)",
       cli::RunUnpack,
       {}},
  };
  return commands;
}

void PrintUsage() {
  std::cerr << "usage: tarnwick-cli [--project DIR] [--yes] COMMAND [ARGS]\n"
               "  --project DIR  the project folder (holds twksys, GameBitmaps, pakpassword.txt);\n"
               "                 default: the folder of this executable when it holds twksys,\n"
               "                 else the default project Tarnwick/Ember Keep in the documents\n"
               "                 folder; --home DIR is its old name\n"
               "  --yes          answer Yes to every question\n"
               "commands:\n";
  for (const auto& command : Commands())
    std::cerr << "  " << command.usage << "\n      " << command.summary << "\n";
}

const Command* FindCommand(const std::string& name) {
  for (const auto& command : Commands())
    if (name == command.name) return &command;
  return nullptr;
}

bool IsProjectOption(const std::string& option) {
  return option == "--project" || option == "--home";
}

// Without --project: the folder of this executable when it holds a
// workspace (the build folder), else the default project.
std::filesystem::path DefaultProject() {
  const auto places = project::PlacesOf(project::UserFoldersOfEnvironment(), platform::ExecutableFolder());
  return project::ChooseStartProject(places, std::nullopt, {}).folder;
}

bool TakesValue(const Command* command, const std::string& option) {
  if (IsProjectOption(option)) return true;
  if (!command) return false;
  for (const auto& name : command->value_options)
    if (option == name) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  const Command* command = nullptr;
  for (const auto& word : words)
    if (!word.starts_with("--") && (command = FindCommand(word))) break;

  std::optional<std::filesystem::path> project_folder;
  bool yes = false;
  std::vector<std::string> args;
  std::vector<std::pair<std::string, std::string>> options;
  bool command_seen = false;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--help" || word == "-h") {
      PrintUsage();
      return cli::kSuccess;
    }
    if (word == "--yes") {
      yes = true;
    } else if (word.starts_with("--")) {
      if (TakesValue(command, word)) {
        if (i + 1 >= words.size()) {
          std::cerr << "tarnwick-cli: " << word << " needs a value\n";
          return cli::kUsage;
        }
        if (IsProjectOption(word))
          project_folder = words[++i];
        else
          options.emplace_back(word, words[++i]);
      } else {
        std::cerr << "tarnwick-cli: unknown option " << word << "\n";
        return cli::kUsage;
      }
    } else if (!command_seen && command && word == command->name) {
      command_seen = true;
    } else {
      args.push_back(word);
    }
  }
  if (!command) {
    PrintUsage();
    return cli::kUsage;
  }

  cli::Context context{platform::Workspace(project_folder ? *project_folder : DefaultProject()), {}, args, options};
  context.prompter.default_answer = yes;
  const int status = command->run(context);
  if (status == cli::kUsage) {
    std::cerr << "usage: tarnwick-cli " << command->usage << "\n";
  }
  return status;
}
