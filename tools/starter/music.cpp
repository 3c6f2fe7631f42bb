// The level tunes: short looping standard MIDI files (format 1, three tracks:
// tempo; melody, bass and chords; drums), one style per level.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/starter/content.h"

namespace starter {

namespace {

constexpr int kTicksPerBeat = 480;
constexpr int kBars = 8;

struct Event {
  int tick;
  int order;  // note-offs before note-ons at the same tick
  std::vector<uint8_t> bytes;
};

class Track {
 public:
  void Note(int channel, int tick, int length, int key, int velocity) {
    events_.push_back(
        {tick,
         1,
         {static_cast<uint8_t>(0x90 | channel), static_cast<uint8_t>(key), static_cast<uint8_t>(velocity)}});
    events_.push_back(
        {tick + length, 0, {static_cast<uint8_t>(0x80 | channel), static_cast<uint8_t>(key), 0}});
  }
  void Raw(int tick, std::vector<uint8_t> bytes) { events_.push_back({tick, 0, std::move(bytes)}); }

  // The MTrk chunk with delta times and the end-of-track event.
  platform::Bytes Chunk(int end_tick) const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    platform::Bytes body;
    int now = 0;
    for (const Event& e : sorted) {
      PutVariable(body, static_cast<uint32_t>(e.tick - now));
      now = e.tick;
      body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    }
    PutVariable(body, static_cast<uint32_t>(std::max(0, end_tick - now)));
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    platform::Bytes chunk = {'M', 'T', 'r', 'k'};
    for (int i = 3; i >= 0; --i) chunk.push_back(static_cast<uint8_t>(body.size() >> (8 * i)));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
  }

 private:
  static void PutVariable(platform::Bytes& out, uint32_t value) {
    uint8_t groups[5];
    int n = 0;
    do {
      groups[n++] = value & 0x7F;
      value >>= 7;
    } while (value);
    while (n > 1) out.push_back(static_cast<uint8_t>(groups[--n] | 0x80));
    out.push_back(groups[0]);
  }

