// brevino-cli show: analyse files and print their rows.
#pragma once

namespace brevino::cli {

int runShow(int argc, char** argv);

}  // namespace brevino::cli
