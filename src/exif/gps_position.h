// The position a file's GPS IFD records, in decimal degrees and metres.
#pragma once

#include <optional>
#include <string>

#include "exif/document.h"

namespace brevino {

struct GpsPosition {
    // As stored: degrees without sign, metres with the sign of their reference. Empty when
    // the entry is missing, not rational, outside the file or divides by zero.
    std::optional<double> latitude;
    std::optional<double> longitude;
    std::optional<double> altitude;
    char latitudeRef = 0;   // 'N' or 'S'; 0 when missing or anything else
    char longitudeRef = 0;  // 'E' or 'W'; 0 when missing or anything else

    // Whether both coordinates, their hemispheres and a place on the globe are known.
    bool hasPosition() const;
    // North and east positive, south and west negative; only with a position.
    double signedLatitude() const;
    double signedLongitude() const;
};

GpsPosition readGpsPosition(const Document& document);

// The position on OpenStreetMap, marked, at zoom 16; only with a position.
std::string mapAddress(const GpsPosition& position);

// A number in fixed notation with this many decimals, whatever the locale.
std::string fixedDecimals(double value, int decimals);
// "35.658581° N": six decimals, the hemisphere letter when known.
std::string degreesNote(double degrees, char hemisphere);
// "40.2 m": one decimal, negative below the reference level.
std::string metresNote(double metres);

}  // namespace brevino