  std::vector<Event> events_;
};

struct Style {
  int tempo_bpm;
  int root;  // MIDI key of the tonic
  bool minor;
  int lead, bass, pad;  // General MIDI programs
  int progression[4];   // scale degrees 0..6 of the chords, one per bar
  int drum_pattern;     // 0 march, 1 driving, 2 sparse
};

constexpr int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

Style StyleOf(int level) {
  const int leads[] = {80, 81, 73, 71, 56, 65, 82, 62, 29, 68};
  const int basses[] = {38, 33, 34, 39, 32};
  const int pads[] = {48, 89, 50, 91, 19, 52};
  const int progressions[][4] = {{0, 5, 3, 4}, {0, 3, 4, 0}, {0, 6, 5, 4}, {0, 3, 6, 4}, {0, 4, 5, 3}};
  Style s{};
  s.tempo_bpm = 96 + static_cast<int>(Hash(level, 1) % 60);
  s.root = 45 + static_cast<int>(Hash(level, 2) % 10);
  s.minor = level % 4 != 0;
  s.lead = leads[Hash(level, 3) % 10];
  s.bass = basses[Hash(level, 4) % 5];
  s.pad = pads[Hash(level, 5) % 6];
  const auto& p = progressions[Hash(level, 6) % 5];
  std::copy(p, p + 4, s.progression);
  s.drum_pattern = static_cast<int>(Hash(level, 7) % 3);
  return s;
}

int ScaleNote(const Style& s, int degree) {
  const int* scale = s.minor ? kMinor : kMajor;
  const int octave = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
  return s.root + 12 * octave + scale[((degree % 7) + 7) % 7];
}

platform::Bytes Tune(int level) {
  const Style s = StyleOf(level);
  const int bar = 4 * kTicksPerBeat;
  const int end = kBars * bar;

  Track tempo;
  const uint32_t micros = 60000000u / s.tempo_bpm;
  tempo.Raw(0, {0xFF, 0x51, 0x03, static_cast<uint8_t>(micros >> 16), static_cast<uint8_t>(micros >> 8),
                static_cast<uint8_t>(micros)});
  tempo.Raw(0, {0xFF, 0x58, 0x04, 4, 2, 24, 8});
  const std::string name = "Ember Keep level " + std::to_string(level);
  std::vector<uint8_t> meta = {0xFF, 0x03, static_cast<uint8_t>(name.size())};
  meta.insert(meta.end(), name.begin(), name.end());
  tempo.Raw(0, meta);

  Track music;
  music.Raw(0, {0xC0, static_cast<uint8_t>(s.lead)});
  music.Raw(0, {0xC1, static_cast<uint8_t>(s.bass)});
  music.Raw(0, {0xC2, static_cast<uint8_t>(s.pad)});
  music.Raw(0, {0xB2, 7, 70});  // the chords sit behind the melody
  int previous = 7;             // the melody's last scale degree
  for (int b = 0; b < kBars; ++b) {
    const int degree = s.progression[b % 4];
    const int t0 = b * bar;
    // Chord: three notes held for the bar.
    for (int k = 0; k < 3; ++k) music.Note(2, t0, bar - 20, ScaleNote(s, degree + 2 * k) + 12, 60);
    // Bass: root on the beats, fifth on the off-beats of the second half.
    for (int beat = 0; beat < 4; ++beat) {
      const int key = ScaleNote(s, degree + (beat == 3 ? 4 : 0)) - 12;
      music.Note(1, t0 + beat * kTicksPerBeat, kTicksPerBeat - 40, key, beat == 0 ? 100 : 85);
    }
    // Melody: eighth notes walking between chord tones; the last bar returns home.
    for (int step = 0; step < 8; ++step) {
      const uint32_t h = Hash(level, b, step, 9);
      if (step % 2 == 1 && h % 4 == 0) continue;  // a rest now and then
      int target = degree + 7 + 2 * static_cast<int>(h % 3);
      if (h % 5 == 0) target += (h & 16) ? 1 : -1;  // a passing note
      if (b == kBars - 1 && step >= 6) target = 7;
      previous += std::clamp(target - previous, -2, 2);
      const int length = (step % 2 == 0 && (h & 32)) ? kTicksPerBeat - 30 : kTicksPerBeat / 2 - 20;
      music.Note(0, t0 + step * kTicksPerBeat / 2, length, ScaleNote(s, previous) + 12,
                 90 + static_cast<int>(h % 20));
    }
  }

  Track drums;
  for (int b = 0; b < kBars; ++b)
    for (int step = 0; step < 8; ++step) {
      const int t = b * bar + step * kTicksPerBeat / 2;
      const bool kick = s.drum_pattern == 1 ? step % 2 == 0 : (step == 0 || step == 5);
      const bool snare = step == 2 || step == 6;
      if (kick) drums.Note(9, t, 60, 36, 100);
      if (snare && s.drum_pattern != 2) drums.Note(9, t, 60, 38, 90);
      if (s.drum_pattern == 2 && step == 4) drums.Note(9, t, 60, 45, 80);
      drums.Note(9, t, 40, 42, step % 2 == 0 ? 70 : 50);
    }

  platform::Bytes out = {'M',
                         'T',
                         'h',
                         'd',
                         0,
                         0,
                         0,
                         6,
                         0,
                         1,
                         0,
                         3,
                         static_cast<uint8_t>(kTicksPerBeat >> 8),
                         static_cast<uint8_t>(kTicksPerBeat & 0xFF)};
  for (const Track* t : {&tempo, &music, &drums}) {
    const platform::Bytes chunk = t->Chunk(end);
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace

void AddMusic(Content& content) {
  for (int level = 1; level <= 20; ++level)
    content.files.push_back({"midilvl" + std::to_string(level), Tune(level)});
}

}  // namespace starter
