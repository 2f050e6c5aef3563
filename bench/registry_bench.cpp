// The start-up reads the installation record; each read opens, queries twice and closes.
#include <benchmark/benchmark.h>

#include "driver/product_identity.h"
#include "driver/version_number.h"
#include "install/installation_record.h"
#include "platform/headless/control.h"
#include "toolkit/registry_access.h"

namespace {

void ReadInstalledVersion(benchmark::State& state) {
  headless::Reset();
  toolkit::RegistryCreateKey(platform::HKEY_LOCAL_MACHINE, driver::kRecordKey);
  toolkit::RegistryWriteText(platform::HKEY_LOCAL_MACHINE, driver::kRecordKey, "Version",
                             "V001.001.018");
  toolkit::RegistryWriteText(platform::HKEY_LOCAL_MACHINE, driver::kRecordKey, "Versdat",
                             "31.12.2012");
  for (auto _ : state)
    driver::ReadInstalledVersion();
}
BENCHMARK(ReadInstalledVersion);

void MainProgramDigest(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(install::MainProgramDigest(1364480));
}
BENCHMARK(MainProgramDigest);

}  // namespace
