// The commands of tarnwick-cli, one function each.
#pragma once

#include "tools/cli_common.h"

namespace cli {

// Prints the validation result; exits 0 only when it is 0.
int RunValidate(Context& context);

// Writes twksys/Version and builds twksys/game.pak as Create Game does.
int RunPack(Context& context);
// Prints position, entry name, data size and stored size of each entry.
int RunList(Context& context);
// One compressed block of a file (--level N, default 9), and back.
int RunCompress(Context& context);
int RunDecompress(Context& context);

}  // namespace cli
