#include <sys/stat.h>

#include <gtest/gtest.h>

#include "edit/value_input.h"
#include "platform/file_io.h"
#include "platform/file_times.h"
#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::Message;
using testing::TestWorkspace;

// Which bytes differ between two files of the same size, as (offset, new byte).
std::vector<std::pair<size_t, uint8_t>> differences(const Bytes& before, const Bytes& after) {
    EXPECT_EQ(before.size(), after.size());
    std::vector<std::pair<size_t, uint8_t>> result;
    for (size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
        if (before[i] != after[i]) result.emplace_back(i, after[i]);
    }
    return result;
}

// The bytes of the file from `position` on.
Bytes bytesAt(const Bytes& file, uint64_t position, size_t length) {
    return Bytes(file.begin() + static_cast<long>(position),
                 file.begin() + static_cast<long>(position + length));
}

timespec modificationTime(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mtim;
}

void setOldTimes(const std::string& path) {
    FileTimes times;
    times.access = {1000000000, 123456789};
    times.modification = {1100000000, 987654321};
    ASSERT_EQ(setFileTimes(path, times), 1);
}

struct SaveFixture {
    fixture::TempDir dir;
    TestWorkspace t;
    std::string path;
    Bytes before;

    explicit SaveFixture(const fixture::Tiff& tiff,
                         const std::vector<fixture::Segment>& segments = {}) {
        before = fixture::jpegWith(tiff, segments);
        path = dir.write("photo.jpg", before);
        setOldTimes(path);
        EXPECT_EQ(t.analyzePath(path), 1);
    }
    size_t row(std::string_view tag, size_t from = 0) {
        return static_cast<size_t>(t.findRow(tag, from));
    }
    void set(size_t r, std::string_view input) { ASSERT_TRUE(t.workspace.setRow(r, input)); }
    bool save() {
        t.workspace.currentFile = path;
        return t.workspace.save();
    }
    Bytes after() const { return fixture::readFile(path); }
    uint64_t position(size_t r) const { return t.entry(r).position; }
};

fixture::Tiff sampleTiff(ByteOrder order) {
    fixture::Tiff tiff;
    tiff.order = order;
    tiff.ifd0.entries = {fixture::shorts(0x0112, {6}), fixture::rationals(0x011A, {{300, 1}}),
                         fixture::ascii(0x0132, "2004:05:06 07:08:09"),
                         fixture::longs(0x0100, {5})};
    tiff.gps = fixture::Ifd{{fixture::byteValues(0x0000, {2, 3, 0, 0})}};
    return tiff;
}

TEST(OverwriteSave, WritesExactlyTheEditedValuesInTheFilesByteOrder) {
    for (ByteOrder order : {Motorola, Intel}) {
        SaveFixture f(sampleTiff(order), {fixture::app0(16)});
        const bool big = order == Motorola;
        f.set(f.row("画像方向"), "1");
        f.set(f.row("画像の幅の解像度"), "72/1");
        f.set(f.row("ファイル変更日時"), "2010:01:02 03:04:05");
        f.set(f.row("GPS タグのバージョン"), "2 2 0 0");
        f.set(f.row("画像の幅"), "1");
        ASSERT_TRUE(f.save());
        EXPECT_TRUE(f.t.takeMessages().empty());
        Bytes after = f.after();
        EXPECT_EQ(bytesAt(after, f.position(f.row("画像方向")), 2),
                  big ? Bytes({0, 1}) : Bytes({1, 0}));
        EXPECT_EQ(bytesAt(after, f.position(f.row("画像の幅の解像度")), 8),
                  big ? Bytes({0, 0, 0, 0x48, 0, 0, 0, 1}) : Bytes({0x48, 0, 0, 0, 1, 0, 0, 0}));
        EXPECT_EQ(bytesAt(after, f.position(f.row("画像の幅")), 4),
                  big ? Bytes({0, 0, 0, 1}) : Bytes({1, 0, 0, 0}));
        EXPECT_EQ(bytesAt(after, f.position(f.row("GPS タグのバージョン")), 4),
                  Bytes({2, 2, 0, 0}));
        std::string date = "2010:01:02 03:04:05";
        Bytes expectedDate(date.begin(), date.end());
        expectedDate.push_back(0);
        EXPECT_EQ(bytesAt(after, f.position(f.row("ファイル変更日時")), 20), expectedDate);
        // Nothing else moved: the differences all lie in these values.
        size_t changed = differences(f.before, after).size();
        EXPECT_EQ(changed,
                  1u + 2 + 1 + 1 + 7);  // 6 → 1, 300 → 72, 3 → 2, 5 → 1, seven digits of the date
    }
}

