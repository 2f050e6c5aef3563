// The parts of the C++ runtime that the setup uses, without exceptions: the library's error
// paths end the program instead of throwing, and the terminate handler is plain abort, so that
// neither the unwinder nor the demangler is linked in.
#include <cstdlib>
#include <exception>
#include <new>

namespace std {
[[noreturn]] void __throw_bad_alloc() {
  abort();
}
[[noreturn]] void __throw_bad_array_new_length() {
  abort();
}
[[noreturn]] void __throw_length_error(const char*) {
  abort();
}
[[noreturn]] void __throw_logic_error(const char*) {
  abort();
}
[[noreturn]] void __throw_out_of_range(const char*) {
  abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
  abort();
}
[[noreturn]] void __throw_invalid_argument(const char*) {
  abort();
}
[[noreturn]] void __throw_bad_function_call() {
  abort();
}
}  // namespace std

namespace __cxxabiv1 {
std::terminate_handler __terminate_handler = abort;
}

void* operator new(std::size_t size) {
  void* memory = std::malloc(size != 0 ? size : 1);
  if (memory == nullptr) std::abort();
  return memory;
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}
