// The pieces shipped in data/Musics/: read note by note, each is a whole Standard MIDI File
// whose notes all end, whose channels have their instruments, and which lasts one to three
// minutes; played by the synthesizer, each sounds from its first second, never clips, never
// falls silent for long, and comes round to its start without a jump in level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "audio/audio_mixer.h"
#include "audio/audio_output.h"
#include "audio/music_list.h"
#include "files/folder_listing.h"
#include "tests/audio/smf_reader.h"

namespace sorimo {
namespace {

namespace fs = std::filesystem;
using testing::ReadSmf;
using testing::SmfEvent;
using testing::SmfFile;

std::string MusicFolder() { return std::string(SORIMO_SOURCE_DATA) + "/Musics/"; }

MusicList ShippedPieces() { return ScanMusicNames(ListFolder(MusicFolder(), FolderEntries::NotFolders), -1); }

std::vector<uint8_t> ReadPiece(const std::string& name) {
  std::ifstream in(MusicFolder() + name + ".mid", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ShippedMusic, NightIsChosenFirstAmongAtLeastSixPieces) {
  const MusicList list = ShippedPieces();
  EXPECT_GE(list.names.size(), 6u);
  ASSERT_GE(list.midiNumber, 1);
  EXPECT_EQ(list.names[size_t(list.midiNumber - 1)], kPreferredPiece);
}

TEST(ShippedMusic, EveryPieceIsWholeWithItsInstrumentsAndEveryNoteEnds) {
  for (const std::string& name : ShippedPieces().names) {
    SCOPED_TRACE(name);
    const SmfFile file = ReadSmf(ReadPiece(name));
    ASSERT_EQ(file.error, "");
    ASSERT_FALSE(file.tracks.empty());

    // Every track ends at the same moment: the piece's end, where it loops.
    const long end = file.tracks[0].back().tick;
    const double seconds = testing::SmfSeconds(file, end);
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 180.0);

    std::map<int, long> firstNote, program;  // by channel: the first note, the first program
    int notes = 0;
    for (const auto& track : file.tracks) {
      EXPECT_EQ(track.back().tick, end);
      std::map<std::pair<int, int>, int> sounding;  // channel and key: notes struck, not yet ended
      for (const SmfEvent& e : track) {
        const int channel = e.status & 0x0F, kind = e.status & 0xF0;
        if (e.status == 0xFF) continue;
        if (kind == 0xC0 && !program.count(channel)) program[channel] = e.tick;
        if (kind == 0x90 && e.data2 > 0) {
          ++notes;
          if (!firstNote.count(channel)) firstNote[channel] = e.tick;
          EXPECT_EQ(sounding[std::pair(channel, e.data1)]++, 0) << "key " << e.data1 << " struck again at tick " << e.tick;
          if (channel == 9) {
            EXPECT_GE(e.data1, 35) << "no General MIDI drum";
            EXPECT_LE(e.data1, 81) << "no General MIDI drum";
          }
        } else if (kind == 0x80 || kind == 0x90) {
          EXPECT_GT(sounding[std::pair(channel, e.data1)]--, 0) << "key " << e.data1 << " ended unstruck at tick " << e.tick;
        }
      }
      for (const auto& [key, count] : sounding) EXPECT_EQ(count, 0) << "key " << key.second << " hangs";
    }
    EXPECT_GT(notes, 100);
    // Each melodic channel chooses its General MIDI instrument before it plays; channel 10
    // is the drums whatever it is told.
    for (const auto& [channel, tick] : firstNote) {
      if (channel == 9) continue;
      ASSERT_TRUE(program.count(channel)) << "channel " << channel + 1 << " has no instrument";
      EXPECT_LE(program[channel], tick) << "channel " << channel + 1;
    }
  }
}

// Levels in half-second windows; -50 dBFS and below is heard as silence.
constexpr int kWindowFrames = AudioMixer::kSampleRate / 2;
constexpr double kSilence = 32768 * 0.00316;

TEST(ShippedMusic, EveryPiecePlaysOneToThreeMinutesUnclippedWithoutGapsAndLoopsEvenly) {
  if (!fs::exists(kSoundFontPath)) GTEST_SKIP() << "no soundfont";
  for (const std::string& name : ShippedPieces().names) {
    SCOPED_TRACE(name);
    auto synth = std::make_unique<MusicSynth>();
    ASSERT_EQ(synth->LoadSoundFont(kSoundFontPath), "");
    AudioMixer mixer;
    mixer.AttachSynth(std::move(synth));
    mixer.PlayPiece(ReadPiece(name));
    std::vector<int16_t> block(2048);
    std::vector<double> energy;  // per window, the sum of the squared samples
    int peak = 0, peakFirstSecond = 0;
    long frame = 0, endedAt = -1;
    while (frame < 200L * AudioMixer::kSampleRate && endedAt < 0) {
      mixer.Render(block.data(), 1024);
      for (size_t i = 0; i < block.size(); ++i) {
        const long window = (frame + long(i / 2)) / kWindowFrames;
        if (size_t(window) >= energy.size()) energy.resize(size_t(window) + 1);
        energy[size_t(window)] += double(block[i]) * block[i];
        peak = std::max(peak, std::abs(int(block[i])));
      }
      frame += 1024;
      if (frame <= AudioMixer::kSampleRate) peakFirstSecond = peak;
      if (mixer.PieceEnded()) endedAt = frame;
    }
    EXPECT_EQ(mixer.TakePieceError(), "");
    EXPECT_GT(peakFirstSecond, 1000);
    EXPECT_LT(peak, 30000);
    ASSERT_GE(endedAt, 60L * AudioMixer::kSampleRate);
    EXPECT_LE(endedAt, 180L * AudioMixer::kSampleRate);

    const auto level = [&](size_t from, size_t count) {
      double sum = 0;
      for (size_t w = from; w < from + count; ++w) sum += energy[w];
      return std::sqrt(sum / double(count * kWindowFrames * 2));
    };
    const size_t windows = size_t(endedAt / kWindowFrames);
    size_t quiet = 0, longestQuiet = 0;
    for (size_t w = 0; w < windows; ++w) {
      quiet = level(w, 1) < kSilence ? quiet + 1 : 0;
      longestQuiet = std::max(longestQuiet, quiet);
    }
    EXPECT_LE(longestQuiet, 8u) << "silent for " << longestQuiet / 2.0 << " s";
    // The last second and a half against the first: the loop must not jump in level.
    const double dB = 20 * std::log10(level(windows - 3, 3) / level(0, 3));
    EXPECT_LT(std::abs(dB), 12.0) << "the loop steps " << dB << " dB";
  }
}

}  // namespace
}  // namespace sorimo
