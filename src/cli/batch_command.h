// brevino-cli batch: one batch operation over many files.
#pragma once

namespace brevino::cli {

int runBatch(int argc, char** argv);

}  // namespace brevino::cli
