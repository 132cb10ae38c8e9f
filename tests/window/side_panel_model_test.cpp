// The side panel's two choices: where its texts sit, and which girl stands at its foot.
#include <gtest/gtest.h>

#include "app/window/side_panel_model.h"

namespace sorimo {
namespace {

TEST(SidePanelModel, TheGirlIsShownUnlessTwoPlayersOrTheCurrentTileTakeHerPlace) {
  Options o;
  o.ShowGirls = true;
  o.ShowCurrentTile = false;
  EXPECT_EQ(PanelShiftFor(ModeClassic, o), kGirlPanelShift);
  EXPECT_EQ(PanelShiftFor(ModeStopped, o), kGirlPanelShift);
  EXPECT_EQ(PanelShiftFor(ModeTwoPlayer, o), 20);
  o.ShowCurrentTile = true;
  EXPECT_EQ(PanelShiftFor(ModeClassic, o), 10);
  EXPECT_EQ(PanelShiftFor(ModeRivers, o), 10);
  // Memory and Clicks show no tile preview, so the girl keeps her place.
  EXPECT_EQ(PanelShiftFor(ModeMemory, o), kGirlPanelShift);
  EXPECT_EQ(PanelShiftFor(ModeClicks, o), kGirlPanelShift);
  EXPECT_EQ(PanelShiftFor(ModeTwoPlayer, o), 20);
  o.ShowGirls = false;
  EXPECT_EQ(PanelShiftFor(ModeClicks, o), 10);
  o.ShowCurrentTile = false;
  EXPECT_EQ(PanelShiftFor(ModeClassic, o), -20);
  EXPECT_EQ(PanelShiftFor(ModeTwoPlayer, o), 20);
}

TEST(SidePanelModel, TheGirlsMoodFollowsTheMovesOrTheTime) {
  // Classic: by the moves left.
  EXPECT_EQ(GirlPicture(ModeClassic, ModeStopped, 0, 8), 10);
  EXPECT_EQ(GirlPicture(ModeClassic, ModeStopped, 0, 7), 9);
  EXPECT_EQ(GirlPicture(ModeClassic, ModeStopped, 0, 3), 9);
  EXPECT_EQ(GirlPicture(ModeClassic, ModeStopped, 0, 2), 11);
  EXPECT_EQ(GirlPicture(ModeClassic, ModeStopped, 0, 0), 11);
  // Clicks: by the moves left, with its own steps.
  EXPECT_EQ(GirlPicture(ModeClicks, ModeStopped, 0, 6), 5);
  EXPECT_EQ(GirlPicture(ModeClicks, ModeStopped, 0, 7), 3);
  EXPECT_EQ(GirlPicture(ModeClicks, ModeStopped, 0, 24), 3);
  EXPECT_EQ(GirlPicture(ModeClicks, ModeStopped, 0, 25), 4);
  // Rivers and Memory: by the time, Memory twice as impatient.
  EXPECT_EQ(GirlPicture(ModeRivers, ModeStopped, 120, 0), 7);
  EXPECT_EQ(GirlPicture(ModeRivers, ModeStopped, 121, 0), 6);
  EXPECT_EQ(GirlPicture(ModeRivers, ModeStopped, 240, 0), 6);
  EXPECT_EQ(GirlPicture(ModeRivers, ModeStopped, 241, 0), 8);
  EXPECT_EQ(GirlPicture(ModeMemory, ModeStopped, 60, 0), 7);
  EXPECT_EQ(GirlPicture(ModeMemory, ModeStopped, 61, 0), 6);
  EXPECT_EQ(GirlPicture(ModeMemory, ModeStopped, 121, 0), 8);
  // A paused game keeps the picture of the game paused; no game shows image 1.
  EXPECT_EQ(GirlPicture(ModePaused, ModeClassic, 0, 1), 11);
  EXPECT_EQ(GirlPicture(ModePaused, ModeRivers, 300, 50), 8);
  EXPECT_EQ(GirlPicture(ModeStopped, ModeClassic, 0, 1), 1);
  EXPECT_EQ(GirlPicture(ModeGameOver, ModeStopped, 0, 1), 1);
}

}  // namespace
}  // namespace sorimo
