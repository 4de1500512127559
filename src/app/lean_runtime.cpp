// lumora.exe is built without exceptions: nothing in it throws or catches one, so the unwinder,
// the exception runtime and the thread library they lock with stay out of the file. What the
// standard library would throw instead ends the program at once, as the uncaught exception did:
// memory exhausted in `operator new`, or a library precondition broken (a length beyond
// max_size, a position past the end). Pictures, the one thing that may be too big to hold,
// allocate with std::nothrow and fail to load instead (imaging/dib_image.cpp).
// Linked into lumora.exe only; the test programs keep the library's throwing versions.
#include <cstdlib>
#include <new>
#include <string>

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size != 0 ? size : 1)) {
        return block;
    }
    std::abort();
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size != 0 ? size : 1);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size != 0 ? size : 1);
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

void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

// The library's out-of-line throw helpers that the containers, strings and std::function call.
// Should the code come to call one not listed here, the library's own file of them is linked
// in beside these, and the link fails on the names defined twice: add the new one here.
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
void __throw_out_of_range(const char*) {
    std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
void __throw_logic_error(const char*) {
    std::abort();
}
void __throw_bad_function_call() {
    std::abort();
}
}  // namespace std

// The string members, compiled here without exceptions rather than taken from the library,
// whose copies bring its exception runtime (and with it the thread library) along.
template class std::__cxx11::basic_string<char>;
