// Writes a camera-like sample JPEG with Exif data, for trying the program without photos.
#include <cstdio>

#include "fixture_builder.h"

int main(int argc, char** argv) {
    using namespace brevino::fixture;
    if (argc != 2) {
        std::fprintf(stderr, "usage: brevino_make_sample OUT.jpg\n");
        return 2;
    }
    Tiff tiff;
    tiff.ifd0.entries = {ascii(0x010E, "Sample title          "),
                         ascii(0x010F, "Brevino"),
                         ascii(0x0110, "Sample Camera"),
                         shorts(0x0112, {1}),
                         rationals(0x011A, {{72, 1}}),
                         rationals(0x011B, {{72, 1}}),
                         shorts(0x0128, {2}),
                         ascii(0x0132, "2004:05:06 07:08:09")};
    tiff.exif =
        Ifd{{rationals(0x829A, {{1, 125}}), rationals(0x829D, {{28, 10}}), shorts(0x8822, {2}),
             undefined(0x9000, "0230"), ascii(0x9003, "2004:05:06 07:08:09"),
             ascii(0x9004, "2004:05:06 07:08:09"), srationals(0x9204, {{-1, 3}}),
             shorts(0x9207, {5}), shorts(0x9209, {16}), shorts(0xA001, {1})}};
    tiff.gps = Ifd{{byteValues(0x0000, {2, 2, 0, 0}), ascii(0x0001, "N"),
                    rationals(0x0002, {{35, 1}, {39, 1}, {2940, 100}})}};
    tiff.ifd1 = Ifd{{shorts(0x0103, {6}), longs(0x0201, {0}), longs(0x0202, {0})}};
    try {
        writeFile(argv[1], jpegWith(tiff));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
