// The one audio stream: music from the synthesizer with the sound effect playing over it,
// as 16-bit stereo at 44,100 frames a second. Render is what the audio device's callback
// runs (and what tests run on a buffer); the other calls come from the GUI thread and only
// swap a few fields under a lock the callback holds as briefly.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "audio/music_synth.h"

namespace sorimo {

class AudioMixer {
 public:
  static constexpr int kSampleRate = MusicSynth::kSampleRate;
  static constexpr int kEffectRate = 11025;  // the effects are played four times over

  AudioMixer();
  ~AudioMixer();

  // ---- From the GUI thread
  // Starts the effect at once, replacing the one playing; the samples must outlive the mixer.
  void PlayEffect(std::span<const int16_t> samples);
  // The piece to play from its beginning (empty: none). Kept until the synthesizer is ready.
  void PlayPiece(std::vector<uint8_t> midi);
  void SetMusicPaused(bool paused);
  bool PieceEnded();
  std::string TakePieceError();

  // ---- From the thread that loaded the soundfont: the synthesizer joins the stream.
  void AttachSynth(std::unique_ptr<MusicSynth> synth);
  bool HasSynth();

  // ---- The audio thread
  // Fills frames of interleaved stereo samples.
  void Render(int16_t* stereo, int frames);

 private:
  std::mutex mutex_;  // guards the fields below up to `rendered...`
  std::unique_ptr<MusicSynth> synth_;
  std::vector<uint8_t> piece_;
  uint64_t pieceRequest_ = 0;   // counts PlayPiece calls
  uint64_t pieceStarted_ = 0;   // the request the synthesizer plays
  bool pieceEnded_ = false;     // of pieceStarted_
  std::string pieceError_;      // of pieceStarted_, until taken
  bool paused_ = false;
  std::span<const int16_t> nextEffect_;
  uint64_t effectRequest_ = 0;

  // The audio thread's own.
  std::span<const int16_t> effect_;
  uint64_t effectStarted_ = 0;
  size_t effectFrame_ = 0;  // output frames of the effect played
  std::vector<float> left_, right_;
};

}  // namespace sorimo
