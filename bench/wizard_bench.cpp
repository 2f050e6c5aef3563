// What the wizard computes before its dialog appears: the 960 x 720 gradient in 255 bands and
// the substitute side picture cut from it.
#include <benchmark/benchmark.h>

#include "platform/gui.h"
#include "platform/headless/control.h"
#include "platform/pictures.h"
#include "wizard/side_picture.h"
#include "wizard/window_colours.h"

namespace {

void OpenMainWindow() {
  headless::Reset();
  platform::WindowSpec layout;
  layout.innerWidth = 960;
  layout.innerHeight = 720;
  layout.style = platform::kWindowSystemMenu | platform::kWindowHidden;
  platform::OpenWindow(0, layout);
}

void PaintGradient(benchmark::State& state) {
  OpenMainWindow();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        wizard::PaintGradientBackground({20, 20, 240}, {0, 0, 0}, 255, 0, 0, 0));
  }
}
BENCHMARK(PaintGradient)->Unit(benchmark::kMillisecond);

void SubstituteSidePicture(benchmark::State& state) {
  OpenMainWindow();
  wizard::PaintGradientBackground({20, 20, 240}, {0, 0, 0}, 255, 0, 0, 0);
  for (auto _ : state) {
    platform::FreePicture(1);
    benchmark::DoNotOptimize(wizard::PrepareSidePicture());
  }
}
BENCHMARK(SubstituteSidePicture)->Unit(benchmark::kMillisecond);

}  // namespace
