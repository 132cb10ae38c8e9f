// What the window asks of the sound: effects, one piece of music at a time, pause, and the
// piece's end. The real one plays through the audio device (audio_output.h); tests record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorimo {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Opens the audio device and loads the synthesizer, on a thread of its own; until then
  // requests are kept and nothing is heard. The window calls it once it is on screen.
  virtual void Open() {}
  // Starts the effect of that name ("DONE", "NOWAY", "SELECT"), replacing the one playing.
  virtual void PlayEffect(std::string_view name) = 0;
  // Plays a Standard MIDI File from its beginning, in place of the piece playing; an empty
  // one stops the music.
  virtual void PlayPiece(std::vector<uint8_t> midi) = 0;
  // Holds the music where it is, or lets it go on; effects play either way.
  virtual void SetMusicPaused(bool paused) = 0;
  // True once the piece asked for last has played to its end.
  virtual bool PieceEnded() = 0;
  // The synthesizer's complaint about the piece asked for last, once; empty when none.
  virtual std::string TakePieceError() = 0;
};

}  // namespace sorimo
