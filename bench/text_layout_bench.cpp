// Wrapping re-measures whole lines for every character it removes and every blank it adds; the
// stand-in's measuring is cheap, so these figures show the layout's own cost and the number of
// measurements per paragraph that GDI pays on Windows.
#include <benchmark/benchmark.h>

#include "driver/auto_update_hand_over.h"
#include "driver/program_information.h"
#include "platform/headless/control.h"
#include "platform/text.h"
#include "textlayout/text_wrapping.h"

namespace {

void WrapInformationParagraphs(benchmark::State& state) {
  headless::Reset();
  for (auto _ : state) {
    for (const char* paragraph : driver::kInformationParagraphs)
      benchmark::DoNotOptimize(
          textlayout::WrapText(paragraph, 450, "Arial", 10, platform::kFontBold));
  }
}
BENCHMARK(WrapInformationParagraphs)->Unit(benchmark::kMicrosecond);

void WrapHandOverMessage(benchmark::State& state) {
  headless::Reset();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        textlayout::WrapText(driver::kHandOverMessage, 340, "Arial", 8, platform::kFontBold));
  }
}
BENCHMARK(WrapHandOverMessage)->Unit(benchmark::kMicrosecond);

// The longest paragraph broken and justified line by line on one surface.
void LayOutLongestParagraph(benchmark::State& state) {
  headless::Reset();
  const platform::MeasuringSurface surface =
      platform::OpenMeasuringSurface("Arial", 10, platform::kFontBold);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        textlayout::LayOutParagraph(surface, driver::kInformationParagraphs[0], 450, 96));
  }
}
BENCHMARK(LayOutLongestParagraph)->Unit(benchmark::kMicrosecond);

}  // namespace
