#include "composing.h"
#include "pieces.h"

namespace music {

namespace {

constexpr int kBar = 4;

// E flat major; the tunes keep to its pentatonic (E flat, F, G, B flat, C).
const char* const kIntroChart = "Ebadd9 | Abadd9";
const char* const kVerseChart = "Ebadd9 | Abmaj7 | Cm7 | Bbsus4 Bb | Ebadd9 | Abmaj7 | Fm7 | Bbsus4";
const char* const kVerseCloseChart = "Ebadd9 | Abmaj7 | Cm7 | Bbsus4 Bb | Ebadd9 | Gm7 | Abmaj7 Bbsus4 | Eb";
const char* const kBridgeChart = "Abmaj7 | Bb | Gm7 | Cm7 | Abmaj7 | Bb | Cm7 | Bbsus4 Bb";
const char* const kCodaChart = "Abmaj7 | Bbsus4";

// The pan flute's theme rises from the tonic and sighs onto the suspended dominant...
const char* const kTheme = "1 - 2 3 | 6 - - 5 | 3 - 5 - | 2 - - 0 | 1 - 2 3 | 6 - 1' 6 | 1' - 2' 1' | 6 - 5 - |";
// ...and the second time climbs on to the octave.
const char* const kThemeHigh = "1 - 2 3 | 6 - - 5 | 3 - 5 - | 2 - - 0 | 3 - 5 6 | 5 - 3' 2' | 1' - 2' - | 1' - - 0 |";
// The bridge is the sunrise: the tune high and broad, up to the high B flat.
const char* const kBridgeTune = "1' - - 6 | 2' - - 1' | 2' - 3' 2' | 1' - - 0 | 1' - 2' 3' | 5' - 3' 2' | 3' - 1' 6 | 5 - - 0 |";
const char* const kCodaTune = "6 - - 5 | 2 - - 0 |";
// The horn's long notes, an octave and more below.
const char* const kHornVerse = "5 - - - | 6 - - - | 5 - - - | 5 - 2 - | 3 - - - | 2 - - - | 1 - 2 - | 3 - - - |";
const char* const kHornBridge = "1' - 6 - | 2' - - - | 2' - 5 - | 3 - 5 - | 6 - 1' - | 2' - - - | 1' - 6 - | 5 - 2' - |";

struct Consort {
  Part flute{.name = "Pan flute", .channel = 0, .program = 75, .volume = 96, .pan = 60, .reverb = 80, .notes = {},
             .role = Role::Melody};
  Part horn{.name = "Horn", .channel = 1, .program = 60, .volume = 66, .pan = 44, .reverb = 70, .notes = {},
            .role = Role::Counter};
  Part dulcimer{.name = "Dulcimer", .channel = 2, .program = 15, .volume = 127, .pan = 82, .reverb = 70, .notes = {}};
  Part bass{.name = "Contrabass", .channel = 3, .program = 43, .volume = 74, .pan = 64, .reverb = 50, .notes = {},
            .role = Role::Bass};
  Part pad{.name = "New age pad", .channel = 4, .program = 88, .volume = 84, .pan = 64, .reverb = 80, .notes = {}};
  Part strings{.name = "Strings", .channel = 5, .program = 48, .volume = 72, .pan = 36, .reverb = 72, .notes = {}};
  Part bells{.name = "Bells", .channel = 6, .program = 14, .volume = 80, .pan = 90, .reverb = 90, .notes = {}};
};

// How bright a section is: the dulcimer's and the strings' loudness grow towards the bridge.
struct Light {
  int dulcimer;
  int strings;  // 0: the strings rest
  bool bell;    // a bell on the first chord
};

// The dulcimer's quavers over the pad and a bowed bass; the strings and a bell as asked.
void Accompany(Piece& piece, Consort& c, double start, const char* chart, Light light) {
  const std::vector<ChordAt> chords = Chart(chart, start, kBar);
  Annotate(piece, chords);
  for (const ChordAt& at : chords) {
    c.bass.Add(at.beat, at.beats - 0.1, BassKey(at.chord, 31), 66);
    Arpeggio(c.dulcimer, at, Voicing(at.chord, 67, 4), {0, 1, 2, 3, 1, 2, 3, 2}, 0.5, 1.0, light.dulcimer);
    Pad(c.pad, at, 60, 4, 42);
    if (light.strings > 0) Pad(c.strings, at, 62, 4, light.strings);
  }
  if (light.bell) c.bells.Add(start, 4, BassKey(chords.front().chord, 63), 62);
}

}  // namespace

Piece Dawn() {
  Piece piece;
  piece.beatsPerMinute = 63;
  piece.beatsPerBar = kBar;
  const Mode e = Major("Eb4"), low = Major("Eb3");
  Section(piece, 0, e, e.Pitches({1, 2, 3, 5, 6}));
  Consort c;

  // The first light (pad and dulcimer); A (the theme); A' (higher, the horn below); B (the
  // sunrise, strings joining); A' in full; a coda that fades back to the first light.
  double at = 0;
  Accompany(piece, c, at, kIntroChart, {46, 0, false});
  at += 2 * kBar;
  Accompany(piece, c, at, kVerseChart, {50, 0, true});
  at = Tune(c.flute, e, at, kTheme, 72, kBar);
  Accompany(piece, c, at, kVerseCloseChart, {54, 0, false});
  Tune(c.horn, low, at, kHornVerse, 62, kBar);
  at = Tune(c.flute, e, at, kThemeHigh, 76, kBar);
  Accompany(piece, c, at, kBridgeChart, {60, 50, true});
  Tune(c.horn, low, at, kHornBridge, 68, kBar);
  at = Tune(c.flute, e, at, kBridgeTune, 84, kBar);
  Accompany(piece, c, at, kVerseCloseChart, {56, 46, true});
  Tune(c.horn, low, at, kHornVerse, 64, kBar);
  at = Tune(c.flute, e, at, kThemeHigh, 78, kBar);
  Accompany(piece, c, at, kCodaChart, {48, 0, false});
  at = Tune(c.flute, e, at, kCodaTune, 64, kBar);

  piece.lengthBeats = at;
  piece.parts = {c.flute, c.horn, c.dulcimer, c.bass, c.pad, c.strings, c.bells};
  return piece;
}

}  // namespace music
