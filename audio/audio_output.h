// The sound as the program hears it: one SDL audio stream fed by the mixer, with music from
// FluidSynth and the three effects. Open returns at once; a worker thread opens the audio
// device and loads the soundfont, and the music joins the stream when it is ready. Without
// an audio device everything still works and nothing is heard.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "audio/audio_mixer.h"
#include "audio/sound_output.h"

namespace sorimo {

inline constexpr const char* kSoundFontPath = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class AudioOutput : public SoundOutput {
 public:
  explicit AudioOutput(std::string soundFontPath = kSoundFontPath);
  ~AudioOutput() override;

  void Open() override;
  void PlayEffect(std::string_view name) override;
  void PlayPiece(std::vector<uint8_t> midi) override;
  void SetMusicPaused(bool paused) override;
  bool PieceEnded() override;
  std::string TakePieceError() override;

  // Waits for the worker Open started: true when a device plays the stream. For benches and
  // tests.
  bool WaitReady();
  // The soundfont's error text when it could not be loaded (after WaitReady).
  const std::string& soundFontError() const { return soundFontError_; }
  AudioMixer& mixer() { return mixer_; }

 private:
  void OpenDevice();
  static void Callback(void* self, uint8_t* stream, int bytes);

  std::string soundFontPath_;
  AudioMixer mixer_;
  std::thread worker_;
  uint32_t device_ = 0;  // SDL_AudioDeviceID; 0 when none could be opened
  bool opened_ = false;
  bool audioStarted_ = false;
  std::string soundFontError_;
};

}  // namespace sorimo
