// The reference's walk-through "From nothing to a disc image", followed command by command by
// tests/disc/walkthrough_test.sh: here, where lumora.exe runs under Wine, since one of its
// commands shows the disc in Lumora.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "process.h"

namespace e2e {
namespace {

TEST(Walkthrough, TheReferencesCommandsRunAsWrittenAndGiveTheImage) {
    const std::string source = LUMORA_E2E_SOURCE_DIR;
    const std::string log = "/tmp/lumora-walkthrough-" + std::to_string(::getpid()) + ".txt";
    SpawnOptions options;
    options.outputFile = log;
    const pid_t walk =
        Spawn({"bash", source + "/tests/disc/walkthrough_test.sh", LUMORA_E2E_DISC_TOOL, source},
              options);
    ASSERT_GT(walk, 0);
    // Minutes: the kit draws and encodes with the sanitizers, and makes its prefix once.
    const std::optional<int> status = WaitForExit(walk, 400000);
    if (!status) {
        Terminate(walk);
    }
    std::stringstream said;
    said << std::ifstream(log).rdbuf();
    std::remove(log.c_str());
    EXPECT_EQ(status, 0) << said.str();
}

}  // namespace
}  // namespace e2e
