// Writes seed inputs for the fuzz targets: built files of many shapes and, when present,
// the camera corpus. Usage: fuzz_seed_builder FOLDER
#include <cstdio>
#include <string>

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
