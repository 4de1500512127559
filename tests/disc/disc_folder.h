// A disc folder of a test, removed with it: files written by name, links and FIFOs, and a
// run of a kit command that fails the test rather than hang when something blocks on a FIFO.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>
#include <vector>

namespace lumora::disc::testing {

namespace fs = std::filesystem;

class DiscFolder {
  public:
    DiscFolder() {
        static int count = 0;
        path_ = fs::temp_directory_path() /
                ("lumora-disc-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~DiscFolder() {
        std::error_code e;
        fs::remove_all(path_, e);
    }
    DiscFolder(const DiscFolder&) = delete;
    DiscFolder& operator=(const DiscFolder&) = delete;

    const fs::path& path() const { return path_; }
    std::string Write(const std::string& name, const std::string& bytes) const {
        const fs::path file = path_ / name;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    void Link(const std::string& name, const fs::path& target) const {
        fs::create_directories((path_ / name).parent_path());
        fs::create_symlink(target, path_ / name);
    }
    fs::path Fifo(const std::string& name) {
        const fs::path fifo = path_ / name;
        fs::create_directories(fifo.parent_path());
        EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << fifo;
        fifos_.push_back(fifo);
        return fifo;
    }
    // Runs the work; when it has not ended after a few seconds (it waits on a FIFO of this
    // folder), fails the test and frees it by opening and closing each FIFO for writing.
    template <typename Work>
    auto RunUnblocked(Work work) const {
        auto done = std::async(std::launch::async, work);
        for (int attempt = 0;
             done.wait_for(std::chrono::seconds(attempt ? 1 : 10)) != std::future_status::ready;
             ++attempt) {
            if (attempt == 0) {
                ADD_FAILURE() << "the kit waits on a FIFO";
            }
            for (const fs::path& fifo : fifos_) {
                ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
            }
        }
        return done.get();
    }

  private:
    fs::path path_;
    std::vector<fs::path> fifos_;
};

}  // namespace lumora::disc::testing
