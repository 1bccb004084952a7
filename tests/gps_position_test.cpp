// The GPS position read from its entries: notes in degrees and metres, the signed position
// and the map address.
#include <gtest/gtest.h>

#include "exif/gps_position.h"
#include "test_support.h"

namespace brevino {
namespace {

using testing::TestWorkspace;

TEST(GpsPosition, NotesAndPositionFromTheEntries) {
    struct Case {
        const char* what;
        std::vector<fixture::Entry> entries;
        const char* latitudeNote;
        const char* longitudeNote;
        const char* altitudeNote;
        const char* map;  // empty: no position
    };
    using fixture::ascii;
    using fixture::byteValues;
    using fixture::rationals;
    const auto latitude = rationals(0x0002, {{35, 1}, {39, 1}, {3093, 100}});
    const auto longitude = rationals(0x0004, {{139, 1}, {44, 1}, {4356, 100}});
    const Case cases[] = {
        {"north east, above sea level",
         {ascii(0x0001, "N"), latitude, ascii(0x0003, "E"), longitude, byteValues(0x0005, {0}),
          rationals(0x0006, {{402, 10}})},
         "35.658592° N",
         "139.745433° E",
         "40.2 m",
         "https://www.openstreetmap.org/?mlat=35.658592&mlon=139.745433#map=16/35.658592/"
         "139.745433"},
        {"south west, below sea level",
         {ascii(0x0001, "S"), latitude, ascii(0x0003, "W"), longitude, byteValues(0x0005, {1}),
          rationals(0x0006, {{35, 10}})},
         "35.658592° S",
         "139.745433° W",
         "-3.5 m",
         "https://www.openstreetmap.org/?mlat=-35.658592&mlon=-139.745433#map=16/-35.658592/"
         "-139.745433"},
        {"degrees only, no references",
         {rationals(0x0002, {{10, 1}}), rationals(0x0004, {{20, 1}})},
         "10.000000°",
         "20.000000°",
         "",
         ""},
        {"a zero denominator",
         {ascii(0x0001, "N"), rationals(0x0002, {{1, 0}, {0, 1}, {0, 1}}), ascii(0x0003, "E"),
          longitude},
         "",
         "139.745433° E",
         "",
         ""},
        {"beyond the pole",
         {ascii(0x0001, "N"), rationals(0x0002, {{95, 1}}), ascii(0x0003, "E"), longitude},
         "95.000000° N",
         "139.745433° E",
         "",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fixture::Tiff tiff;
        tiff.gps = fixture::Ifd{c.entries};
        TestWorkspace t;
        ASSERT_EQ(t.analyze(fixture::jpegWith(tiff)), 1);
        auto noteOf = [&](const char* tag) {
            const long row = t.findRow(tag);
            return row < 0 ? std::string() : t.cell(row, Column::Note);
        };
        EXPECT_EQ(noteOf("緯度（数値）"), c.latitudeNote);
        EXPECT_EQ(noteOf("経度（数値）"), c.longitudeNote);
        EXPECT_EQ(noteOf("高度（数値）"), c.altitudeNote);
        const GpsPosition position = readGpsPosition(t.workspace.document());
        EXPECT_EQ(position.hasPosition(), *c.map != '\0');
        if (position.hasPosition()) {
            EXPECT_EQ(mapAddress(position), c.map);
        }
    }
}

}  // namespace
}  // namespace brevino
