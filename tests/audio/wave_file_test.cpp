// The wave reader on files it must refuse, and on the chunks it must step over.
#include <gtest/gtest.h>

#include <cstring>

#include "audio/wave_file.h"

namespace sorimo {
namespace {

struct WaveBuilder {
  std::vector<uint8_t> bytes;
  WaveBuilder() { Tag("RIFF"), U32(0), Tag("WAVE"); }
  WaveBuilder& Tag(const char* t) {
    for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(t[i]));
    return *this;
  }
  WaveBuilder& U16(uint32_t v) { return bytes.push_back(uint8_t(v)), bytes.push_back(uint8_t(v >> 8)), *this; }
  WaveBuilder& U32(uint32_t v) { return U16(v & 0xFFFF), U16(v >> 16); }
  WaveBuilder& Format(int format, int channels, int bits) {
    return Tag("fmt "), U32(16), U16(format), U16(channels), U32(11025), U32(22050), U16(2), U16(bits);
  }
  WaveBuilder& Data(std::vector<int16_t> s) {
    Tag("data"), U32(uint32_t(s.size() * 2));
    for (int16_t v : s) U16(uint16_t(v));
    return *this;
  }
};

TEST(WaveFile, ReadsSamplesAfterChunksItDoesNotKnowOddSizedOnesPadded) {
  WaveBuilder w;
  w.Format(1, 1, 16).Tag("LIST").U32(3);
  w.bytes.insert(w.bytes.end(), {'a', 'b', 'c', 0});  // three bytes and the pad
  w.Data({1, -2, 30000});
  const WaveReadResult r = ReadWave(w.bytes);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.sound.samples, (std::vector<int16_t>{1, -2, 30000}));
  EXPECT_EQ(r.sound.dataBytes, 6u);
}

TEST(WaveFile, RefusesWhatIsNotSixteenBitPcmOrIsCutShort) {
  EXPECT_FALSE(ReadWave(WaveBuilder().Format(3, 1, 16).Data({0}).bytes).ok());  // float
  EXPECT_FALSE(ReadWave(WaveBuilder().Format(1, 1, 8).Data({0}).bytes).ok());
  EXPECT_FALSE(ReadWave(WaveBuilder().Data({0}).bytes).ok());  // samples without format
  EXPECT_FALSE(ReadWave(WaveBuilder().Format(1, 1, 16).bytes).ok());
  std::vector<uint8_t> cut = WaveBuilder().Format(1, 1, 16).Data({1, 2, 3}).bytes;
  cut.resize(cut.size() - 1);
  EXPECT_FALSE(ReadWave(cut).ok());
  EXPECT_FALSE(ReadWave(std::vector<uint8_t>{'R', 'I', 'F', 'F'}).ok());
}

}  // namespace
}  // namespace sorimo
