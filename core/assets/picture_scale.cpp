#include "assets/picture_scale.h"

#include <algorithm>
#include <cstdint>

namespace assets {

namespace {

// How one output position along an axis is made from the input positions:
// the input index and weight of each tap. The weights of every output
// position add up to the axis's `total`.
struct AxisTaps {
  struct Tap {
    int index;
    uint32_t weight;
  };
  std::vector<std::vector<Tap>> taps;
  uint32_t total = 1;
};

// Output pixel i covers the input interval [i * in / out, (i + 1) * in / out);
// measured in units of 1/out input pixel, it is [i * in, (i + 1) * in) and
// input pixel j is [j * out, (j + 1) * out). The overlaps are the weights.
AxisTaps AreaAverageTaps(int in, int out) {
  AxisTaps axis;
  axis.total = static_cast<uint32_t>(in);
  axis.taps.resize(static_cast<size_t>(out));
  for (int i = 0; i < out; ++i) {
    const int64_t begin = static_cast<int64_t>(i) * in, end = begin + in;
    for (int j = static_cast<int>(begin / out); j < in && static_cast<int64_t>(j) * out < end; ++j) {
      const int64_t overlap =
          std::min(end, static_cast<int64_t>(j + 1) * out) - std::max(begin, static_cast<int64_t>(j) * out);
      if (overlap > 0) axis.taps[static_cast<size_t>(i)].push_back({j, static_cast<uint32_t>(overlap)});
    }
  }
  return axis;
}

// The centre of output pixel i lies at input position (i + 0.5) * in / out - 0.5;
// in units of 1/(2 * out) input pixel that is (2i + 1) * in - out. Positions
// before the first or after the last input centre take the edge pixel.
AxisTaps BilinearTaps(int in, int out) {
  AxisTaps axis;
  const int64_t unit = 2 * static_cast<int64_t>(out);
  axis.total = static_cast<uint32_t>(unit);
  axis.taps.resize(static_cast<size_t>(out));
  for (int i = 0; i < out; ++i) {
    auto& taps = axis.taps[static_cast<size_t>(i)];
    const int64_t position = (2 * static_cast<int64_t>(i) + 1) * in - out;
    if (position <= 0) {
      taps.push_back({0, axis.total});
      continue;
    }
    const int j = static_cast<int>(position / unit);
    const auto fraction = static_cast<uint32_t>(position % unit);
    if (j >= in - 1) {
      taps.push_back({in - 1, axis.total});
    } else {
      taps.push_back({j, axis.total - fraction});
      if (fraction > 0) taps.push_back({j + 1, fraction});
    }
  }
  return axis;
}

AxisTaps TapsFor(int in, int out) {
  if (out < in) return AreaAverageTaps(in, out);
  if (out > in) return BilinearTaps(in, out);
  AxisTaps axis;
  axis.taps.resize(static_cast<size_t>(out));
  for (int i = 0; i < out; ++i) axis.taps[static_cast<size_t>(i)].push_back({i, 1});
  return axis;
}

}  // namespace

Picture Scaled(const Picture& source, int width, int height) {
  if (source.empty() || width <= 0 || height <= 0) return {};
  if (source.width == width && source.height == height) return source;
  const AxisTaps across = TapsFor(source.width, width);
  const AxisTaps down = TapsFor(source.height, height);

  // Pass 1 along the rows, kept unrounded: each value is at most 255 * across.total.
  std::vector<uint32_t> rows(static_cast<size_t>(width) * source.height * 3);
  for (int y = 0; y < source.height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t r = 0, g = 0, b = 0;
      for (const auto& tap : across.taps[static_cast<size_t>(x)]) {
        const Rgb c = source.at(tap.index, y);
        r += tap.weight * c.r;
        g += tap.weight * c.g;
        b += tap.weight * c.b;
      }
      uint32_t* out = &rows[(static_cast<size_t>(y) * width + x) * 3];
      out[0] = r, out[1] = g, out[2] = b;
    }
  }
  // Pass 2 down the columns, then one rounding division.
  Picture result(width, height);
  const uint64_t total = static_cast<uint64_t>(across.total) * down.total;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint64_t sum[3] = {0, 0, 0};
      for (const auto& tap : down.taps[static_cast<size_t>(y)]) {
        const uint32_t* in = &rows[(static_cast<size_t>(tap.index) * width + x) * 3];
        for (int k = 0; k < 3; ++k) sum[k] += static_cast<uint64_t>(tap.weight) * in[k];
      }
      auto channel = [&](int k) { return static_cast<uint8_t>((sum[k] + total / 2) / total); };
      result.set(x, y, {channel(0), channel(1), channel(2)});
    }
  }
  return result;
}

}  // namespace assets
