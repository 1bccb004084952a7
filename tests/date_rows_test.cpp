#include <gtest/gtest.h>

#include <cstdlib>

#include "edit/date_rows.h"
#include "edit/editing.h"
#include "exif/analysis.h"
#include "test_support.h"

namespace brevino {
namespace {

using testing::TestWorkspace;

// Sets TZ for the length of a test.
class TimeZone {
  public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZone() {
        if (saved_.empty()) {
            unsetenv("TZ");
        } else {
            setenv("TZ", saved_.c_str(), 1);
        }
        tzset();
    }

  private:
    std::string saved_;
};

fixture::Tiff datedTiff(const std::string& changeDate) {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "title"), fixture::ascii(0x0132, changeDate)};
    tiff.exif = fixture::Ifd{{fixture::ascii(0x9003, "2001:01:01 01:01:01"),
                              fixture::ascii(0x9004, "2002:02:02 02:02:02")}};
    tiff.ifd1 = fixture::Ifd{{fixture::ascii(0x0132, "2003:03:03 03:03:03")}};
    return tiff;
}

// A document of the bytes, with its rows and no edits.
struct Analysed {
    fixture::Bytes bytes;
    Document document;
    RowList rows;
    Edits edits;
    explicit Analysed(const fixture::Tiff& tiff) : bytes(fixture::jpegWith(tiff)) {
        document = analyzeBytes(bytes);
        rows.build(document);
    }
    std::string content(std::string_view tag) const {
        for (size_t r = 0; r < rows.size(); ++r) {
            if (rows.cell(r, Column::Tag) == tag) return std::string(contentOf(rows, edits, r));
        }
        return "(none)";
    }
};

TEST(DateRows, FoundByNumberAndSetTogether) {
    Analysed a(datedTiff("2004:05:06 07:08:09"));
    setAllDateRows(a.document, a.rows, a.edits, "2020:02:02 20:20:20");
    EXPECT_EQ(a.edits.size(), 4u);  // both file-change rows, the original and digitized dates
    EXPECT_EQ(a.content("画像タイトル"), "title");
    EXPECT_EQ(dateRowContent(a.document, a.rows, a.edits, 0x9003), "2020:02:02 20:20:20");
    EXPECT_EQ(dateRowContent(a.document, a.rows, a.edits, 0x0132), "2020:02:02 20:20:20");
    EXPECT_EQ(dateRowContent(a.document, a.rows, a.edits, 0x010E), "title");
    EXPECT_EQ(dateRowContent(a.document, a.rows, a.edits, 0x013B), std::nullopt);
}

TEST(DateRows, OnlyRealDatesBecomeTimes) {
    TimeZone utc("UTC0");
    EXPECT_EQ(exifDateToTime("2004:05:06 07:08:09")->tv_sec, 1083827289);
    EXPECT_EQ(exifDateToTime("2004-05-06T07.08.09")->tv_sec,
              1083827289);  // separators are not looked at
    EXPECT_EQ(exifDateToTime("2004:02:29 00:00:00")->tv_sec, 1078012800);
    EXPECT_EQ(exifDateToTime("1601:01:01 00:00:00")->tv_sec, -11644473600);
    for (const char* invalid : {"2003:02:29 00:00:00", "2004:02:30 00:00:00", "2004:05:06 24:00:00",
                                "2004:13:01 00:00:00", "2004:00:10 00:00:00", "1600:12:31 23:59:59",
                                "    :  :     :  :  ", "2004:05:06 07:08", "",
                                "2004:05:06 07:60:00", "2004:05:06 07:08:60"}) {
        EXPECT_FALSE(exifDateToTime(invalid).has_value()) << invalid;
    }
}

TEST(DateRows, LocalTimeAtTheDate) {
    {
        TimeZone tokyo("Asia/Tokyo");
        EXPECT_EQ(exifDateToTime("2004:05:06 07:08:09")->tv_sec,
                  1083827289 - 9 * 3600);  // 2004-05-05 22:08:09 UTC
    }
    {
        TimeZone berlin("Europe/Berlin");
        EXPECT_EQ(exifDateToTime("2004:07:01 12:00:00")->tv_sec,
                  1088683200 - 2 * 3600);  // summer: UTC+2
        EXPECT_EQ(exifDateToTime("2004:01:01 12:00:00")->tv_sec,
                  1072958400 - 1 * 3600);  // winter: UTC+1
    }
    {
        // The same rules written as a POSIX zone, which needs no time-zone database.
        TimeZone posix("CET-1CEST,M3.5.0,M10.5.0/3");
        EXPECT_EQ(exifDateToTime("2004:07:01 12:00:00")->tv_sec, 1088683200 - 2 * 3600);
    }
}

TEST(DateRows, AlignmentSetsRowsAndTimesOnlyForAValidDate) {
    TimeZone tokyo("JST-9");
    Analysed a(datedTiff("2004:05:06 07:08:09"));
    const std::optional<timespec> time = alignDatesWithChangeDate(a.document, a.rows, a.edits);
    ASSERT_TRUE(time.has_value());
    EXPECT_EQ(time->tv_sec, 1083794889);
    EXPECT_EQ(a.content("原画像データの生成日時"), "2004:05:06 07:08:09");

    for (std::string broken : {"    :  :     :  :  ", "2004:02:30 07:08:09"}) {
        Analysed b(datedTiff(broken));
        EXPECT_EQ(alignDatesWithChangeDate(b.document, b.rows, b.edits), std::nullopt);
        EXPECT_TRUE(b.edits.empty());
    }
    fixture::Tiff noDate;
    noDate.ifd0.entries = {fixture::ascii(0x010E, "title")};
    Analysed c(noDate);
    EXPECT_EQ(alignDatesWithChangeDate(c.document, c.rows, c.edits), std::nullopt);
}

TEST(FileTimesTest, ReadAndSetToTheNanosecond) {
    fixture::TempDir dir;
    std::string path = dir.write("t.jpg", {1, 2, 3});
    FileTimes times;
    times.access = {1234567890, 111};
    times.modification = {1234567899, 999999999};
    ASSERT_EQ(setFileTimes(path, times), 1);
    FileTimes read;
    ASSERT_EQ(getFileTimes(path, read), 1);
    EXPECT_EQ(read.access.tv_sec, 1234567890);
    EXPECT_EQ(read.access.tv_nsec, 111);
    EXPECT_EQ(read.modification.tv_sec, 1234567899);
    EXPECT_EQ(read.modification.tv_nsec, 999999999);
    EXPECT_EQ(getFileTimes(dir.file("missing.jpg"), read), 0);
    EXPECT_EQ(setFileTimes(dir.path(), times), 0);  // a directory is not a photo
}

}  // namespace
}  // namespace brevino
