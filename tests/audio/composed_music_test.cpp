// The music generator (tools/music): the shipped files are the pieces as composed now and
// pass the checks; the checks catch each kind of fault; the vocabulary the pieces are written
// in reads names, tunes and charts as a musician would.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "tools/music/check_pieces.h"
#include "tools/music/composing.h"
#include "tools/music/midi_writer.h"
#include "tools/music/pieces.h"

namespace music {
namespace {

std::string Joined(const std::vector<std::string>& problems) {
  std::string text;
  for (const std::string& p : problems) text += p + "\n";
  return text;
}

TEST(ComposedMusic, ShippedFilesAreThePiecesAsComposedNowAndPassTheChecks) {
  const std::vector<NamedPiece> pieces = Pieces();
  std::set<std::string> names;
  for (const NamedPiece& p : pieces) {
    SCOPED_TRACE(p.name);
    EXPECT_TRUE(names.insert(p.name).second) << "two pieces of one name";
    EXPECT_EQ(Joined(CheckPiece(p.piece)), "");
    std::ifstream in(std::string(SORIMO_SOURCE_DATA) + "/Musics/" + p.name + ".mid", std::ios::binary);
    const std::vector<uint8_t> shipped{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_TRUE(shipped == WriteMidi(p.piece)) << "data/Musics is not what tools/music composes: run compose_music";
  }
}

// Sixteen bars of C major at 60 a minute (64 s): a tune on the chord tones, a bass on the
// roots, held chords. Sound as it is; each test below spoils one thing.
struct Sketch {
  Piece piece;
  Sketch(int beatsPerMinute = 60) {
    piece.beatsPerMinute = beatsPerMinute;
    const Mode c = Major("C4");
    Section(piece, 0, c);
    Part tune{.name = "Tune", .channel = 0, .program = 73, .notes = {}, .role = Role::Melody};
    Part bass{.name = "Bass", .channel = 1, .program = 32, .notes = {}, .role = Role::Bass};
    Part chords{.name = "Chords", .channel = 2, .program = 48, .notes = {}};
    for (double at = 0; at < 64; at += 16) {
      const std::vector<ChordAt> chart = Chart("C | F | G | C", at, 4);
      Annotate(piece, chart);
      for (const ChordAt& ch : chart) {
        bass.Add(ch.beat, 3.9, BassKey(ch.chord, 36), 80);
        Pad(chords, ch, 60, 3, 50);
      }
      Tune(tune, c, at, "3 - 5 - | 4 - 6 - | 5 - 2' 7 | 1' - - 0 |", 80, 4);
    }
    piece.lengthBeats = 64;
    piece.parts = {tune, bass, chords};
  }
  Part& tune() { return piece.parts[0]; }
  Part& bass() { return piece.parts[1]; }
  Part& chords() { return piece.parts[2]; }
  std::string Problems() const { return Joined(CheckPiece(piece)); }
};

TEST(PieceChecks, ASoundPiecePassesAndEachFaultIsNamed) {
  EXPECT_EQ(Sketch().Problems(), "");

  const auto expectOnly = [](const Sketch& s, const std::string& words) {
    const std::vector<std::string> problems = CheckPiece(s.piece);
    EXPECT_FALSE(problems.empty()) << "missed: " << words;
    for (const std::string& p : problems) EXPECT_NE(p.find(words), std::string::npos) << p;
  };
  {
    Sketch s;  // a B flat in C major, on a weak beat
    s.tune().notes[6].key = 70;
    expectOnly(s, "outside the scale");
  }
  {
    Sketch s;  // up a ninth from D to the E above and down a tenth
    s.tune().notes[6].key = 88;
    expectOnly(s, "leap");
  }
  {
    Sketch s;  // D held on the downbeat of C and left by a leap
    s.tune().notes[0].key = 62;
    expectOnly(s, "strong beat");
  }
  {
    Sketch s;  // the bass on F under the first bar of C
    s.bass().notes[0].key = 41;
    expectOnly(s, "bass note outside the harmony");
  }
  {
    Sketch s;  // a D among the held chord of C
    s.chords().notes[0].key = 62;
    expectOnly(s, "not in the chord");
  }
  {
    Sketch s;  // the bass struck again while its note still sounds
    s.bass().Add(2, 1, s.bass().notes[0].key, 70);
    expectOnly(s, "struck again");
  }
  {
    Sketch s;  // the last chord rings past the loop point
    s.chords().notes.back().length += 1;
    expectOnly(s, "not inside the piece");
  }
  {
    Sketch s;
    s.tune().notes[2].velocity = 10;
    expectOnly(s, "velocity");
  }
  {
    Sketch s;  // the tune sent to the drums
    s.tune().channel = 9;
    expectOnly(s, "drum channel");
  }
  expectOnly(Sketch(120), "not 60 to 180");  // 32 s
  {
    Sketch s;  // every C, E and G of the keyboard struck at once
    for (int key = 24; key < 128; ++key)
      if ((key % 12 == 0 || key % 12 == 4 || key % 12 == 7) && key != 55 && key != 60 && key != 64)
        s.chords().Add(0.5, 0.25, key, 40);
    expectOnly(s, "at once");
  }
  {
    Sketch s;  // bar 1 in E major: the tune's G natural against the chord's G sharp
    s.piece.chords[0].pitches = ChordOf("E").Pitches();
    s.bass().notes[0].key = 40;
    s.chords().notes[0].key = 56;
    s.chords().notes[1].key = 59;
    expectOnly(s, "altered tone");
  }
}

TEST(PieceChecks, OrnamentsOnStrongBeatsAndLeapsBetweenPhrasesAreSound) {
  Sketch s;
  // D on the downbeat of C moving by step to E: an appoggiatura.
  s.tune().notes[0].key = 62;
  s.tune().notes[0].length = 0.94;
  s.tune().Add(1, 0.94, 64, 70);
  // After a bar's rest a phrase may start anywhere: bars 6 and 7 two octaves up, alone.
  std::vector<Part::Note>& notes = s.tune().notes;
  notes.erase(std::remove_if(notes.begin(), notes.end(),
                             [](const Part::Note& n) { return (n.beat >= 16 && n.beat < 20) || (n.beat >= 28 && n.beat < 32); }),
              notes.end());
  for (Part::Note& n : notes)
    if (n.beat >= 20 && n.beat < 28) n.key += 24;
  EXPECT_EQ(s.Problems(), "");
}

TEST(Composing, KeysByName) {
  EXPECT_EQ(KeyOf("C4"), 60);
  EXPECT_EQ(KeyOf("A4"), 69);
  EXPECT_EQ(KeyOf("Bb3"), 58);
  EXPECT_EQ(KeyOf("F#5"), 78);
  EXPECT_EQ(KeyOf("Cb4"), 59);
  EXPECT_EQ(KeyOf("C-1"), 0);
}

TEST(Composing, TunesInNumberedNotation) {
  Part p;
  const Mode d = Major("D4");
  // A bar of four: D a beat, E and F sharp a quaver each, the high A held two beats; then a
  // bar of a dotted B, a semiquaver C sharp below, an altered (sharpened) G, and a rest.
  const double end = Tune(p, d, 8, "1 2_ 3_ 5' - | 6. 7,__ #4__ 0 - |", 80, 4);
  EXPECT_EQ(end, 16);
  ASSERT_EQ(p.notes.size(), 7u);
  const int keys[] = {62, 64, 66, 81, 71, 61, 68};
  const double beats[] = {8, 9, 9.5, 10, 12, 13.5, 13.75};
  const double lengths[] = {1, 0.5, 0.5, 2, 1.5, 0.25, 0.25};
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(p.notes[i].key, keys[i]) << i;
    EXPECT_DOUBLE_EQ(p.notes[i].beat, beats[i]) << i;
    EXPECT_NEAR(p.notes[i].length, lengths[i], 0.1) << i;
    EXPECT_LT(p.notes[i].length, lengths[i]) << "detached " << i;
  }
  // The downbeat a little louder than the rest, the quavers a little softer.
  EXPECT_GT(p.notes[0].velocity, p.notes[3].velocity);
  EXPECT_LT(p.notes[2].velocity, p.notes[3].velocity);
  EXPECT_EQ(Minor("A3").Key(3, 1), 72);
  EXPECT_EQ(Dorian("D4").Key(6), 71);
  EXPECT_EQ(Mixolydian("G4").Key(7, -1), 65);
}

TEST(ComposingDeathTest, AMistakeInATuneOrAChartStopsTheGenerator) {
  Part p;
  EXPECT_EXIT(Tune(p, Major("C4"), 0, "1 2 3 | 4 5 |", 80, 4), ::testing::ExitedWithCode(1), "does not add up");
  EXPECT_EXIT(Tune(p, Major("C4"), 0, "1 2 3 4 | 5", 80, 4), ::testing::ExitedWithCode(1), "end on a bar line");
  EXPECT_EXIT(Tune(p, Major("C4"), 0, "1 2 8 4 |", 80, 4), ::testing::ExitedWithCode(1), "no degree");
  EXPECT_EXIT(ChordOf("Cmaj13"), ::testing::ExitedWithCode(1), "unknown chord");
  EXPECT_EXIT(Chart("C | . G", 0, 4), ::testing::ExitedWithCode(1), "starting with a hold");
}

TEST(Composing, ChordSymbolsAndCharts) {
  const Chord gb = ChordOf("G/B");
  EXPECT_EQ(gb.root, 7);
  EXPECT_EQ(gb.bass, 11);
  EXPECT_EQ(gb.tones, (std::vector<int>{0, 4, 7}));
  EXPECT_EQ(ChordOf("Fmaj7").Pitches(), (1u << 5) | (1u << 9) | (1u << 0) | (1u << 4));
  EXPECT_EQ(ChordOf("Bbm7").Pitches(), (1u << 10) | (1u << 1) | (1u << 5) | (1u << 8));
  const Chord sixNine = ChordOf("C6/9");
  EXPECT_EQ(sixNine.bass, 0);
  EXPECT_EQ(sixNine.tones.size(), 5u);
  EXPECT_EQ(ChordOf("D7sus4").Pitches(), (1u << 2) | (1u << 7) | (1u << 9) | (1u << 0));

  const std::vector<ChordAt> chart = Chart("G . . D7 | Em | C G", 8, 4);
  ASSERT_EQ(chart.size(), 5u);
  const double beats[] = {8, 11, 12, 16, 18};
  const double lengths[] = {3, 1, 4, 2, 2};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_DOUBLE_EQ(chart[i].beat, beats[i]) << i;
    EXPECT_DOUBLE_EQ(chart[i].beats, lengths[i]) << i;
  }
  EXPECT_EQ(chart[2].chord.root, 4);
}

TEST(Composing, VoicingsAreCloseChordsAboutTheirCentre) {
  // All four tones of C major seven, within an octave, around middle C.
  std::vector<int> c = Voicing(ChordOf("Cmaj7"), 60, 4);
  ASSERT_EQ(c.size(), 4u);
  EXPECT_TRUE(std::is_sorted(c.begin(), c.end()));
  EXPECT_LT(c.back() - c.front(), 12);
  std::set<int> classes;
  for (int k : c) classes.insert(k % 12);
  EXPECT_EQ(classes, (std::set<int>{0, 4, 7, 11}));
  double mean = 0;
  for (int k : c) mean += k;
  EXPECT_NEAR(mean / 4, 60, 3);
  // Three voices of a ninth chord drop the root, then the fifth: the third, seventh and ninth.
  classes.clear();
  for (int k : Voicing(ChordOf("Am9"), 64, 3)) classes.insert(k % 12);
  EXPECT_EQ(classes, (std::set<int>{0, 7, 11}));
  // Whatever the chord, voiced about one centre it stays there, in close position.
  for (const char* symbol : {"C", "F", "G", "Am7", "Dm7", "Ebmaj7", "F#m7b5", "Bbsus4"}) {
    const Chord chord = ChordOf(symbol);
    const std::vector<int> keys = Voicing(chord, 62, 4);
    SCOPED_TRACE(symbol);
    ASSERT_EQ(keys.size(), std::min<size_t>(4, chord.tones.size()));
    EXPECT_LT(keys.back() - keys.front(), 12);
    double middle = 0;
    for (int k : keys) {
      EXPECT_TRUE(Holds(chord.Pitches(), k));
      middle += k;
    }
    EXPECT_NEAR(middle / double(keys.size()), 62, 2.5);
  }
  EXPECT_EQ(BassKey(ChordOf("D/F#"), 36), 42);
  EXPECT_EQ(FifthKey(ChordOf("D/F#"), 42), 45);
}

TEST(Composing, ArpeggiosNeverStrikeASoundingKeyNorRingPastTheChord) {
  Part p;
  const ChordAt at{4, 3, ChordOf("Am7")};
  Arpeggio(p, at, Voicing(at.chord, 64, 4), {0, 1, 2, 1, 3, 0}, 0.5, 2.5, 50);
  ASSERT_EQ(p.notes.size(), 6u);
  std::map<int, double> endOf;
  for (const Part::Note& n : p.notes) {
    EXPECT_GE(n.beat, 4);
    EXPECT_LE(n.beat + n.length, 7 + 1e-9);
    EXPECT_LE(endOf[n.key], n.beat + 1e-9) << "key " << n.key << " struck while sounding";
    endOf[n.key] = n.beat + n.length;
  }
  EXPECT_GT(p.notes[0].velocity, p.notes[1].velocity);  // the chord's first note leads
}

TEST(Composing, DrumGrids) {
  Part p;
  Grid(p, 8, 4, 76, "x.o.|X...", 60);
  ASSERT_EQ(p.notes.size(), 3u);
  EXPECT_EQ(p.notes[0].beat, 8);
  EXPECT_EQ(p.notes[1].beat, 10);
  EXPECT_EQ(p.notes[2].beat, 12);
  EXPECT_LT(p.notes[1].velocity, p.notes[0].velocity);
  EXPECT_GT(p.notes[2].velocity, p.notes[0].velocity);
  EXPECT_EXIT(Grid(p, 0, 4, 76, "x.x.|x.", 60), ::testing::ExitedWithCode(1), "different lengths");
}

}  // namespace
}  // namespace music
