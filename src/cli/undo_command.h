// brevino-cli undo: takes back an operation from its journal, or lists the operations kept.
#pragma once

namespace brevino::cli {

int runUndo(int argc, char** argv);

}  // namespace brevino::cli
