// The end-to-end runner: opens the display and starts the probe once, then runs the tests one
// after another (they share one display). Run it through scripts/e2e.sh.
#include <gtest/gtest.h>

#include <iostream>

#include "e2e_environment.h"
#include "wine_log.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const std::string problem = e2e::Env().Open();
    if (!problem.empty()) {
        std::cerr << "e2e: " << problem << "\n";
        return 1;
    }
    int result = RUN_ALL_TESTS();
    e2e::Env().Close();
    for (const std::string& line :
         e2e::RaisedExceptions(e2e::Env().toolsFolder + "/lumora_probe.log")) {
        std::cerr << "e2e: the probe raised an exception: " << line << "\n";
        result = 1;
    }
    return result;
}
