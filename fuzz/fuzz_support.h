// What the fuzz targets share: a quiet workspace and a scratch folder per process.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workspace/workspace.h"

namespace brevino::fuzz {

// A workspace whose reports go nowhere.
struct QuietWorkspace {
    class Silent : public Reporter {
      public:
        void report(std::string_view, std::string_view) override {}
    };
    Silent silent;
    Workspace workspace;
    QuietWorkspace() { workspace.reporter = &silent; }
};

// A folder of this process's own, made once and reused by every run.
const std::string& scratchFolder();

// Stops the run with a message when a promise the program makes is broken.
[[noreturn]] void brokenPromise(const char* what);

}  // namespace brevino::fuzz
