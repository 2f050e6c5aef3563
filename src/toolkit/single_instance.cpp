#include "toolkit/single_instance.h"

#include "platform/system.h"
#include "toolkit/last_error.h"

namespace toolkit {

int GuardSingleInstance(const std::string& instanceName) {
  ClearLastErrorText();
  const platform::OsVersion version = platform::QueryOsVersion();
  const std::string mutexName =
      version.known && version.platformId == platform::VER_PLATFORM_WIN32_NT
          ? "Global\\" + instanceName
          : instanceName;
  if (platform::NamedMutexOpens(mutexName)) return 1;
  // Two copies started at the same instant can both miss the mutex above; the one whose create
  // finds it already made by the other is the second copy.
  return platform::CreateHeldMutex(mutexName) == platform::MutexCreation::AlreadyExisted ? 1 : 0;
}

}  // namespace toolkit