TEST(OverwriteSave, MakerNoteRowsUseTheMakerNotesOrder) {
    fixture::Tiff tiff;
    tiff.order = Motorola;
    tiff.exif = fixture::Ifd{{fixture::shorts(0x8822, {2})}};
    tiff.makerNote = fixture::MakerNote{std::string("AOC\0II", 6), Intel,
                                        fixture::Ifd{{fixture::shorts(0x0001, {2})}}, std::nullopt};
    SaveFixture f(tiff);
    f.set(f.row("露出プログラム"), "1");
    f.set(f.row("PentaxMode"), "1");
    ASSERT_TRUE(f.save());
    Bytes after = f.after();
    EXPECT_EQ(bytesAt(after, f.position(f.row("露出プログラム")), 2), Bytes({0, 1}));
    EXPECT_EQ(bytesAt(after, f.position(f.row("PentaxMode")), 2), Bytes({1, 0}));
    EXPECT_EQ(differences(f.before, after).size(), 2u);
}

TEST(OverwriteSave, TypedValuesAreEncodedInTheEntrysOwnOrder) {
    const struct {
        uint16_t type;
        uint32_t count;
        ByteOrder order;
        const char* input;
        Bytes bytes;
    } cases[] = {
        {5, 2, Intel, "1/2 0/0", {1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {3, 3, Motorola, "7 8 65535", {0, 7, 0, 8, 0xFF, 0xFF}},
        {2, 4, Intel, "abcdef", {'a', 'b', 'c', 0}},
        {2, 8, Intel, "日本語", {0xE6, 0x97, 0xA5, 0xE6, 0x9C, 0xAC, 0, 0}},
        {10, 1, Motorola, "-1/3", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 3}},
        {9, 1, Intel, "-2", {0xFE, 0xFF, 0xFF, 0xFF}},
        {4, 1, Intel, "4294967295", {0xFF, 0xFF, 0xFF, 0xFF}},
        {1, 4, Motorola, "2 2 0 0", {2, 2, 0, 0}},
    };
    for (const auto& c : cases) {
        Entry entry;
        entry.ifd = IfdKind::Zeroth;
        entry.type = c.type;
        entry.count = c.count;
        entry.order = c.order;
        const InputResult result = encodeInput(entry, c.input, LongText::Cut);
        EXPECT_EQ(result.problem, Problem::None) << c.input;
        EXPECT_EQ(result.value.bytes, c.bytes) << c.input;
    }
}

TEST(OverwriteSave, UnchangedRowsAreNeverRewritten) {
    // Values whose cells cannot reproduce their bytes: trailing blanks, a second string after
    // the zero byte, no zero byte at all, a long cut list.
    fixture::Tiff tiff;
    std::vector<uint32_t> many(600, 65535);
    tiff.ifd0.entries = {fixture::ascii(0x010E, "blanks    "),
                         fixture::ascii(0x010F, std::string("one\0two", 7)),
                         fixture::ascii(0x0110, "ABCD", 4), fixture::shorts(0x0102, many),
                         fixture::ascii(0x0131, "edit me")};
    SaveFixture f(tiff);
    f.set(f.row("使用ソフトウェア名"), "edited");
    ASSERT_TRUE(f.save());
    auto changed = differences(f.before, f.after());
    const uint64_t software = f.position(f.row("使用ソフトウェア名"));
    ASSERT_FALSE(changed.empty());
    for (auto [offset, byte] : changed) {
        EXPECT_GE(offset, software);
        EXPECT_LT(offset, software + 8);
    }
}

TEST(OverwriteSave, LongChangedRowsAreWrittenWhole) {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::shorts(0x0102, std::vector<uint32_t>(1500, 1))};
    SaveFixture f(tiff);
    std::string content = "2";
    for (int i = 1; i < 1500; ++i)
        content += " 2";
    f.set(1, content);
    ASSERT_TRUE(f.save());
    Bytes after = f.after();
    EXPECT_EQ(differences(f.before, after).size(), 1500u);
    EXPECT_EQ(after[f.position(1) + 2998], 2);
}

