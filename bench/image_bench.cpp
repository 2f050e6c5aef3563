// The pictures are decoded and scaled at start-up and, later, in every frame of the intro
// (the growing picture is scaled anew in each of 201 frames).
#include <benchmark/benchmark.h>

#include "platform/image.h"

namespace {

platform::Image Picture(int width, int height) {
  platform::Image image = *platform::MakeImage(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.At(x, y) = platform::Colour{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                        static_cast<std::uint8_t>(x ^ y)};
    }
  }
  return image;
}

void DecodeBackground(benchmark::State& state) {
  const auto bytes = platform::EncodeBmp24(Picture(600, 450));
  for (auto _ : state)
    benchmark::DoNotOptimize(platform::DecodeBmp(bytes.data(), bytes.size()));
}
BENCHMARK(DecodeBackground)->Unit(benchmark::kMillisecond);

void EnlargeBackground(benchmark::State& state) {
  const platform::Image background = Picture(600, 450);
  for (auto _ : state)
    benchmark::DoNotOptimize(platform::ScaleSmooth(background, 800, 600));
}
BENCHMARK(EnlargeBackground)->Unit(benchmark::kMillisecond);

void ShrinkGrowingPicture(benchmark::State& state) {
  const platform::Image source = Picture(226, 226);
  const int side = static_cast<int>(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(platform::ScaleSmooth(source, side, side));
}
BENCHMARK(ShrinkGrowingPicture)->Arg(26)->Arg(126)->Arg(225)->Unit(benchmark::kMicrosecond);

}  // namespace
