// Synthesises the three sound effects of the game and writes them as complete wave files
// (mono, 11,025 samples a second, 16-bit) into one C++ include of byte arrays, so they are
// built into the program. Usage: synth_effects <output.inc> [folder for .wav copies to hear]
//
// The lengths are fixed: the game's effects are 4,005, 749 and 495 samples long.
//   DONE   a two-note bell chime, a fifth apart, ringing out: a pair has gone
//   NOWAY  a soft low "nope", two muffled notes stepping down: the click was refused
//   SELECT a light wooden tick: a tile is picked up
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 11025;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

// A bell-like note: a sine with a little of its octave and of the inharmonic partial of a
// small bell, each dying away at its own speed after a 2 ms onset.
void AddBell(Samples& s, double startSeconds, double hz, double level, double decaySeconds) {
  const int first = int(startSeconds * kRate);
  for (int i = first; i < int(s.size()); ++i) {
    const double t = double(i - first) / kRate;
    const double onset = std::min(1.0, t / 0.002);
    const double body = std::sin(2 * kPi * hz * t) * std::exp(-t / decaySeconds);
    const double octave = 0.25 * std::sin(2 * kPi * 2 * hz * t) * std::exp(-t / (decaySeconds * 0.5));
    const double shimmer = 0.12 * std::sin(2 * kPi * 2.76 * hz * t) * std::exp(-t / (decaySeconds * 0.25));
    s[size_t(i)] += level * onset * (body + octave + shimmer);
  }
}

// A muffled low note whose pitch sags a little, shaped by a smooth rise and fall.
void AddSoftNote(Samples& s, double startSeconds, double lengthSeconds, double hz, double sag, double level) {
  const int first = int(startSeconds * kRate);
  const int count = int(lengthSeconds * kRate);
  double phase = 0;
  for (int k = 0; k < count && first + k < int(s.size()); ++k) {
    const double x = double(k) / count;
    const double f = hz * (1.0 - sag * x);
    phase += 2 * kPi * f / kRate;
    const double envelope = std::pow(std::sin(kPi * x), 1.5);
    // A touch of second harmonic keeps it audible on small speakers without edge.
    s[size_t(first + k)] += level * envelope * (std::sin(phase) + 0.18 * std::sin(2 * phase));
  }
}

// A wooden tick: two short resonances struck by a brief burst of soft noise.
void AddTick(Samples& s, double level) {
  uint32_t noise = 12345;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / kRate;
    noise = noise * 1664525u + 1013904223u;
    const double n = (double(noise >> 8) / double(1u << 24)) * 2 - 1;
    const double strike = n * std::exp(-t / 0.0012) * 0.35;
    const double wood = std::sin(2 * kPi * 1760 * t) * std::exp(-t / 0.007) +
                        0.45 * std::sin(2 * kPi * 2637 * t) * std::exp(-t / 0.004);
    const double onset = std::min(1.0, t / 0.0008);
    s[i] += level * onset * (wood + strike);
  }
}

// Scales the sound to the given peak and fades its last milliseconds to silence, so no
// effect ends with a click.
std::vector<int16_t> Finish(Samples s, double peak, double fadeSeconds) {
  const int fade = std::max(1, int(fadeSeconds * kRate));
  for (int k = 0; k < fade && k < int(s.size()); ++k) s[s.size() - 1 - size_t(k)] *= double(k) / fade;
  double top = 0;
  for (double v : s) top = std::max(top, std::abs(v));
  std::vector<int16_t> out;
  for (double v : s) out.push_back(int16_t(std::lround(v / top * peak * 32767)));
  return out;
}

std::vector<int16_t> Done() {
  Samples s(4005);
  AddBell(s, 0.000, 1046.50, 0.8, 0.16);  // C6
  AddBell(s, 0.075, 1567.98, 1.0, 0.14);  // G6
  return Finish(s, 0.55, 0.04);
}

std::vector<int16_t> NoWay() {
  Samples s(749);
  AddSoftNote(s, 0.000, 0.036, 233.08, 0.04, 1.0);  // B flat 3
  AddSoftNote(s, 0.030, 0.0379, 174.61, 0.06, 1.0);  // F3
  return Finish(s, 0.45, 0.004);
}

std::vector<int16_t> Select() {
  Samples s(495);
  AddTick(s, 1.0);
  return Finish(s, 0.35, 0.006);
}

void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void PutTag(std::vector<uint8_t>& b, const char* tag) { b.insert(b.end(), tag, tag + 4); }

std::vector<uint8_t> WaveFile(const std::vector<int16_t>& samples) {
  const uint32_t dataBytes = uint32_t(samples.size() * 2);
  std::vector<uint8_t> b;
  PutTag(b, "RIFF");
  Put32(b, 36 + dataBytes);
  PutTag(b, "WAVE");
  PutTag(b, "fmt ");
  Put32(b, 16);
  Put16(b, 1);  // PCM
  Put16(b, 1);  // mono
  Put32(b, kRate);
  Put32(b, kRate * 2);
  Put16(b, 2);
  Put16(b, 16);
  PutTag(b, "data");
  Put32(b, dataBytes);
  for (int16_t v : samples) Put16(b, uint16_t(v));
  return b;
}

void WriteArray(std::ofstream& out, const char* name, const std::vector<uint8_t>& bytes) {
  out << "alignas(4) const uint8_t " << name << "[" << bytes.size() << "] = {";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 20 == 0) out << "\n   ";
    out << ' ' << int(bytes[i]) << ',';
  }
  out << "\n};\n\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: synth_effects <output.inc> [wav folder]\n");
    return 2;
  }
  struct Effect {
    const char* array;
    const char* file;
    std::vector<uint8_t> wave;
  };
  const Effect effects[] = {{"kDoneWave", "DONE.wav", WaveFile(Done())},
                            {"kNoWayWave", "NOWAY.wav", WaveFile(NoWay())},
                            {"kSelectWave", "SELECT.wav", WaveFile(Select())}};
  std::ofstream out(argv[1], std::ios::binary);
  out << "// Written by tools/sounds/make_effects.cpp (target make_effects); do not edit.\n"
         "// The three sound effects as complete wave files: mono, 11,025 samples a second, 16-bit.\n\n";
  for (const Effect& e : effects) WriteArray(out, e.array, e.wave);
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  if (argc >= 3) {
    for (const Effect& e : effects) {
      std::ofstream wav(std::string(argv[2]) + "/" + e.file, std::ios::binary);
      wav.write(reinterpret_cast<const char*>(e.wave.data()), std::streamsize(e.wave.size()));
    }
  }
  return 0;
}
