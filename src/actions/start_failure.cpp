#include "actions/start_failure.h"

namespace lumora {

StartFailureDecision DecideStartFailure(unsigned long error, bool hasSetup, bool elevated) {
    const unsigned number = static_cast<unsigned>(error & 0xFFFF);
    if (!elevated && number == kErrorElevationRequired) {
        return {StartFailureAction::kStartElevated, 0};
    }
    if (elevated && number == kErrorCancelled) {
        return {StartFailureAction::kSilent, 0};
    }
    switch (number) {
        case 16:
        case 1152:  // ERROR_SINGLE_INSTANCE_APP
            return {StartFailureAction::kReportAlreadyRunning, 0};
        case 2:    // file not found
        case 3:    // path not found
        case 161:  // bad path name
        case 267:  // not a folder
            return {hasSetup ? StartFailureAction::kOfferSetup : StartFailureAction::kReportFailure,
                    -1};
        default:
            return {StartFailureAction::kReportFailure, 0};
    }
}

}  // namespace lumora
