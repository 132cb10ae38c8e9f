#include "audio/music_synth.h"

#include "audio/midi_file_check.h"

#include <fluidsynth.h>

#include <algorithm>
#include <mutex>
#include <utility>

namespace sorimo {

namespace {

std::mutex errorMutex;
std::string lastError;

// FluidSynth reports through a process-wide log; errors are kept for whoever asks next, the
// rest is not shown (the program has no console).
void KeepError(int level, const char* message, void*) {
  if (level > FLUID_ERR || message == nullptr) return;
  std::lock_guard lock(errorMutex);
  lastError = message;
}

void Quiet(int, const char*, void*) {}

void InstallLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    fluid_set_log_function(FLUID_PANIC, KeepError, nullptr);
    fluid_set_log_function(FLUID_ERR, KeepError, nullptr);
    fluid_set_log_function(FLUID_WARN, Quiet, nullptr);
    fluid_set_log_function(FLUID_INFO, Quiet, nullptr);
    fluid_set_log_function(FLUID_DBG, Quiet, nullptr);
  });
}

}  // namespace

std::string TakeSynthesizerError() {
  std::lock_guard lock(errorMutex);
  return std::exchange(lastError, std::string());
}

MusicSynth::MusicSynth() {
  InstallLog();
  settings_ = new_fluid_settings();
  fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
  // The player advances with the rendered samples: pause, resume and the end are exact.
  fluid_settings_setstr(settings_, "player.timing-source", "sample");
  // Notes still sounding when a piece starts again ring out instead of being cut; each piece
  // sets its own instruments.
  fluid_settings_setint(settings_, "player.reset-synth", 0);
  // Background music: a little reverb for space, no chorus, voices enough for a small band.
  fluid_settings_setint(settings_, "synth.reverb.active", 1);
  fluid_settings_setint(settings_, "synth.chorus.active", 0);
  fluid_settings_setint(settings_, "synth.polyphony", 96);
  fluid_settings_setnum(settings_, "synth.gain", 1.2);
  // The soundfont's samples are read when a piece picks its instruments, not all at start:
  // the pieces use a handful of the 128, and the whole set would more than double the
  // program's memory.
  fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  synth_ = new_fluid_synth(settings_);
}

MusicSynth::~MusicSynth() {
  DropPlayer();
  if (synth_) delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

std::string MusicSynth::LoadSoundFont(const std::string& path) {
  if (!synth_) return "The synthesizer could not be created.";
  TakeSynthesizerError();
  if (fluid_synth_sfload(synth_, path.c_str(), 1) == FLUID_FAILED) {
    std::string error = TakeSynthesizerError();
    return error.empty() ? "Cannot load the soundfont " + path : error;
  }
  return {};
}

void MusicSynth::DropPlayer() {
  if (!player_) return;
  fluid_player_stop(player_);
  delete_fluid_player(player_);
  player_ = nullptr;
}

void MusicSynth::Start(const std::vector<uint8_t>& midi) {
  DropPlayer();
  ended_ = false;
  sawNotes_ = false;
  stillFrames_ = 0;
  pieceError_.clear();
  if (!synth_) return;
  if (midi.empty()) {
    fluid_synth_all_sounds_off(synth_, -1);
    return;
  }
  fluid_synth_all_notes_off(synth_, -1);
  if (std::string fault = MidiFileFault(midi); !fault.empty()) {
    pieceError_ = std::move(fault);
    ended_ = true;
    return;
  }
  for (int channel = 0; channel < 16; ++channel) fluid_synth_cc(synth_, channel, 121, 0);  // controllers reset
  player_ = new_fluid_player(synth_);
  TakeSynthesizerError();
  if (!player_ || fluid_player_add_mem(player_, midi.data(), midi.size()) != FLUID_OK ||
      fluid_player_play(player_) != FLUID_OK) {
    pieceError_ = TakeSynthesizerError();
    if (pieceError_.empty()) pieceError_ = "The synthesizer cannot play this piece.";
    ended_ = true;
    DropPlayer();
  }
}

void MusicSynth::Render(float* left, float* right, int frames) {
  if (!synth_) {
    std::fill(left, left + frames, 0.0f);
    std::fill(right, right + frames, 0.0f);
    return;
  }
  // Nothing sounds and nothing will: no piece to play, no voice left, and the reverb has died
  // away. The synthesizer is not run for silence, which would cost the idle program more
  // than everything else it does.
  const bool still = (!player_ || ended_) && fluid_synth_get_active_voice_count(synth_) == 0;
  stillFrames_ = still ? std::min(stillFrames_ + frames, kReverbTailFrames + 1) : 0;
  if (stillFrames_ > kReverbTailFrames) {
    std::fill(left, left + frames, 0.0f);
    std::fill(right, right + frames, 0.0f);
    return;
  }
  fluid_synth_write_float(synth_, frames, left, 0, 1, right, 0, 1);
  if (!player_ || ended_) return;
  const int total = fluid_player_get_total_ticks(player_);
  if (total > 0) sawNotes_ = true;
  // The piece ends with its last event: the player itself would go on until the last notes
  // and their reverb had died away, and a piece that loops would come round late.
  if (sawNotes_ && fluid_player_get_current_tick(player_) >= total) {
    ended_ = true;
  } else if (fluid_player_get_status(player_) == FLUID_PLAYER_DONE) {
    ended_ = true;
    // A file the player could not read ends at once, with the reason in the log.
    if (!sawNotes_) {
      pieceError_ = TakeSynthesizerError();
      if (pieceError_.empty()) pieceError_ = "The synthesizer cannot read this piece.";
    }
  }
}

}  // namespace sorimo
