#include "audio/audio_output.h"

#include <SDL.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "audio/effect_waves.h"

namespace sorimo {

AudioOutput::AudioOutput(std::string soundFontPath) : soundFontPath_(std::move(soundFontPath)) {}

void AudioOutput::Open() {
  if (opened_) return;
  opened_ = true;
  // Effects are read before the worker starts: the first click may come before it is done.
  EffectSamples("DONE");
  worker_ = std::thread([this] {
    OpenDevice();
    // The soundfont takes a few hundred milliseconds of CPU; on a busy machine the window
    // coming up is served first. Lowered only now: the device's thread, made above, keeps
    // the normal priority.
    setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), 10);
    auto synth = std::make_unique<MusicSynth>();
    soundFontError_ = synth->LoadSoundFont(soundFontPath_);
    if (soundFontError_.empty()) mixer_.AttachSynth(std::move(synth));
    // SDL keeps per-thread data (its error text) that only its own threads free on exit.
    SDL_TLSCleanup();
  });
}

AudioOutput::~AudioOutput() {
  if (worker_.joinable()) worker_.join();
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void AudioOutput::OpenDevice() {
  // SDL would otherwise catch SIGINT and SIGTERM to post a quit event nobody reads, and the
  // program could no longer be ended by them.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  audioStarted_ = true;
  SDL_AudioSpec want{};
  want.freq = AudioMixer::kSampleRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;  // 23 ms: an effect starts within a frame of the click
  want.callback = &AudioOutput::Callback;
  want.userdata = this;
  SDL_AudioSpec have{};
  // SDL converts to whatever the device wants; the mixer always makes 44.1 kHz stereo.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
}

void AudioOutput::Callback(void* self, uint8_t* stream, int bytes) {
  static_cast<AudioOutput*>(self)->mixer_.Render(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

bool AudioOutput::WaitReady() {
  if (worker_.joinable()) worker_.join();
  return device_ != 0;
}

void AudioOutput::PlayEffect(std::string_view name) { mixer_.PlayEffect(EffectSamples(name)); }
void AudioOutput::PlayPiece(std::vector<uint8_t> midi) { mixer_.PlayPiece(std::move(midi)); }
void AudioOutput::SetMusicPaused(bool paused) { mixer_.SetMusicPaused(paused); }
bool AudioOutput::PieceEnded() { return mixer_.PieceEnded(); }
std::string AudioOutput::TakePieceError() { return mixer_.TakePieceError(); }

}  // namespace sorimo
