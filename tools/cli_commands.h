// The commands of tarnwick-cli, one function each.
#pragma once

#include "tools/cli_common.h"

namespace cli {

// Prints the validation result; exits 0 only when it is 0.
int RunValidate(Context& context);

}  // namespace cli
