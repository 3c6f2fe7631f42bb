#include "gamebuild/password_block.h"

#include "platform/byte_io.h"

namespace gamebuild {

namespace {

constexpr int32_t kPasswordScale = 4096;
constexpr int32_t kPasswordShift = 12;
constexpr int32_t kPasswordBias = 134;

std::vector<int> SignedBytes(std::span<const uint8_t> bytes) {
  std::vector<int> codes;
  for (uint8_t b : bytes) codes.push_back(static_cast<int8_t>(b));
  return codes;
}

}  // namespace

std::vector<int32_t> EncodePasswordBlock(std::span<const uint8_t> password) {
  std::vector<int32_t> values;
  for (size_t i = 0; i < password.size(); ++i)
    values.push_back(static_cast<int8_t>(password[i]) * kPasswordScale + static_cast<int32_t>(i) +
                     kPasswordBias);
  return values;
}

std::vector<int> DecodePasswordBlock(std::span<const int32_t> values) {
  std::vector<int> codes;
  for (size_t i = 0; i < values.size(); ++i) {
    // In 64 bits: values from a damaged pack must not overflow.
    const int64_t v = int64_t{values[i]} - static_cast<int64_t>(i) - kPasswordBias;
    codes.push_back(static_cast<int>(v >> kPasswordShift));
  }
  return codes;
}

std::vector<uint8_t> PasswordBlockBytes(std::span<const int32_t> values) {
  std::vector<uint8_t> bytes;
  platform::ByteWriter out(bytes);
  for (int32_t v : values) out.I32(v);
  return bytes;
}

std::vector<int32_t> PasswordBlockValues(std::span<const uint8_t> entry) {
  std::vector<int32_t> values;
  platform::ByteReader in(entry);
  while (in.remaining() >= 4) values.push_back(in.I32());
  return values;
}

std::string PasswordText(std::span<const int> codes) {
  std::string text;
  for (int code : codes) text += std::to_string(code);
  return text;
}

bool PasswordMatches(std::span<const uint8_t> block_entry, std::span<const uint8_t> password_file) {
  const std::vector<int32_t> values = PasswordBlockValues(block_entry);
  return PasswordText(DecodePasswordBlock(values)) == PasswordText(SignedBytes(password_file));
}

}  // namespace gamebuild
