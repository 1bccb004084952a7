// A file, then edits of random rows with random texts through the editor's rules, saved into
// the file: only the bytes of the changed values may differ, and never outside the Exif segment.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "edit/editing.h"
#include "fixture_builder.h"
#include "fuzz_support.h"
#include "write_check.h"

using namespace brevino;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::QuietWorkspace quiet;
    static const std::string path = fuzz::scratchFolder() + "/edit.jpg";
    Workspace& workspace = quiet.workspace;
    FuzzedDataProvider provider(data, size);
    const std::vector<uint8_t> before =
        provider.ConsumeBytes<uint8_t>(provider.ConsumeIntegralInRange<size_t>(0, 70000));
    fixture::writeFile(path, before);
    workspace.currentFile = path;
    workspace.settings.dateUp = provider.ConsumeBool() ? 1 : 0;
    workspace.settings.allDate = provider.ConsumeBool() ? 1 : 0;
    workspace.settings.exifDate = 0;
    if (!workspace.analyze(path) || workspace.rows().empty()) return 0;

    const size_t rowCount = workspace.rowCount();
    for (int edits = provider.ConsumeIntegralInRange(0, 8); edits > 0; --edits) {
        const size_t row = provider.ConsumeIntegralInRange<size_t>(0, rowCount - 1);
        const std::string text = provider.ConsumeRandomLengthString(300);
        if (workspace.isEditable(row)) workspace.setRow(row, text.substr(0, kInputLimit));
    }
    const auto ranges = fixture::writableRanges(workspace);
    const ExifLocation location = workspace.document().location;
    workspace.save();
    if (auto stray = fixture::strayWrite(before, fixture::readFile(path), ranges, location)) {
        fuzz::brokenPromise(stray->c_str());
    }
    return 0;
}
