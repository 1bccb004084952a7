#include "exif/gps_position.h"

#include <algorithm>
#include <charconv>

#include "tags/tag_roles.h"
#include "tags/tiff_type.h"

namespace brevino {
namespace {

// The GPS IFD's entry of the tag, when its value lies inside what was read.
const Entry* findGpsEntry(const Document& document, uint16_t tag) {
    const Entry* entry = document.find(IfdKind::Gps, tag);
    return entry != nullptr && entry->valueInside ? entry : nullptr;
}

// Up to three rationals read as degrees, minutes and seconds (or a single value in metres).
// Some phones write them signed (SRATIONAL); the same numbers are meant.
std::optional<double> readSexagesimal(const Document& document, const Entry* entry) {
    if (entry == nullptr || entry->count == 0) return std::nullopt;
    const bool isSigned = entry->type == static_cast<uint16_t>(TiffType::SRational);
    if (!isSigned && entry->type != static_cast<uint16_t>(TiffType::Rational)) return std::nullopt;
    const uint32_t parts = entry->count < 3 ? entry->count : 3;
    const std::span<const uint8_t> bytes = document.valueBytes(*entry, 8 * uint64_t{parts});
    if (bytes.size() < 8 * parts) return std::nullopt;
    auto read = [&](size_t at) -> double {
        const uint32_t raw = readU32(bytes.data() + at, entry->order);
        return isSigned ? static_cast<double>(static_cast<int32_t>(raw)) : raw;
    };
    double value = 0;
    double scale = 1;
    for (uint32_t i = 0; i < parts; ++i) {
        const double denominator = read(8 * i + 4);
        if (denominator == 0) return std::nullopt;
        value += read(8 * i) / denominator / scale;
        scale *= 60;
    }
    return value;
}

// The first byte of an ASCII reference, or 0.
char readReference(const Document& document, const Entry* entry) {
    if (entry == nullptr || entry->type != static_cast<uint16_t>(TiffType::Ascii) ||
        entry->count == 0)
        return 0;
    const std::span<const uint8_t> bytes = document.valueBytes(*entry, 1);
    return bytes.empty() ? 0 : static_cast<char>(bytes[0]);
}

}  // namespace

bool GpsPosition::hasPosition() const {
    return latitude && longitude && latitudeRef != 0 && longitudeRef != 0 && *latitude >= 0 &&
           *latitude <= 90 && *longitude >= 0 && *longitude <= 180;
}

double GpsPosition::signedLatitude() const {
    return latitudeRef == 'S' ? -*latitude : *latitude;
}

double GpsPosition::signedLongitude() const {
    return longitudeRef == 'W' ? -*longitude : *longitude;
}

GpsPosition readGpsPosition(const Document& document) {
    GpsPosition position;
    const bool hasGps = std::any_of(document.sections.begin(), document.sections.end(),
                                    [](const Section& s) { return s.ifd == IfdKind::Gps; });
    if (!document.walked() || !hasGps) return position;
    position.latitude = readSexagesimal(document, findGpsEntry(document, tags::kGpsLatitude));
    position.longitude = readSexagesimal(document, findGpsEntry(document, tags::kGpsLongitude));
    const char latitudeRef = readReference(document, findGpsEntry(document, tags::kGpsLatitudeRef));
    if (latitudeRef == 'N' || latitudeRef == 'S') position.latitudeRef = latitudeRef;
    const char longitudeRef =
        readReference(document, findGpsEntry(document, tags::kGpsLongitudeRef));
    if (longitudeRef == 'E' || longitudeRef == 'W') position.longitudeRef = longitudeRef;

    const Entry* altitude = findGpsEntry(document, tags::kGpsAltitude);
    if (altitude != nullptr && altitude->count == 1) {
        position.altitude = readSexagesimal(document, altitude);
        // Below the reference level: 1 (below sea level), or 3 in the newer coding that also
        // counts heights above the ellipsoid.
        const Entry* reference = findGpsEntry(document, tags::kGpsAltitudeRef);
        if (position.altitude && *position.altitude != 0 && reference != nullptr &&
            reference->type == static_cast<uint16_t>(TiffType::Byte) && reference->count >= 1) {
            const std::span<const uint8_t> bytes = document.valueBytes(*reference, 1);
            if (!bytes.empty() && (bytes[0] == 1 || bytes[0] == 3))
                position.altitude = -*position.altitude;
        }
    }
    return position;
}

std::string fixedDecimals(double value, int decimals) {
    char text[400];  // room for any double in fixed notation
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

std::string degreesNote(double degrees, char hemisphere) {
    std::string note = fixedDecimals(degrees, 6) + "°";
    if (hemisphere != 0) {
        note.push_back(' ');
        note.push_back(hemisphere);
    }
    return note;
}

std::string mapAddress(const GpsPosition& position) {
    const std::string lat = fixedDecimals(position.signedLatitude(), 6);
    const std::string lon = fixedDecimals(position.signedLongitude(), 6);
    return "https://www.openstreetmap.org/?mlat=" + lat + "&mlon=" + lon + "#map=16/" + lat + "/" +
           lon;
}

std::string metresNote(double metres) {
    return fixedDecimals(metres, 1) + " m";
}

}  // namespace brevino
