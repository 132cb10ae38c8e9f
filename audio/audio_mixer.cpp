#include "audio/audio_mixer.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sorimo {

namespace {

constexpr int kChunk = 512;         // frames rendered by the synthesizer at a time
constexpr float kEffectGain = 0.9f;  // the effects sit a little above the music
constexpr int kUpsample = AudioMixer::kSampleRate / AudioMixer::kEffectRate;
static_assert(kUpsample * AudioMixer::kEffectRate == AudioMixer::kSampleRate);

int16_t ToSample(float v) {
  const float scaled = v * 32767.0f;
  return int16_t(std::lround(std::clamp(scaled, -32768.0f, 32767.0f)));
}

}  // namespace

AudioMixer::AudioMixer() : left_(kChunk), right_(kChunk) {}

AudioMixer::~AudioMixer() = default;

void AudioMixer::PlayEffect(std::span<const int16_t> samples) {
  std::lock_guard lock(mutex_);
  nextEffect_ = samples;
  ++effectRequest_;
}

void AudioMixer::PlayPiece(std::vector<uint8_t> midi) {
  std::lock_guard lock(mutex_);
  piece_ = std::move(midi);
  ++pieceRequest_;
}

void AudioMixer::SetMusicPaused(bool paused) {
  std::lock_guard lock(mutex_);
  paused_ = paused;
}

bool AudioMixer::PieceEnded() {
  std::lock_guard lock(mutex_);
  return pieceStarted_ == pieceRequest_ && pieceEnded_;
}

std::string AudioMixer::TakePieceError() {
  std::lock_guard lock(mutex_);
  if (pieceStarted_ != pieceRequest_) return {};
  return std::exchange(pieceError_, std::string());
}

void AudioMixer::AttachSynth(std::unique_ptr<MusicSynth> synth) {
  std::lock_guard lock(mutex_);
  synth_ = std::move(synth);
}

bool AudioMixer::HasSynth() {
  std::lock_guard lock(mutex_);
  return synth_ != nullptr;
}

void AudioMixer::Render(int16_t* stereo, int frames) {
  MusicSynth* synth = nullptr;
  bool paused = false;
  {
    std::lock_guard lock(mutex_);
    if (effectRequest_ != effectStarted_) {
      effectStarted_ = effectRequest_;
      effect_ = nextEffect_;
      effectFrame_ = 0;
    }
    synth = synth_.get();
    // A new piece starts here, on the thread that renders it; the player only copies the
    // bytes and reads them as the rendering reaches them.
    if (synth && pieceStarted_ != pieceRequest_) {
      pieceStarted_ = pieceRequest_;
      synth->Start(piece_);
      pieceEnded_ = synth->Ended();
      pieceError_ = synth->PieceError();
    }
    paused = paused_;
  }

  // Silence costs nothing: no effect left, and no music (none, paused, or played out and
  // rung out).
  if (effectFrame_ / kUpsample >= effect_.size() && (!synth || paused || synth->Silent())) {
    std::fill_n(stereo, 2 * size_t(frames), int16_t(0));
    return;
  }

  // A paused piece is not rendered at all: its player stands still with the samples.
  bool endedNow = false;
  std::string errorNow;
  for (int done = 0; done < frames;) {
    const int n = std::min(kChunk, frames - done);
    if (synth && !paused) {
      const bool endedBefore = synth->Ended();
      synth->Render(left_.data(), right_.data(), n);
      if (!endedBefore && synth->Ended()) {
        endedNow = true;
        errorNow = synth->PieceError();
      }
    } else {
      std::fill_n(left_.begin(), n, 0.0f);
      std::fill_n(right_.begin(), n, 0.0f);
    }
    for (int i = 0; i < n; ++i) {
      float fx = 0;
      const size_t at = effectFrame_ / kUpsample;
      if (at < effect_.size()) {
        // Linear steps between the effect's samples, towards silence after the last.
        const float a = effect_[at] / 32768.0f;
        const float b = at + 1 < effect_.size() ? effect_[at + 1] / 32768.0f : 0.0f;
        const float t = float(effectFrame_ % kUpsample) / kUpsample;
        fx = kEffectGain * (a + (b - a) * t);
        ++effectFrame_;
      }
      int16_t* out = stereo + 2 * (done + i);
      out[0] = ToSample(left_[size_t(i)] + fx);
      out[1] = ToSample(right_[size_t(i)] + fx);
    }
    done += n;
  }

  if (endedNow) {
    // Recorded for the piece started above; a piece asked for meanwhile is not ended by it
    // (PieceEnded compares the requests).
    std::lock_guard lock(mutex_);
    pieceEnded_ = true;
    pieceError_ = errorNow;
  }
}

}  // namespace sorimo
