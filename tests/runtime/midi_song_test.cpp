#include "midi_song.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/files.h"
#include "tests/support/test_data.h"

namespace {

using game::MidiEvent;
using game::MidiMessage;
using Bytes = std::vector<uint8_t>;

Bytes Chunk(const char* name, const Bytes& data) {
  Bytes out(name, name + 4);
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(data.size() >> shift));
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

Bytes MidiFile(uint16_t format, uint16_t division, const std::vector<Bytes>& tracks) {
  Bytes file = Chunk("MThd", {0, static_cast<uint8_t>(format), 0, static_cast<uint8_t>(tracks.size()),
                              static_cast<uint8_t>(division >> 8), static_cast<uint8_t>(division)});
  for (const Bytes& track : tracks) {
    const Bytes chunk = Chunk("MTrk", track);
    file.insert(file.end(), chunk.begin(), chunk.end());
  }
  return file;
}

game::MidiSong Song(const std::variant<game::MidiSong, std::string>& read) {
  if (const auto* fault = std::get_if<std::string>(&read)) {
    ADD_FAILURE() << *fault;
    return {};
  }
  return std::get<game::MidiSong>(read);
}

// 96 ticks a quarter. The tempo track: 0.25 s a quarter from the start,
// 1 s a quarter from tick 192. The notes: running status, a program change
// with one data byte, a meta and a system exclusive event in between.
TEST(MidiSong, TracksMergeInTimeWithTheTempoChanges) {
  const Bytes tempo = {0x00, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90,   // 250000 us
                       0x81, 0x40, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,  // tick 192: 1000000 us
                       0x00, 0xFF, 0x2F, 0x00};
  const Bytes notes = {0x00, 0xC1, 0x05,                    // program 5 on channel 2
                       0x00, 0x91, 0x3C, 0x64,              // note on
                       0x60, 0x3E, 0x64,                    // tick 96, running status
                       0x00, 0xFF, 0x01, 0x02, 'h', 'i',    // text
                       0x00, 0xF0, 0x02, 0x7E, 0xF7,        // system exclusive
                       0x81, 0x40, 0x81, 0x3C, 0x00,        // tick 288: note off
                       0x00, 0xFF, 0x2F, 0x00};
  const auto song = Song(game::ReadMidiSong(MidiFile(1, 96, {tempo, notes})));
  const std::vector<MidiEvent> expected = {{0, MidiMessage(0xC1, 5)},
                                           {0, MidiMessage(0x91, 0x3C, 0x64)},
                                           {250000, MidiMessage(0x91, 0x3E, 0x64)},
                                           {1500000, MidiMessage(0x81, 0x3C, 0)}};
  EXPECT_EQ(song.events, expected);
  EXPECT_EQ(song.length_us, 1500000u);
}

TEST(MidiSong, TimeCodeDivisionAndTheEndOfTheLongestTrack) {
  // 25 frames of 40 ticks: a millisecond a tick; the empty second track ends later.
  const Bytes notes = {0x64, 0x90, 0x40, 0x40, 0x00, 0xFF, 0x2F, 0x00};
  const Bytes empty = {0x83, 0x60, 0xFF, 0x2F, 0x00};
  const auto song = Song(game::ReadMidiSong(MidiFile(1, 0xE728, {notes, empty})));
  EXPECT_EQ(song.events, (std::vector<MidiEvent>{{100000, MidiMessage(0x90, 0x40, 0x40)}}));
  EXPECT_EQ(song.length_us, 480000u);
}

TEST(MidiSong, DamagedFilesNameTheirFault) {
  const Bytes note = {0x00, 0x90, 0x40, 0x40};
  Bytes cut = MidiFile(0, 96, {note});
  cut.pop_back();
  const struct {
    const char* name;
    Bytes file;
    const char* fault;
  } cases[] = {
      {"empty", {}, "not a MIDI file"},
      {"type 2", MidiFile(2, 96, {note}), "only files of type 0 and 1 are played"},
      {"no track", MidiFile(0, 96, {}), "the file has no track"},
      {"track cut", cut, "track 1 runs past the end of the file"},
      {"data without a status", MidiFile(0, 96, {{0x00, 0x40, 0x40}}), "track 1: a data byte without a status"},
      {"status inside a note", MidiFile(0, 96, {{0x00, 0x90, 0x40, 0x90}}),
       "track 1: a status byte where a data byte belongs"},
      {"meta past its track", MidiFile(0, 96, {{0x00, 0xFF, 0x01, 0x7F}}), "track 1: an event runs past the end of the track"},
      {"endless length", MidiFile(0, 96, {{0xFF, 0xFF, 0xFF, 0xFF}}), "track 1: an event runs past the end of the track"},
      {"system message", MidiFile(0, 96, {note, {0x00, 0xF4}}), "track 2: a system message inside the track"},
  };
  for (const auto& c : cases) {
    const auto read = game::ReadMidiSong(c.file);
    ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.name;
    EXPECT_EQ(std::get<std::string>(read), c.fault) << c.name;
  }
}

// Real files: every type 0 and 1 file plays unless its bytes are broken.
TEST(MidiSong, RealFiles) {
  const std::filesystem::path folder = testing_support::TestData("midi");
  const std::set<std::string> refused = {
      "test-2-tracks-type-2.mid", "test-empty-file.mid", "test-not-a-midi-file.mid",
      "test-corrupt-file-missing-byte.mid", "test-syx-7e-06-01-id-request.syx"};
  int read = 0;
  for (const auto& item : std::filesystem::directory_iterator(folder)) {
    const std::string name = item.path().filename().string();
    if (item.path().extension() != ".mid" && item.path().extension() != ".syx") continue;
    const auto bytes = platform::ReadFileBytes(item.path());
    ASSERT_TRUE(bytes) << name;
    const auto song = game::ReadMidiSong(*bytes);
    const bool is_refused = refused.contains(name) || name.starts_with("test-illegal-message");
    EXPECT_EQ(std::holds_alternative<std::string>(song), is_refused)
        << name << (is_refused ? "" : ": " + std::get<std::string>(song));
    ++read;
  }
  EXPECT_GT(read, 60);
}

}  // namespace
