// Makes the shipped layout files from the designs in layout_designs.cpp, after checking each:
// exactly 144 tiles, the layout rules, whole on the board image and roughly centred, nearly
// every plain deal starting with a move, cleared often enough by random play, and most of its
// plain deals clearable by the solver (and the shipped layouts together more still).
//
//   make_layouts DIR           write every layout to DIR/<name>.lay and print a summary
//   make_layouts --check DIR   write nothing; fail unless DIR holds exactly these files
//   make_layouts --show NAME   print the top view and anchor picture of one design
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tools/layouts/layout_fit.h"
#include "layouts/clearing_share.h"
#include "layouts/layout_picture.h"
#include "tools/layouts/layout_playability.h"
#include "layouts/layout_rules.h"
#include "layouts/layout_writer.h"
#include "tools/layouts/plain_deal_starts.h"
#include "tools/layouts/layout_designs.h"

namespace fs = std::filesystem;
using namespace sorimo;
using sorimo::tools::DesignBuilder;
using sorimo::tools::LayoutDesigns;

namespace {

// What every shipped layout must reach.
constexpr int kStartDeals = 2000;       // plain deals, game numbers 1..2000
constexpr int kMaxStuckPercent = 1;     // of them may start with no move: fewer than this
constexpr int kMaxCentreOffsetX = 40;   // pixels between layout middle and image middle
constexpr int kMaxCentreOffsetY = 30;
constexpr int kClearingTrials = 400;
constexpr int kMinClearedPercent = 20;  // random play must clear at least this share
// The solver on plain deals 1..kSolvedDeals: a layout whose deals are mostly lost is a poor game
// however well it is played. Each layout must be clearable in kMinSolvedPercent of them, all
// layouts together in kMinSolvedTotalPercent; an Unknown counts as lost.
constexpr int kSolvedDeals = 1000;
constexpr int64_t kSolveNodes = 20'000;  // a deal, twice the solver's default
constexpr int kMinSolvedPercent = 80;
constexpr int kMinSolvedTotalPercent = 90;

struct Checked {
  LayoutCells cells{};
  std::string problems;  // empty when the layout is fine
  std::string summary;
  ClearingShare solved;
};

LayoutCells Draw(const sorimo::tools::LayoutDesign& design, std::vector<std::string>* errors) {
  DesignBuilder builder;
  design.draw(builder);
  if (errors != nullptr) *errors = builder.errors();
  return builder.cells();
}

// stuck: how many of the kStartDeals plain deals start with no move (normal, vertical rule).
// solve: whether to measure the solver's share too (it takes a few seconds a layout).
Checked CheckDesign(const sorimo::tools::LayoutDesign& design, int stuck, int stuckVertical, bool solve) {
  Checked c;
  std::vector<std::string> errors;
  c.cells = Draw(design, &errors);
  for (const std::string& e : errors) c.problems += "  " + e + "\n";
  for (const LayoutFault& f : CheckLayout(c.cells)) c.problems += "  " + f.text + "\n";
  for (const Cell& t : TilesOutsideImage(c.cells))
    c.problems += "  tile (" + std::to_string(t.x) + ", " + std::to_string(t.y) + ", " +
                  std::to_string(t.z) + ") sticks out of the board image\n";
  const CentreOffset off = LayoutCentreOffset(c.cells);
  if (std::abs(off.dx) > kMaxCentreOffsetX || std::abs(off.dy) > kMaxCentreOffsetY)
    c.problems += "  off centre by (" + std::to_string(off.dx) + ", " + std::to_string(off.dy) + ") pixels\n";
  const int freeH = FreePositionsAtStart(c.cells, false), freeV = FreePositionsAtStart(c.cells, true);
  if (stuck * 100 >= kMaxStuckPercent * kStartDeals)
    c.problems += "  " + std::to_string(stuck) + " of " + std::to_string(kStartDeals) +
                  " plain deals start with no move\n";
  const ClearingOdds odds = RandomClearingOdds(c.cells, kClearingTrials, 20240613u);
  const int percent = odds.cleared * 100 / odds.trials;
  if (percent < kMinClearedPercent)
    c.problems += "  random play clears it only " + std::to_string(percent) + "% of the time\n";
  if (solve) {
    c.solved = MeasureClearingShare(c.cells, false, kSolvedDeals, kSolveNodes);
    if (c.solved.cleared * 100 < kMinSolvedPercent * kSolvedDeals)
      c.problems += "  the solver clears only " + std::to_string(c.solved.cleared) + " of " +
                    std::to_string(kSolvedDeals) + " plain deals (" + std::to_string(c.solved.unknown) +
                    " not known)\n";
  }

  char line[280];
  int perLayer[kLayers] = {};
  for (int z = 1; z <= kLayers; ++z)
    for (uint8_t v : c.cells.layer[z - 1]) perLayer[z - 1] += v != 0;
  std::snprintf(line, sizeof line,
                "%-16s %3d %3d %3d %3d %3d  free %2d/%2d  no move %4.1f%%/%4.1f%%  random %3d%%  solved %5.1f%%  "
                "offset %+3d %+3d",
                design.name.c_str(), perLayer[0], perLayer[1], perLayer[2], perLayer[3], perLayer[4], freeH, freeV,
                100.0 * stuck / kStartDeals, 100.0 * stuckVertical / kStartDeals, percent,
                solve ? 100.0 * c.solved.cleared / kSolvedDeals : 0.0, off.dx, off.dy);
  c.summary = line;
  return c;
}

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Usage() {
  std::fprintf(stderr, "usage: make_layouts DIR | --check DIR | --show NAME\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string first = argv[1];
  const bool check = first == "--check", show = first == "--show";
  if ((check || show) && argc != 3) return Usage();
  if (!check && !show && argc != 2) return Usage();

  // The plain deals of every design at once: the deal's draws of a game number serve them all.
  std::vector<LayoutCells> drawn;
  for (const auto& design : LayoutDesigns()) drawn.push_back(Draw(design, nullptr));
  const auto stuck = GameNumbersStartingWithoutMove(drawn, kStartDeals, false);
  const auto stuckVertical = GameNumbersStartingWithoutMove(drawn, kStartDeals, true);
  // The files are checked against the designs without solving again: the solver's share was
  // measured when they were written, and the tests sample it.
  const auto checkDesign = [&](size_t i) {
    return CheckDesign(LayoutDesigns()[i], static_cast<int>(stuck[i].size()), static_cast<int>(stuckVertical[i].size()),
                       !check);
  };

  if (show) {
    for (size_t i = 0; i < LayoutDesigns().size(); ++i) {
      const auto& design = LayoutDesigns()[i];
      if (design.name != argv[2]) continue;
      const Checked c = checkDesign(i);
      std::printf("%s\n\n%s\n%s%s", c.summary.c_str(), LayoutTopView(c.cells).c_str(),
                  LayoutPicture(c.cells).c_str(), c.problems.c_str());
      return c.problems.empty() ? 0 : 1;
    }
    std::fprintf(stderr, "no design named %s\n", argv[2]);
    return 1;
  }

  const fs::path dir = argv[check ? 2 : 1];
  bool failed = false;
  int withProblems = 0;
  int64_t solvedAll = 0, dealsAll = 0;
  std::set<std::string> expected;
  // Every design is checked before anything is written, so that a refused design or a total
  // short of its mark leaves the folder as it was.
  std::vector<Checked> checked;
  for (size_t i = 0; i < LayoutDesigns().size(); ++i) {
    const auto& design = LayoutDesigns()[i];
    checked.push_back(checkDesign(i));
    const Checked& c = checked.back();
    std::printf("%s\n", c.summary.c_str());
    std::fflush(stdout);
    solvedAll += c.solved.cleared;
    dealsAll += c.solved.deals();
    if (!c.problems.empty()) {
      std::fprintf(stderr, "%s:\n%s", design.name.c_str(), c.problems.c_str());
      failed = true;
      ++withProblems;
    }
    if (!expected.insert(design.name + ".lay").second) {
      std::fprintf(stderr, "two designs are named %s\n", design.name.c_str());
      failed = true;
    }
  }
  if (dealsAll > 0 && solvedAll * 100 < kMinSolvedTotalPercent * dealsAll) {
    std::fprintf(stderr, "the solver clears only %.1f%% of all plain deals, short of %d%%\n",
                 100.0 * double(solvedAll) / double(dealsAll), kMinSolvedTotalPercent);
    failed = true;
  } else if (dealsAll > 0) {
    std::printf("the solver clears %.1f%% of all plain deals\n", 100.0 * double(solvedAll) / double(dealsAll));
  }
  for (size_t i = 0; i < checked.size() && (check || !failed); ++i) {
    const std::string& name = LayoutDesigns()[i].name;
    const std::string file = name + ".lay";
    if (check) {
      if (checked[i].problems.empty() && ReadFile(dir / file) != LayoutFileText(checked[i].cells, name)) {
        std::fprintf(stderr, "%s differs from its design or is missing\n", (dir / file).c_str());
        failed = true;
      }
    } else if (const std::string error = WriteLayoutFile(dir / file, checked[i].cells, name); !error.empty()) {
      std::fprintf(stderr, "%s\n", error.c_str());
      failed = true;
    }
  }
  if (check) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec))
      if (entry.path().extension() == ".lay" && !expected.count(entry.path().filename().string())) {
        std::fprintf(stderr, "%s has no design\n", entry.path().c_str());
        failed = true;
      }
    if (ec) {
      std::fprintf(stderr, "cannot list %s: %s\n", dir.c_str(), ec.message().c_str());
      failed = true;
    }
  }
  if (withProblems > 0) std::printf("%d layouts with problems\n", withProblems);
  else if (failed) std::printf(check ? "the layout files do not match the designs\n" : "nothing written\n");
  else std::printf("%zu layouts %s\n", expected.size(), check ? "match" : "written");
  return failed ? 1 : 0;
}
