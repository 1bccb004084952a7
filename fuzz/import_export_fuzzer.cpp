// An arbitrary side file imported into a photo, and the result exported again: a side file
// that is refused leaves no output; one that is taken comes back out byte for byte.
#include <unistd.h>

#include <cstddef>
#include <cstdint>

#include "app1/app1_transfer.h"
#include "fixture_builder.h"
#include "fuzz_support.h"
#include "platform/file_io.h"

using namespace brevino;

namespace {

std::vector<uint8_t> photoBytes(bool withApp0) {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "photo"), fixture::shorts(0x0112, {1})};
    tiff.exif = fixture::Ifd{{fixture::rationals(0x829A, {{1, 60}})}};
    std::vector<fixture::Segment> before;
    if (withApp0) before.push_back(fixture::app0(16));
    return fixture::jpegWith(tiff, before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::QuietWorkspace quiet;
    static const std::string folder = fuzz::scratchFolder();
    static const std::string photo = folder + "/photo.jpg";
    static const std::string output = folder + "/photo_out.jpg";
    static const std::string side = folder + "/side.ap1";
    static const std::string again = folder + "/again.ap1";
    Workspace& workspace = quiet.workspace;

    const bool withApp0 = size > 0 && (data[0] & 1);
    fixture::writeFile(photo, photoBytes(withApp0));
    const std::vector<uint8_t> sideBytes(data, data + size);
    fixture::writeFile(side, sideBytes);
    ::unlink(output.c_str());

    workspace.currentFile = photo;
    if (!workspace.analyze(photo)) fuzz::brokenPromise("the built photo does not analyse");
    const bool imported = workspace.importFrom(side);
    if (imported != isSideFile(sideBytes))
        fuzz::brokenPromise("import took a side file it should refuse, or the reverse");
    if (!imported) {
        if (pathExists(output)) fuzz::brokenPromise("a refused import left an output file");
        return 0;
    }
    workspace.currentFile = output;
    workspace.analyze(output);
    if (!workspace.exportTo(again)) fuzz::brokenPromise("the imported file does not export");
    if (fixture::readFile(again) != sideBytes)
        fuzz::brokenPromise("the segment did not come back byte for byte");
    return 0;
}
