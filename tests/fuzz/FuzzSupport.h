#pragma once
// Shared by the fuzz targets: nothing may wait for a person (notices and beeps go nowhere),
// and the theme targets load their input from a file in a scratch folder that holds copies of
// a real theme's images, so that mutated image names still reach the image readers.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "common/Notice.h"

namespace vt::fuzz {

inline void Quiet() {
    SetNoticeHandler([](const std::string&, const std::string&, unsigned) {});
    SetBeepHandler([](unsigned, unsigned) {});
}

// A fresh scratch folder holding copies of the files of `dataFolder` (a folder of the repo's
// test data, relative to its top). The scratch folder lives under $TMPDIR.
inline std::string ScratchCopyOf(const std::string& dataFolder) {
    namespace fs = std::filesystem;
    const char* top = std::getenv("VT_SOURCE_DIR");
    fs::path source = fs::path(top ? top : VT_SOURCE_DIR) / dataFolder;
    fs::path scratch = fs::temp_directory_path() / ("veltrane-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(source, ec)) {
        if (entry.is_regular_file()) fs::copy_file(entry.path(), scratch / entry.path().filename(),
                                                   fs::copy_options::overwrite_existing, ec);
    }
    return scratch.string();
}

inline void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

}  // namespace vt::fuzz
