#include "FileWatch.h"

#include <filesystem>
#include <system_error>

namespace vt {
namespace fs = std::filesystem;

FileWatch::FileWatch(const std::string& themeFile, Clock::duration settle)
    : themeFile_(themeFile), folder_(fs::path(themeFile).parent_path().string()), settle_(settle) {
    if (folder_.empty()) folder_ = ".";
}

FileWatch::Snapshot FileWatch::Take() const {
    Snapshot files;
    std::error_code error;
    auto stamp = [&](const fs::path& path) {
        std::error_code e;
        Stamp s;
        s.size = fs::file_size(path, e);
        if (e) return;  // gone between the listing and now: the next poll sees it
        s.time = fs::last_write_time(path, e).time_since_epoch().count();
        if (!e) files[path.string()] = s;
    };
    stamp(fs::path(themeFile_));
    fs::recursive_directory_iterator it(folder_, fs::directory_options::skip_permission_denied, error), end;
    for (; !error && it != end && files.size() < kMaxFiles; it.increment(error)) {
        if (it.depth() > 2) it.disable_recursion_pending();
        std::error_code e;
        if (it->is_regular_file(e)) stamp(it->path());
    }
    return files;
}

WatchEvent FileWatch::Poll(Clock::time_point now) {
    Snapshot files = Take();
    const bool first = !polled_;
    polled_ = true;
    std::error_code error;
    if (!fs::is_regular_file(themeFile_, error)) {
        seen_.clear();
        if (missingSaid_) return WatchEvent::None;
        missingSaid_ = true;
        return WatchEvent::Missing;
    }
    if (first) {  // a theme that is only coming into being settles like any save
        loaded_ = seen_ = files;
        seenSince_ = now;
        return WatchEvent::Changed;
    }
    if (!(files == seen_)) {
        seen_ = std::move(files);
        seenSince_ = now;
        return WatchEvent::None;
    }
    // Back after being missing counts as a change, even when it came back as it was.
    if ((seen_ == loaded_ && !missingSaid_) || now - seenSince_ < settle_) return WatchEvent::None;
    missingSaid_ = false;
    loaded_ = seen_;
    return WatchEvent::Changed;
}

bool FileWatch::Unchanged() const { return Take() == loaded_; }

}  // namespace vt
