#include "composing.h"
#include "pieces.h"

namespace music {

namespace {

constexpr int kBar = 3;

// F major in three time; every tune keeps to the pentatonic F G A C D, the harmony colours it
// with sevenths and the B flat of the subdominant.
const char* const kIntroChart = "Fadd9 | Gm7 | Fadd9 | Csus4";
const char* const kVerseChart = "F | Am7 | Bbmaj7 | C | Dm7 | Am7 | Gm7 | C";
const char* const kVerseCloseChart = "F | Am7 | Bbmaj7 | C | Dm7 | Am7 | Gm7 . C | F";
const char* const kBridgeChart = "Dm7 | Am7 | Bbmaj7 | F | Dm7 | Gm7 | Bbmaj7 | Csus4 . C";
const char* const kBridgeAgainChart = "Dm7 | Am7 | Bbmaj7 | F | Gm7 | Am7 | Bbmaj7 | Csus4 . C";
const char* const kCodaChart = "Bbmaj7 | C | Fadd9 | Csus4";

const char* const kIntroTune = "0 5_ 6_ 1' | 2' - 1' | 0 5_ 6_ 1' | 2' 1' 6 |";
// The koto's theme, a slow waltz that settles on the dominant...
const char* const kTheme = "5 - 6_ 5_ | 3 - 2 | 1 2 3 | 2 - - | 6 - 1'_ 6_ | 5 - 3 | 2 3_ 2_ 1 | 2 - 0 |";
// ...and comes home the second time, after reaching up to the high G.
const char* const kThemeHome = "5 - 6_ 5_ | 3 - 2 | 1 2 3 | 2 - - | 6 - 1' | 2' - 1'_ 6_ | 6 5_ 3_ 2 | 1 - - |";
// The bridge belongs to the shakuhachi; the koto answers between its long notes.
const char* const kBridgeTune = "6, - 1 | 3 - 5 | 6 - 5_ 3_ | 5 - - | 6 - 1' | 2' - 1'_ 6_ | 6 - 5 | 5 - 2 |";
const char* const kBridgeTuneAgain = "6, - 1 | 3 - 5 | 6 - 5_ 3_ | 5 - - | 2 - 1_ 6,_ | 3 - 5 | 6 5 3 | 2 - - |";
const char* const kKotoAnswers =
    "0 - - | 0 5_ 6_ 1'_ 2'_ | 0 - - | 0 1'_ 6_ 5_ 3_ | 0 - - | 0 2'_ 1'_ 6_ 5_ | 0 - - | 0 5_ 3_ 2_ 1_ |";
// Under the theme's last return the shakuhachi holds a quiet line of its own.
const char* const kCounter = "1 - - | 5 - - | 6 - 5 | 5 - 3 | 1 - - | 3 - - | 2 - - | 3 - - |";
const char* const kCodaTune = "6 - 5_ 3_ | 5 - - | 1' 6 5 | 2 - - |";

struct Ensemble {
  Part koto{.name = "Koto", .channel = 0, .program = 107, .volume = 120, .pan = 54, .reverb = 56, .notes = {},
            .role = Role::Melody};
  Part shakuhachi{.name = "Shakuhachi", .channel = 1, .program = 77, .volume = 90, .pan = 78, .reverb = 66,
                  .notes = {}, .role = Role::Counter};
  Part harp{.name = "Harp", .channel = 2, .program = 46, .volume = 72, .pan = 70, .reverb = 56, .notes = {}};
  Part bass{.name = "Bass", .channel = 3, .program = 32, .volume = 94, .pan = 60, .reverb = 30, .notes = {},
            .role = Role::Bass};
  Part strings{.name = "Slow strings", .channel = 4, .program = 49, .volume = 74, .pan = 40, .reverb = 70,
               .notes = {}};
};

// The harp rolls each chord in quavers, the bass marks the bar with its root and the fifth,
// and the slow strings hold the chords where they are asked.
void Accompany(Piece& piece, Ensemble& e, double start, const char* chart, bool strings) {
  const std::vector<ChordAt> chords = Chart(chart, start, kBar);
  Annotate(piece, chords);
  for (const ChordAt& c : chords) {
    const int root = BassKey(c.chord, 36);
    if (c.beats >= 3) {
      e.bass.Add(c.beat, 1.9, root, 76);
      e.bass.Add(c.beat + 2, 0.9, FifthKey(c.chord, root), 64);
    } else {
      e.bass.Add(c.beat, c.beats - 0.1, root, 72);
    }
    Arpeggio(e.harp, c, Voicing(c.chord, 60, 4), {0, 1, 2, 3, 2, 1}, 0.5, 1.5, 52);
    if (strings) Pad(e.strings, c, 62, 4, 44);
  }
}

}  // namespace

Piece TeaHouse() {
  Piece piece;
  piece.beatsPerMinute = 88;
  piece.beatsPerBar = kBar;
  const Mode f = Major("F4");
  Section(piece, 0, f, f.Pitches({1, 2, 3, 5, 6}));
  Ensemble e;

  // Intro, A (the theme), A' (it comes home), B and B' (the shakuhachi's bridge, the koto
  // answering), A' once more over the shakuhachi's line, and a coda that ends on the
  // suspended dominant the intro resolves.
  double at = 0;
  Accompany(piece, e, at, kIntroChart, false);
  at = Tune(e.koto, f, at, kIntroTune, 78, kBar);

  Accompany(piece, e, at, kVerseChart, false);
  at = Tune(e.koto, f, at, kTheme, 84, kBar);
  Accompany(piece, e, at, kVerseCloseChart, false);
  at = Tune(e.koto, f, at, kThemeHome, 86, kBar);

  Accompany(piece, e, at, kBridgeChart, true);
  Tune(e.koto, f, at, kKotoAnswers, 72, kBar);
  at = Tune(e.shakuhachi, f, at, kBridgeTune, 84, kBar);
  Accompany(piece, e, at, kBridgeAgainChart, true);
  Tune(e.koto, f, at, kKotoAnswers, 70, kBar);
  at = Tune(e.shakuhachi, f, at, kBridgeTuneAgain, 80, kBar);

  Accompany(piece, e, at, kVerseCloseChart, true);
  Tune(e.shakuhachi, f, at, kCounter, 70, kBar);
  at = Tune(e.koto, f, at, kThemeHome, 88, kBar);

  Accompany(piece, e, at, kCodaChart, false);
  at = Tune(e.koto, f, at, kCodaTune, 80, kBar);

  piece.lengthBeats = at;
  piece.parts = {e.koto, e.shakuhachi, e.harp, e.bass, e.strings};
  return piece;
}

}  // namespace music
