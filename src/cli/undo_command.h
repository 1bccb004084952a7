// brevino-cli undo and redo: take back an operation from its journal, apply again the latest
// one taken back, or list the operations kept.
#pragma once

namespace brevino::cli {

int runUndo(int argc, char** argv);
int runRedo(int argc, char** argv);

}  // namespace brevino::cli
