#include "game_sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#include "platform/byte_io.h"

namespace game {
namespace {

constexpr int kRate = 22050;
constexpr int kMaxPanning = 190;  // how much of its gain the ear away from the sound loses

std::vector<uint8_t> Wave(const std::vector<double>& samples) {
  std::vector<uint8_t> out;
  platform::ByteWriter w(out);
  auto tag = [&w](std::string_view t) { w.Bytes(std::span(reinterpret_cast<const uint8_t*>(t.data()), 4)); };
  const uint32_t size = static_cast<uint32_t>(samples.size());
  tag("RIFF"), w.U32(36 + size), tag("WAVE");
  tag("fmt "), w.U32(16), w.U16(1), w.U16(1), w.U32(kRate), w.U32(kRate), w.U16(1), w.U16(8);
  tag("data"), w.U32(size);
  for (double s : samples) w.U8(static_cast<uint8_t>(std::lround(128 + 127 * std::clamp(s, -1.0, 1.0))));
  return out;
}

// A dry metallic tick: a short burst of two high tones.
std::vector<double> Click() {
  std::vector<double> s(kRate * 40 / 1000);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    s[i] = std::exp(-t * 180) * (0.6 * std::sin(2 * std::numbers::pi * 2300 * t) +
                                 0.4 * std::sin(2 * std::numbers::pi * 3700 * t));
  }
  return s;
}

// A falling groan: a tone sliding down two octaves with a rough edge, fading out.
std::vector<double> Death() {
  std::vector<double> s(kRate * 11 / 10);
  double phase = 0;
  uint32_t noise = 12345;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double frequency = 220 * std::pow(0.25, t / 1.1);
    phase += 2 * std::numbers::pi * frequency / kRate;
    noise = noise * 1664525u + 1013904223u;
    const double rough = (static_cast<double>(noise >> 16) / 32768.0 - 1) * 0.25;
    const double tone = std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.3 * (std::fmod(phase, 6.283) / 3.14 - 1);
    s[i] = (tone * 0.45 + rough) * std::min(1.0, t * 40) * std::exp(-t * 2.2);
  }
  return s;
}

}  // namespace

SoundGains HearSound(const SoundEvent& sound, Fixed x, Fixed y, int angle) {
  if (!sound.placed) return {};
  const double dx = ToDouble(sound.x - x), dy = ToDouble(sound.y - y);
  const double distance = std::hypot(dx, dy);
  SoundGains gains;
  const double fall = (distance - kSoundFullWithin) / (kSoundSilentFrom - kSoundFullWithin);
  gains.volume = static_cast<int>(std::lround(255 * std::clamp(1 - fall, 0.0, 1.0)));
  if (distance < 1e-3) return gains;
  // Angles grow clockwise (y points south): a positive sine lies to the right.
  const double side = std::sin(std::atan2(dy, dx) - AngleToRadians(angle));
  gains.left = 255 - static_cast<int>(std::lround(kMaxPanning * std::max(0.0, side)));
  gains.right = 255 - static_cast<int>(std::lround(kMaxPanning * std::max(0.0, -side)));
  return gains;
}

std::vector<uint8_t> OwnSoundWave(int sound) {
  if (sound == kEmptyClickSound) return Wave(Click());
  if (sound == kPlayerDeathSound) return Wave(Death());
  return {};
}

}  // namespace game
