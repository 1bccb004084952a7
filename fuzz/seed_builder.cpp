// Writes seed inputs for the fuzz targets: built files of many shapes and, when present,
// the camera corpus. Usage: fuzz_seed_builder FOLDER
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fixture_builder.h"
#include "journal/journal_text.h"

using namespace brevino::fixture;

namespace {

Tiff richTiff(brevino::ByteOrder order) {
    Tiff tiff;
    tiff.order = order;
    tiff.ifd0.entries = {ascii(0x010E, "title", 20), ascii(0x010F, "maker"),
                         shorts(0x0112, {1}),        rationals(0x011A, {{72, 1}}),
                         shorts(0x0128, {2}),        ascii(0x0132, "2004:05:06 07:08:09"),
                         shorts(0x0212, {2, 1})};
    tiff.exif = Ifd{{rationals(0x829A, {{1, 60}}), srationals(0x9204, {{-1, 3}}),
                     slongs(0x9201, {-5}), ascii(0x9003, "2004:05:06 07:08:09"),
                     undefined(0x9286, std::string("ASCII\0\0\0comment", 15)),
                     undefined(0x9000, "0230"), shorts(0x9209, {16})}};
    tiff.gps = Ifd{{byteValues(0x0000, {2, 2, 0, 0}), ascii(0x0001, "N"),
                    rationals(0x0002, {{35, 1}, {39, 1}, {0, 1}})}};
    tiff.interop = Ifd{{ascii(0x0001, "R98")}};
    tiff.ifd1 = Ifd{{shorts(0x0103, {6}), longs(0x0201, {0}), longs(0x0202, {0})}};
    return tiff;
}

// A note of the vendor's layout: header bytes, then an IFD whose value offsets count from
// `offsetsFrom` in the note (or from the Exif block's TIFF header).
Tiff withNote(brevino::ByteOrder order, const std::string& make, const std::string& header,
              brevino::ByteOrder noteOrder, std::optional<uint32_t> offsetsFrom,
              std::vector<Entry> entries) {
    Tiff tiff = richTiff(order);
    tiff.ifd0.entries[1] = ascii(0x010F, make);
    tiff.makerNote =
        MakerNote{header, noteOrder, Ifd{std::move(entries)}, std::nullopt, offsetsFrom};
    return tiff;
}

// Damaged forms of a file with a maker note: a wild value offset and a count near 2^32 added
// to its IFD, and the segment cut inside the note's IFD.
std::vector<Bytes> damaged(const Tiff& good) {
    std::vector<Bytes> out;
    Tiff wild = good;
    wild.makerNote->ifd.entries.push_back(rawEntry(0x0002, 4, 3, 0xFFFFFFF0));
    wild.makerNote->ifd.entries.push_back(rawEntry(0x0003, 3, 0xFFFFFFFF, 0x10));
    out.push_back(jpegWith(wild));
    const Bytes tiff = buildTiff(good);
    out.push_back(buildJpeg(Bytes(tiff.begin(), tiff.end() - 9)));
    return out;
}

// A note whose IFD holds one entry pointing back at that IFD (a loop), little-endian, the
// offsets counting from the note's start.
std::string loopingNote(const std::string& header, uint16_t pointerTag) {
    std::string note = header;
    auto u16 = [&](uint32_t v) { note.push_back(char(v & 0xFF)), note.push_back(char(v >> 8)); };
    auto u32 = [&](uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };
    const uint32_t ifd = static_cast<uint32_t>(header.size());
    u16(1);
    u16(pointerTag), u16(13), u32(1), u32(ifd);
    u32(ifd);  // the next-IFD link loops too
    return note;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_builder FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    int n = 0;
    auto seed = [&](const Bytes& bytes) {
        writeFile(folder + "/seed" + std::to_string(n++), bytes);
    };
    for (auto order : {brevino::Intel, brevino::Motorola}) {
        // The same Exif in every other container, and the TIFF data alone as a TIFF file.
        const Bytes tiff = buildTiff(richTiff(order));
        seed(tiff);
        for (Wrapping wrapping :
             {Wrapping::Heif, Wrapping::HeifIdat, Wrapping::HeifAtEnd, Wrapping::WebP,
              Wrapping::Png, Wrapping::Jxl, Wrapping::JxlCompressed, Wrapping::Raf})
            seed(wrapTiff(tiff, wrapping));
        seed(cr3With(tiff, tiff, tiff, tiff));
        seed(jpegWith(richTiff(order)));
        seed(jpegWith(richTiff(order), {app0(16)}));
        Tiff pentax = richTiff(order);
        pentax.makerNote = MakerNote{
            std::string("AOC\0MM", 6), brevino::Motorola,
            Ifd{{longs(0x0005, {76830}), byteValues(0x003F, {3, 17}), shorts(0x0023, {56})}},
            std::nullopt};
        seed(jpegWith(pentax));
        Tiff sony = richTiff(order);
        sony.makerNote = MakerNote{std::string("SONY DSC \0\0\0", 12), order,
                                   Ifd{{longs(0xB027, {2550})}}, std::nullopt};
        seed(jpegWith(sony));
    }
    // The vendors' maker notes, whole and damaged.
    const std::vector<uint32_t> settings = {80, 2, 0, 5,  1, 0, 0,     4, 0,     1,   0,   1,   0,
                                            0,  0, 0, 17, 5, 1, 12291, 1, 65535, 237, 682, 227, 32};
    const std::string lensData =
        std::string("0101\x17\x35\0\0\x02\x78\x56\x7f\x40\x2d\x5c\x2c\x34\x84\x34", 19);
    const Tiff vendors[] = {
        withNote(brevino::Intel, "Canon", "", brevino::Intel, std::nullopt,
                 {shorts(0x0001, settings), longs(0x0010, {0x1110000}), ascii(0x0095, "EF50mm")}),
        withNote(brevino::Intel, "NIKON", std::string("Nikon\0\2\x10\0\0MM\0\x2a\0\0\0\x08", 18),
                 brevino::Motorola, 10,
                 {undefined(0x0098, lensData), longs(0x0011, {8}), shorts(0x0022, {3}),
                  rationals(0x0084, {{180, 10}, {550, 10}, {35, 10}, {56, 10}})}),
        withNote(brevino::Motorola, "FUJIFILM", std::string("FUJIFILM\x0c\0\0\0", 12),
                 brevino::Intel, 0,
                 {undefined(0x0000, "0130"), shorts(0x1401, {0x600}), ascii(0x1000, "FINE ")}),
        withNote(brevino::Intel, "OLYMPUS", std::string("OLYMPUS\0II\3\0", 12), brevino::Intel, 0,
                 {shorts(0x0201, {3}), longs(0x2010, {12})}),
        withNote(brevino::Intel, "Panasonic", std::string("Panasonic\0\0\0", 12), brevino::Intel,
                 std::nullopt, {shorts(0x0001, {2}), ascii(0x0051, "LUMIX G 20/F1.7")}),
        withNote(brevino::Motorola, "Apple", std::string("Apple iOS\0\0\1MM", 14),
                 brevino::Motorola, 0, {slongs(0x000A, {3}), ascii(0x0011, "FFCBAC24-E547-4BBC")}),
    };
    for (const Tiff& tiff : vendors) {
        seed(jpegWith(tiff));
        for (const Bytes& bytes : damaged(tiff))
            seed(bytes);
    }
    // Sub-IFD pointers that loop back to the note's own IFD.
    for (const auto& [header, tag] : {std::pair{std::string("OLYMPUS\0II\3\0", 12), 0x2010},
                                      std::pair{std::string("FUJIFILM\x0c\0\0\0", 12), 0x1401}}) {
        Tiff tiff = richTiff(brevino::Intel);
        tiff.rawMakerNote = loopingNote(header, static_cast<uint16_t>(tag));
        seed(jpegWith(tiff));
    }
    // A Canon note whose footer puts its base far before the file's start.
    Tiff moved = richTiff(brevino::Intel);
    moved.ifd0.entries[1] = ascii(0x010F, "Canon");
    moved.rawMakerNote =
        std::string("\1\0\1\0\3\0\3\0\0\0\x20\0\0\0\0\0\0\0\2\0\1\0\7\0II*\0\xff\xff\0\0", 32);
    seed(jpegWith(moved));
    // Side files: a start-of-image marker and one Exif segment.
    Bytes file = jpegWith(richTiff(brevino::Intel));
    const size_t length = static_cast<size_t>(file[4]) << 8 | file[5];
    seed(Bytes(file.begin(), file.begin() + static_cast<long>(length + 4)));
    for (const std::string& path : corpusFiles())
        seed(readFile(path));
    // A journal of one file's change, for the journal reader.
    brevino::Operation operation;
    operation.id = 3;
    operation.kind = brevino::OperationKind::Batch;
    operation.title = "shift-dates +1:00";
    brevino::FileChange& change = operation.files.emplace_back();
    change.path = "/photos/a.jpg";
    change.values.push_back({300, {'1', '2'}, {'1', '3'}});
    change.renameTo = "/photos/b.jpg";
    change.newTimes = change.times;
    change.after = brevino::FileFacts{"/photos/b.jpg", 1, 2, 3, {4, 5}, {6, 7}};
    const std::string journal = brevino::formatJournal(operation);
    seed(Bytes(journal.begin(), journal.end()));
    std::printf("%d seeds\n", n);
    return 0;
}
