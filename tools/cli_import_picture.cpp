#include <iostream>

#include "assets/icon_sheet.h"
#include "assets/slot_import.h"
#include "assets/slot_table.h"
#include "tools/cli_commands.h"

namespace cli {

int RunImportPicture(Context& context) {
  if (context.args.size() != 2) return kUsage;
  const assets::Slot* slot = assets::FindSlot(context.args[0]);
  if (!slot) {
    std::cerr << "tarnwick-cli: no picture slot is named " << context.args[0] << "\n";
    return kUsage;
  }
  const auto thumbnail = assets::ConvertSlotPicture(context.workspace, context.prompter, context.args[1],
                                                    slot->name, slot->keyed);
  if (!thumbnail) return kFailure;
  return assets::UpdateSheetTile(context.workspace, context.prompter, slot->picture, *thumbnail) ? kSuccess
                                                                                                 : kFailure;
}

}  // namespace cli
