// compress and decompress: one block of a whole file.
#include <new>
#include <string>

#include "gamebuild/block_decoder.h"
#include "gamebuild/block_encoder.h"
#include "gamebuild/pack_file.h"
#include "platform/files.h"
#include "platform/int_parse.h"
#include "tools/cli_commands.h"

namespace cli {

namespace {

std::optional<platform::Bytes> ReadInput(Context& context, const std::string& path) {
  auto bytes = platform::ReadFileBytes(path);
  if (!bytes) context.prompter.Show({"can't read " + path, "Error"});
  return bytes;
}

int WriteOutput(Context& context, const std::string& path, std::span<const uint8_t> bytes) {
  if (platform::WriteFileAtomic(path, bytes)) return kSuccess;
  context.prompter.Show({"can't write " + path, "Error"});
  return kFailure;
}

}  // namespace

int RunCompress(Context& context) {
  if (context.args.size() != 2) return kUsage;
  int level = 9;
  if (const auto option = context.Option("--level")) {
    const int64_t value = platform::ParseInteger(*option);
    if (value < 0 || value > 99) return kUsage;
    level = static_cast<int>(value);
  }
  const auto input = ReadInput(context, context.args[0]);
  if (!input) return kFailure;
  const platform::Bytes block = gamebuild::CompressBlock(*input, gamebuild::WindowOfLevel(level));
  if (block.empty() || block.size() >= input->size()) {
    context.prompter.Show({context.args[0] + " does not compress", "Error"});
    return kFailure;
  }
  return WriteOutput(context, context.args[1], block);
}

int RunDecompress(Context& context) {
  if (context.args.size() != 2) return kUsage;
  const auto input = ReadInput(context, context.args[0]);
  if (!input) return kFailure;
  const auto header = gamebuild::ReadBlockHeader(*input);
  if (!header) {
    context.prompter.Show({context.args[0] + ": not a compressed block", "Error"});
    return kFailure;
  }
  platform::Bytes output;
  try {
    output.resize(header->size);
  } catch (const std::bad_alloc&) {
    context.prompter.Show({context.args[0] + ": decoded size too large", "Error"});
    return kFailure;
  }
  const auto result = gamebuild::DecodeBlock(*input, output);
  if (!result.ok()) {
    context.prompter.Show({context.args[0] + ": " + gamebuild::BlockErrorText(result.error), "Error"});
    return kFailure;
  }
  return WriteOutput(context, context.args[1], output);
}

}  // namespace cli
