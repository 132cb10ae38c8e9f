// The music list: which files are pieces, their order, and the piece chosen.
#include <gtest/gtest.h>

#include "audio/music_list.h"

namespace sorimo {
namespace {

using Names = std::vector<std::string>;

TEST(MusicList, PiecesAreMidiFilesSortedWithoutRegardToCase) {
  const MusicList list = ScanMusicNames({"rain.mid", "Dawn.mid", "notes.txt", ".mid", "Festival.MID", "apple.mid"}, 2);
  EXPECT_EQ(list.names, (Names{"apple", "Dawn", "Festival", "rain"}));
  EXPECT_EQ(list.midiNumber, 2);
}

TEST(MusicList, FirstStartChoosesNightOrElseTheFirstPiece) {
  EXPECT_EQ(ScanMusicNames({"Dawn.mid", "Night.mid", "Tea.mid"}, -1).midiNumber, 2);
  // Only the exact name counts.
  EXPECT_EQ(ScanMusicNames({"Dawn.mid", "night.mid", "Nights.mid"}, -1).midiNumber, 1);
  EXPECT_EQ(ScanMusicNames({"Zen.mid", "Abc.mid"}, -1).midiNumber, 1);
  // A piece chosen before stays chosen, Night or not.
  EXPECT_EQ(ScanMusicNames({"Dawn.mid", "Night.mid", "Tea.mid"}, 3).midiNumber, 3);
}

TEST(MusicList, StoredNumbersOutsideTheListAreBroughtIn) {
  EXPECT_EQ(ScanMusicNames({"a.mid", "b.mid", "c.mid"}, 7).midiNumber, 3);
  EXPECT_EQ(ScanMusicNames({"a.mid", "b.mid", "c.mid"}, 0).midiNumber, 1);
  EXPECT_EQ(ScanMusicNames({"a.mid", "b.mid", "c.mid"}, -5).midiNumber, 1);
}

TEST(MusicList, NoPieceIsAnEmptyList) {
  const MusicList list = ScanMusicNames({"readme.txt"}, -1);
  EXPECT_TRUE(list.names.empty());
  EXPECT_EQ(list.midiNumber, -1);
}

}  // namespace
}  // namespace sorimo
