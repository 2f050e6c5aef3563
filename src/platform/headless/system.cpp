// Kernel services of the stand-in: the program runs on a thread of its own, which EndProcess
// ends; a virtual clock; machine facts that tests set; mutexes shared with "other processes".
#include <pthread.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <set>

#include "platform/display.h"
#include "platform/files.h"
#include "platform/headless/control.h"
#include "platform/headless/internal.h"
#include "platform/pictures.h"
#include "platform/system.h"

namespace headless {
namespace {

struct Machine {
  std::vector<std::string> arguments;
  std::uint32_t clock = 0;
  platform::LocalDateTime localTime{2013, 1, 5, 14, 3, 9};
  platform::OsVersion osVersion{true, platform::VER_PLATFORM_WIN32_NT, 6, 1};
  std::string temporaryFolder = "C:\\Users\\Tester\\AppData\\Local\\Temp\\";
  std::set<std::string> mutexesElsewhere;
  std::set<std::string> mutexRaces;
  std::set<std::string> mutexesOfProgram;
  std::vector<ProgramStart> starts;
  bool failStarts = false;
  int pixelsPerInch = 96;

  bool processRunning = false;
  pthread_t processThread{};
  ProcessOutcome outcome;
};

Machine& M() {
  static Machine machine;
  return machine;
}

std::string MutexKey(const std::string& name) {
  return internal::UpperCase1252(name);
}

}  // namespace

void internal::ResetProcess() {
  M() = Machine{};
}

bool internal::OnProcessThread() {
  return M().processRunning && pthread_equal(pthread_self(), M().processThread);
}

[[noreturn]] void internal::StopProcess(unsigned exitCode, const std::string& failure) {
  M().outcome.failure = failure;
  platform::EndProcess(exitCode);
}

ProcessOutcome RunProcess(const std::function<void()>& entry) {
  Machine& m = M();
  m.outcome = ProcessOutcome{};
  struct Start {
    const std::function<void()>* entry;
  } start{&entry};
  auto trampoline = [](void* argument) -> void* {
    (*static_cast<Start*>(argument)->entry)();
    return nullptr;
  };
  m.processRunning = true;
  if (pthread_create(&m.processThread, nullptr, trampoline, &start) != 0) {
    std::fprintf(stderr, "headless: cannot start the program's thread\n");
    std::abort();
  }
  pthread_join(m.processThread, nullptr);
  m.processRunning = false;
  // What the system does when a process ends.
  m.mutexesOfProgram.clear();
  internal::EndProcessGui();
  internal::EndProcessFiles();
  platform::FreeAllPictures();
  return m.outcome;
}

void SetCommandLine(std::vector<std::string> arguments) {
  M().arguments = std::move(arguments);
}

std::uint32_t Now() {
  return M().clock;
}
void AdvanceClock(std::uint32_t milliseconds) {
  M().clock += milliseconds;
}
void SetClock(std::uint32_t milliseconds) {
  M().clock = milliseconds;
}
void SetLocalTime(const platform::LocalDateTime& time) {
  M().localTime = time;
}
void SetOsVersion(const platform::OsVersion& version) {
  M().osVersion = version;
}
void SetPixelsPerInch(int pixelsPerInch) {
  M().pixelsPerInch = pixelsPerInch;
}
int internal::PixelsPerInch() {
  return M().pixelsPerInch;
}
void SetTemporaryFolder(const std::string& folder) {
  M().temporaryFolder = folder;
}

void HoldMutexElsewhere(const std::string& name) {
  M().mutexesElsewhere.insert(MutexKey(name));
}
void RaceMutexCreation(const std::string& name) {
  M().mutexRaces.insert(MutexKey(name));
}
bool ProgramHoldsMutex(const std::string& name) {
  return M().mutexesOfProgram.count(MutexKey(name)) != 0;
}

const std::vector<ProgramStart>& ProgramStarts() {
  return M().starts;
}
void FailProgramStarts(bool fail) {
  M().failStarts = fail;
}

}  // namespace headless

namespace platform {

using headless::M;

void InitialisePlatform() {}

void ReleasePlatform() {
  FreeAllPictures();
}

[[noreturn]] void EndProcess(unsigned exitCode) {
  if (!headless::internal::OnProcessThread()) {
    std::fprintf(stderr, "headless: EndProcess(%u) outside RunProcess\n", exitCode);
    std::abort();
  }
  M().outcome.ended = true;
  M().outcome.exitCode = exitCode;
  // Unwinds the program's thread, running the destructors on its way, like a process end
  // that releases everything the process held.
  pthread_exit(nullptr);
}

std::vector<std::string> CommandLineArguments() {
  return M().arguments;
}

std::uint32_t TickCount() {
  return M().clock;
}
void PauseMilliseconds(std::uint32_t milliseconds) {
  M().clock += milliseconds;
}

OsVersion QueryOsVersion() {
  return M().osVersion;
}

bool NamedMutexOpens(const std::string& name) {
  const std::string key = headless::MutexKey(name);
  return M().mutexesElsewhere.count(key) != 0 || M().mutexesOfProgram.count(key) != 0;
}

MutexCreation CreateHeldMutex(const std::string& name) {
  const std::string key = headless::MutexKey(name);
  if (M().mutexRaces.count(key) != 0) {
    M().mutexesElsewhere.insert(key);
    M().mutexRaces.erase(key);
  }
  if (M().mutexesElsewhere.count(key) != 0) return MutexCreation::AlreadyExisted;
  const bool had = !M().mutexesOfProgram.insert(key).second;
  return had ? MutexCreation::AlreadyExisted : MutexCreation::Created;
}

std::string TemporaryFolder() {
  return M().temporaryFolder;
}

int DesktopPixelsPerInch() {
  return M().pixelsPerInch;
}

LocalDateTime CurrentLocalTime() {
  return M().localTime;
}

bool StartProgram(const std::string& file, const std::string& argument,
                  const std::string& workingFolder) {
  const bool started = !M().failStarts && QueryPath(file) == PathKind::File;
  M().starts.push_back({file, argument, workingFolder, M().clock, started});
  return started;
}

std::string UpperCaseAnsi(const std::string& text) {
  return headless::internal::UpperCase1252(text);
}

}  // namespace platform
