// The program is built without exceptions, so nothing can escape a window procedure
// or a COM method. The standard library's own throw points end the process instead
// (they are only reached when memory runs out or on a programming error), its
// verbose terminate handler is replaced, and the catch and unwind entry points that
// its prebuilt string code names are given bodies that cannot be reached: with
// nothing thrown, nothing is ever caught or unwound. This keeps the demangler, the
// unwinder and the threads library it needs out of the program.
#include <cstddef>
#include <cstdlib>

namespace std {
void __throw_bad_alloc() {
    std::abort();
}
void __throw_bad_array_new_length() {
    std::abort();
}
void __throw_length_error(const char*) {
    std::abort();
}
void __throw_logic_error(const char*) {
    std::abort();
}
void __throw_out_of_range(const char*) {
    std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
void __throw_invalid_argument(const char*) {
    std::abort();
}
} // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx

extern "C" {
void* __cxa_begin_catch(void*) {
    std::abort();
}
void __cxa_end_catch() {
    std::abort();
}
// The 64-bit runtime unwinds through the system's tables: its prebuilt code brings
// its own rethrow and resume entry points, which must not be defined twice.
#if !defined(__SEH__)
void __cxa_rethrow() {
    std::abort();
}
void _Unwind_Resume(void*) {
    std::abort();
}
#endif
int __gxx_personality_v0(...) {
    std::abort();
}
}

// Allocation that ends the process when memory runs out, instead of throwing.
void* operator new(std::size_t size) {
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr)
        std::abort();
    return block;
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
