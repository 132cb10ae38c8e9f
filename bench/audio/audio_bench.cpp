// The cost and the levels of the audio stream while a piece plays.
//
//   audio_bench render <piece.mid> <seconds> [out.wav]
//     renders the stream on this thread exactly as the device callback does (1,024 frames a
//     call, an effect every half second) and reports the thread's CPU time against the audio
//     time, and the peak and RMS levels and clipped samples; out.wav keeps what was rendered.
//   audio_bench music <piece.mid> <seconds> [out.wav]
//     the same without the effects: the music's own levels.
//   audio_bench device <piece.mid> <seconds>
//     plays through the audio device SDL picks (SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=out.raw
//     writes it to a file) and reports the process's CPU time while the main thread sleeps:
//     the audio thread's share.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "audio/audio_mixer.h"
#include "audio/audio_output.h"
#include "audio/effect_waves.h"

namespace {

using namespace sorimo;

double CpuSeconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

std::vector<uint8_t> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWav(const std::string& path, const std::vector<int16_t>& stereo) {
  std::ofstream out(path, std::ios::binary);
  const auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  const auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  const uint32_t bytes = uint32_t(stereo.size() * 2);
  out.write("RIFF", 4), u32(36 + bytes), out.write("WAVEfmt ", 8), u32(16), u16(1), u16(2);
  u32(AudioMixer::kSampleRate), u32(AudioMixer::kSampleRate * 4), u16(4), u16(16);
  out.write("data", 4), u32(bytes);
  out.write(reinterpret_cast<const char*>(stereo.data()), std::streamsize(bytes));
}

int Render(const char* piece, double seconds, const char* wav, bool withEffects) {
  auto synth = std::make_unique<MusicSynth>();
  const std::string error = synth->LoadSoundFont(kSoundFontPath);
  if (!error.empty()) return std::fprintf(stderr, "%s\n", error.c_str()), 1;
  AudioMixer mixer;
  mixer.AttachSynth(std::move(synth));
  mixer.PlayPiece(ReadFile(piece));

  const int total = int(seconds * AudioMixer::kSampleRate);
  std::vector<int16_t> out(size_t(total) * 2);
  const char* effects[] = {"SELECT", "DONE", "NOWAY"};
  int nextEffect = 0, effectsPlayed = 0;
  const double start = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
  double endedAt = -1;
  for (int at = 0; at < total; at += 1024) {
    if (withEffects && at >= nextEffect) {
      mixer.PlayEffect(EffectSamples(effects[effectsPlayed++ % 3]));
      nextEffect += AudioMixer::kSampleRate / 2;
    }
    mixer.Render(out.data() + 2 * at, std::min(1024, total - at));
    if (endedAt < 0 && mixer.PieceEnded()) endedAt = double(at) / AudioMixer::kSampleRate;
  }
  const double cpu = CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - start;

  double sum = 0;
  int peak = 0;
  long clipped = 0;
  for (int16_t v : out) {
    peak = std::max(peak, std::abs(int(v)));
    sum += double(v) * v;
    if (v == 32767 || v == -32768) ++clipped;
  }
  const double rms = std::sqrt(sum / double(out.size()));
  std::printf("rendered %.1f s of audio in %.3f s of CPU: %.2f %% of one core\n", seconds, cpu, 100 * cpu / seconds);
  std::printf("peak %d (%.1f dBFS), RMS %.0f (%.1f dBFS), clipped samples %ld, piece ended at %.1f s\n", peak,
              20 * std::log10(peak / 32768.0), rms, 20 * std::log10(rms / 32768.0), clipped, endedAt);
  if (wav) WriteWav(wav, out);
  return 0;
}

int Device(const char* piece, double seconds) {
  AudioOutput output;
  output.Open();
  const bool device = output.WaitReady();
  std::printf("device %s, soundfont %s\n", device ? "open" : "none", output.soundFontError().empty() ? "loaded" : output.soundFontError().c_str());
  output.PlayPiece(ReadFile(piece));
  const double start = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
  const auto wall = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  const double cpu = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - start;
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
  std::printf("%.1f s of playing used %.3f s of CPU: %.2f %% of one core\n", elapsed, cpu, 100 * cpu / elapsed);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const char* wav = argc > 4 ? argv[4] : nullptr;
  if (argc >= 4 && std::strcmp(argv[1], "render") == 0) return Render(argv[2], std::atof(argv[3]), wav, true);
  if (argc >= 4 && std::strcmp(argv[1], "music") == 0) return Render(argv[2], std::atof(argv[3]), wav, false);
  if (argc >= 4 && std::strcmp(argv[1], "device") == 0) return Device(argv[2], std::atof(argv[3]));
  std::fprintf(stderr, "usage: audio_bench render|music|device <piece.mid> <seconds> [out.wav]\n");
  return 2;
}
