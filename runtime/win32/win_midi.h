// A small sequencer: plays a song read by ReadMidiSong through the system's
// MIDI output on a thread of its own, over and over until stopped, with the
// channel volumes scaled by the game volume.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "midi_song.h"

namespace game::win {

class MidiPlayer {
 public:
  MidiPlayer();
  ~MidiPlayer();
  MidiPlayer(const MidiPlayer&) = delete;
  MidiPlayer& operator=(const MidiPlayer&) = delete;

  // Starts `song` from its beginning, in place of any other.
  void Play(std::shared_ptr<const MidiSong> song);
  void Stop();
  void SetVolume(int volume);  // 0..10

 private:
  void Run();
  // Sends a message with a channel volume (controller 7) scaled by the game volume.
  void Send(uint32_t message);
  void Silence();
  void SendVolumes();

  HMIDIOUT device_ = nullptr;
  std::mutex lock_;
  std::condition_variable changed_;
  std::shared_ptr<const MidiSong> song_;  // what the thread should play; null: silence
  int generation_ = 0;                    // counts the songs started, so that the thread notices a restart
  int volume_ = 8;
  bool quit_ = false;
  std::array<uint8_t, 16> channel_volumes_{};
  std::thread thread_;
};

}  // namespace game::win
