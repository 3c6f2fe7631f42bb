// Reads arbitrary bytes as a recovery file; what it accepts encodes back to
// the same bytes.
#include <cstdint>
#include <cstdlib>

#include "world/recovery_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto record = world::DecodeRecovery({data, size});
  if (!record) return 0;
  const platform::Bytes again = world::EncodeRecovery(*record);
  if (again.size() != size) std::abort();
  return 0;
}
