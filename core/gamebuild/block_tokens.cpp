#include "gamebuild/block_tokens.h"

#include <algorithm>

namespace gamebuild {

std::vector<LiteralFormat> LiteralFormats(std::span<const uint8_t> data) {
  std::vector<LiteralFormat> formats;
  LiteralFormat in_force;
  for (size_t start = 0; start < data.size(); start += kFormatSegment) {
    const auto segment = data.subspan(start, std::min(kFormatSegment, data.size() - start));
    const auto [low, high] = std::minmax_element(segment.begin(), segment.end());
    if (*low != *high || !in_force.Holds(*low))
      in_force = *high - *low >= 128 ? LiteralFormat{8, 0} : LiteralFormat{7, *low};
    formats.push_back(in_force);
  }
  return formats;
}

Token SingleByte(std::span<const uint8_t> data, size_t pos) {
  const uint8_t byte = data[pos];
  if (byte == 0) return {TokenKind::kZero, 1, 0};
  const size_t farthest = std::min<size_t>(kNearCopyMaxDistance, pos);
  for (size_t d = 1; d <= farthest; ++d)
    if (data[pos - d] == byte) return {TokenKind::kNear, 1, static_cast<uint32_t>(d)};
  return {TokenKind::kLiteral, 1, 0};
}

uint32_t SingleByteCost(const Token& token, const LiteralFormat& format) {
  switch (token.kind) {
    case TokenKind::kZero:
      return cost::kZeroByte;
    case TokenKind::kNear:
      return cost::kNearCopy;
    default:
      return cost::Literal(format.width);
  }
}

uint32_t MatchCost(uint32_t offset, uint32_t length, uint32_t index_width) {
  if (offset <= kShortMatchMaxOffset && length >= kShortMatchMinLength && length <= kShortMatchMaxLength)
    return cost::kShortMatch;
  return cost::LongMatch(offset, length, index_width);
}

Token MatchToken(uint32_t offset, uint32_t length) {
  if (offset <= kShortMatchMaxOffset && length <= kShortMatchMaxLength)
    return {TokenKind::kShort, length, offset};
  return {TokenKind::kLong, length, offset};
}

}  // namespace gamebuild
