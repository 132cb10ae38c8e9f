#include "composing.h"
#include "pieces.h"

namespace music {

namespace {

constexpr int kBar = 4;

// G in the yo scale (G A C D E: no third, no seventh in the tunes); suspended fourths and
// minor sevenths in the harmony keep it open.
const char* const kVerseChart = "G | C | G | D7sus4 | Em7 | C | Am7 | D7sus4";
const char* const kVerseCloseChart = "G | C | G | D7sus4 | Em7 | C | Am7 D7sus4 | G";
const char* const kBridgeChart = "Em7 | Am7 | Em7 | C D7sus4 | Em7 | Am7 | C | D7sus4";
const char* const kBreakChart = "Em7 | Em7 | Am7 | D7sus4";
const char* const kIntroChart = "G | C | G | D7sus4";

// The shanai's theme, in two halves: a call that stops on the dominant...
const char* const kTheme =
    "5 5_ 6_ 5 4_ 2_ | 4 - 5_ 4_ 2 | 1 2_ 4_ 5 6_ 5_ | 5 - - 0 | "
    "6 6_ 1'_ 6 5_ 4_ | 6 5_ 4_ 1 - | 2 4_ 2_ 1 2 | 2 - - 0 |";
// ...and, the second time, climbs to the high A and lands on the tonic.
const char* const kThemeHome =
    "5 5_ 6_ 5 4_ 2_ | 4 - 5_ 4_ 2 | 1 2_ 4_ 5 6_ 5_ | 5 - - 0 | "
    "6 6_ 1'_ 2' 1'_ 6_ | 1' - 6_ 5_ 4 | 2 4_ 5_ 5 4 | 5 - 1 0 |";
// The bridge turns to E: longer notes over the minor chords.
const char* const kBridgeTune =
    "6 - - 5_ 6_ | 1' - 6 5 | 6 - 5 4 | 4 - 5 2 | 6 - - 1'_ 6_ | 2' - 1' 6 | 1' 6_ 5_ 4 - | 5 - 2 - |";
const char* const kBridgeTuneAgain =
    "6 - - 5_ 6_ | 1' - 6 5 | 6 - 5 4 | 4 - 5 2 | 6 - - 1'_ 2'_ | 1' - 6 5 | 4 5_ 4_ 2 1 | 2 - - 0 |";
const char* const kTagTune = "5 5_ 6_ 5 4_ 2_ | 4 - 5_ 4_ 2 | 1 2_ 4_ 5 6_ 5_ | 5 - - 0 |";

// The shamisen's running quavers, an octave below, on the tones of each chord.
const char* const kShamisenIntro =
    "5_ 1'_ 5_ 4_ 5_ 1'_ 2'_ 1'_ | 4_ 6_ 4_ 2_ 4_ 6_ 1'_ 6_ | 5_ 1'_ 5_ 4_ 5_ 1'_ 2'_ 1'_ | 5_ 1'_ 2'_ 1'_ 5_ 4_ 2_ 4_ |";
const char* const kShamisenVerse =
    "5_ 1'_ 5_ 4_ 5_ 1'_ 2'_ 1'_ | 4_ 6_ 4_ 2_ 4_ 6_ 1'_ 6_ | 5_ 1'_ 5_ 4_ 5_ 1'_ 2'_ 1'_ | 5_ 1'_ 2'_ 1'_ 5_ 4_ 2_ 4_ | "
    "6_ 1'_ 6_ 5_ 6_ 1'_ 2'_ 1'_ | 4_ 6_ 4_ 2_ 4_ 6_ 1'_ 6_ | 2_ 4_ 6_ 4_ 5_ 1'_ 2'_ 1'_ | 5_ 1'_ 5_ 4_ 5 0 |";
const char* const kShamisenBridge =
    "6_ 6_ 1'_ 6_ 5_ 6_ 1'_ 2'_ | 2_ 2_ 4_ 2_ 6_ 4_ 2_ 4_ | 6_ 6_ 1'_ 6_ 5_ 6_ 1'_ 2'_ | 4_ 6_ 1'_ 6_ 5_ 1'_ 2'_ 1'_ | "
    "6_ 6_ 1'_ 6_ 5_ 6_ 1'_ 2'_ | 2_ 2_ 4_ 2_ 6_ 4_ 2_ 4_ | 4_ 6_ 1'_ 6_ 4_ 6_ 1'_ 6_ | 5_ 1'_ 2'_ 1'_ 5_ 4_ 2_ 1_ |";
const char* const kShamisenBreak =
    "6_ 0_ 6_ 6_ 0_ 6_ 5_ 6_ | 6_ 0_ 6_ 6_ 0_ 6_ 1'_ 2'_ | 2_ 0_ 2_ 2_ 0_ 2_ 4_ 6_ | 5_ 0_ 5_ 5_ 4_ 2_ 1_ 2_ |";

// General MIDI drum keys.
constexpr int kHandClap = 39, kChineseCymbal = 52, kTambourine = 54, kHighWoodBlock = 76, kLowWoodBlock = 77;

struct Troupe {
  Part shanai{.name = "Shanai", .channel = 0, .program = 111, .volume = 96, .pan = 60, .reverb = 50, .notes = {},
              .role = Role::Melody};
  Part shamisen{.name = "Shamisen", .channel = 1, .program = 106, .volume = 108, .pan = 84, .reverb = 40,
                .notes = {}, .role = Role::Counter};
  Part pizzicato{.name = "Pizzicato strings", .channel = 2, .program = 45, .volume = 80, .pan = 40, .reverb = 44,
                 .notes = {}};
  Part bass{.name = "Bass", .channel = 3, .program = 32, .volume = 82, .pan = 64, .reverb = 24, .notes = {},
            .role = Role::Bass};
  Part taiko{.name = "Taiko", .channel = 4, .program = 116, .volume = 66, .pan = 64, .reverb = 50, .notes = {},
            .role = Role::Percussion};
  Part drums{.name = "Drums", .channel = 9, .program = 0, .volume = 114, .pan = 64, .reverb = 40, .notes = {},
             .role = Role::Percussion};
};

// How much of the band plays under a section.
enum class Energy { Light, Full, Break };

// Bass, plucked off-beat chords, the taiko and the small percussion under one section.
void Accompany(Piece& piece, Troupe& t, double start, const char* chart, Energy energy) {
  const std::vector<ChordAt> chords = Chart(chart, start, kBar);
  Annotate(piece, chords);
  for (const ChordAt& c : chords) {
    const int root = BassKey(c.chord, 40), fifth = FifthKey(c.chord, root);
    const int line[] = {root, fifth, root + 12, fifth};
    for (int beat = 0; beat < int(c.beats); ++beat)
      t.bass.Add(c.beat + beat, energy == Energy::Break && beat % 2 ? 0.4 : 0.9, line[beat % 4], beat == 0 ? 86 : 74);
    if (energy != Energy::Break) {
      const std::vector<int> voicing = Voicing(c.chord, 64, 3);
      for (int beat = 0; beat < int(c.beats); ++beat)
        for (int key : voicing) t.pizzicato.Add(c.beat + beat + 0.5, 0.35, key, 60);
    }
  }
  // The taiko: the downbeat and a push into the third beat; a roll into the next section.
  const int bars = int(chords.back().beat + chords.back().beats - start) / kBar;
  for (int bar = 0; bar < bars; ++bar) {
    const double at = start + bar * kBar;
    const bool last = bar + 1 == bars;
    if (energy == Energy::Break) {
      Grid(t.taiko, at, kBar, 41, last ? "X..xX..xx.xxXxxx" : "X..x..x.X..x.x..", 76);
      Grid(t.taiko, at, kBar, 48, last ? "..x...x........." : "....x.......x...", 62);
    } else {
      Grid(t.taiko, at, kBar, 41, last ? "X.....x.X...x.xx" : "X.....x.X.......", 70);
    }
    Grid(t.drums, at, kBar, kHighWoodBlock, "..x...x...x...x.", 60);
    Grid(t.drums, at, kBar, kLowWoodBlock, energy == Energy::Light ? "x.......x......." : "x...x...x...x...", 56);
    if (energy == Energy::Full) {
      Grid(t.drums, at, kBar, kTambourine, "o.x.o.x.o.x.o.x.", 50);
      Grid(t.drums, at, kBar, kHandClap, "....x.......x...", 56);
    }
  }
  if (energy == Energy::Full) t.drums.Add(start, 1, kChineseCymbal, 72);
}

}  // namespace

Piece Festival() {
  Piece piece;
  piece.beatsPerMinute = 132;
  piece.beatsPerBar = kBar;
  const Mode g = Major("G4"), low = Major("G3");
  Section(piece, 0, g, g.Pitches({1, 2, 4, 5, 6}));
  Troupe t;

  // Drums and the shamisen's figure; A (the theme, lightly accompanied), A' (the shamisen
  // joins); B and B' (the bridge, everyone); a break for the drums; A and A' again, in full;
  // a tag on the theme's first half, ending on the dominant the intro resolves.
  double at = 0;
  Accompany(piece, t, at, kIntroChart, Energy::Light);
  at = Tune(t.shamisen, low, at, kShamisenIntro, 76, kBar);

  Accompany(piece, t, at, kVerseChart, Energy::Light);
  at = Tune(t.shanai, g, at, kTheme, 84, kBar);
  Accompany(piece, t, at, kVerseCloseChart, Energy::Light);
  Tune(t.shamisen, low, at, kShamisenVerse, 70, kBar);
  at = Tune(t.shanai, g, at, kThemeHome, 86, kBar);

  Accompany(piece, t, at, kBridgeChart, Energy::Full);
  Tune(t.shamisen, low, at, kShamisenBridge, 70, kBar);
  at = Tune(t.shanai, g, at, kBridgeTune, 86, kBar);
  Accompany(piece, t, at, kBridgeChart, Energy::Full);
  Tune(t.shamisen, low, at, kShamisenBridge, 72, kBar);
  at = Tune(t.shanai, g, at, kBridgeTuneAgain, 88, kBar);

  Accompany(piece, t, at, kBreakChart, Energy::Break);
  at = Tune(t.shamisen, low, at, kShamisenBreak, 80, kBar);

  Accompany(piece, t, at, kVerseChart, Energy::Full);
  Tune(t.shamisen, low, at, kShamisenVerse, 70, kBar);
  at = Tune(t.shanai, g, at, kTheme, 88, kBar);
  Accompany(piece, t, at, kVerseCloseChart, Energy::Full);
  Tune(t.shamisen, low, at, kShamisenVerse, 72, kBar);
  at = Tune(t.shanai, g, at, kThemeHome, 90, kBar);

  Accompany(piece, t, at, kIntroChart, Energy::Light);
  at = Tune(t.shanai, g, at, kTagTune, 84, kBar);

  piece.lengthBeats = at;
  piece.parts = {t.shanai, t.shamisen, t.pizzicato, t.bass, t.taiko, t.drums};
  return piece;
}

}  // namespace music
