// Choosing the commands of a block: a greedy and a lazy parse that look at
// one or two positions at a time, and a forward optimal parse that prices
// every way through a chunk of input with the writer's exact bit costs.
#include <algorithm>
#include <limits>
#include <optional>

#include "gamebuild/block_match_finder.h"
#include "gamebuild/block_tokens.h"

namespace gamebuild {

namespace {

constexpr unsigned kChainDepth = 48;
constexpr size_t kNiceLength = 128;
constexpr size_t kChunk = 4096;
constexpr uint32_t kUnreached = std::numeric_limits<uint32_t>::max();
constexpr uint32_t kWidestIndex = 16;  // the parse tries index widths up to this

// ---- greedy and lazy ----------------------------------------------------------

struct Choice {
  Token token;
  int64_t gain;  // bits saved against sending every covered byte as a literal
};

class OnePassParser {
 public:
  OnePassParser(std::span<const uint8_t> data, size_t window, bool lazy)
      : data_(data),
        formats_(LiteralFormats(data)),
        finder_(data, window, kChainDepth, kNiceLength),
        lazy_(lazy) {}

  std::vector<Token> Run() {
    std::vector<Token> tokens;
    size_t pos = 0;
    Choice here = FindAt(pos);
    while (pos < data_.size()) {
      if (lazy_ && here.token.length >= 2 && here.token.length < kNiceLength && pos + 1 < data_.size()) {
        const Choice next = FindAt(pos + 1);
        const Choice single = SingleAt(pos);
        if (single.gain + next.gain > here.gain) {
          Take(single.token, tokens);
          ++pos;
          here = next;
          continue;
        }
        SkipThrough(pos + 2, pos + here.token.length);
      } else {
        SkipThrough(pos + 1, pos + here.token.length);
      }
      Take(here.token, tokens);
      pos += here.token.length;
      if (pos < data_.size()) here = FindAt(pos);
    }
    return tokens;
  }

 private:
  uint32_t LiteralBits(size_t pos) const { return cost::Literal(formats_[pos / kFormatSegment].width); }

  Choice SingleAt(size_t pos) const {
    const Token token = SingleByte(data_, pos);
    return {token, int64_t{LiteralBits(pos)} - SingleByteCost(token, formats_[pos / kFormatSegment])};
  }

  Choice FindAt(size_t pos) {
    Match matches[MatchFinder::kMaxMatches];
    const size_t count = finder_.Find(pos, matches);
    Choice best = SingleAt(pos);
    const auto consider = [&](Token token, uint32_t bits) {
      if (bits == 0) return;
      const int64_t gain = int64_t{LiteralBits(pos)} * token.length - bits;
      if (gain > best.gain || (gain == best.gain && token.length > best.token.length)) best = {token, gain};
    };
    if (last_offset_ <= pos) {
      const auto length =
          static_cast<uint32_t>(CommonLength(&data_[pos], &data_[pos - last_offset_], data_.size() - pos));
      if (length >= 2) consider({TokenKind::kRepeat, length, last_offset_}, cost::RepeatMatch(length));
    }
    for (size_t i = 0; i < count; ++i)
      consider(MatchToken(matches[i].offset, matches[i].length),
               MatchCost(matches[i].offset, matches[i].length, kDefaultIndexWidth));
    return best;
  }

  void SkipThrough(size_t from, size_t to) {
    for (size_t p = from; p < to; ++p) finder_.Skip(p);
  }

  void Take(const Token& token, std::vector<Token>& tokens) {
    if (token.kind == TokenKind::kShort || token.kind == TokenKind::kLong) last_offset_ = token.offset;
    tokens.push_back(token);
  }

  std::span<const uint8_t> data_;
  std::vector<LiteralFormat> formats_;
  MatchFinder finder_;
  bool lazy_;
  uint32_t last_offset_ = kInitialLastOffset;
};

// ---- optimal ----------------------------------------------------------------

struct Node {
  uint32_t cost;
  uint32_t from;
  Token token;
  uint32_t last_offset;
};

struct ChunkParse {
  std::vector<Token> tokens;
  uint64_t bits = 0;
  uint32_t last_offset = kInitialLastOffset;
};

class OptimalParser {
 public:
  OptimalParser(std::span<const uint8_t> data, size_t window)
      : data_(data), formats_(LiteralFormats(data)), finder_(data, window, kChainDepth, kNiceLength) {}

  std::vector<Token> Run() {
    std::vector<Token> tokens;
    size_t pos = 0;
    while (pos < data_.size()) {
      const size_t length = GatherChunk(pos);
      if (length > 0) ParseChunk(pos, length, tokens);
      pos += length;
      if (forced_) {
        const Match m = *forced_;
        Token token = MatchToken(m.offset, m.length);
        if (m.offset == last_offset_) token = {TokenKind::kRepeat, m.length, m.offset};
        tokens.push_back(token);
        last_offset_ = m.offset;
        for (size_t p = pos + 1; p < pos + m.length; ++p) finder_.Skip(p);
        pos += m.length;
        last_raw_ = false;
      }
    }
    return tokens;
  }

