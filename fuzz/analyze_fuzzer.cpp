// Arbitrary bytes analysed as a file: every IFD, value and maker note read stays in bounds.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static brevino::fuzz::QuietWorkspace quiet;
    brevino::Workspace& workspace = quiet.workspace;
    // The workspace keeps an exact-size copy, so that any read past the end is caught.
    if (workspace.analyzeBytes(std::span<const uint8_t>(data, size))) {
        const brevino::Document& document = workspace.document();
        // A value said to be inside lies in one of the file's TIFF blocks (a decompressed
        // block's positions count in its own bytes, not the file's).
        auto insideSomeBlock = [&](uint64_t position) {
            for (const brevino::TiffBlock& block : document.blocks) {
                if (position >= block.tiffStart && position <= block.end) return true;
            }
            return false;
        };
        for (size_t r = 0; r < workspace.rowCount(); ++r) {
            for (int c = 0; c < brevino::kColumnCount; ++c)
                (void)workspace.cell(r, static_cast<brevino::Column>(c));
            if (workspace.isHeading(r)) continue;
            const brevino::Entry& entry = document.entries[workspace.rows().entryIndex(r)];
            if (!entry.valueInside) continue;
            if (!insideSomeBlock(entry.position)) {
                brevino::fuzz::brokenPromise(
                    "a value said to be inside lies outside the TIFF area");
            }
        }
    }
    return 0;
}
