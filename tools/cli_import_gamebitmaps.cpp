#include "assets/screen_bitmaps.h"
#include "tools/cli_commands.h"

namespace cli {

int RunImportGameBitmaps(Context& context) {
  if (!context.args.empty()) return kUsage;
  return assets::ImportGameBitmaps(context.workspace, context.prompter) ? kSuccess : kFailure;
}

}  // namespace cli
