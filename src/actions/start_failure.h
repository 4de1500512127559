// What launching does when the system refuses to start a program, decided from the error
// number alone. Portable.
#pragma once

namespace lumora {

enum class StartFailureAction {
    kStartElevated,         // the program asks for administrator rights: start it through the shell
    kSilent,                // the user declined the elevation: nothing more to say
    kReportAlreadyRunning,  // message 2007
    kOfferSetup,            // message 2003 (2002 for an empty line), Yes runs the setup
    kReportFailure,         // message 2001 with the error number
};

struct StartFailureDecision {
    StartFailureAction action;
    int result;  // LaunchProgram's result: 0 refused or failed, -1 nothing to start
};

// Error numbers, low 16 bits of the system's.
constexpr unsigned kErrorElevationRequired = 740;
constexpr unsigned kErrorCancelled = 1223;

// `error` is the last error of the failed start; `hasSetup` whether the entry offers a setup;
// `elevated` whether that start was already the shell's elevated one (so 740 is not retried).
StartFailureDecision DecideStartFailure(unsigned long error, bool hasSetup, bool elevated);

}  // namespace lumora
