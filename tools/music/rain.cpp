#include "composing.h"
#include "pieces.h"

namespace music {

namespace {

constexpr int kBar = 4;

// E minor. The verses sing on its pentatonic (E G A B D) over ninths and major sevenths;
// the bridge turns to the relative major and uses the whole scale. The dominant's D sharp
// stays in the harmony, and no tune holds a D against it.
const char* const kIntroChart = "Em9 | Em9";
const char* const kVerseChart = "Em9 | Cmaj7 | Am7 | Bm7 | Em9 | Cmaj7 | Am7 | B7sus4 B7";
const char* const kVerseCloseChart = "Em9 | Cmaj7 | Am7 | Bm7 | Em9 | Cmaj7 | Am7 B7 | Em9";
const char* const kBridgeChart = "Cmaj7 | D | Bm7 | Em7 | Cmaj7 | D | G | B7sus4 B7";
const char* const kOutroChart = "Cmaj7 | B7sus4 B7";

// The piano's theme: falling thirds, a question left on B...
const char* const kTheme = "5 - 4_ 3_ 1 | 3 - 5 7 | 1' - 7_ 5_ 4 | 5 - - 0 | 5 - 4_ 3_ 1 | 3 - 5 1' | 3' - 1'_ 7_ 5 | 4 - 5 - |";
// ...answered, the second time, down to the tonic.
const char* const kThemeHome = "5 - 4_ 3_ 1 | 3 - 5 7 | 1' - 7_ 5_ 4 | 5 - - 0 | 1' - 7_ 5_ 4 | 3 - 5 4 | 3 4 5 4 | 1 - - 0 |";
// The bridge climbs in a falling sequence of sighs, then opens out.
const char* const kBridgeTune = "1' - 7 1' | 2' - 1' 7 | 7 - 6 5 | 5 - - 0 | 3 5 1' 3' | 2' - 1'_ 7_ 6 | 7 - 5 4 | 4 - 5 - |";
const char* const kOutroTune = "0 5 4 3 | 4 - - 0 |";
// The cello's lines, an octave and more below.
const char* const kCelloVerse = "1 - - - | 3 - - - | 1 - 3 - | 4 - 5 - | 5 - 7 - | 5 - 3 - | 1 - 4 - | 5, - - - |";
const char* const kCelloBridge = "5 - - - | 4 - - - | 4 - 2 - | 3 - - - | 3 - 5 - | 4 - 2 - | 5 - 7 - | 4 - 2 - |";

struct Players {
  Part piano{.name = "Piano", .channel = 0, .program = 0, .volume = 127, .pan = 58, .reverb = 72, .notes = {},
             .role = Role::Melody};
  Part cello{.name = "Cello", .channel = 1, .program = 42, .volume = 64, .pan = 44, .reverb = 66, .notes = {},
             .role = Role::Counter};
  Part rhodes{.name = "Electric piano", .channel = 2, .program = 4, .volume = 94, .pan = 80, .reverb = 70,
              .notes = {}};
  Part bass{.name = "Fretless bass", .channel = 3, .program = 35, .volume = 88, .pan = 64, .reverb = 40, .notes = {},
            .role = Role::Bass};
  Part pad{.name = "Halo pad", .channel = 4, .program = 94, .volume = 76, .pan = 64, .reverb = 80, .notes = {}};
  Part celesta{.name = "Celesta", .channel = 5, .program = 8, .volume = 100, .pan = 96, .reverb = 90, .notes = {}};
};

// The rain: the electric piano's quavers, never quite the same figure twice in a row; a
// celesta drop now and then, high; a fretless bass; the pad where it is asked.
void Accompany(Piece& piece, Players& p, double start, const char* chart, bool pad) {
  const std::vector<ChordAt> chords = Chart(chart, start, kBar);
  Annotate(piece, chords);
  static constexpr double kDrops[] = {1.5, 3, 0.5, 2.5, 3.5, 1};  // where in each bar a drop falls
  for (const ChordAt& c : chords) {
    const int root = BassKey(c.chord, 36);
    if (c.beats >= 4) {
      p.bass.Add(c.beat, 2.9, root, 74);
      p.bass.Add(c.beat + 3, 0.9, FifthKey(c.chord, root), 62);
    } else {
      p.bass.Add(c.beat, c.beats - 0.1, root, 72);
    }
    const std::vector<int> keys = Voicing(c.chord, 67, 4);
    const int bar = int((c.beat + 1e-9) / kBar);
    if (bar % 2 == 0) {
      Arpeggio(p.rhodes, c, keys, {0, 2, 1, 3, 2, 0, 3, 1}, 0.5, 1.5, 42);
    } else {
      Arpeggio(p.rhodes, c, keys, {3, 1, 2, 0, 3, 2, 1, 2}, 0.5, 1.5, 40);
    }
    if (pad) Pad(p.pad, c, 60, 4, 40);
    const double drop = double(bar * kBar) + kDrops[bar % 6];
    if (drop >= c.beat && drop < c.beat + c.beats) {
      const std::vector<int> high = Voicing(c.chord, 86, 4);
      p.celesta.Add(drop, 2, high[size_t(bar) % high.size()], 62);
    }
  }
}

}  // namespace

Piece Rain() {
  Piece piece;
  piece.beatsPerMinute = 72;
  piece.beatsPerBar = kBar;
  const Mode e = Minor("E4"), low = Minor("E3");
  const PitchSet pentatonic = e.Pitches({1, 3, 4, 5, 7});
  Players p;

  // The rain alone; A (the theme), A' (the cello below it, the pad); B (the bridge in the
  // relative major); A' again; two bars that hand back to the rain alone.
  double at = 0;
  Section(piece, at, e, pentatonic);
  Accompany(piece, p, at, kIntroChart, false);
  at += 2 * kBar;
  Accompany(piece, p, at, kVerseChart, false);
  at = Tune(p.piano, e, at, kTheme, 92, kBar);
  Accompany(piece, p, at, kVerseCloseChart, true);
  Tune(p.cello, low, at, kCelloVerse, 66, kBar);
  at = Tune(p.piano, e, at, kThemeHome, 94, kBar);

  Section(piece, at, e);
  Accompany(piece, p, at, kBridgeChart, true);
  Tune(p.cello, low, at, kCelloBridge, 68, kBar);
  at = Tune(p.piano, e, at, kBridgeTune, 98, kBar);

  Section(piece, at, e, pentatonic);
  Accompany(piece, p, at, kVerseCloseChart, true);
  Tune(p.cello, low, at, kCelloVerse, 64, kBar);
  at = Tune(p.piano, e, at, kThemeHome, 92, kBar);

  Accompany(piece, p, at, kOutroChart, false);
  at = Tune(p.piano, e, at, kOutroTune, 86, kBar);

  piece.lengthBeats = at;
  piece.parts = {p.piano, p.cello, p.rhodes, p.bass, p.pad, p.celesta};
  return piece;
}

}  // namespace music