TEST(OverwriteSave, RoundTripWithoutEditsLeavesFilesAndTimesAlone) {
    const std::vector<std::string> files = fixture::corpusFiles();
    fixture::TempDir dir;
    std::vector<std::pair<std::string, Bytes>> samples = {
        {"built.jpg", fixture::jpegWith(sampleTiff(Intel))}};
    for (const std::string& path : files)
        samples.emplace_back(path.substr(path.rfind('/') + 1), fixture::readFile(path));
    for (const auto& [name, bytes] : samples) {
        std::string path = dir.write(name, bytes);
        setOldTimes(path);
        TestWorkspace t;
        if (t.analyzePath(path) != 1) continue;
        t.workspace.settings.dateUp = 1;
        ASSERT_TRUE(t.workspace.save()) << name;
        EXPECT_EQ(fixture::readFile(path), bytes) << name;
        timespec mtime = modificationTime(path);
        EXPECT_EQ(mtime.tv_sec, 1100000000) << name;
        EXPECT_EQ(mtime.tv_nsec, 987654321) << name;
    }
}

TEST(OverwriteSave, DateUpKeepsTheTimesToTheNanosecond) {
    SaveFixture f(sampleTiff(Intel));
    f.set(f.row("画像方向"), "3");
    // The analysis's read may have moved the access time: the save puts back the times the
    // file had before it was read.
    ASSERT_TRUE(f.save());
    FileTimes after;
    ASSERT_EQ(getFileTimes(f.path, after), 1);
    EXPECT_EQ(after.modification.tv_sec, 1100000000);
    EXPECT_EQ(after.modification.tv_nsec, 987654321);
    EXPECT_EQ(after.access.tv_sec, 1000000000);
    EXPECT_EQ(after.access.tv_nsec, 123456789);

    // Without DateUp the write updates the modification time, and a second save of the
    // same analysis is still allowed: the save records what it wrote.
    f.t.workspace.settings.dateUp = 0;
    f.set(f.row("画像方向"), "4");
    ASSERT_TRUE(f.save());
    EXPECT_NE(modificationTime(f.path).tv_sec, 1100000000);
    f.set(f.row("画像方向"), "5");
    EXPECT_TRUE(f.save());
}

TEST(OverwriteSave, ExifDateAlignsDatesAndTimes) {
    setenv("TZ", "UTC0", 1);
    tzset();
    fixture::Tiff tiff = sampleTiff(Intel);
    tiff.exif = fixture::Ifd{{fixture::ascii(0x9003, "1999:01:01 00:00:00")}};
    SaveFixture f(tiff);
    f.t.workspace.settings.exifDate = 1;
    ASSERT_TRUE(f.save());
    EXPECT_EQ(f.t.cell(f.row("原画像データの生成日時"), Column::Content), "2004:05:06 07:08:09");
    EXPECT_EQ(modificationTime(f.path).tv_sec, 1083827289);  // 2004-05-06 07:08:09 UTC
    Bytes after = f.after();
    EXPECT_EQ(bytesAt(after, f.position(f.row("原画像データの生成日時")), 4),
              Bytes({'2', '0', '0', '4'}));

    // A blank file-change date changes neither the other dates nor the times.
    fixture::Tiff blank = sampleTiff(Intel);
    blank.ifd0.entries[2] = fixture::ascii(0x0132, "    :  :     :  :  ");
    blank.exif = fixture::Ifd{{fixture::ascii(0x9003, "1999:01:01 00:00:00")}};
    SaveFixture g(blank);
    g.t.workspace.settings.exifDate = 1;
    ASSERT_TRUE(g.save());
    EXPECT_EQ(g.t.cell(g.row("原画像データの生成日時"), Column::Content), "1999:01:01 00:00:00");
    EXPECT_EQ(g.after(), g.before);
    EXPECT_EQ(modificationTime(g.path).tv_sec, 1100000000);
    unsetenv("TZ");
    tzset();
}

