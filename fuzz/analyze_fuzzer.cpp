// Arbitrary bytes analysed as a file: every IFD, value and maker note read stays in bounds.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static brevino::fuzz::QuietWorkspace quiet;
    brevino::Workspace& workspace = quiet.workspace;
    // The workspace keeps an exact-size copy, so that any read past the end is caught.
    if (workspace.analyzeBytes(std::span<const uint8_t>(data, size))) {
        const brevino::ExifLocation& location = workspace.document().location;
        for (size_t r = 0; r < workspace.rowCount(); ++r) {
            for (int c = 0; c < brevino::kColumnCount; ++c)
                (void)workspace.cell(r, static_cast<brevino::Column>(c));
            if (workspace.isHeading(r)) continue;
            const brevino::Entry& entry =
                workspace.document().entries[workspace.rows().entryIndex(r)];
            if (!entry.valueInside) continue;
            if (entry.position < location.tiffStart || entry.position > location.exifEnd) {
                brevino::fuzz::brokenPromise(
                    "a value said to be inside lies outside the TIFF area");
            }
        }
    }
    return 0;
}
