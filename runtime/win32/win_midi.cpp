#include "win_midi.h"

#include <chrono>
#include <iostream>

namespace game::win {
namespace {

constexpr uint8_t kControlChange = 0xB0;
constexpr uint8_t kChannelVolume = 7, kAllSoundOff = 120, kResetControllers = 121;
constexpr uint8_t kDefaultChannelVolume = 100;
constexpr int kChannels = 16;

}  // namespace

MidiPlayer::MidiPlayer() {
  channel_volumes_.fill(kDefaultChannelVolume);
  if (midiOutOpen(&device_, MIDI_MAPPER, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
    device_ = nullptr;
    std::cerr << "music off: no MIDI output" << std::endl;
    return;
  }
  thread_ = std::thread(&MidiPlayer::Run, this);
}

MidiPlayer::~MidiPlayer() {
  if (!device_) return;
  {
    const std::lock_guard hold(lock_);
    quit_ = true;
  }
  changed_.notify_all();
  thread_.join();
  midiOutReset(device_);
  midiOutClose(device_);
}

void MidiPlayer::Play(std::shared_ptr<const MidiSong> song) {
  {
    const std::lock_guard hold(lock_);
    song_ = std::move(song);
    ++generation_;
  }
  changed_.notify_all();
}

void MidiPlayer::Stop() {
  Play(nullptr);
}

void MidiPlayer::SetVolume(int volume) {
  {
    const std::lock_guard hold(lock_);
    if (volume == volume_) return;
    volume_ = volume;
    if (device_) SendVolumes();
  }
}

void MidiPlayer::Send(uint32_t message) {
  if ((MidiStatus(message) & 0xF0) == kControlChange && MidiData1(message) == kChannelVolume) {
    const int channel = MidiStatus(message) & 0x0F;
    channel_volumes_[static_cast<size_t>(channel)] = MidiData2(message);
    message = MidiMessage(MidiStatus(message), kChannelVolume,
                          static_cast<uint8_t>(MidiData2(message) * volume_ / 10));
  }
  midiOutShortMsg(device_, message);
}

void MidiPlayer::SendVolumes() {
  for (int channel = 0; channel < kChannels; ++channel)
    Send(MidiMessage(static_cast<uint8_t>(kControlChange | channel), kChannelVolume,
                     channel_volumes_[static_cast<size_t>(channel)]));
}

void MidiPlayer::Silence() {
  for (int channel = 0; channel < kChannels; ++channel) {
    const auto status = static_cast<uint8_t>(kControlChange | channel);
    midiOutShortMsg(device_, MidiMessage(status, kAllSoundOff));
    midiOutShortMsg(device_, MidiMessage(status, kResetControllers));
  }
  channel_volumes_.fill(kDefaultChannelVolume);
}

// Plays the current song from its start, again at its end, until it changes.
void MidiPlayer::Run() {
  using Clock = std::chrono::steady_clock;
  std::unique_lock hold(lock_);
  while (!quit_) {
    const int generation = generation_;
    const std::shared_ptr<const MidiSong> song = song_;
    Silence();
    if (!song || song->length_us == 0) {
      changed_.wait(hold, [&] { return quit_ || generation_ != generation; });
      continue;
    }
    SendVolumes();
    const auto start = Clock::now();
    size_t next = 0;
    const auto interrupted = [&] { return quit_ || generation_ != generation; };
    while (!interrupted()) {
      const uint64_t at = next < song->events.size() ? song->events[next].time_us : song->length_us;
      if (changed_.wait_until(hold, start + std::chrono::microseconds(at), interrupted)) break;
      if (next == song->events.size()) {
        ++generation_;  // the end: the same song again from its start
        break;
      }
      for (; next < song->events.size() && song->events[next].time_us <= at; ++next) Send(song->events[next].message);
    }
  }
  Silence();
}

}  // namespace game::win
