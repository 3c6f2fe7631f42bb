// The wave sounds of the sample game, synthesised from a few layered
// oscillators and filtered noise, written as 16-bit mono RIFF/WAVE files.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_io.h"
#include "tools/starter/content.h"

namespace starter {

namespace {

constexpr int kRate = 22050;
constexpr double kTau = 2 * std::numbers::pi;

enum class Wave { kSine, kSquare, kSaw, kTriangle, kNoise };

// One layer of a sound: an oscillator (or noise) with a pitch sweep, an
// amplitude envelope and a one-pole low-pass filter.
struct Layer {
  Wave wave = Wave::kSine;
  double start = 0;           // seconds after the sound begins
  double length = 0.2;        // seconds
  double f0 = 440, f1 = 440;  // frequency at the start and the end (exponential sweep)
  double volume = 0.5;
  double attack = 0.005;  // seconds
  double decay = 4;       // higher ends sooner: envelope (1 - t)^decay
  double cutoff = 0;      // low-pass cut-off in Hz, 0 for none
  double vibrato = 0;     // depth as a fraction of the frequency
  double vibrato_rate = 6;
  double crackle = 0;  // probability per sample of a random amplitude dip (grainy sounds)
  uint32_t seed = 1;
};

void Render(std::vector<double>& out, const Layer& layer) {
  const int first = static_cast<int>(layer.start * kRate);
  const int count = static_cast<int>(layer.length * kRate);
  if (static_cast<int>(out.size()) < first + count) out.resize(first + count, 0.0);
  double phase = 0, filtered = 0, held_noise = 0;
  const double alpha = layer.cutoff > 0 ? 1 - std::exp(-kTau * layer.cutoff / kRate) : 1;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / count;
    double f = layer.f0 * std::pow(layer.f1 / layer.f0, t);
    f *= 1 + layer.vibrato * std::sin(kTau * layer.vibrato_rate * i / kRate);
    phase += f / kRate;
    phase -= std::floor(phase);
    double v = 0;
    switch (layer.wave) {
      case Wave::kSine:
        v = std::sin(kTau * phase);
        break;
      case Wave::kSquare:
        v = phase < 0.5 ? 0.6 : -0.6;
        break;
      case Wave::kSaw:
        v = 2 * phase - 1;
        break;
      case Wave::kTriangle:
        v = 4 * std::fabs(phase - 0.5) - 1;
        break;
      case Wave::kNoise:
        // Sample-and-hold noise: the frequency sets how often it changes.
        if (phase < f / kRate || i == 0) held_noise = Random01(layer.seed, i) * 2 - 1;
        v = held_noise;
        break;
    }
    if (layer.crackle > 0 && Random01(layer.seed + 7, i / 40) < layer.crackle) v *= 0.1;
    filtered += alpha * (v - filtered);
    const double attack = layer.attack > 0 ? std::min(1.0, i / (layer.attack * kRate)) : 1.0;
    const double envelope = attack * std::pow(1 - t, layer.decay);
    out[first + i] += filtered * envelope * layer.volume;
  }
}

platform::Bytes WaveFile(const std::vector<double>& samples) {
  // Loud enough to hear, but held to a common loudness so that steady tones
  // (sirens, square waves) do not drown the short effects.
  double peak = 0, energy = 0;
  for (double s : samples) {
    peak = std::max(peak, std::fabs(s));
    energy += s * s;
  }
  const double rms = samples.empty() ? 0 : std::sqrt(energy / samples.size());
  const double gain = peak > 0 ? std::min(0.85 / peak, 0.28 / rms) : 0;
  const uint32_t data_size = static_cast<uint32_t>(samples.size() * 2);
  platform::Bytes out;
  out.reserve(44 + data_size);
  platform::ByteWriter w(out);
  auto tag = [&w](std::string_view t) { w.Bytes(std::span(reinterpret_cast<const uint8_t*>(t.data()), 4)); };
  tag("RIFF");
  w.U32(36 + data_size);
  tag("WAVE");
  tag("fmt ");
  w.U32(16);
  w.U16(1);  // PCM
  w.U16(1);  // mono
  w.U32(kRate);
  w.U32(kRate * 2);  // bytes per second
  w.U16(2);          // block align
  w.U16(16);         // bits per sample
  tag("data");
  w.U32(data_size);
  for (double s : samples) {
    const auto v = static_cast<int16_t>(std::lround(std::clamp(s * gain, -1.0, 1.0) * 32767));
    w.U16(static_cast<uint16_t>(v));
  }
  return out;
}

platform::Bytes Sound(std::initializer_list<Layer> layers) {
  std::vector<double> samples;
  for (const Layer& layer : layers) Render(samples, layer);
  // A short fade at the end keeps the last sample from clicking.
  const size_t fade = std::min<size_t>(samples.size(), 64);
  for (size_t i = 0; i < fade; ++i) samples[samples.size() - 1 - i] *= static_cast<double>(i) / fade;
  return WaveFile(samples);
}

Layer Noise(double start, double length, double rate, double cutoff, double volume, double decay,
            uint32_t seed) {
  Layer l;
  l.wave = Wave::kNoise;
  l.start = start;
  l.length = length;
  l.f0 = l.f1 = rate;
  l.cutoff = cutoff;
  l.volume = volume;
  l.decay = decay;
  l.seed = seed;
  return l;
}

Layer Tone(Wave wave, double start, double length, double f0, double f1, double volume, double decay = 2) {
  Layer l;
  l.wave = wave;
  l.start = start;
  l.length = length;
  l.f0 = f0;
  l.f1 = f1;
  l.volume = volume;
  l.decay = decay;
  return l;
}

Layer Filtered(Layer l, double cutoff) {
  l.cutoff = cutoff;
  return l;
}

Layer Vibrato(Layer l, double depth, double rate) {
  l.vibrato = depth;
  l.vibrato_rate = rate;
  return l;
}

double Note(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

platform::Bytes WeaponShot(int weapon, uint32_t seed) {
  switch (weapon) {
    case 1:  // pistol: a sharp crack and a short thump
      return Sound({Noise(0, 0.22, 18000, 6000, 1.0, 6, seed), Tone(Wave::kSine, 0, 0.15, 180, 60, 0.8, 3)});
    case 2:  // shotgun: a heavy blast with a long tail
      return Sound({Noise(0, 0.55, 16000, 3000, 1.0, 3, seed), Tone(Wave::kSine, 0, 0.3, 120, 40, 1.0, 2),
                    Noise(0.25, 0.2, 3000, 1500, 0.2, 2, seed + 1)});
    case 3:  // chain gun: a short crisp burst
      return Sound(
          {Noise(0, 0.12, 20000, 8000, 1.0, 5, seed), Tone(Wave::kSquare, 0, 0.08, 220, 90, 0.4, 3)});
    case 4:  // plasma rifle: a falling electric zap
      return Sound({Tone(Wave::kSquare, 0, 0.3, 1400, 260, 0.5, 2),
                    Vibrato(Tone(Wave::kSine, 0, 0.3, 900, 200, 0.6, 2), 0.1, 40),
                    Noise(0, 0.06, 20000, 9000, 0.3, 3, seed)});
    case 5:  // rocket launcher: a thump and a rushing whoosh
      return Sound(
          {Tone(Wave::kSine, 0, 0.25, 90, 45, 1.0, 2), Noise(0.02, 0.7, 9000, 1200, 0.7, 1.5, seed)});
    default:  // ember staff: a roar of fire with a rising whine
      return Sound(
          {Noise(0, 0.45, 12000, 2500, 0.9, 1.5, seed), Tone(Wave::kSaw, 0, 0.35, 200, 700, 0.25, 2)});
  }
}

platform::Bytes Impact(int weapon, uint32_t seed) {
  switch (weapon) {
    case 4:  // plasma fizzles
      return Sound({Vibrato(Tone(Wave::kSine, 0, 0.25, 600, 150, 0.6, 2), 0.2, 50),
                    Noise(0, 0.15, 15000, 6000, 0.4, 4, seed)});
    case 5:  // rocket explodes
      return Sound({Tone(Wave::kSine, 0, 0.6, 70, 30, 1.0, 1.5), Noise(0, 1.0, 8000, 900, 1.0, 1.8, seed),
                    Noise(0.05, 0.5, 14000, 4000, 0.3, 3, seed + 3)});
    case 6:  // fire splashes
      return Sound({Noise(0, 0.5, 10000, 2200, 0.9, 2, seed)});
    default:  // bullets: a ricochet ping for the small guns, a thud for the shotgun
      if (weapon == 2)
        return Sound({Noise(0, 0.2, 9000, 1800, 1.0, 4, seed), Tone(Wave::kSine, 0, 0.12, 140, 70, 0.5, 3)});
      return Sound({Noise(0, 0.08, 18000, 7000, 0.8, 5, seed),
                    Tone(Wave::kSine, 0.01, 0.25, 2800 + 300 * weapon, 1900 + 200 * weapon, 0.25, 3)});
  }
}

// Enemy voices: growls and shouts from a filtered saw wave with vibrato.
platform::Bytes EnemyCall(int enemy, bool dying, uint32_t seed) {
  const double base[] = {0, 170, 110, 240, 150, 70};
  const double f = base[enemy];
  if (enemy == 3) {  // the sentinel is a machine: a ring of square tones
    if (dying)
      return Sound({Tone(Wave::kSquare, 0, 1.0, 600, 60, 0.5, 1), Noise(0, 0.6, 12000, 3000, 0.6, 2, seed),
                    Vibrato(Tone(Wave::kSine, 0, 1.0, 300, 40, 0.4, 1), 0.3, 18)});
    return Sound({Tone(Wave::kSquare, 0, 0.12, 880, 880, 0.5, 0.5),
                  Tone(Wave::kSquare, 0.16, 0.12, 660, 660, 0.5, 0.5),
                  Tone(Wave::kSquare, 0.32, 0.2, 990, 990, 0.5, 1)});
  }
  if (dying)
    return Sound({Filtered(Vibrato(Tone(Wave::kSaw, 0, 0.9, f * 1.4, f * 0.5, 0.8, 1.2), 0.04, 7), 1400),
                  Noise(0, 0.25, 6000, 1200, 0.4, 3, seed)});
  return Sound({Filtered(Vibrato(Tone(Wave::kSaw, 0, 0.45, f, f * 1.5, 0.8, 1), 0.05, 9), 1800),
                Filtered(Tone(Wave::kSaw, 0, 0.45, f * 2.02, f * 3, 0.3, 1), 2500)});
}

platform::Bytes EnemyShot(int enemy, uint32_t seed) {
  switch (enemy) {
    case 3:
      return WeaponShot(4, seed);
    case 4:  // the cultist throws fire
      return WeaponShot(6, seed);
    case 5:
      return WeaponShot(2, seed);
    default:
      return WeaponShot(enemy == 1 ? 1 : 3, seed);
  }
}

// Sprites breaking: wood, glass, metal, stone and cloth.
platform::Bytes SpriteDestroyed(int sprite, uint32_t seed) {
  auto glass = [seed] {
    return Sound({Noise(0, 0.5, 20000, 9000, 0.7, 3, seed), Tone(Wave::kSine, 0, 0.4, 3200, 3000, 0.2, 3),
                  Tone(Wave::kSine, 0.05, 0.3, 4100, 3900, 0.15, 3),
                  Tone(Wave::kSine, 0.1, 0.3, 2500, 2400, 0.15, 3)});
  };
  auto wood = [seed] {
    Layer crack = Noise(0, 0.4, 7000, 2500, 1.0, 3, seed);
    crack.crackle = 0.4;
    return Sound({crack, Tone(Wave::kSine, 0, 0.2, 160, 90, 0.6, 3)});
  };
  auto metal = [seed](double f) {
    return Sound({Tone(Wave::kSine, 0, 0.8, f, f * 0.98, 0.5, 2),
                  Tone(Wave::kSine, 0, 0.6, f * 2.76, f * 2.7, 0.3, 3),
                  Noise(0, 0.15, 15000, 5000, 0.6, 4, seed)});
  };
  switch (sprite) {
    case 1:
      return metal(180);  // barrel
    case 2:
    case 8:
      return glass();  // lamp, chandelier
    case 3: {          // pillar crumbles
      Layer rubble = Noise(0, 1.0, 4000, 900, 1.0, 1.5, seed);
      rubble.crackle = 0.5;
      return Sound({rubble, Tone(Wave::kSine, 0, 0.4, 60, 35, 0.8, 2)});
    }
    case 7:
      return metal(420);  // armour
    case 9:
      return Sound({Noise(0, 0.7, 9000, 1800, 0.9, 1.5, seed), Tone(Wave::kSine, 0, 0.3, 300, 120, 0.3, 2)});
    case 10:
      return Sound({Noise(0, 0.3, 12000, 5000, 0.8, 1, seed)});  // cloth tears
    default:
      return wood();  // plant pot, table, crate
  }
}

platform::Bytes Arpeggio(const std::vector<int>& notes, double step, Wave wave, double tail) {
  std::vector<double> samples;
  for (size_t i = 0; i < notes.size(); ++i) {
    Layer l = Tone(wave, i * step, step + tail, Note(notes[i]), Note(notes[i]), 0.5, 2);
    Render(samples, l);
    Render(samples,
           Tone(Wave::kSine, i * step, step + tail, Note(notes[i]) * 2, Note(notes[i]) * 2, 0.15, 3));
  }
  return WaveFile(samples);
}

// The menu's music: eight bars of a minor progression with bass and arpeggio.
platform::Bytes MenuMusic() {
  std::vector<double> samples;
  const double beat = 0.3;
  const int chords[4][3] = {{57, 60, 64}, {53, 57, 60}, {55, 59, 62}, {52, 56, 59}};  // Am F G E
  for (int bar = 0; bar < 8; ++bar) {
    const auto& chord = chords[bar % 4];
    const double t0 = bar * 4 * beat;
    Render(samples,
           Filtered(Tone(Wave::kSaw, t0, 4 * beat, Note(chord[0] - 24), Note(chord[0] - 24), 0.5, 0.8), 600));
    for (int step = 0; step < 8; ++step) {
      const int note = chord[step % 3] + (step >= 4 ? 12 : 0);
      Render(
          samples,
          Filtered(Tone(Wave::kSquare, t0 + step * beat / 2, beat, Note(note), Note(note), 0.18, 3), 3000));
    }
    Render(samples, Noise(t0, 0.1, 20000, 9000, 0.15, 6, bar));
    Render(samples, Noise(t0 + 2 * beat, 0.1, 20000, 9000, 0.1, 6, bar + 50));
  }
  samples.resize(static_cast<size_t>(8 * 4 * beat * kRate));  // an exact loop
  return WaveFile(samples);
}

}  // namespace

void AddSounds(Content& content) {
  auto add = [&content](const std::string& name, platform::Bytes bytes) {
    content.files.push_back({name, std::move(bytes)});
  };
  add("footstepsound",
      Sound({Noise(0, 0.12, 3000, 700, 1.0, 3, 11), Tone(Wave::kSine, 0, 0.1, 90, 60, 0.6, 3)}));
  for (int w = 1; w <= 6; ++w) add("weapon" + std::to_string(w) + "sound", WeaponShot(w, 100 + w));
  for (int w = 1; w <= 6; ++w) add("impact" + std::to_string(w) + "sound", Impact(w, 200 + w));
  {
    std::vector<double> siren;
    for (int i = 0; i < 4; ++i)
      Render(siren, Tone(Wave::kSquare, i * 0.35, 0.35, i % 2 ? 660 : 880, i % 2 ? 660 : 880, 0.4, 0.3));
    add("sirenesound", WaveFile(siren));
  }
  add("dooropensound", Sound({Noise(0, 0.7, 2500, 500, 0.8, 0.8, 21),
                              Filtered(Tone(Wave::kSaw, 0, 0.7, 70, 95, 0.4, 0.8), 500)}));
  add("doorclosesound",
      Sound({Noise(0, 0.5, 2500, 500, 0.6, 1, 22), Tone(Wave::kSine, 0.35, 0.3, 90, 45, 1.0, 3),
             Noise(0.35, 0.2, 9000, 2500, 0.6, 4, 23)}));
  add("nextlevelsound", Arpeggio({60, 64, 67, 72, 76, 79, 84}, 0.11, Wave::kSquare, 0.3));
  add("gamefinishedsound", Arpeggio({60, 60, 67, 67, 72, 71, 72, 76, 79, 84}, 0.18, Wave::kTriangle, 0.6));
  add("menumusic", MenuMusic());
  add("healthfoundsound", Arpeggio({72, 79}, 0.09, Wave::kSine, 0.25));
  add("weaponfoundsound", Sound({Noise(0, 0.1, 16000, 6000, 0.8, 4, 31),
                                 Tone(Wave::kSquare, 0.08, 0.3, Note(55), Note(55), 0.4, 2),
                                 Tone(Wave::kSquare, 0.08, 0.3, Note(62), Note(62), 0.3, 2)}));
  add("ammofoundsound",
      Sound({Noise(0, 0.05, 18000, 8000, 0.8, 3, 32), Noise(0.09, 0.06, 18000, 6000, 0.9, 3, 33),
             Tone(Wave::kSine, 0.09, 0.1, 900, 700, 0.3, 3)}));
  add("treasurefoundsound", Arpeggio({84, 88, 91, 96}, 0.06, Wave::kSine, 0.35));
  add("reloadsound",
      Sound({Noise(0, 0.06, 16000, 5000, 0.9, 3, 41), Tone(Wave::kSine, 0, 0.05, 1200, 800, 0.3, 3),
             Noise(0.2, 0.07, 16000, 4000, 1.0, 3, 42), Tone(Wave::kSine, 0.2, 0.06, 800, 500, 0.3, 3)}));
  add("keyfoundsound", Arpeggio({79, 83, 86, 91, 95}, 0.05, Wave::kTriangle, 0.3));
  for (int e = 1; e <= 5; ++e) add("enemy" + std::to_string(e) + "heysound", EnemyCall(e, false, 300 + e));
  for (int e = 1; e <= 5; ++e) add("enemy" + std::to_string(e) + "shootsound", EnemyShot(e, 400 + e));
  for (int e = 1; e <= 5; ++e) add("enemy" + std::to_string(e) + "diesound", EnemyCall(e, true, 500 + e));
  for (int s = 1; s <= 10; ++s) add("spr" + std::to_string(s) + "destroysound", SpriteDestroyed(s, 600 + s));
}

}  // namespace starter
