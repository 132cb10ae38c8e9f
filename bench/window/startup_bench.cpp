// Time from creating the main window to its first showing, against a bare window shown the
// same way in the same run, and the program's peak memory. Music is on: the shipped "Night"
// is chosen and handed to the sound while the soundfont loads on the audio worker thread. Run on any Qt platform, e.g.
//   QT_QPA_PLATFORM=offscreen build-bench/bench/window/startup_bench
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/window/desktop_services.h"
#include "app/window/sorimo.h"
#include "program_folder.h"
#include "audio/sound_output.h"

namespace {

namespace fs = std::filesystem;

double PeakMegabytes() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_maxrss) / 1024.0;
}

void BM_BareWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    QMainWindow w;
    w.resize(796, 580);
    w.show();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_BareWindowShown)->Unit(benchmark::kMillisecond)->Iterations(10);

// No sound at all: what the audio costs the start is the difference to BM_MainWindowShown.
class NoSound : public sorimo::SoundOutput {
 public:
  void PlayEffect(std::string_view) override {}
  void PlayPiece(std::vector<uint8_t>) override {}
  void SetMusicPaused(bool) override {}
  bool PieceEnded() override { return false; }
  std::string TakePieceError() override { return {}; }
};

void ShowMainWindow(benchmark::State& state, bool withSound) {
  const sorimo::bench::ProgramFolder folder("sorimo-startup-bench");
  for (auto _ : state) {
    std::optional<sorimo::DesktopServices> desktop;
    if (!withSound) {
      desktop = sorimo::RealDesktop(nullptr);
      desktop->soundOutput = [] { return std::make_unique<NoSound>(); };
    }
    auto w = std::make_unique<sorimo::TSorimo>(folder.path.string() + "/", desktop);
    w->show();
    QApplication::processEvents();
    state.PauseTiming();
    // Each start begins from the same files: no settings written by the last one. Closing
    // waits for the audio thread's start-up (device, soundfont): not part of the start.
    w->close();
    w.reset();
    fs::remove(folder.path / "Sorimo.ini");
    fs::remove(folder.path / "Hallfame.ini");
    state.ResumeTiming();
  }
  state.counters["peak_MB"] = PeakMegabytes();
}

void BM_MainWindowShown(benchmark::State& state) { ShowMainWindow(state, true); }
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_MainWindowShownWithoutSound(benchmark::State& state) { ShowMainWindow(state, false); }
BENCHMARK(BM_MainWindowShownWithoutSound)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  sorimo::InitResources();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
