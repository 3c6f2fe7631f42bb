#include "win_audio.h"

#include <iostream>

#include "game_sounds.h"
#include "midi_song.h"

namespace game::win {

DecodedSounds::DecodedSounds(const GameData& data) {
  for (size_t position = 0; position < data.sounds.size(); ++position)
    if (auto sound = DecodeWave(data.sounds[position]))
      effects.emplace(static_cast<int>(position), std::move(*sound));
  pack_effects = static_cast<int>(effects.size());
  for (int own : {kEmptyClickSound, kPlayerDeathSound})
    if (auto sound = DecodeWave(OwnSoundWave(own))) effects.emplace(own, std::move(*sound));
  menu_music = DecodeWave(data.menu_music);
}

WaveOutput::WaveOutput(SoundMixer& mixer, std::mutex& lock) : mixer_(mixer), lock_(lock) {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 2;
  format.nSamplesPerSec = kMixRate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 4;
  format.nAvgBytesPerSec = kMixRate * 4;
  done_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (!done_ || waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done_), 0,
                            CALLBACK_EVENT) != MMSYSERR_NOERROR) {
    device_ = nullptr;
    std::cerr << "sound off: no wave output" << std::endl;
    return;
  }
  for (int i = 0; i < kBuffers; ++i) {
    headers_[i].lpData = reinterpret_cast<LPSTR>(samples_[i].data());
    headers_[i].dwBufferLength = sizeof(samples_[i]);
    waveOutPrepareHeader(device_, &headers_[i], sizeof(WAVEHDR));
    headers_[i].dwFlags |= WHDR_DONE;  // each buffer is filled once before it is first written
  }
  thread_ = std::thread(&WaveOutput::Run, this);
}

WaveOutput::~WaveOutput() {
  if (device_) {
    stop_ = true;
    SetEvent(done_);
    thread_.join();
    waveOutReset(device_);
    for (WAVEHDR& header : headers_) waveOutUnprepareHeader(device_, &header, sizeof(WAVEHDR));
    waveOutClose(device_);
  }
  if (done_) CloseHandle(done_);
}

// Refills each buffer the device has played and queues it again.
void WaveOutput::Run() {
  while (!stop_) {
    for (int i = 0; i < kBuffers; ++i) {
      if (!(headers_[i].dwFlags & WHDR_DONE)) continue;
      {
        const std::lock_guard hold(lock_);
        mixer_.Mix(samples_[i]);
      }
      headers_[i].dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
      waveOutWrite(device_, &headers_[i], sizeof(WAVEHDR));
    }
    WaitForSingleObject(done_, 50);
  }
}

GameAudio::GameAudio(const GameData& data, bool output) : data_(data), sounds_(data) {
  if (!output) return;
  output_ = std::make_unique<WaveOutput>(mixer_, lock_);
  midi_ = std::make_unique<MidiPlayer>();
}

void GameAudio::Play(int entry_position, const SoundGains& gains) {
  const auto found = sounds_.effects.find(entry_position);
  if (found == sounds_.effects.end()) return;
  // Gains of 0 to 255 each, the distance's and the side's, to the mixer's.
  const auto side = [&gains](int gain) { return gains.volume * gain * SoundMixer::kFullGain / (255 * 255); };
  const std::lock_guard hold(lock_);
  mixer_.Play(&found->second, side(gains.left), side(gains.right));
}

void GameAudio::SetMusic(const MusicChoice& choice) {
  if (choice == current_) return;
  current_ = choice;
  {
    const std::lock_guard hold(lock_);
    mixer_.Loop(choice.kind == MusicChoice::kMenu && sounds_.menu_music ? &*sounds_.menu_music : nullptr);
  }
  if (!midi_) return;
  if (choice.kind != MusicChoice::kLevel) {
    midi_->Stop();
    return;
  }
  const size_t index = static_cast<size_t>(choice.level - 1);
  const Entry* file = index < data_.level_midi_files.size() ? &data_.level_midi_files[index] : nullptr;
  auto song = file ? ReadMidiSong(*file) : std::variant<MidiSong, std::string>("the level has no music");
  if (auto* fault = std::get_if<std::string>(&song)) {
    std::cerr << "the music of level " << choice.level << " cannot play: " << *fault << std::endl;
    midi_->Stop();
    return;
  }
  midi_->Play(std::make_shared<const MidiSong>(std::move(std::get<MidiSong>(song))));
}

void GameAudio::SetVolumes(int music, int effects) {
  {
    const std::lock_guard hold(lock_);
    mixer_.SetVolumes(music, effects);
  }
  if (midi_) midi_->SetVolume(music);
}

}  // namespace game::win
