// The small vocabulary the pieces are written in: key names, modes and tunes in numbered
// notation, chord symbols and charts, voicings, arpeggios and drum grids.
//
// A mistake in a tune or a chart (a bar that does not add up, an unknown chord) stops the
// generator with a message naming it: the pieces are constants, so a wrong one is a bug.
#pragma once

#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "piece.h"

namespace music {

// "C4" is 60, middle C; '#' sharpens and 'b' flattens: "F#3", "Bb4".
int KeyOf(std::string_view name);

// A seven-note mode; degree 1 is the tonic.
struct Mode {
  int tonic = 60;
  std::array<int, 7> steps{};  // semitones of degrees 1..7 above the tonic

  // The key of a degree (1..7), octaves above (or below) the tonic's, a semitone altered.
  int Key(int degree, int octave = 0, int alter = 0) const;
  PitchSet Pitches() const;
  // Some of its degrees only: {1, 2, 3, 5, 6} of a major mode is its pentatonic.
  PitchSet Pitches(std::initializer_list<int> degrees) const;
};

Mode Major(std::string_view tonic);
Mode Minor(std::string_view tonic);
Mode Dorian(std::string_view tonic);
Mode Mixolydian(std::string_view tonic);

// Writes a tune in numbered notation into the part from `start`; returns the beat after it.
// Tokens, separated by spaces:
//   1..7     a degree of the mode, a beat long; 0 is a rest
//   # or b   before the digit: a semitone up or down
//   ' or ,   after the digit, once per octave: up or down
//   _        after it, once per halving: 5_ is half a beat, 5__ a quarter
//   .        after it: half as long again
//   -        on its own: the note (or rest) before lasts a beat longer
//   |        a bar line: the bars must add up to `beatsPerBar`, the tune must end on one
// Notes are slightly detached, as a player breathes; the first beat of a bar is a little
// stronger, the notes between the beats a little softer.
double Tune(Part& part, const Mode& mode, double start, std::string_view notes, int velocity, int beatsPerBar);

// A chord: its root, the tones above the root in voicing order, and the bass note.
struct Chord {
  int root = 0;               // pitch class
  int bass = 0;               // pitch class of the lowest note: the root, or the note after '/'
  std::vector<int> tones;     // semitones above the root, the root (0) first
  PitchSet Pitches() const;   // the tones and the bass
};

// From a symbol: a root ("C", "F#", "Bb"), a kind ("", "m", "7", "m7", "maj7", "6", "m6",
// "9", "m9", "maj9", "add9", "madd9", "sus2", "sus4", "7sus4", "6/9", "dim", "m7b5"), and
// an optional bass: "G/B".
Chord ChordOf(std::string_view symbol);

// A chord of a chart and where it sounds.
struct ChordAt {
  double beat;
  double beats;
  Chord chord;
};

// A chord chart from `start`: bars separated by '|', the chords of a bar sharing it evenly,
// '.' holding the chord before for one more share: "D | Bm7 | G . . A7 | D".
std::vector<ChordAt> Chart(std::string_view chart, double start, int beatsPerBar);

// Records for the checks that from `beat` on the piece is in the mode's key and its tunes keep
// to `tunes` (some of the mode's notes), or to the whole mode.
void Section(Piece& piece, double beat, const Mode& mode, PitchSet tunes);
void Section(Piece& piece, double beat, const Mode& mode);

// Records the chart's chords in the piece for the checks.
void Annotate(Piece& piece, const std::vector<ChordAt>& chords);

// `count` tones of the chord in close position, the inversion whose middle lies nearest to
// `centre`: chords voiced about one centre stay in one register, each voice moving by a few
// steps at most. Leaving tones out drops the root first (the bass has it), then the fifth.
std::vector<int> Voicing(const Chord& chord, int centre, int count);

// The chord's bass note in the octave from `low`, and its root's fifth above that.
int BassKey(const Chord& chord, int low);
int FifthKey(const Chord& chord, int low);

// Holds the chord's voicing for its whole length.
void Pad(Part& part, const ChordAt& at, int centre, int count, int velocity);

// Plays `keys` in the order of `pattern` (indexes into keys), one every `step` beats across
// the chord's length; each note rings `ring` beats, but never into its own next sounding nor
// past the chord.
void Arpeggio(Part& part, const ChordAt& at, const std::vector<int>& keys, std::initializer_list<int> pattern,
              double step, double ring, int velocity);

// One drum or one struck note in a grid of steps spread evenly over each bar: 'X' accented,
// 'x' played, 'o' soft, '.' silent; '|' separates bars, all of one length.
void Grid(Part& part, double start, int beatsPerBar, int key, std::string_view grid, int velocity);

}  // namespace music
