// brevino-cli export and import: the Exif segment to and from a side file.
#pragma once

namespace brevino::cli {

int runExport(int argc, char** argv);
int runImport(int argc, char** argv);

}  // namespace brevino::cli
