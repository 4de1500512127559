// `check` on section "Publisher": keys Lumora does not read there, a section without text, and
// texts longer than their line on the Support or About page shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "disc_check.h"

namespace lumora::disc {
namespace {

namespace fs = std::filesystem;

class PublisherCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("lumora-publisher-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The diagnostics after the [Config] line, as "line: message".
    std::vector<std::string> Reported(const std::string& publisher) {
        std::ofstream(folder_ / "Lumora.ini") << "[Config]\n" << publisher;
        std::vector<std::string> out;
        for (const Diagnostic& d : CheckDisc(folder_.string()).diagnostics.Sorted()) {
            if (d.line > 1) {
                out.push_back(std::to_string(d.line) + ": " + d.message);
            }
        }
        return out;
    }

    fs::path folder_;
};

TEST_F(PublisherCheck, TextsThatFitSayNothing) {
    EXPECT_EQ(Reported("[Publisher]\n"
                       "product=Atlas 3\n"
                       "; a comment\n"
                       "Company=Atlas Maps Ltd.\n"
                       "Address=1 Map Row, Port Ellis\n"
                       "Telephone=(555) 010-1000\n"
                       "Web=www.atlas-maps.example/support\n"
                       "Hours=Monday to Friday, 9 am to 5 pm\n"
                       "Copyright=Copyright 2026 Atlas Maps Ltd. All rights reserved.\n"),
              std::vector<std::string>{});
}

TEST_F(PublisherCheck, AKeyLumoraDoesNotReadThereIsReportedAtItsLine) {
    const auto reported = Reported("[Publisher]\nProduct=Atlas 3\nFax=(555) 010-1001\n");
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0],
              "4: [Publisher]: Lumora does not read 'Fax'; its keys are Product, Company, "
              "Address, Telephone, Web, Hours, Copyright");
}

TEST_F(PublisherCheck, ASectionWithoutTextLeavesThePicturesAndSaysSo) {
    const auto reported = Reported("[Publisher]\nProduct=\nWeb=\"\"\n");
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].rfind("2: [Publisher] has no text", 0), 0u) << reported[0];
}

TEST_F(PublisherCheck, ATextLongerThanItsLineIsReportedWithTheNarrowerPage) {
    const std::string product(50, 'P');    // a labelled row on Support, a line of its own on About
    const std::string copyright(70, 'C');  // a line of its own on About only
    const auto reported =
        Reported("[Publisher]\nProduct=" + product + "\nCopyright=" + copyright + "\n");
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0].rfind("3: Product has 50 characters; its line on the Support page "
                                "shows about ",
                                0),
              0u)
        << reported[0];
    EXPECT_EQ(reported[1].rfind("4: Copyright has 70 characters; its line on the About page", 0),
              0u)
        << reported[1];
}

}  // namespace
}  // namespace lumora::disc
