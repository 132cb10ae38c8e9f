// The pieces shipped in data/Musics/ as the synthesizer plays them: each is read, sounds from
// its first second, ends within one to three minutes, and plays without clipping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "audio/audio_mixer.h"
#include "audio/audio_output.h"
#include "audio/music_list.h"
#include "files/folder_listing.h"

namespace sorimo {
namespace {

namespace fs = std::filesystem;

TEST(ShippedMusic, NightIsThereAndEveryPiecePlaysOneToThreeMinutesUnclipped) {
  const std::string folder = std::string(SORIMO_SOURCE_DATA) + "/Musics/";
  const MusicList list = ScanMusicNames(ListFolder(folder, FolderEntries::NotFolders), -1);
  ASSERT_FALSE(list.names.empty());
  EXPECT_EQ(list.names[size_t(list.midiNumber - 1)], kPreferredPiece);
  if (!fs::exists(kSoundFontPath)) GTEST_SKIP() << "no soundfont";
  for (const std::string& name : list.names) {
    SCOPED_TRACE(name);
    std::ifstream in(folder + name + ".mid", std::ios::binary);
    std::vector<uint8_t> midi{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto synth = std::make_unique<MusicSynth>();
    ASSERT_EQ(synth->LoadSoundFont(kSoundFontPath), "");
    AudioMixer mixer;
    mixer.AttachSynth(std::move(synth));
    mixer.PlayPiece(midi);
    std::vector<int16_t> block(2048);
    int peak = 0, peakFirstSecond = 0;
    double endedAt = -1;
    for (int frames = 0; frames < 200 * AudioMixer::kSampleRate && endedAt < 0; frames += 1024) {
      mixer.Render(block.data(), 1024);
      for (int16_t v : block) peak = std::max(peak, std::abs(int(v)));
      if (frames < AudioMixer::kSampleRate) peakFirstSecond = peak;
      if (mixer.PieceEnded()) endedAt = double(frames) / AudioMixer::kSampleRate;
    }
    EXPECT_EQ(mixer.TakePieceError(), "");
    EXPECT_GT(peakFirstSecond, 1000);
    EXPECT_LT(peak, 30000);
    EXPECT_GE(endedAt, 60.0);
    EXPECT_LE(endedAt, 180.0);
  }
}

}  // namespace
}  // namespace sorimo
