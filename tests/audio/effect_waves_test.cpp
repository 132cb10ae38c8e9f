// The three effects built into the program: their exact format and length, and that they
// are sounds (not silence, not clipped, no click at their end).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "audio/effect_waves.h"
#include "audio/wave_file.h"

namespace sorimo {
namespace {

struct Expected {
  const char* name;
  uint32_t dataBytes;
};

TEST(EffectWaves, EachIsMonoElevenKilohertzSixteenBitOfItsLength) {
  for (const Expected e : {Expected{"DONE", 8010}, Expected{"NOWAY", 1498}, Expected{"SELECT", 990}}) {
    SCOPED_TRACE(e.name);
    const WaveReadResult r = ReadWave(EffectWave(e.name));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.sound.channels, 1);
    EXPECT_EQ(r.sound.sampleRate, 11025);
    EXPECT_EQ(r.sound.bitsPerSample, 16);
    EXPECT_EQ(r.sound.dataBytes, e.dataBytes);
    EXPECT_EQ(r.sound.samples.size(), e.dataBytes / 2);
    // The samples the mixer plays are the file's.
    const auto played = EffectSamples(e.name);
    EXPECT_TRUE(std::equal(played.begin(), played.end(), r.sound.samples.begin(), r.sound.samples.end()));
  }
}

TEST(EffectWaves, EachIsAudibleUnclippedAndEndsInSilence) {
  for (const char* name : {"DONE", "NOWAY", "SELECT"}) {
    SCOPED_TRACE(name);
    const auto s = EffectSamples(name);
    ASSERT_FALSE(s.empty());
    int peak = 0;
    for (int16_t v : s) peak = std::max(peak, std::abs(int(v)));
    EXPECT_GT(peak, 8000);   // loud enough to hear over the music
    EXPECT_LT(peak, 32000);  // headroom: never at full scale
    EXPECT_LT(std::abs(int(s.back())), 200);
    EXPECT_LT(std::abs(int(s.front())), 4000);  // no hard step at the start either
  }
}

TEST(EffectWaves, NamesCompareWithoutCaseAndOthersAreNone) {
  EXPECT_EQ(EffectWave("done").data(), EffectWave("DONE").data());
  EXPECT_EQ(EffectSamples("Select").data(), EffectSamples("SELECT").data());
  EXPECT_TRUE(EffectWave("DONE2").empty());
  EXPECT_TRUE(EffectSamples("").empty());
}

}  // namespace
}  // namespace sorimo
