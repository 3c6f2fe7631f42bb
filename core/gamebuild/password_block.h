// The first entry of game.pak: the pack password, one 32-bit value per
// byte, and the comparison of a pack's password with the local one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gamebuild {

// The block has room for this many password bytes.
constexpr size_t kMaxPasswordBytes = 21;

// For the byte at index i, taken as a signed number c: c * 4096 + i + 134.
std::vector<int32_t> EncodePasswordBlock(std::span<const uint8_t> password);
// The byte values back (as signed numbers): (v - i - 134) >> 12.
std::vector<int> DecodePasswordBlock(std::span<const int32_t> values);

// The values as the entry stores them (32-bit little endian), and back; a
// trailing part of fewer than 4 bytes is ignored.
std::vector<uint8_t> PasswordBlockBytes(std::span<const int32_t> values);
std::vector<int32_t> PasswordBlockValues(std::span<const uint8_t> entry);

// The signed byte values written in decimal and joined without separators.
std::string PasswordText(std::span<const int> codes);

// Whether the password block of a pack holds the bytes of the password file.
bool PasswordMatches(std::span<const uint8_t> block_entry, std::span<const uint8_t> password_file);

}  // namespace gamebuild
