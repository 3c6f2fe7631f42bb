#include "midi_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "game_entry_index.h"
#include "tests/runtime/sample_game.h"
#include "tests/runtime/starter_game.h"

namespace {

using game::Entry;
using game::MidiProblem;

TEST(MidiCheck, TheStarterTunesAndASmallTunePlay) {
  EXPECT_EQ(MidiProblem(sample::Tune()), "");
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  for (int level = 1; level <= 20; ++level)
    EXPECT_EQ(MidiProblem(starter->entries[static_cast<size_t>(game::EntryIndex("midilvl", level))]), "")
        << "level " << level;
}

TEST(MidiCheck, EveryCutOfAFileIsRefused) {
  const auto* starter = starter_game::Get();
  ASSERT_TRUE(starter);
  for (const Entry& tune : {sample::Tune(), starter->entries[static_cast<size_t>(game::EntryIndex("midilvl1"))]})
    for (size_t length = 0; length < tune.size(); ++length)
      ASSERT_NE(MidiProblem(std::span(tune).first(length)), "") << "cut at " << length << " of " << tune.size();
}

struct Damage {
  const char* what;
  std::function<void(Entry&)> apply;
  const char* problem;
};

TEST(MidiCheck, DamagedFilesAreRefusedWithTheirFault) {
  // Offsets into sample::Tune(): header 0-13, track header 14-21, events from 22.
  const Damage cases[] = {
      {"not a MIDI file", [](Entry& m) { m[0] = 'R'; }, "it is not a MIDI file"},
      {"header length 7", [](Entry& m) { m[7] = 7; }, "its header is damaged"},
      {"format 3", [](Entry& m) { m[9] = 3; }, "its header is damaged"},
      {"no tracks", [](Entry& m) { m[11] = 0; }, "its header gives no track or too many"},
      {"two tracks declared", [](Entry& m) { m[11] = 2; }, "track 2 is missing: the file ends early"},
      {"no time division", [](Entry& m) { m[12] = m[13] = 0; }, "its header gives no time division"},
      {"track length past the end", [](Entry& m) { m[21] += 1; }, "track 1 runs past the end of the file"},
      {"chunk not a track", [](Entry& m) { m[15] = 'X'; }, "track 1 does not start where the one before it ends"},
      {"system message", [](Entry& m) { m[23] = 0xF5; }, "track 1 has an event that cannot be read"},
      {"tempo of four bytes", [](Entry& m) { m[25] = 4; }, "track 1 has an event that cannot be read"},
      {"delta of five bytes", [](Entry& m) { m.insert(m.begin() + 22, {0x81, 0x81, 0x81, 0x81}); m[21] += 4; },
       "track 1 has an event that cannot be read"},
      {"no notes", [](Entry& m) { for (auto& b : m) if (b == 0x60) b = 0; }, "it plays no note"},
  };
  for (const Damage& d : cases) {
    Entry tune = sample::Tune();
    d.apply(tune);
    EXPECT_EQ(MidiProblem(tune), d.problem) << d.what;
  }
}

}  // namespace
