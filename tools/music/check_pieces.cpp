#include "check_pieces.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace music {

namespace {

constexpr double kEps = 1e-6;
constexpr int kQuietest = 24, kLoudest = 120;
constexpr int kMostSounding = 24;  // at once, within the synthesizer's voices with room for the tails
constexpr int kWidestLeap = 12;

// The span in force at `beat` (the last one starting at or before it).
PitchSet At(const std::vector<Span>& spans, double beat) {
  PitchSet set = 0;
  for (const Span& s : spans) {
    if (s.beat > beat + kEps) break;
    set = s.pitches;
  }
  return set;
}

std::string Where(const Piece& piece, const Part& part, double beat) {
  char text[160];
  const int bar = int(std::floor((beat + kEps) / piece.beatsPerBar));
  std::snprintf(text, sizeof text, "%s, bar %d beat %g: ", part.name.c_str(), bar + 1,
                beat - double(bar * piece.beatsPerBar) + 1);
  return text;
}

bool Strong(const Piece& piece, double beat) {
  const double inBar = beat - piece.beatsPerBar * std::floor((beat + kEps) / piece.beatsPerBar);
  return std::abs(inBar) < kEps || (piece.beatsPerBar == 4 && std::abs(inBar - 2) < kEps);
}

bool Ordered(const std::vector<Span>& spans) {
  if (spans.empty() || std::abs(spans[0].beat) > kEps) return false;
  for (size_t i = 1; i < spans.size(); ++i)
    if (spans[i].beat < spans[i - 1].beat - kEps) return false;
  return true;
}

void CheckTune(const Piece& piece, const Part& part, std::vector<std::string>& problems) {
  std::vector<Part::Note> notes = part.notes;
  std::stable_sort(notes.begin(), notes.end(), [](const auto& a, const auto& b) { return a.beat < b.beat; });
  for (size_t i = 0; i < notes.size(); ++i) {
    const Part::Note& n = notes[i];
    const PitchSet key = At(piece.keys, n.beat), chord = At(piece.chords, n.beat);
    if (!Holds(At(piece.scales, n.beat), n.key)) problems.push_back(Where(piece, part, n.beat) + "outside the scale");
    // A chord tone from outside the key (the raised seventh of a minor key's dominant) stands
    // for a note of the key altered: the tune must not sound that note unaltered against it.
    for (int step : {-1, 1})
      if (Holds(chord, n.key + step) && !Holds(key, n.key + step) && !Holds(chord, n.key))
        problems.push_back(Where(piece, part, n.beat) + "a semitone against the chord's altered tone");
    // A rest of a bar or more ends a phrase; the next may start anywhere.
    const bool samePhrase = i > 0 && n.beat - (notes[i - 1].beat + notes[i - 1].length) < piece.beatsPerBar - kEps;
    if (samePhrase && std::abs(n.key - notes[i - 1].key) > kWidestLeap)
      problems.push_back(Where(piece, part, n.beat) + "a leap of more than an octave");
    // A longer note on a strong beat belongs to the chord, or is an ornament of it that moves
    // on by step (an appoggiatura, a suspension, an accented passing note).
    const bool movesByStep = i + 1 < notes.size() && notes[i + 1].key != n.key && std::abs(notes[i + 1].key - n.key) <= 2;
    if (part.role == Role::Melody && Strong(piece, n.beat) && n.length >= 1 - 0.1 && !Holds(chord, n.key) &&
        !movesByStep)
      problems.push_back(Where(piece, part, n.beat) + "not a chord tone on a strong beat, nor left by step");
  }
}

}  // namespace

std::vector<std::string> CheckPiece(const Piece& piece) {
  std::vector<std::string> problems;
  const double seconds = piece.lengthBeats * 60.0 / piece.beatsPerMinute;
  if (seconds < 60 || seconds > 180) problems.push_back("lasts " + std::to_string(int(seconds)) + " s, not 60 to 180");
  const double bars = piece.lengthBeats / piece.beatsPerBar;
  if (std::abs(bars - std::round(bars)) > kEps) problems.push_back("does not end on a bar line");
  if (!Ordered(piece.keys) || !Ordered(piece.scales) || !Ordered(piece.chords))
    problems.push_back("keys, scales or chords not given from the start");

  // Every channel's notes by key, to find a key struck again while it still sounds.
  std::map<std::pair<int, int>, std::vector<std::pair<double, double>>> byKey;
  std::vector<std::pair<double, int>> changes;  // +1 at a start, -1 at an end
  for (const Part& part : piece.parts) {
    if (part.channel < 0 || part.channel > 15 || part.program < 0 || part.program > 127)
      problems.push_back(part.name + ": no such channel or program");
    // Channel 10 sounds as drums whatever is sent to it; drums of a melodic program (a taiko)
    // may play on another.
    if (part.channel == 9 && part.role != Role::Percussion) problems.push_back(part.name + ": on the drum channel");
    if (part.notes.empty()) problems.push_back(part.name + ": plays nothing");
    for (const Part::Note& n : part.notes) {
      if (n.beat < -kEps || n.length <= kEps || n.beat + n.length > piece.lengthBeats + kEps)
        problems.push_back(Where(piece, part, n.beat) + "a note not inside the piece");
      if (n.key < 0 || n.key > 127) problems.push_back(Where(piece, part, n.beat) + "no such key");
      if (n.velocity < kQuietest || n.velocity > kLoudest)
        problems.push_back(Where(piece, part, n.beat) + "velocity " + std::to_string(n.velocity));
      byKey[{part.channel, n.key}].push_back({n.beat, n.beat + n.length});
      changes.push_back({n.beat, 1});
      changes.push_back({n.beat + n.length, -1});
      const PitchSet chord = At(piece.chords, n.beat);
      if (part.role == Role::Accompaniment && !Holds(chord, n.key))
        problems.push_back(Where(piece, part, n.beat) + "not in the chord");
      if (part.role == Role::Bass && !Holds(chord, n.key) &&
          (Strong(piece, n.beat) || !Holds(At(piece.keys, n.beat), n.key)))
        problems.push_back(Where(piece, part, n.beat) + "a bass note outside the harmony");
    }
    if (part.role == Role::Melody || part.role == Role::Counter) CheckTune(piece, part, problems);
  }
  for (auto& [channelKey, sounds] : byKey) {
    std::sort(sounds.begin(), sounds.end());
    for (size_t i = 1; i < sounds.size(); ++i)
      if (sounds[i].first < sounds[i - 1].second - kEps) {
        char text[120];
        std::snprintf(text, sizeof text, "channel %d: key %d struck again at beat %g while it sounds",
                      channelKey.first + 1, channelKey.second, sounds[i].first);
        problems.push_back(text);
      }
  }
  // Ends before starts at one moment: a note handing over to the next is not two at once.
  std::sort(changes.begin(), changes.end());
  int sounding = 0, most = 0;
  for (const auto& c : changes) most = std::max(most, sounding += c.second);
  if (most > kMostSounding) problems.push_back(std::to_string(most) + " notes sound at once");
  return problems;
}

}  // namespace music
