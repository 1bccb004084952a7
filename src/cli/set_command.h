// brevino-cli set: edit rows of one file by name and save them in place.
#pragma once

namespace brevino::cli {

int runSet(int argc, char** argv);

}  // namespace brevino::cli
