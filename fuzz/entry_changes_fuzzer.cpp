// A file, then an entry removed (a row or the GPS position) or a standard entry added through
// the workspace: a refusal writes nothing; a removal keeps the file's size and writes only
// inside the Exif data; an addition replaces the Exif segment alone (or inserts one into a
// JPEG without Exif), and the file written reads back.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fixture_builder.h"
#include "fuzz_support.h"
#include "tags/tag_roles.h"

using namespace brevino;

namespace {

struct Candidate {
    IfdKind ifd;
    uint16_t tag;
};
constexpr Candidate kCandidates[] = {{IfdKind::Zeroth, tags::kArtist},
                                     {IfdKind::Zeroth, tags::kCopyright},
                                     {IfdKind::Exif, 0x9011},
                                     {IfdKind::Gps, 0x0000},
                                     {IfdKind::Interop, 0x0001},
                                     {IfdKind::Zeroth, tags::kImageDescription},
                                     {IfdKind::Exif, tags::kDateTimeOriginal}};
const std::string kValues[] = {
    "Taro", "+09:00", "2 3 0 0", "R98", "2024:05:06 07:08:09", std::string(70000, 'x'), ""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::QuietWorkspace quiet;
    static const std::string path = fuzz::scratchFolder() + "/entries.jpg";
    Workspace& workspace = quiet.workspace;
    FuzzedDataProvider provider(data, size);
    // The choices come from the input's last bytes, the file from the rest.
    const int action = provider.ConsumeIntegralInRange(0, 2);
    const size_t rowPick = provider.ConsumeIntegral<uint16_t>();
    const Candidate candidate =
        kCandidates[provider.ConsumeIntegralInRange<size_t>(0, std::size(kCandidates) - 1)];
    const std::string& value =
        kValues[provider.ConsumeIntegralInRange<size_t>(0, std::size(kValues) - 1)];
    const std::vector<uint8_t> before = provider.ConsumeRemainingBytes<uint8_t>();
    fixture::writeFile(path, before);
    workspace.currentFile = path;
    workspace.analyze(path);
    const Document& document = workspace.document();
    const ExifLocation location = document.location;
    const bool hadExif = document.walked();

    bool done = false;
    if (action == 0 && hadExif && workspace.rowCount() > 0) {
        const size_t row = rowPick % workspace.rowCount();
        done = workspace.removeRows(std::span<const size_t>(&row, 1));
    } else if (action == 1 && hadExif) {
        done = workspace.removeGps();
    } else if (action == 2) {
        if (const std::optional<EntryAddition> addition =
                workspace.addition(candidate.ifd, candidate.tag, value))
            done = workspace.saveWith(std::span<const EntryAddition>(&*addition, 1));
    }
    const std::vector<uint8_t> after = fixture::readFile(path);
    if (!done || after == before) {
        if (after != before) fuzz::brokenPromise("a refused change wrote");
        return 0;
    }
    if (action < 2) {
        if (after.size() != before.size()) fuzz::brokenPromise("a removal changed the size");
        for (size_t i = 0; i < after.size(); ++i) {
            const bool checksum =
                location.checksumAt != 0 && i >= location.checksumAt && i < location.checksumAt + 4;
            if (after[i] != before[i] && !checksum &&
                (i < location.tiffStart || i >= location.exifEnd))
                fuzz::brokenPromise("a removal wrote outside the Exif data");
        }
        return 0;
    }
    // What stayed the same at the start and at the end of the file.
    const size_t shorter = std::min(before.size(), after.size());
    size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < shorter - std::min(prefix, shorter) &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    if (hadExif) {
        if (prefix < location.tiffStart - 10 || before.size() - suffix > location.exifEnd)
            fuzz::brokenPromise("an addition wrote outside the Exif segment");
    } else if (prefix + suffix < before.size()) {
        fuzz::brokenPromise("a new segment changed bytes of the file");
    }
    if (!workspace.document().walked()) fuzz::brokenPromise("the file written does not read");
    return 0;
}
