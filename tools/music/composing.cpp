#include "composing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace music {

namespace {

[[noreturn]] void Fail(std::string_view what, std::string_view text) {
  std::fprintf(stderr, "compose_music: %.*s in \"%.*s\"\n", int(what.size()), what.data(), int(text.size()),
               text.data());
  std::exit(1);
}

int PitchClass(int key) { return ((key % 12) + 12) % 12; }

// A note letter and its accidentals as semitones above the letter C: "F#" is 6, "Cb" -1;
// `used` is how many characters they take.
int LetterValue(std::string_view name, size_t& used) {
  static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.empty() || name[0] < 'A' || name[0] > 'G') Fail("no note letter", name);
  int value = kLetters[name[0] - 'A'];
  used = 1;
  while (used < name.size() && (name[used] == '#' || name[used] == 'b')) value += name[used++] == '#' ? 1 : -1;
  return value;
}

int PitchClassOf(std::string_view name, size_t& used) { return PitchClass(LetterValue(name, used)); }

std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    const size_t from = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i > from) tokens.push_back(text.substr(from, i - from));
  }
  return tokens;
}

Mode ModeOf(std::string_view tonic, std::array<int, 7> steps) { return Mode{KeyOf(tonic), steps}; }

// Louder on the bar's first beat, softer between the beats.
int Accent(double beat, int beatsPerBar, int velocity) {
  const double inBar = std::fmod(beat, beatsPerBar);
  if (std::abs(inBar) < 1e-9) return velocity + 8;
  if (std::abs(inBar - std::round(inBar)) > 1e-9) return velocity - 6;
  if (beatsPerBar == 4 && std::abs(inBar - 2) < 1e-9) return velocity + 4;
  return velocity;
}

}  // namespace

int KeyOf(std::string_view name) {
  size_t used = 0;
  const int value = LetterValue(name, used);
  const std::string_view octave = name.substr(used);
  if (octave.empty() || octave.find_first_not_of("-0123456789") != std::string_view::npos) Fail("no octave", name);
  return 12 * (std::atoi(std::string(octave).c_str()) + 1) + value;
}

int Mode::Key(int degree, int octave, int alter) const {
  if (degree < 1 || degree > 7) Fail("degree outside 1..7", std::to_string(degree));
  return tonic + steps[size_t(degree - 1)] + 12 * octave + alter;
}

PitchSet Mode::Pitches() const { return Pitches({1, 2, 3, 4, 5, 6, 7}); }

PitchSet Mode::Pitches(std::initializer_list<int> degrees) const {
  PitchSet set = 0;
  for (int d : degrees) set |= 1u << PitchClass(Key(d));
  return set;
}

Mode Major(std::string_view tonic) { return ModeOf(tonic, {0, 2, 4, 5, 7, 9, 11}); }
Mode Minor(std::string_view tonic) { return ModeOf(tonic, {0, 2, 3, 5, 7, 8, 10}); }
Mode Dorian(std::string_view tonic) { return ModeOf(tonic, {0, 2, 3, 5, 7, 9, 10}); }
Mode Mixolydian(std::string_view tonic) { return ModeOf(tonic, {0, 2, 4, 5, 7, 9, 10}); }

