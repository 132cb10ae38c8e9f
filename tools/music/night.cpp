#include <vector>

#include "composing.h"
#include "pieces.h"

namespace music {

namespace {

// A chord held for two beats or more: its bass, the pad voicing and the koto's four notes.
struct Chord {
  int bass;
  std::vector<int> pad;
  std::vector<int> arp;
};

// A minor, with the colours a pentatonic melody likes over it.
const Chord Am9{45, {60, 64, 67, 71}, {69, 72, 76, 79}};
const Chord Fmaj9{41, {57, 60, 64, 67}, {65, 69, 72, 76}};
const Chord Cmaj7{48, {55, 59, 60, 64}, {67, 71, 72, 76}};
const Chord G6{43, {59, 62, 64, 67}, {67, 71, 74, 76}};
const Chord Dm7{50, {57, 60, 62, 65}, {62, 65, 69, 72}};
const Chord Esus4{40, {57, 59, 64}, {64, 69, 71, 76}};
const Chord Em7{40, {55, 59, 62, 64}, {64, 67, 71, 74}};

// One bar: a chord for the whole bar, or two for its halves.
struct Bar {
  const Chord* first;
  const Chord* second = nullptr;
};

const std::vector<Bar> kVerse = {{&Am9}, {&Fmaj9}, {&Cmaj7}, {&G6}, {&Am9}, {&Fmaj9}, {&Dm7}, {&Esus4, &Em7}};
const std::vector<Bar> kBridge = {{&Fmaj9}, {&G6}, {&Em7}, {&Am9}, {&Dm7}, {&G6}, {&Cmaj7}, {&Esus4, &Em7}};

// Melodies as (key, beats); key 0 is a rest. Eight bars each.
using Line = std::vector<std::pair<int, double>>;

const Line kTheme = {
    {0, 1},  {76, 1}, {74, 0.5}, {72, 0.5}, {69, 1},              // a rising question
    {72, 1.5}, {74, 0.5}, {76, 2},                                 // over F, the open seventh
    {79, 1}, {76, 1}, {74, 1}, {72, 1},                            // and down again
    {74, 3}, {0, 1},                                               // resting on the fifth of G
    {76, 1}, {79, 0.5}, {76, 0.5}, {74, 1}, {72, 1},
    {69, 1.5}, {72, 0.5}, {69, 1}, {67, 1},
    {69, 1}, {72, 1}, {74, 1}, {76, 1},
    {74, 1}, {72, 1}, {71, 2},                                     // half close on E
};

const Line kThemeAnswer = {
    {0, 1},  {76, 1}, {74, 0.5}, {76, 0.5}, {79, 1},
    {81, 2}, {79, 1}, {76, 1},                                     // higher this time
    {74, 1.5}, {76, 0.5}, {74, 1}, {72, 1},
    {74, 2}, {67, 1}, {69, 1},
    {72, 1}, {74, 1}, {76, 1}, {79, 1},
    {76, 2}, {74, 1}, {72, 1},
    {74, 1.5}, {72, 0.5}, {69, 2},
    {71, 2}, {74, 1}, {76, 1},                                     // rising into the bridge
};

const Line kBridgeTune = {
    {81, 2}, {79, 1}, {76, 1},
    {74, 1}, {76, 1}, {79, 2},
    {79, 1.5}, {76, 0.5}, {74, 1}, {71, 1},
    {72, 3}, {0, 1},
    {69, 1}, {72, 1}, {74, 1.5}, {76, 0.5},
    {79, 2}, {76, 1}, {74, 1},
    {76, 1.5}, {74, 0.5}, {72, 1}, {67, 1},
    {69, 2}, {71, 2},
};

// The theme once more; its last bar breathes before the piece comes round.
const Line kThemeReturn = {
    {0, 1},  {76, 1}, {74, 0.5}, {72, 0.5}, {69, 1},
    {72, 1.5}, {74, 0.5}, {76, 2},
    {79, 1}, {76, 1}, {74, 1}, {72, 1},
    {74, 3}, {0, 1},
    {76, 1}, {79, 0.5}, {76, 0.5}, {74, 1}, {72, 1},
    {69, 1.5}, {72, 0.5}, {69, 1}, {67, 1},
    {69, 1}, {72, 1}, {74, 2},
    {71, 2}, {0, 2},
};

// Small fixed variations of loudness so the lines breathe: stronger on the beat.
int Accent(double beat, int base) {
  const double inBar = beat - 4 * int(beat / 4);
  if (inBar == 0) return base + 8;
  if (inBar == 2) return base + 4;
  if (inBar != int(inBar)) return base - 6;
  return base;
}

void AddLine(Part& p, double start, const Line& line, int velocity) {
  double at = start;
  for (const auto& [key, beats] : line) {
    // Slightly detached, as a player breathes between notes.
    if (key != 0) p.Add(at, beats - 0.06, key, Accent(at - start, velocity));
    at += beats;
  }
}

void AddHarmony(Part& pad, Part& bass, Part* koto, double start, const std::vector<Bar>& bars, bool lastBarOpen) {
  for (size_t i = 0; i < bars.size(); ++i) {
    const double bar = start + 4.0 * double(i);
    const bool last = lastBarOpen && i + 1 == bars.size();
    const auto half = [&](const Chord& c, double at, double beats) {
      for (int key : c.pad) pad.Add(at, beats, key, 46);
      bass.Add(at, beats - 0.1, c.bass, 62);
      if (koto) {
        // A gentle figure: up the chord, one note a beat, the last bar thinned out.
        for (int n = 0; n < int(beats); ++n)
          if (!(last && at + n >= bar + 3)) koto->Add(at + n, 1.5, c.arp[size_t(n % 4)], n == 0 ? 52 : 42);
      }
    };
    if (bars[i].second) {
      half(*bars[i].first, bar, 2);
      half(*bars[i].second, bar + 2, 2);
    } else {
      half(*bars[i].first, bar, 4);
    }
  }
}

}  // namespace

Piece Night() {
  Piece piece;
  piece.beatsPerMinute = 66;
  Part flute{.name = "Flute", .channel = 0, .program = 73, .volume = 96, .pan = 70, .reverb = 70, .notes = {}};
  Part pad{.name = "Warm pad", .channel = 1, .program = 89, .volume = 62, .pan = 56, .reverb = 60, .notes = {}};
  Part bass{.name = "Bass", .channel = 2, .program = 32, .volume = 82, .pan = 64, .reverb = 30, .notes = {}};
  Part koto{.name = "Koto", .channel = 3, .program = 107, .volume = 64, .pan = 84, .reverb = 64, .notes = {}};

  // A: the theme alone over the harmony; A': the answer, the koto joins; B: the bridge;
  // A: the theme again, leading round.
  AddHarmony(pad, bass, nullptr, 0, kVerse, false);
  AddLine(flute, 0, kTheme, 78);
  AddHarmony(pad, bass, &koto, 32, kVerse, false);
  AddLine(flute, 32, kThemeAnswer, 80);
  AddHarmony(pad, bass, &koto, 64, kBridge, false);
  AddLine(flute, 64, kBridgeTune, 84);
  AddHarmony(pad, bass, &koto, 96, kVerse, true);
  AddLine(flute, 96, kThemeReturn, 76);

  piece.lengthBeats = 128;
  flute.role = Role::Melody;
  bass.role = Role::Bass;
  piece.parts = {flute, pad, bass, koto};
  // For the checks: the chords above, in the notation of the other pieces.
  Section(piece, 0, Minor("A4"));
  const char* verse = "Am9 | Fmaj9 | Cmaj7 | G6 | Am9 | Fmaj9 | Dm7 | Esus4 Em7";
  const char* bridge = "Fmaj9 | G6 | Em7 | Am9 | Dm7 | G6 | Cmaj7 | Esus4 Em7";
  for (const auto& [start, chart] : {std::pair{0, verse}, {32, verse}, {64, bridge}, {96, verse}})
    Annotate(piece, Chart(chart, start, 4));
  return piece;
}

}  // namespace music
