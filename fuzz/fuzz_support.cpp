#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace brevino::fuzz {

const std::string& scratchFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/brevino-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) brokenPromise("cannot make a scratch folder");
        return std::string(made);
    }();
    return folder;
}

void brokenPromise(const char* what) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

}  // namespace brevino::fuzz