 private:
  // Finds the matches of up to kChunk positions from `start`; stops early at
  // a match of the nice length, which is then taken as it is.
  size_t GatherChunk(size_t start) {
    matches_.clear();
    first_.clear();
    forced_.reset();
    size_t length = 0;
    while (start + length < data_.size() && length < kChunk) {
      Match found[MatchFinder::kMaxMatches];
      const size_t count = finder_.Find(start + length, found);
      if (count > 0 && found[count - 1].length >= kNiceLength) {
        forced_ = found[count - 1];
        break;
      }
      first_.push_back(static_cast<uint32_t>(matches_.size()));
      matches_.insert(matches_.end(), found, found + count);
      ++length;
    }
    first_.push_back(static_cast<uint32_t>(matches_.size()));
    return length;
  }

  void ParseChunk(size_t start, size_t length, std::vector<Token>& tokens) {
    ChunkParse best = Parse(start, length, index_width_);
    // Another index width may pay for its command on this chunk.
    uint32_t width = index_width_;
    int64_t saving = 0;
    for (uint32_t w = 0; w <= kWidestIndex; ++w) {
      const int64_t s = LongMatchBits(best.tokens, index_width_) - LongMatchBits(best.tokens, w) -
                        cost::IndexWidthCommand(w);
      if (s > saving) saving = s, width = w;
    }
    if (width != index_width_) {
      ChunkParse other = Parse(start, length, width);
      if (other.bits + cost::IndexWidthCommand(width) < best.bits) {
        tokens.push_back({TokenKind::kIndexWidth, 0, width});
        index_width_ = width;
        best = std::move(other);
      }
    }
    tokens.insert(tokens.end(), best.tokens.begin(), best.tokens.end());
    last_offset_ = best.last_offset;
    last_raw_ = !best.tokens.empty() && best.tokens.back().kind == TokenKind::kRaw;
  }

  static int64_t LongMatchBits(const std::vector<Token>& tokens, uint32_t width) {
    int64_t bits = 0;
    for (const Token& t : tokens)
      if (t.kind == TokenKind::kLong) bits += cost::LongMatch(t.offset, t.length, width);
    return bits;
  }

  ChunkParse Parse(size_t start, size_t length, uint32_t width) {
    nodes_.assign(length + 1, Node{kUnreached, 0, {}, 0});
    nodes_[0] = Node{0, 0, {last_raw_ ? TokenKind::kRaw : TokenKind::kLiteral, 0, 0}, last_offset_};
    for (size_t i = 0; i < length; ++i) Expand(start, length, i, width);

    ChunkParse result;
    result.bits = nodes_[length].cost;
    result.last_offset = nodes_[length].last_offset;
    for (size_t at = length; at > 0; at = nodes_[at].from) result.tokens.push_back(nodes_[at].token);
    std::reverse(result.tokens.begin(), result.tokens.end());
    return result;
  }

  void Expand(size_t start, size_t length, size_t i, uint32_t width) {
    const Node node = nodes_[i];
    const size_t pos = start + i;
    const size_t room = length - i;
    const auto relax = [&](size_t to, uint32_t bits, const Token& token, uint32_t last_offset) {
      Node& target = nodes_[to];
      if (node.cost + bits < target.cost)
        target = Node{node.cost + bits, static_cast<uint32_t>(i), token, last_offset};
    };

    const Token single = SingleByte(data_, pos);
    relax(i + 1, SingleByteCost(single, formats_[pos / kFormatSegment]), single, node.last_offset);

    if (room >= kRawRunLength)
      relax(i + kRawRunLength, node.token.kind == TokenKind::kRaw ? cost::kRawRunMore : cost::kRawRunFirst,
            {TokenKind::kRaw, kRawRunLength, 0}, node.last_offset);

    const uint32_t last = node.last_offset;
    if (last <= pos) {
      const size_t run = CommonLength(&data_[pos], &data_[pos - last], room);
      const size_t top = std::min(run, kNiceLength);
      for (size_t l = 2; l <= top; ++l)
        relax(i + l, cost::RepeatMatch(l), {TokenKind::kRepeat, static_cast<uint32_t>(l), last}, last);
      if (run > top)
        relax(i + run, cost::RepeatMatch(run), {TokenKind::kRepeat, static_cast<uint32_t>(run), last}, last);
    }

    size_t done = 1;
    for (uint32_t m = first_[i]; m < first_[i + 1]; ++m) {
      const Match match = matches_[m];
      const size_t top = std::min<size_t>(match.length, room);
      for (size_t l = done + 1; l <= top; ++l) {
        const uint32_t bits = MatchCost(match.offset, static_cast<uint32_t>(l), width);
        if (bits != 0) relax(i + l, bits, MatchToken(match.offset, static_cast<uint32_t>(l)), match.offset);
      }
      done = std::max(done, top);
    }
  }

  std::span<const uint8_t> data_;
  std::vector<LiteralFormat> formats_;
  MatchFinder finder_;
  std::vector<Match> matches_;
  std::vector<uint32_t> first_;  // matches_ index of each chunk position, and one past the last
  std::optional<Match> forced_;
  std::vector<Node> nodes_;
  uint32_t last_offset_ = kInitialLastOffset;
  uint32_t index_width_ = kDefaultIndexWidth;
  bool last_raw_ = false;
};

}  // namespace

std::vector<Token> ParseBlock(std::span<const uint8_t> data, size_t window, ParseMode mode) {
  if (data.empty()) return {};
  if (mode == ParseMode::kOptimal) return OptimalParser(data, window).Run();
  return OnePassParser(data, window, mode == ParseMode::kLazy).Run();
}

}  // namespace gamebuild
