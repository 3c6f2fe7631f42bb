// Choosing the commands of a block: one-pass parses (greedy, lazy, longest
// match) that look at one or two positions at a time, and a forward optimal
// parse that prices every way through a chunk of input with the writer's
// exact bit costs.
#include <algorithm>
#include <limits>
#include <optional>

#include "gamebuild/block_match_finder.h"
#include "gamebuild/block_tokens.h"

namespace gamebuild {

namespace {

constexpr unsigned kChainDepth = 32;
constexpr size_t kNiceLength = 128;
constexpr size_t kChunk = 4096;
// Repeat matches from the dearer arrivals try the lengths up to this, and
// their whole length.
constexpr size_t kShortRepeat = 16;
constexpr uint32_t kUnreached = std::numeric_limits<uint32_t>::max();
constexpr uint32_t kWidestIndex = 16;  // the parse tries index widths up to this

// Hands the tokens on in batches.
class TokenOut {
 public:
  explicit TokenOut(const TokenSink& sink) : sink_(sink) {}
  ~TokenOut() { Flush(); }
  void Add(const Token& token) {
    batch_.push_back(token);
    if (batch_.size() == kBatch) Flush();
  }
  void Flush() {
    if (!batch_.empty()) sink_(batch_);
    batch_.clear();
  }

 private:
  static constexpr size_t kBatch = 4096;
  const TokenSink& sink_;
  std::vector<Token> batch_;
};

// ---- greedy and lazy ----------------------------------------------------------

struct Choice {
  Token token;
  int64_t gain;  // bits saved against sending every covered byte as a literal
};

class OnePassParser {
 public:
  OnePassParser(std::span<const uint8_t> data, size_t window, ParseMode mode)
      : data_(data),
        formats_(LiteralFormats(data)),
        finder_(data, window, kChainDepth, kNiceLength),
        lazy_(mode == ParseMode::kLazy),
        longest_(mode == ParseMode::kLongest) {}

  void Run(TokenOut& tokens) {
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
      const bool better = longest_
                              ? gain > 0 && (token.length > best.token.length ||
                                             (token.length == best.token.length && gain > best.gain))
                              : gain > best.gain || (gain == best.gain && token.length > best.token.length);
      if (better) best = {token, gain};
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

  void Take(const Token& token, TokenOut& tokens) {
    if (token.kind == TokenKind::kShort || token.kind == TokenKind::kLong) last_offset_ = token.offset;
    tokens.Add(token);
  }

  std::span<const uint8_t> data_;
  std::vector<LiteralFormat> formats_;
  MatchFinder finder_;
  bool lazy_;
  bool longest_;
  uint32_t last_offset_ = kInitialLastOffset;
};

// ---- optimal ----------------------------------------------------------------

// One way of arriving at a position: its cost in bits, the last offset it
// leaves behind, and the command that arrived (from state `from_state` of
// position `from`).
struct Arrival {
  uint32_t cost;
  uint32_t last_offset;
  uint32_t from;
  uint32_t length;
  uint32_t offset;
  TokenKind kind;
  uint8_t from_state;
};

// Arrivals kept per position, each with a different last offset, cheapest
// first: a dearer arrival may still win through a repeat match later.
constexpr size_t kStates = 3;

struct ChunkParse {
  std::vector<Token> tokens;
  uint64_t bits = 0;
  uint32_t last_offset = kInitialLastOffset;
};

class OptimalParser {
 public:
  OptimalParser(std::span<const uint8_t> data, size_t window)
      : data_(data), formats_(LiteralFormats(data)), finder_(data, window, kChainDepth, kNiceLength) {}

  void Run(TokenOut& tokens) {
    size_t pos = 0;
    while (pos < data_.size()) {
      const size_t length = GatherChunk(pos);
      if (length > 0) ParseChunk(pos, length, tokens);
      pos += length;
      if (forced_) {
        const Match m = *forced_;
        Token token = MatchToken(m.offset, m.length);
        if (m.offset == last_offset_) token = {TokenKind::kRepeat, m.length, m.offset};
        tokens.Add(token);
        last_offset_ = m.offset;
        for (size_t p = pos + 1; p < pos + m.length; ++p) finder_.Skip(p);
        pos += m.length;
        last_raw_ = false;
      }
    }
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

  void ParseChunk(size_t start, size_t length, TokenOut& tokens) {
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
        tokens.Add({TokenKind::kIndexWidth, 0, width});
        index_width_ = width;
        best = std::move(other);
      }
    }
    for (const Token& t : best.tokens) tokens.Add(t);
    last_offset_ = best.last_offset;
    last_raw_ = !best.tokens.empty() && best.tokens.back().kind == TokenKind::kRaw;
  }

  static int64_t LongMatchBits(const std::vector<Token>& tokens, uint32_t width) {
    int64_t bits = 0;
    for (const Token& t : tokens)
      if (t.kind == TokenKind::kLong) bits += cost::LongMatch(t.offset, t.length, width);
    return bits;
  }

  Arrival* At(size_t i) { return &arrivals_[i * kStates]; }

  ChunkParse Parse(size_t start, size_t length, uint32_t width) {
    arrivals_.assign((length + 1) * kStates, Arrival{kUnreached, 0, 0, 0, 0, TokenKind::kLiteral, 0});
    dearest_.assign(length + 1, kUnreached);
    At(0)[0] = Arrival{0, last_offset_, 0, 0, 0, last_raw_ ? TokenKind::kRaw : TokenKind::kLiteral, 0};
    for (size_t i = 0; i < length; ++i) Expand(start, length, i, width);

    ChunkParse result;
    result.bits = At(length)[0].cost;
    result.last_offset = At(length)[0].last_offset;
    size_t at = length;
    size_t state = 0;
    while (at > 0) {
      const Arrival& a = At(at)[state];
      result.tokens.push_back({a.kind, a.length, a.offset});
      at = a.from;
      state = a.from_state;
    }
    std::reverse(result.tokens.begin(), result.tokens.end());
    return result;
  }

