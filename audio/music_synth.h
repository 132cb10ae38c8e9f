// The synthesizer: FluidSynth with a General MIDI soundfont, and its MIDI player. The player
// is timed by the samples the synthesizer renders, not by a clock of its own, so the music
// moves exactly as far as the audio stream has played: a pause is simply not rendering.
// One thread at a time: the audio thread once the stream runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace sorimo {

class MusicSynth {
 public:
  static constexpr int kSampleRate = 44100;

  MusicSynth();
  ~MusicSynth();
  MusicSynth(const MusicSynth&) = delete;
  MusicSynth& operator=(const MusicSynth&) = delete;

  // Loads the soundfont; returns the synthesizer's error text, empty on success. Slow (tenths
  // of a second): never on the GUI thread.
  std::string LoadSoundFont(const std::string& path);

  // Starts a piece (a Standard MIDI File in memory) from its beginning, dropping the one
  // playing; an empty piece only silences. The file is read as rendering begins.
  void Start(const std::vector<uint8_t>& midi);
  // Renders frames of stereo samples at kSampleRate, advancing the piece by as much.
  void Render(float* left, float* right, int frames);
  // True once the piece has played out or could not be read.
  bool Ended() const { return ended_; }
  // True once nothing sounds and nothing will until the next Start: Render gives silence.
  bool Silent() const { return stillFrames_ > kReverbTailFrames; }
  // The synthesizer's complaint about the piece, when it could not read it; empty otherwise.
  const std::string& PieceError() const { return pieceError_; }

 private:
  void DropPlayer();

  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  _fluid_player_t* player_ = nullptr;
  bool ended_ = false;
  bool sawNotes_ = false;  // the player got past loading the file
  // Frames rendered since the last voice stopped with no piece playing; past the reverb's
  // tail the synthesizer is left alone.
  static constexpr int kReverbTailFrames = 5 * kSampleRate;
  int stillFrames_ = 0;
  std::string pieceError_;
};

// The last error FluidSynth reported in this process (it reports through one global log),
// taken away by the call.
std::string TakeSynthesizerError();

}  // namespace sorimo
