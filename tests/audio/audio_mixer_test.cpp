// The audio stream rendered into buffers, as the device's callback renders it: effects over
// music, the piece's end, pause and restart, and a file the synthesizer cannot read. The
// synthesizer tests need the soundfont the program uses (timgm6mb-soundfont).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "audio/audio_mixer.h"
#include "audio/audio_output.h"
#include "audio/effect_waves.h"
#include "tests/audio/midi_builder.h"

namespace sorimo {
namespace {

using testing::MidiOfNotes;
using Buffer = std::vector<int16_t>;  // interleaved stereo

constexpr int kRate = AudioMixer::kSampleRate;

Buffer RenderFrames(AudioMixer& m, int frames) {
  Buffer b(size_t(frames) * 2);
  // In pieces of a device's size, as the callback asks.
  for (int at = 0; at < frames; at += 1024) m.Render(b.data() + 2 * at, std::min(1024, frames - at));
  return b;
}

Buffer RenderMs(AudioMixer& m, int ms) { return RenderFrames(m, kRate * ms / 1000); }

int Peak(const Buffer& b, size_t fromFrame = 0, size_t toFrame = SIZE_MAX) {
  int peak = 0;
  for (size_t i = 2 * fromFrame; i < std::min(b.size(), 2 * toFrame); ++i) peak = std::max(peak, std::abs(int(b[i])));
  return peak;
}

// A mixer whose synthesizer is loaded, or null when the soundfont is not installed.
std::unique_ptr<AudioMixer> MixerWithSynth() {
  if (!std::filesystem::exists(kSoundFontPath)) return nullptr;
  auto synth = std::make_unique<MusicSynth>();
  EXPECT_EQ(synth->LoadSoundFont(kSoundFontPath), "");
  auto m = std::make_unique<AudioMixer>();
  m->AttachSynth(std::move(synth));
  return m;
}

TEST(AudioMixer, AnEffectPlaysOnceInBothChannelsAndTheNextReplacesIt) {
  AudioMixer m;
  EXPECT_EQ(Peak(RenderMs(m, 50)), 0);  // nothing asked: silence

  const auto done = EffectSamples("DONE");
  const size_t doneFrames = done.size() * 4;  // 11,025 a second played at 44,100
  m.PlayEffect(done);
  const Buffer b = RenderFrames(m, int(doneFrames) + 2000);
  EXPECT_GT(Peak(b, 0, doneFrames), 8000);
  EXPECT_EQ(Peak(b, doneFrames), 0);
  for (size_t i = 0; i < b.size(); i += 2) ASSERT_EQ(b[i], b[i + 1]);

  // SELECT begun in the middle of DONE: what follows is SELECT alone, from its start.
  AudioMixer alone;
  alone.PlayEffect(EffectSamples("SELECT"));
  const Buffer expected = RenderFrames(alone, 3000);
  m.PlayEffect(done);
  RenderFrames(m, 1000);
  m.PlayEffect(EffectSamples("SELECT"));
  EXPECT_EQ(RenderFrames(m, 3000), expected);
}

TEST(AudioMixer, MusicPlaysToItsEndAndAnEffectSoundsOverIt) {
  auto m = MixerWithSynth();
  if (!m) GTEST_SKIP() << "no soundfont";
  m->PlayPiece(MidiOfNotes({{60, 300}, {64, 300}}));
  const Buffer start = RenderMs(*m, 200);
  EXPECT_GT(Peak(start), 300);
  EXPECT_FALSE(m->PieceEnded());

  // The effect adds to the music where it plays.
  auto twin = MixerWithSynth();
  twin->PlayPiece(MidiOfNotes({{60, 300}, {64, 300}}));
  RenderMs(*twin, 200);
  m->PlayEffect(EffectSamples("NOWAY"));
  const Buffer withEffect = RenderMs(*m, 100);
  const Buffer without = RenderMs(*twin, 100);
  const size_t effectFrames = EffectSamples("NOWAY").size() * 4;
  EXPECT_NE(withEffect, without);
  EXPECT_TRUE(std::equal(withEffect.begin() + long(2 * effectFrames), withEffect.end(),
                         without.begin() + long(2 * effectFrames)));

  // 600 ms of notes: over by the end of the second.
  RenderMs(*m, 700);
  EXPECT_TRUE(m->PieceEnded());
  EXPECT_EQ(m->TakePieceError(), "");
}

TEST(AudioMixer, APausedPieceStandsStillAndPlayingItAgainStartsOver) {
  auto m = MixerWithSynth();
  if (!m) GTEST_SKIP() << "no soundfont";
  const auto piece = MidiOfNotes({{67, 400}});
  m->PlayPiece(piece);
  RenderMs(*m, 200);
  m->SetMusicPaused(true);
  // Effects still sound while the music holds.
  m->PlayEffect(EffectSamples("SELECT"));
  const Buffer held = RenderMs(*m, 2000);
  EXPECT_GT(Peak(held, 0, 2000), 3000);
  EXPECT_EQ(Peak(held, 3000), 0);
  EXPECT_FALSE(m->PieceEnded());  // two seconds paused did not play the note out
  m->SetMusicPaused(false);
  EXPECT_GT(Peak(RenderMs(*m, 100)), 300);
  RenderMs(*m, 1500);
  ASSERT_TRUE(m->PieceEnded());

  // Asked again, it is not ended until it has played once more.
  m->PlayPiece(piece);
  EXPECT_FALSE(m->PieceEnded());
  const int playing = Peak(RenderMs(*m, 100));
  EXPECT_GT(playing, 300);
  EXPECT_FALSE(m->PieceEnded());
  m->PlayPiece({});  // no music: the note stops, only the reverb's last trace is left
  EXPECT_LT(Peak(RenderMs(*m, 400), kRate / 4), playing / 20);
}

TEST(AudioMixer, AFileTheSynthesizerCannotReadIsReportedOnceWithItsText) {
  auto m = MixerWithSynth();
  if (!m) GTEST_SKIP() << "no soundfont";
  std::vector<uint8_t> broken = MidiOfNotes({{60, 100}});
  broken[0] = 'X';  // no MThd
  m->PlayPiece(broken);
  RenderMs(*m, 100);
  const std::string error = m->TakePieceError();
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(m->TakePieceError(), "");
  EXPECT_TRUE(m->PieceEnded());

  // A file cut short is as unreadable, though FluidSynth plays what it holds without a word.
  std::vector<uint8_t> cut = MidiOfNotes({{60, 300}, {64, 300}, {67, 300}});
  cut.resize(cut.size() - 8);
  m->PlayPiece(cut);
  RenderMs(*m, 100);
  EXPECT_NE(m->TakePieceError(), "");
  EXPECT_TRUE(m->PieceEnded());
}

TEST(AudioOutput, WorksOnADeviceWithoutSoundAndWhenTheSoundFontIsMissing) {
  // SDL_AUDIODRIVER=dummy in the tests: a device that plays to nowhere.
  {
    AudioOutput out("/nonexistent/font.sf2");
    out.PlayEffect("done");  // before the device is open: kept, nothing fails
    out.Open();
    EXPECT_TRUE(out.WaitReady());
    EXPECT_FALSE(out.soundFontError().empty());
    out.PlayEffect("done");
    out.PlayPiece(MidiOfNotes({{60, 100}}));
    EXPECT_FALSE(out.PieceEnded());  // no synthesizer: the piece waits
  }
  // No device at all: still no failure, only silence.
  setenv("SDL_AUDIODRIVER", "none-such-driver", 1);
  {
    AudioOutput out("/nonexistent/font.sf2");
    out.Open();
    EXPECT_FALSE(out.WaitReady());
    out.PlayEffect("SELECT");
  }
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace
}  // namespace sorimo
