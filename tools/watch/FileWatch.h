#pragma once
// Watches a theme while its author edits it: the theme file and every file beside it (its images,
// also in subfolders). It polls, since editors save in every way there is (in place, a new file
// renamed over the old, delete and write) and a poll sees all of them alike. A change is only
// reported once the files have stopped changing for a settle time, so that a file an editor is
// still writing is never read half-written.
#include <chrono>
#include <cstdint>
#include <map>
#include <string>

namespace vt {

enum class WatchEvent {
    None,       // nothing new (or a change still settling)
    Changed,    // the files changed and have been still for the settle time: load them now
    Missing,    // the theme file is gone (deleted, renamed); said once until it is back
};

class FileWatch {
public:
    using Clock = std::chrono::steady_clock;

    // The theme file to watch; its folder's files are watched with it.
    FileWatch(const std::string& themeFile, Clock::duration settle);

    // Looks at the files once. A theme there at the first poll is reported Changed at once (it
    // was saved before the watch began).
    WatchEvent Poll(Clock::time_point now = Clock::now());

    // Whether the files are still as they were at the last Changed: a load that began then and
    // finds them otherwise read a file being written, and waits for the next Changed.
    bool Unchanged() const;

    // Files beyond this many are not watched (a theme beside a whole home folder).
    static constexpr std::size_t kMaxFiles = 2000;

private:
    struct Stamp {
        std::uintmax_t size = 0;
        std::int64_t time = 0;
        bool operator==(const Stamp& o) const { return size == o.size && time == o.time; }
    };
    using Snapshot = std::map<std::string, Stamp>;
    Snapshot Take() const;

    std::string themeFile_;
    std::string folder_;
    Clock::duration settle_;
    bool polled_ = false;
    bool missingSaid_ = false;
    Snapshot loaded_;           // as at the last Changed
    Snapshot seen_;             // as at the last poll
    Clock::time_point seenSince_{};  // since when seen_ has been so
};

}  // namespace vt
