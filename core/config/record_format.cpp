#include "config/record_format.h"

#include "platform/byte_io.h"
#include "platform/int_parse.h"

namespace config {

int64_t ReadValue(std::span<const uint8_t> bytes, size_t offset, size_t width) {
  const platform::ByteView view(bytes);
  return width == 1 ? view.I8Or0(offset) : view.I32Or0(offset);
}

void AppendValue(platform::Bytes& out, int64_t value, size_t width) {
  platform::ByteWriter writer(out);
  if (width == 1)
    writer.U8(platform::Low8(value));
  else
    writer.I32(platform::Low32(value));
}

void ShowError(platform::Prompter& prompter, const char* text) {
  if (*text) prompter.Show({text, "Error"});
}

bool WriteRecordFile(const platform::Workspace& workspace, const char* file, const platform::Bytes& bytes,
                     const char* cannot_save, platform::Prompter& prompter) {
  if (workspace.Write(file, bytes)) return true;
  if (*cannot_save)
    ShowError(prompter, cannot_save);
  else
    prompter.Show(platform::CannotWriteMessage(workspace.PathOf(file)));
  return false;
}

}  // namespace config