double Tune(Part& part, const Mode& mode, double start, std::string_view notes, int velocity, int beatsPerBar) {
  struct Sound {
    int key;  // 0: a rest
    double beat;
    double beats;
  };
  std::vector<Sound> sounds;
  double at = start, barStart = start;
  for (std::string_view token : Tokens(notes)) {
    if (token == "|") {
      if (std::abs(at - barStart - beatsPerBar) > 1e-9) Fail("a bar that does not add up", notes);
      barStart = at;
      continue;
    }
    if (token == "-") {
      if (sounds.empty()) Fail("a hold with nothing to hold", notes);
      sounds.back().beats += 1;
      at += 1;
      continue;
    }
    size_t i = 0;
    int alter = 0;
    while (i < token.size() && (token[i] == '#' || token[i] == 'b')) alter += token[i++] == '#' ? 1 : -1;
    if (i >= token.size() || token[i] < '0' || token[i] > '7') Fail("no degree", token);
    const int degree = token[i++] - '0';
    int octave = 0;
    double beats = 1;
    for (; i < token.size(); ++i) {
      switch (token[i]) {
        case '\'': ++octave; break;
        case ',': --octave; break;
        case '_': beats /= 2; break;
        case '.': beats *= 1.5; break;
        default: Fail("an unknown mark", token);
      }
    }
    sounds.push_back({degree == 0 ? 0 : mode.Key(degree, octave, alter), at, beats});
    at += beats;
  }
  if (std::abs(at - barStart) > 1e-9) Fail("a tune that does not end on a bar line", notes);
  for (const Sound& s : sounds)
    if (s.key != 0) part.Add(s.beat, s.beats - 0.06, s.key, Accent(s.beat, beatsPerBar, velocity));
  return at;
}

PitchSet Chord::Pitches() const {
  PitchSet set = 1u << bass;
  for (int t : tones) set |= 1u << PitchClass(root + t);
  return set;
}

Chord ChordOf(std::string_view symbol) {
  struct Kind {
    std::string_view name;
    std::vector<int> tones;
  };
  static const Kind kKinds[] = {
      {"", {0, 4, 7}},           {"m", {0, 3, 7}},           {"7", {0, 4, 7, 10}},
      {"m7", {0, 3, 7, 10}},     {"maj7", {0, 4, 7, 11}},    {"6", {0, 4, 7, 9}},
      {"m6", {0, 3, 7, 9}},      {"9", {0, 4, 7, 10, 14}},   {"m9", {0, 3, 7, 10, 14}},
      {"maj9", {0, 4, 7, 11, 14}}, {"add9", {0, 4, 7, 14}},  {"madd9", {0, 3, 7, 14}},
      {"sus2", {0, 2, 7}},       {"sus4", {0, 5, 7}},        {"7sus4", {0, 5, 7, 10}},
      {"6/9", {0, 4, 7, 9, 14}}, {"dim", {0, 3, 6}},         {"m7b5", {0, 3, 6, 10}},
  };
  size_t used = 0;
  Chord chord;
  chord.root = PitchClassOf(symbol, used);
  std::string_view kind = symbol.substr(used);
  chord.bass = chord.root;
  // "6/9" is a kind; any other '/' names the bass.
  const size_t slash = kind.rfind('/');
  if (slash != std::string_view::npos && kind != "6/9") {
    size_t bassUsed = 0;
    chord.bass = PitchClassOf(kind.substr(slash + 1), bassUsed);
    if (slash + 1 + bassUsed != kind.size()) Fail("an unknown bass", symbol);
    kind = kind.substr(0, slash);
  }
  for (const Kind& k : kKinds)
    if (k.name == kind) {
      chord.tones = k.tones;
      return chord;
    }
  Fail("an unknown chord", symbol);
}

std::vector<ChordAt> Chart(std::string_view chart, double start, int beatsPerBar) {
  std::vector<ChordAt> chords;
  std::vector<std::string_view> bar;
  double at = start;
  const auto closeBar = [&] {
    if (bar.empty()) Fail("an empty bar", chart);
    if (bar[0] == ".") Fail("a bar starting with a hold", chart);
    const double share = double(beatsPerBar) / double(bar.size());
    for (std::string_view symbol : bar) {
      if (symbol == ".") {
        chords.back().beats += share;
      } else {
        chords.push_back({at, share, ChordOf(symbol)});
      }
      at += share;
    }
    bar.clear();
  };
  for (std::string_view token : Tokens(chart)) {
    if (token == "|") {
      closeBar();
    } else {
      bar.push_back(token);
    }
  }
  closeBar();
  return chords;
}

void Section(Piece& piece, double beat, const Mode& mode, PitchSet tunes) {
  piece.keys.push_back({beat, mode.Pitches()});
  piece.scales.push_back({beat, tunes});
}

