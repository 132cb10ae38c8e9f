#include "composing.h"
#include "pieces.h"

namespace music {

namespace {

constexpr int kBar = 4;

// D major; the verses keep to its pentatonic (no G, no C sharp), the bridge uses all seven.
const char* const kIntroChart = "D | G | D | A";
const char* const kVerseChart = "D | Bm7 | G | A | D | Bm7 | Em7 | A7";
const char* const kVerseCloseChart = "D | Bm7 | G | A | D | Bm7 | G A7 | D";
const char* const kBridgeChart = "Gmaj7 | A | F#m7 | Bm7 | Gmaj7 | F#m7 | Bm7 | A7";
const char* const kTagChart = "Em7 | A7 | D | A";

// A little skipping figure that opens the piece and comes back to close it.
const char* const kIntroTune = "5_ 6_ 1'_ 6_ 5_ 3_ 5 | 6_ 1'_ 2'_ 1'_ 6_ 5_ 6 | 5_ 6_ 1'_ 6_ 5_ 3_ 5 | 5_ 6_ 5_ 3_ 2 0 |";
// The theme: a question ending open on the dominant...
const char* const kTheme =
    "3 5_ 6_ 5 3 | 6 5_ 3_ 1 - | 2_ 3_ 5 6 5_ 3_ | 2 - - 0 | "
    "3 5_ 6_ 1' 6 | 5 6_ 5_ 3 - | 2 3_ 2_ 1 6, | 5, - - 0 |";
// ...and its answer, climbing to the high F sharp before coming home.
const char* const kThemeAnswer =
    "3 5_ 6_ 5 3 | 6 5_ 3_ 1 - | 2_ 3_ 5 6 5_ 3_ | 2 - - 0 | "
    "3 5_ 6_ 1' 2' | 3' - 2'_ 1'_ 6 | 6 1'_ 6_ 5 2 | 1 - - 0 |";
// The bridge: longer notes, falling sequences over the subdominant and the minor chords.
const char* const kBridgeTune =
    "1' - 6 5 | 2' - 7 6 | 5 - - 3_ 2_ | 3 - - 0 | "
    "3' - 2' 1' | 2' - 1' 7 | 6 - 1' 6 | 5 - 7, - |";
// The ocarina's line under the answer: long notes, a turn where the tune rests.
const char* const kCounter =
    "1' - - - | 1' - 6 - | 6 - - 5 | 2' - 1'_ 6_ 5 | "
    "5 - - - | 6 - - 5 | 6 - 5 - | 3 5_ 6_ 5 0 |";
// The marimba answering the ocarina's rests when the ocarina has the theme.
const char* const kEchoes = "0 - - - | 0 - - - | 0 - - - | 0 2'_ 1'_ 6_ 1'_ 2' | 0 - - - | 0 - - - | 0 - - - | 0 3'_ 2'_ 1'_ 6_ 5 |";
const char* const kTagTune = "2_ 3_ 5_ 6_ 5_ 3_ 2 | 1_ 2_ 3_ 2_ 1_ 6,_ 5, | 5_ 6_ 1'_ 6_ 5_ 3_ 5 | 5_ 6_ 5_ 3_ 2 0 |";

enum class Guitar { OffBeats, Arpeggios };

struct Band {
  Part marimba{.name = "Marimba", .channel = 0, .program = 12, .volume = 120, .pan = 56, .reverb = 40, .notes = {},
               .role = Role::Melody};
  Part ocarina{.name = "Ocarina", .channel = 1, .program = 79, .volume = 60, .pan = 76, .reverb = 58, .notes = {},
               .role = Role::Counter};
  Part guitar{.name = "Nylon guitar", .channel = 2, .program = 24, .volume = 94, .pan = 84, .reverb = 40, .notes = {}};
  Part bass{.name = "Bass", .channel = 3, .program = 33, .volume = 80, .pan = 64, .reverb = 24, .notes = {},
            .role = Role::Bass};
  Part strings{.name = "Strings", .channel = 4, .program = 48, .volume = 74, .pan = 44, .reverb = 64, .notes = {}};
};

// The rhythm section under one section: a walking root-and-fifth bass, the guitar on the
// off-beats or in running quavers, the strings holding the chords where they are asked.
void Accompany(Piece& piece, Band& band, double start, const char* chart, Guitar guitar, bool strings) {
  const std::vector<ChordAt> chords = Chart(chart, start, kBar);
  Annotate(piece, chords);
  for (const ChordAt& c : chords) {
    const int root = BassKey(c.chord, 38), fifth = FifthKey(c.chord, root);
    if (c.beats >= 4) {
      band.bass.Add(c.beat, 1.4, root, 84);
      band.bass.Add(c.beat + 1.5, 0.4, root, 66);
      band.bass.Add(c.beat + 2, 0.9, fifth, 76);
      band.bass.Add(c.beat + 3, 0.9, root + 12, 72);
    } else {
      band.bass.Add(c.beat, 0.9, root, 82);
      band.bass.Add(c.beat + 1, 0.9, fifth, 72);
    }
    const std::vector<int> voicing = Voicing(c.chord, 60, 4);
    if (guitar == Guitar::OffBeats) {
      for (int beat = 1; beat < int(c.beats); beat += 2)
        for (int key : voicing) band.guitar.Add(c.beat + beat, 0.8, key, 56);
    } else {
      Arpeggio(band.guitar, c, Voicing(c.chord, 64, 4), {0, 1, 2, 3, 2, 1, 3, 1}, 0.5, 1.0, 50);
    }
    if (strings) Pad(band.strings, c, 64, 4, 48);
  }
}

}  // namespace

Piece Day() {
  Piece piece;
  piece.beatsPerMinute = 112;
  piece.beatsPerBar = kBar;
  const Mode d = Major("D4");
  const PitchSet pentatonic = d.Pitches({1, 2, 3, 5, 6});
  Band band;

  // Intro, A (the theme), A' (its answer, the ocarina below), B (the bridge, strings), A''
  // (the ocarina takes the answer, the marimba echoes), A' again, and the tag: the intro's
  // figure over a turnaround whose last bar leads back to the first.
  double at = 0;
  Section(piece, at, d, pentatonic);
  Accompany(piece, band, at, kIntroChart, Guitar::OffBeats, false);
  at = Tune(band.marimba, d, at, kIntroTune, 88, kBar);

  Accompany(piece, band, at, kVerseChart, Guitar::OffBeats, false);
  at = Tune(band.marimba, d, at, kTheme, 92, kBar);

  Accompany(piece, band, at, kVerseCloseChart, Guitar::Arpeggios, false);
  Tune(band.ocarina, d, at, kCounter, 70, kBar);
  at = Tune(band.marimba, d, at, kThemeAnswer, 94, kBar);

  Section(piece, at, d);
  Accompany(piece, band, at, kBridgeChart, Guitar::OffBeats, true);
  at = Tune(band.marimba, d, at, kBridgeTune, 92, kBar);

  Section(piece, at, d, pentatonic);
  Accompany(piece, band, at, kVerseCloseChart, Guitar::Arpeggios, true);
  Tune(band.marimba, d, at, kEchoes, 84, kBar);
  at = Tune(band.ocarina, d, at, kThemeAnswer, 82, kBar);

  Accompany(piece, band, at, kVerseCloseChart, Guitar::OffBeats, true);
  Tune(band.ocarina, d, at, kCounter, 68, kBar);
  at = Tune(band.marimba, d, at, kThemeAnswer, 96, kBar);

  Accompany(piece, band, at, kTagChart, Guitar::OffBeats, false);
  at = Tune(band.marimba, d, at, kTagTune, 88, kBar);

  piece.lengthBeats = at;
  piece.parts = {band.marimba, band.ocarina, band.guitar, band.bass, band.strings};
  return piece;
}

}  // namespace music
