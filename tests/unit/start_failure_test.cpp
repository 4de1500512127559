#include "actions/start_failure.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using A = StartFailureAction;

void ExpectDecision(unsigned long error, bool hasSetup, bool elevated, A action, int result) {
    const StartFailureDecision d = DecideStartFailure(error, hasSetup, elevated);
    EXPECT_EQ(d.action, action) << "error " << error << " setup " << hasSetup;
    EXPECT_EQ(d.result, result) << "error " << error << " setup " << hasSetup;
}

TEST(StartFailure, AlreadyRunningIsReportedWithResultZero) {
    for (bool setup : {false, true}) {
        ExpectDecision(16, setup, false, A::kReportAlreadyRunning, 0);
        ExpectDecision(1152, setup, false, A::kReportAlreadyRunning, 0);
    }
}

TEST(StartFailure, MissingFilesOfferTheSetupWhenThereIsOne) {
    for (unsigned long error : {2ul, 3ul, 161ul, 267ul}) {
        ExpectDecision(error, true, false, A::kOfferSetup, -1);
        ExpectDecision(error, false, false, A::kReportFailure, -1);
    }
}

TEST(StartFailure, OtherErrorsAreReportedWithResultZero) {
    for (unsigned long error : {0ul, 5ul, 87ul, 193ul, 1223ul}) {
        ExpectDecision(error, true, false, A::kReportFailure, 0);
        ExpectDecision(error, false, false, A::kReportFailure, 0);
    }
}

TEST(StartFailure, OnlyTheLow16BitsCount) {
    ExpectDecision(0x80070002ul, true, false, A::kOfferSetup, -1);
    ExpectDecision(0x000102E4ul, false, false, A::kStartElevated, 0);
}

TEST(StartFailure, ElevationRequiredIsRetriedThroughTheShellOnce) {
    ExpectDecision(740, false, false, A::kStartElevated, 0);
    ExpectDecision(740, true, false, A::kStartElevated, 0);
    // The shell's own start failing with 740 again is a plain failure, never a loop.
    ExpectDecision(740, true, true, A::kReportFailure, 0);
}

TEST(StartFailure, DeclinedElevationIsSilent) {
    ExpectDecision(1223, true, true, A::kSilent, 0);
    ExpectDecision(1223, false, true, A::kSilent, 0);
    // Otherwise the shell's errors follow the same table.
    ExpectDecision(2, true, true, A::kOfferSetup, -1);
    ExpectDecision(1152, false, true, A::kReportAlreadyRunning, 0);
    ExpectDecision(5, false, true, A::kReportFailure, 0);
}

}  // namespace
}  // namespace lumora
