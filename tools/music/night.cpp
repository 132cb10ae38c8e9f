#include <vector>

#include "composing.h"
#include "pieces.h"

namespace music {

namespace {

// A chord held for two beats or more: its bass, the pad voicing and the koto's four notes.
struct HeldChord {
  int bass;
  std::vector<int> pad;
  std::vector<int> arp;
};

// A minor, with the colours a pentatonic melody likes over it.
const HeldChord Am9{45, {60, 64, 67, 71}, {69, 72, 76, 79}};
const HeldChord Fmaj9{41, {57, 60, 64, 67}, {65, 69, 72, 76}};
const HeldChord Cmaj7{48, {55, 59, 60, 64}, {67, 71, 72, 76}};
const HeldChord G6{43, {59, 62, 64, 67}, {67, 71, 74, 76}};
const HeldChord Dm7{50, {57, 60, 62, 65}, {62, 65, 69, 72}};
const HeldChord Esus4{40, {57, 59, 64}, {64, 69, 71, 76}};
const HeldChord Em7{40, {55, 59, 62, 64}, {64, 67, 71, 74}};

// One bar: a chord for the whole bar, or two for its halves.
struct Bar {
  const HeldChord* first;
  const HeldChord* second = nullptr;
};

const std::vector<Bar> kVerse = {{&Am9}, {&Fmaj9}, {&Cmaj7}, {&G6}, {&Am9}, {&Fmaj9}, {&Dm7}, {&Esus4, &Em7}};
const std::vector<Bar> kBridge = {{&Fmaj9}, {&G6}, {&Em7}, {&Am9}, {&Dm7}, {&G6}, {&Cmaj7}, {&Esus4, &Em7}};

// The flute's lines in A minor (1 is A4), eight bars each.
const char* const kTheme =
    "0 5 4_ 3_ 1 | 3. 4_ 5 - | 7 5 4 3 | 4 - - 0 | "  // a rising question, the open seventh over F, down to rest on G's fifth
    "5 7_ 5_ 4 3 | 1. 3_ 1 7, | 1 3 4 5 | 4 3 2 - |";  // the half close on E

const char* const kThemeAnswer =
    "0 5 4_ 5_ 7 | 1' - 7 5 | 4. 5_ 4 3 | 4 - 7, 1 | "  // higher this time
    "3 4 5 7 | 5 - 4 3 | 4. 3_ 1 - | 2 - 4 5 |";        // rising into the bridge

const char* const kBridgeTune =
    "1' - 7 5 | 4 5 7 - | 7. 5_ 4 2 | 3 - - 0 | "
    "1 3 4. 5_ | 7 - 5 4 | 5. 4_ 3 7, | 1 - 2 - |";

// The theme once more; its last bar breathes before the piece comes round.
const char* const kThemeReturn =
    "0 5 4_ 3_ 1 | 3. 4_ 5 - | 7 5 4 3 | 4 - - 0 | "
    "5 7_ 5_ 4 3 | 1. 3_ 1 7, | 1 3 4 - | 2 - 0 - |";

void AddHarmony(Part& pad, Part& bass, Part* koto, double start, const std::vector<Bar>& bars, bool lastBarOpen) {
  for (size_t i = 0; i < bars.size(); ++i) {
    const double bar = start + 4.0 * double(i);
    const bool last = lastBarOpen && i + 1 == bars.size();
    const auto half = [&](const HeldChord& c, double at, double beats) {
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
  const Mode aMinor = Minor("A4");
  Part flute{.name = "Flute", .channel = 0, .program = 73, .volume = 96, .pan = 70, .reverb = 70, .notes = {}};
  Part pad{.name = "Warm pad", .channel = 1, .program = 89, .volume = 62, .pan = 56, .reverb = 60, .notes = {}};
  Part bass{.name = "Bass", .channel = 2, .program = 32, .volume = 82, .pan = 64, .reverb = 30, .notes = {}};
  Part koto{.name = "Koto", .channel = 3, .program = 107, .volume = 64, .pan = 84, .reverb = 64, .notes = {}};

  // A: the theme alone over the harmony; A': the answer, the koto joins; B: the bridge;
  // A: the theme again, leading round.
  AddHarmony(pad, bass, nullptr, 0, kVerse, false);
  Tune(flute, aMinor, 0, kTheme, 78, 4);
  AddHarmony(pad, bass, &koto, 32, kVerse, false);
  Tune(flute, aMinor, 32, kThemeAnswer, 80, 4);
  AddHarmony(pad, bass, &koto, 64, kBridge, false);
  Tune(flute, aMinor, 64, kBridgeTune, 84, 4);
  AddHarmony(pad, bass, &koto, 96, kVerse, true);
  Tune(flute, aMinor, 96, kThemeReturn, 76, 4);

  piece.lengthBeats = 128;
  flute.role = Role::Melody;
  bass.role = Role::Bass;
  piece.parts = {flute, pad, bass, koto};
  // For the checks: the chords above, in the notation of the other pieces.
  Section(piece, 0, aMinor);
  const char* verse = "Am9 | Fmaj9 | Cmaj7 | G6 | Am9 | Fmaj9 | Dm7 | Esus4 Em7";
  const char* bridge = "Fmaj9 | G6 | Em7 | Am9 | Dm7 | G6 | Cmaj7 | Esus4 Em7";
  for (const auto& [start, chart] : {std::pair{0, verse}, {32, verse}, {64, bridge}, {96, verse}})
    Annotate(piece, Chart(chart, start, 4));
  return piece;
}

}  // namespace music
