// The Windows program's entry.
#include "driver/start_up.h"

int main() {
  driver::RunSetup();
}
