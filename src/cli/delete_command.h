// brevino-cli delete: remove entries (or the GPS position) from files in place.
#pragma once

namespace brevino::cli {

int runDelete(int argc, char** argv);

}  // namespace brevino::cli
