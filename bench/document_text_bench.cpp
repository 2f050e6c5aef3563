// The main program prepares a whole document before it shows it; the largest it accepts is
// 16 MB. Text of both encodings, with the line ends of Unix (each one grows by a byte).
#include <benchmark/benchmark.h>

#include <string>

#include "../product/lumorak/document_file.h"
#include "../product/lumorak/document_text.h"

namespace {

std::string LargestDocument(const std::string& line) {
  std::string text;
  while (text.size() + line.size() <= lumorak::kLargestDocument)
    text += line;
  return text;
}

void PrepareLargestAnsiDocument(benchmark::State& state) {
  const std::string document = LargestDocument("Grüße aus Köln, zweite Zeile folgt.\n");
  for (auto _ : state)
    benchmark::DoNotOptimize(lumorak::PrepareDocumentText(document));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(document.size()));
}
BENCHMARK(PrepareLargestAnsiDocument)->Unit(benchmark::kMillisecond);

void PrepareLargestUtf8Document(benchmark::State& state) {
  const std::string document = LargestDocument(
      "Gr\xC3\xBC\xC3\x9F"
      "e aus K\xC3\xB6ln, zweite Zeile folgt.\n");
  for (auto _ : state)
    benchmark::DoNotOptimize(lumorak::PrepareDocumentText(document));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(document.size()));
}
BENCHMARK(PrepareLargestUtf8Document)->Unit(benchmark::kMillisecond);

}  // namespace