void Section(Piece& piece, double beat, const Mode& mode) { Section(piece, beat, mode, mode.Pitches()); }

void Annotate(Piece& piece, const std::vector<ChordAt>& chords) {
  for (const ChordAt& c : chords) piece.chords.push_back({c.beat, c.chord.Pitches()});
}

std::vector<int> Voicing(const Chord& chord, int centre, int count) {
  std::vector<int> tones = chord.tones;
  if (count < int(tones.size())) tones.erase(tones.begin());  // the root: the bass has it
  if (count < int(tones.size())) {
    const auto fifth = std::find(tones.begin(), tones.end(), 7);
    if (fifth != tones.end()) tones.erase(fifth);
  }
  if (count < int(tones.size())) tones.resize(size_t(count));
  // Every inversion, stacked upward from each start near the centre; the best middle wins.
  std::vector<int> best;
  double bestDistance = 1e9;
  for (size_t r = 0; r < tones.size(); ++r) {
    for (int low = centre - 12; low <= centre; ++low) {
      if (PitchClass(low) != PitchClass(chord.root + tones[r])) continue;
      std::vector<int> keys = {low};
      for (size_t i = 1; i < tones.size(); ++i) {
        int key = keys.back() + 1;
        while (PitchClass(key) != PitchClass(chord.root + tones[(r + i) % tones.size()])) ++key;
        keys.push_back(key);
      }
      double mean = 0;
      for (int k : keys) mean += k;
      mean /= double(keys.size());
      const double distance = std::abs(mean - centre);
      if (distance < bestDistance - 1e-9) bestDistance = distance, best = keys;
    }
  }
  return best;
}

int BassKey(const Chord& chord, int low) {
  int key = low;
  while (PitchClass(key) != chord.bass) ++key;
  return key;
}

int FifthKey(const Chord& chord, int low) {
  int key = low;
  while (PitchClass(key) != PitchClass(chord.root + 7)) ++key;
  return key;
}

void Pad(Part& part, const ChordAt& at, int centre, int count, int velocity) {
  for (int key : Voicing(at.chord, centre, count)) part.Add(at.beat, at.beats, key, velocity);
}

void Arpeggio(Part& part, const ChordAt& at, const std::vector<int>& keys, std::initializer_list<int> pattern,
              double step, double ring, int velocity) {
  const std::vector<int> order(pattern);
  const int count = int(std::lround(at.beats / step));
  std::vector<int> played(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) played[size_t(i)] = keys[size_t(order[size_t(i) % order.size()]) % keys.size()];
  for (int i = 0; i < count; ++i) {
    double length = std::min(ring, at.beats - step * i);
    for (int j = i + 1; j < count; ++j)
      if (played[size_t(j)] == played[size_t(i)]) {
        length = std::min(length, step * (j - i));
        break;
      }
    const double beat = at.beat + step * i;
    part.Add(beat, length, played[size_t(i)], i == 0 ? velocity + 6 : velocity);
  }
}

void Grid(Part& part, double start, int beatsPerBar, int key, std::string_view grid, int velocity) {
  size_t steps = grid.find('|');
  if (steps == std::string_view::npos) steps = grid.size();
  double bar = start;
  size_t inBar = 0;
  for (char c : grid) {
    if (c == '|') {
      if (inBar != steps) Fail("grid bars of different lengths", grid);
      bar += beatsPerBar, inBar = 0;
      continue;
    }
    const double step = double(beatsPerBar) / double(steps);
    const double beat = bar + step * double(inBar++);
    switch (c) {
      case 'X': part.Add(beat, step, key, velocity + 14); break;
      case 'x': part.Add(beat, step, key, velocity); break;
      case 'o': part.Add(beat, step, key, velocity - 16); break;
      case '.': break;
      default: Fail("an unknown grid mark", grid);
    }
  }
  if (inBar != steps) Fail("grid bars of different lengths", grid);
}

}  // namespace music