  // Records an arrival at position `to` if it is among the cheapest few
  // with their own last offsets.
  void Arrive(size_t to, const Arrival& arrival) {
    // Not cheaper than the dearest kept (or than one with its last offset).
    if (arrival.cost >= dearest_[to]) return;
    Arrival* slots = At(to);
    size_t slot = kStates - 1;
    for (size_t k = 0; k < kStates; ++k) {
      if (slots[k].cost == kUnreached || slots[k].last_offset == arrival.last_offset) {
        slot = k;
        break;
      }
    }
    if (arrival.cost >= slots[slot].cost) return;
    slots[slot] = arrival;
    for (size_t k = slot; k > 0 && slots[k].cost < slots[k - 1].cost; --k) std::swap(slots[k], slots[k - 1]);
    dearest_[to] = slots[kStates - 1].cost;
  }

  void Expand(size_t start, size_t length, size_t i, uint32_t width) {
    const size_t pos = start + i;
    const size_t room = length - i;
    const Token single = SingleByte(data_, pos);
    const uint32_t single_bits = SingleByteCost(single, formats_[pos / kFormatSegment]);
    const Arrival* here = At(i);
    for (size_t k = 0; k < kStates && here[k].cost != kUnreached; ++k) {
      const Arrival from = here[k];
      const auto state = static_cast<uint8_t>(k);
      const auto at = static_cast<uint32_t>(i);
      Arrive(i + 1, {from.cost + single_bits, from.last_offset, at, 1, single.offset, single.kind, state});
      if (room >= kRawRunLength) {
        const uint32_t raw_bits = from.kind == TokenKind::kRaw ? cost::kRawRunMore : cost::kRawRunFirst;
        Arrive(i + kRawRunLength,
               {from.cost + raw_bits, from.last_offset, at, kRawRunLength, 0, TokenKind::kRaw, state});
      }
      const uint32_t last = from.last_offset;
      if (last <= pos) {
        const size_t run = CommonLength(&data_[pos], &data_[pos - last], room);
        const size_t top = std::min(run, k == 0 ? kNiceLength : kShortRepeat);
        for (size_t l = 2; l <= top; ++l)
          Arrive(i + l, {from.cost + cost::RepeatMatch(l), last, at, static_cast<uint32_t>(l), last,
                         TokenKind::kRepeat, state});
        if (run > top)
          Arrive(i + run, {from.cost + cost::RepeatMatch(run), last, at, static_cast<uint32_t>(run), last,
                           TokenKind::kRepeat, state});
      }
    }
    // Every match leaves its own offset behind, so only the cheapest
    // arrival needs to try them.
    const uint32_t base_cost = here[0].cost;
    size_t done = 1;
    for (uint32_t m = first_[i]; m < first_[i + 1]; ++m) {
      const Match match = matches_[m];
      const size_t top = std::min<size_t>(match.length, room);
      size_t l = done + 1;
      if (match.offset <= kShortMatchMaxOffset) {
        for (; l <= std::min<size_t>(top, kShortMatchMaxLength); ++l)
          Arrive(i + l, {base_cost + cost::kShortMatch, match.offset, static_cast<uint32_t>(i),
                         static_cast<uint32_t>(l), match.offset, TokenKind::kShort, 0});
      }
      const uint32_t bonus = LongMatchBonus(match.offset);
      const uint32_t head = 2 + GammaBits((uint64_t{match.offset} >> width) + 3) + width;
      for (l = std::max<size_t>(l, bonus + 2); l <= top; ++l)
        Arrive(i + l, {base_cost + head + GammaBits(l - bonus), match.offset, static_cast<uint32_t>(i),
                       static_cast<uint32_t>(l), match.offset, TokenKind::kLong, 0});
      done = std::max(done, top);
    }
  }

  std::span<const uint8_t> data_;
  std::vector<LiteralFormat> formats_;
  MatchFinder finder_;
  std::vector<Match> matches_;
  std::vector<uint32_t> first_;  // matches_ index of each chunk position, and one past the last
  std::optional<Match> forced_;
  std::vector<Arrival> arrivals_;  // kStates per position of the chunk and its end
  std::vector<uint32_t> dearest_;  // cost of the dearest arrival kept, by position
  uint32_t last_offset_ = kInitialLastOffset;
  uint32_t index_width_ = kDefaultIndexWidth;
  bool last_raw_ = false;
};

}  // namespace

void ParseBlock(std::span<const uint8_t> data, size_t window, ParseMode mode, const TokenSink& sink) {
  if (data.empty()) return;
  TokenOut out(sink);
  if (mode == ParseMode::kOptimal)
    OptimalParser(data, window).Run(out);
  else
    OnePassParser(data, window, mode).Run(out);
}

std::vector<Token> ParseBlock(std::span<const uint8_t> data, size_t window, ParseMode mode) {
  std::vector<Token> tokens;
  ParseBlock(data, window, mode,
             [&](std::span<const Token> batch) { tokens.insert(tokens.end(), batch.begin(), batch.end()); });
  return tokens;
}

}  // namespace gamebuild
