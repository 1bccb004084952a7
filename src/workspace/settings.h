// The switches and the remembered folder that steer browsing, editing and saving.
#pragma once

#include <cstdint>
#include <string>

namespace brevino {

struct Settings {
    uint8_t folder = 1;  // nonzero: the folder browser starts from lastFolder
    std::string lastFolder;
    uint8_t dateUp = 1;    // exactly 1: a save keeps the file's times
    uint8_t allDate = 0;   // exactly 1: editing one date row changes every date row
    uint8_t exifDate = 0;  // exactly 1: a save aligns dates and times with the file-change date
};

}  // namespace brevino
