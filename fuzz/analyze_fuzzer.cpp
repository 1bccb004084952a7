// Arbitrary bytes analysed as a file: every IFD, value and maker note read stays in bounds.
#include <cstddef>
#include <cstdint>

#include "exif/analysis.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static brevino::fuzz::QuietWorkspace quiet;
    brevino::Workspace& workspace = quiet.workspace;
    // An exact-size copy, so that any read past the end is caught.
    std::vector<uint8_t> bytes(data, data + size);
    if (brevino::analyzeBytes(workspace, bytes) == 1) {
        const brevino::TagList& rows = workspace.tagList;
        const brevino::ExifLocation& location = workspace.analysis.location;
        for (size_t r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < brevino::kColumnCount; ++c)
                (void)rows.cell(r, static_cast<brevino::Column>(c));
            if (rows.isHeading(r) || !rows.facts(r).valueInside) continue;
            if (rows.facts(r).position < location.tiffStart() ||
                rows.facts(r).position > location.exifEnd) {
                brevino::fuzz::brokenPromise(
                    "a value said to be inside lies outside the TIFF area");
            }
        }
    }
    return 0;
}
