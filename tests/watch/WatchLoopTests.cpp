// The watch loop under a theme that is edited while it runs, as an author edits one: a save is
// taken within a second, a broken save keeps the last good theme, a save still being written is
// never taken half-written, and a deleted theme is waited for.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "WatchLoop.h"
#include "theme/ThemeInspector.h"
#include "theme/ThemeTestSupport.h"
#include "theme/ThemeWords.h"

namespace vt {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A theme whose [INFO] line tells the saves apart; `extra` is appended to its layout.
std::string Theme(const std::string& info, const std::string& extra = "") {
    return "[INFO]\n" + info + "\n[LAYOUT]\nCAPTION TL:0,0 TR:0,20 NONE\nCLIENT TL:0,20 BR:0,0\n" + extra;
}

void Save(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Runs the loop on a thread, as the tools do: each settled change is loaded, and taken (its
// [INFO] line and element count become `applied`) only when it loaded clean and is still whole.
class Watch {
public:
    explicit Watch(const std::string& path)
        : path_(path), thread_([this] {
              RunWatchLoop(
                  path_,
                  [this](const FileWatch& watch) {
                      ThemeState theme;
                      ThemeInspector inspector(theme);
                      inspector.Load(path_, {&RegisterThemeScriptWords});
                      std::lock_guard<std::mutex> lock(mutex_);
                      report_ += inspector.CheckReport();
                      if (inspector.Errors().empty() && watch.Unchanged())
                          applied_.push_back(theme.ThemeInfo.at(0) + ":" + std::to_string(theme.Elements->Count()));
                  },
                  [this] { ++missing_; }, stop_);
          }) {}
    ~Watch() {
        stop_ = true;
        thread_.join();
    }

    // The [INFO] lines taken so far, waiting up to `limit` for `count` of them.
    std::vector<std::string> Applied(std::size_t count, Clock::duration limit = 1s) {
        const auto end = Clock::now() + limit;
        for (;;) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (applied_.size() >= count || Clock::now() >= end) return applied_;
            }
            std::this_thread::sleep_for(10ms);
        }
    }
    std::string Report() {
        std::lock_guard<std::mutex> lock(mutex_);
        return report_;
    }
    int Missing() const { return missing_; }

private:
    std::string path_;
    std::atomic<bool> stop_{false};
    std::atomic<int> missing_{0};
    std::mutex mutex_;
    std::vector<std::string> applied_;
    std::string report_;
    std::thread thread_;
};

using Taken = std::vector<std::string>;

// A theme being edited under a running watch, which has taken it as it was first saved.
class WatchLoop : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(watch.Applied(1), Taken{"first:2"}) << "the theme as it is, at once"; }

    test::TempFolder temp;
    const std::string path = SaveFirst(temp / "edit.theme");
    Watch watch{path};

private:
    static std::string SaveFirst(const std::string& path) {
        Save(path, Theme("first"));
        return path;
    }
};

TEST_F(WatchLoop, TakesEachSaveWithinASecondAndKeepsTheLastGoodThemeOnABrokenOne) {
    Save(path, Theme("second"));
    EXPECT_EQ(watch.Applied(2).size(), 2u) << "a save, taken within a second";

    Save(path, Theme("broken", "BOGUS TL:0,0 TL:1,1 NONE\n"));
    EXPECT_EQ(watch.Applied(3, 1500ms), (Taken{"first:2", "second:2"})) << "the last good theme stays";
    EXPECT_NE(watch.Report().find(path + ":6: Invalid element code"), std::string::npos) << watch.Report();

    // An image beside the theme counts as part of it.
    Save(path, Theme("third"));
    ASSERT_EQ(watch.Applied(3).size(), 3u);
    std::ofstream(temp / "close.bmp", std::ios::binary) << "BM";
    EXPECT_EQ(watch.Applied(4).size(), 4u) << "a new or changed image is a change of the theme";
}

TEST_F(WatchLoop, TakesAHalfWrittenSaveOnlyOnceItIsWhole) {
    // An editor that writes its file in two pieces, pausing longer than the loop polls: the first
    // piece alone is a valid theme of two elements, so only the settling keeps it out.
    {
        std::ofstream out(path, std::ios::binary);
        out << Theme("whole") << std::flush;
        std::this_thread::sleep_for(220ms);  // two polls, but less than the settle time
        out << "CLOSE TR:-20,2 TR:-2,18 NONE\n";
    }
    EXPECT_EQ(watch.Applied(3, 1500ms), (Taken{"first:2", "whole:3"}));
}

TEST_F(WatchLoop, WaitsForADeletedOrRenamedThemeToComeBack) {
    std::filesystem::rename(path, temp / "edit.theme.bak");
    std::this_thread::sleep_for(400ms);
    EXPECT_EQ(watch.Missing(), 1) << "said once";
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(watch.Missing(), 1) << "and not again while it is away";

    std::filesystem::rename(temp / "edit.theme.bak", path);
    EXPECT_EQ(watch.Applied(2), (Taken{"first:2", "first:2"})) << "back as it was: loaded again";
}

TEST(WatchLoopFromNothing, WaitsForATheme) {
    test::TempFolder temp;
    const std::string path = temp / "new.theme";
    Watch watch(path);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(watch.Missing(), 1);
    Save(path, Theme("new"));
    EXPECT_EQ(watch.Applied(1), Taken{"new:2"}) << "taken once it is there";
}

}  // namespace
}  // namespace vt