TEST(OverwriteSave, SavesOnlyIntoTheAnalysedUnchangedFile) {
    SaveFixture f(sampleTiff(Intel));
    // Right after start-up nothing was analysed.
    TestWorkspace fresh;
    fresh.workspace.currentFile = f.path;
    EXPECT_FALSE(fresh.workspace.save());
    EXPECT_EQ(
        fresh.takeMessages(),
        (std::vector<Message>{{"ﾌｧｲﾙを開いてから、上書き保存を選択して下さい。", "message"}}));

    // Another path than the analysed one.
    std::string other = f.dir.write("other.jpg", f.before);
    f.set(f.row("画像方向"), "1");
    f.t.workspace.currentFile = other;
    EXPECT_FALSE(f.t.workspace.save());
    EXPECT_EQ(fixture::readFile(other), f.before);

    // The file changed since the analysis.
    Bytes changed = f.before;
    changed.back() ^= 1;
    fixture::writeFile(f.path, changed);
    EXPECT_FALSE(f.save());
    EXPECT_EQ(f.after(), changed);
    EXPECT_EQ(f.t.takeMessages().size(), 2u);

    // A name the analysis refused keeps the previous rows, which must not be saved into it.
    std::string refused = f.dir.write("refused.png", {'p', 'n', 'g'});
    EXPECT_EQ(f.t.analyzePath(refused), 0);
    EXPECT_FALSE(f.t.workspace.save());
    EXPECT_EQ(fixture::readFile(refused), (Bytes{'p', 'n', 'g'}));

    // A file without Exif information.
    Bytes plain = {0xFF, 0xD8, 0xFF, 0xDA, 0, 2, 0x11, 0x22};
    std::string noExif = f.dir.write("plain.jpg", plain);
    f.t.takeMessages();
    EXPECT_EQ(f.t.analyzePath(noExif), 0);
    EXPECT_FALSE(f.t.workspace.save());
    EXPECT_EQ(f.t.takeMessages().back().text, "ﾌｧｲﾙを開いてから、上書き保存を選択して下さい。");
}

bool failSecondWrite(uint64_t, size_t) {
    static int calls = 0;
    return ++calls != 2;
}

TEST(OverwriteSave, AFailedWriteStillWritesTheOthersAndReportsOnce) {
    SaveFixture f(sampleTiff(Intel));
    f.set(f.row("画像方向"), "1");
    f.set(f.row("画像の幅の解像度"), "72/1");
    f.set(f.row("画像の幅"), "9");
    setWriteFaultHook(failSecondWrite);
    EXPECT_FALSE(f.save());
    setWriteFaultHook(nullptr);
    EXPECT_EQ(f.t.takeMessages(),
              (std::vector<Message>{{"ﾌｧｲﾙの書き込みに失敗しました。", "message"}}));
    Bytes after = f.after();
    EXPECT_EQ(bytesAt(after, f.position(f.row("画像方向")), 2), Bytes({1, 0}));
    EXPECT_EQ(bytesAt(after, f.position(f.row("画像の幅の解像度")), 8),
              bytesAt(f.before, f.position(f.row("画像の幅の解像度")), 8));
    EXPECT_EQ(bytesAt(after, f.position(f.row("画像の幅")), 4), Bytes({9, 0, 0, 0}));
    EXPECT_EQ(modificationTime(f.path).tv_sec, 1100000000);  // times restored all the same
}

}  // namespace
}  // namespace brevino
