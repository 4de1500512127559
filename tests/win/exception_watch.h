// Counts the exceptions raised in this process while it lives. Wine logs and swallows an access
// violation in a window procedure called back from USER, where Windows would crash: a test
// watches for them to fail where the program would.
#pragma once

#include <windows.h>

#include <atomic>

namespace lumora::testing {

class ExceptionWatch {
  public:
    ExceptionWatch() : handler_(::AddVectoredExceptionHandler(1, Count)) { raised() = 0; }
    ~ExceptionWatch() { ::RemoveVectoredExceptionHandler(handler_); }
    ExceptionWatch(const ExceptionWatch&) = delete;
    ExceptionWatch& operator=(const ExceptionWatch&) = delete;

    // Error exceptions (access violations, illegal instructions and the like) seen so far.
    int count() const { return raised(); }

  private:
    static std::atomic<int>& raised() {
        static std::atomic<int> count{0};
        return count;
    }
    static LONG CALLBACK Count(EXCEPTION_POINTERS* info) {
        // The severity bits 11 mark errors; debugger notes and C++ throws are not counted.
        const DWORD code = info->ExceptionRecord->ExceptionCode;
        if ((code & 0xF0000000u) == 0xC0000000u) {
            ++raised();
        }
        return EXCEPTION_CONTINUE_SEARCH;
    }

    void* handler_;
};

}  // namespace lumora::testing
