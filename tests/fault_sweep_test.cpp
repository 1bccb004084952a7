// Damaged files: cut at every length near the segment boundaries and with single bytes of
// the Exif segment corrupted, then analysed, every editable row edited, and saved. Nothing
// may crash, hang, or write outside the edited values.
#include <gtest/gtest.h>

#include <random>

#include "tags/tag_roles.h"
#include "test_support.h"
#include "write_check.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::TestWorkspace;

// A new content for the row that its type accepts (when the count is small).
std::string newContent(const Entry& entry) {
    if (entry.type == 2)
        return tags::isDate(entry.ifd, entry.tag) ? "2001:02:03 04:05:06" : "edited";
    std::string value = entry.type == 5 || entry.type == 10 ? "7/3" : "7";
    std::string content = value;
    for (uint32_t i = 1; i < entry.count && i < 64; ++i)
        content += " " + value;
    return content;
}

class Sweep {
  public:
    explicit Sweep(const fixture::TempDir& dir) : path_(dir.file("sweep.jpg")) {}

    // Analyses, edits and saves one damaged file; answers a description of any stray write.
    std::optional<std::string> check(const Bytes& bytes) {
        fixture::writeFile(path_, bytes);
        TestWorkspace t;
        t.workspace.settings.allDate = 1;
        if (t.analyzePath(path_) != 1) return std::nullopt;
        for (size_t r = 0; r < t.rows().size(); ++r) {
            if (t.workspace.isEditable(r)) t.workspace.setRow(r, newContent(t.entry(r)));
        }
        const auto ranges = fixture::writableRanges(t.workspace);
        const ExifLocation location = t.location();
        t.workspace.save();
        ++saved_;
        return fixture::strayWrite(bytes, fixture::readFile(path_), ranges, location);
    }
    int saved() const { return saved_; }

  private:
    std::string path_;
    int saved_ = 0;
};

std::vector<std::pair<std::string, Bytes>> sweepFiles() {
    std::vector<std::pair<std::string, Bytes>> files;
    fixture::Tiff tiff;
    tiff.order = Motorola;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "title", 20), fixture::shorts(0x0112, {1}),
                         fixture::rationals(0x011A, {{72, 1}}),
                         fixture::ascii(0x0132, "2004:05:06 07:08:09")};
    tiff.exif = fixture::Ifd{
        {fixture::srationals(0x9204, {{-1, 3}}), fixture::ascii(0x9003, "2004:05:06 07:08:09")}};
    tiff.gps = fixture::Ifd{{fixture::byteValues(0x0000, {2, 2, 0, 0})}};
    tiff.ifd1 = fixture::Ifd{{fixture::longs(0x0201, {100}), fixture::longs(0x0202, {100})}};
    tiff.makerNote = fixture::MakerNote{
        std::string("AOC\0II", 6), Intel,
        fixture::Ifd{{fixture::shorts(0x0001, {1}), fixture::byteValues(0x003F, {3, 17})}},
        std::nullopt};
    files.emplace_back("built", fixture::jpegWith(tiff, {fixture::app0(16)}));
    const std::string corpus = fixture::corpusDirectory();
    if (!corpus.empty()) {
        for (const char* name :
             {"Canon_40D.jpg", "Nikon_D70.jpg", "gps/DSCN0010.jpg", "Sony_HDR-HC3.jpg"}) {
            files.emplace_back(name, fixture::readFile(corpus + "/" + name));
        }
    }
    return files;
}

TEST(FaultSweep, TruncationsNearTheSegmentBoundaries) {
    fixture::TempDir dir;
    Sweep sweep(dir);
    for (const auto& [name, bytes] : sweepFiles()) {
        TestWorkspace t;
        ASSERT_EQ(t.analyze(bytes), 1) << name;
        const ExifLocation location = t.location();
        for (uint64_t boundary :
             {uint64_t{2}, location.exifStart, location.exifStart + 4, location.tiffStart,
              location.tiffStart + 8, location.exifEnd}) {
            for (int delta = -12; delta <= 12; ++delta) {
                const int64_t length = static_cast<int64_t>(boundary) + delta;
                if (length < 0 || length > static_cast<int64_t>(bytes.size())) continue;
                Bytes cut(bytes.begin(), bytes.begin() + length);
                EXPECT_EQ(sweep.check(cut), std::nullopt) << name << " cut at " << length;
            }
        }
    }
}

TEST(FaultSweep, SingleByteCorruptionsOfTheExifSegment) {
    fixture::TempDir dir;
    Sweep sweep(dir);
    std::mt19937 random(20041);
    for (const auto& [name, bytes] : sweepFiles()) {
        TestWorkspace t;
        ASSERT_EQ(t.analyze(bytes), 1) << name;
        const ExifLocation location = t.location();
        std::uniform_int_distribution<uint64_t> offset(location.exifStart + 2,
                                                       location.exifEnd - 1);
        for (int i = 0; i < 800; ++i) {
            Bytes corrupt = bytes;
            const uint64_t at = offset(random);
            corrupt[at] = static_cast<uint8_t>(random());
            auto stray = sweep.check(corrupt);
            EXPECT_EQ(stray, std::nullopt)
                << name << " byte " << at << " set to " << int(corrupt[at]);
            if (stray) break;
        }
    }
    EXPECT_GT(sweep.saved(), 500);
}

}  // namespace
}  // namespace brevino
