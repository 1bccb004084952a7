#include <sys/stat.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include <unistd.h>

#include "batch/batch_run.h"
#include "batch/name_dates.h"
#include "batch/renaming.h"
#include "platform/file_io.h"
#include "platform/file_times.h"
#include "run_process.h"
#include "tags/tag_roles.h"
#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::Message;
using testing::TestWorkspace;

fixture::Tiff datedTiff(const std::string& changeDate,
                        const std::string& original = "2001:02:03 04:05:06") {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::shorts(0x0100, {640}), fixture::rationals(0x011A, {{72, 1}}),
                         fixture::ascii(0x010E, "title", 10), fixture::ascii(0x0132, changeDate)};
    tiff.exif = fixture::Ifd{{fixture::ascii(0x9003, original), fixture::ascii(0x9004, original)}};
    return tiff;
}

// Every file of a folder with its contents, to show that nothing was lost or replaced.
std::map<std::string, Bytes> folderContents(const std::string& folder) {
    std::map<std::string, Bytes> contents;
    auto listing = testing::runProcess({"/bin/ls", "-A", folder});
    size_t start = 0;
    for (size_t end; (end = listing.out.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string name = listing.out.substr(start, end - start);
        contents[name] = fixture::readFile(folder + "/" + name);
    }
    return contents;
}

std::multiset<std::string> contentsOnly(const std::map<std::string, Bytes>& contents) {
    std::multiset<std::string> result;
    for (const auto& [name, bytes] : contents)
        result.emplace(bytes.begin(), bytes.end());
    return result;
}

// "<prefix><number>.jpg"
std::string numberedName(const char* prefix, size_t number) {
    std::string name = prefix;
    name.append(std::to_string(number)).append(".jpg");
    return name;
}

struct Batch : ::testing::Test {
    fixture::TempDir dir;
    TestWorkspace t;
    std::string add(const std::string& name, const Bytes& bytes) {
        std::string path = dir.write(name, bytes);
        t.workspace.fileList.push_back(path);
        return path;
    }
    std::vector<BatchRun::Step> run(std::string_view operation, std::string_view value = "") {
        BatchRun batch;
        std::vector<BatchRun::Step> steps;
        if (!batch.start(t.workspace.fileList, operation, value, {})) return steps;
        for (;;) {
            steps.push_back(batch.step());
            if (steps.back().ended) break;
        }
        return steps;
    }
    std::string contentOf(const std::string& path, std::string_view tag) {
        TestWorkspace check;
        EXPECT_EQ(check.analyzePath(path), 1) << path;
        return check.cell(check.findRow(tag), Column::Content);
    }
};

TEST_F(Batch, RenameByDateNumbersDuplicatesAndIsIdempotent) {
    add("b.jpg", fixture::jpegWith(datedTiff("2004:05:06 07:08:09")));
    add("a.jpg", fixture::jpegWith(datedTiff("2004:05:06 07:08:09", "2000:01:01 00:00:00")));
    add("c.jpg", fixture::jpegWith(datedTiff("2010:10:10 10:10:10")));
    add("broken.jpg", {0xFF, 0xD8, 0x00});
    const auto before = contentsOnly(folderContents(dir.path()));
    t.workspace.currentFile = t.workspace.fileList[1];

    auto steps = run(kBatchOperations[0].label);
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_EQ(*steps[0].renamedTo, dir.file("2004：05：06 07：08：09.jpg"));
    EXPECT_EQ(*steps[1].renamedTo, dir.file("2004：05：06 07：08：09(2).jpg"));
    EXPECT_EQ(*steps[2].renamedTo, dir.file("2010：10：10 10：10：10.jpg"));
    EXPECT_FALSE(steps[3].renamedTo.has_value());
    EXPECT_EQ(t.workspace.fileList[1],
              dir.file("2004：05：06 07：08：09(2).jpg"));  // replaced in place
    EXPECT_EQ(contentsOnly(folderContents(dir.path())), before);

    // Running again keeps every name.
    const auto named = folderContents(dir.path());
    steps = run(kBatchOperations[0].label);
    for (const auto& step : steps)
        EXPECT_FALSE(step.renamedTo.has_value());
    EXPECT_EQ(folderContents(dir.path()), named);

    // By the original date instead.
    steps = run(kBatchOperations[1].label);
    EXPECT_EQ(*steps[0].renamedTo, dir.file("2001：02：03 04：05：06.jpg"));
    EXPECT_EQ(*steps[1].renamedTo, dir.file("2000：01：01 00：00：00.jpg"));
    EXPECT_EQ(contentsOnly(folderContents(dir.path())), before);
}

TEST_F(Batch, NamesFromExifNeverLeaveTheFolder) {
    for (std::string date : {"../../escape", "a/b", "..", "."}) {
        add(numberedName("x", t.workspace.fileList.size()), fixture::jpegWith(datedTiff(date)));
    }
    const auto before = folderContents(dir.path());
    auto steps = run(kBatchOperations[0].label);
    for (const auto& step : steps)
        EXPECT_FALSE(step.renamedTo.has_value());
    EXPECT_EQ(folderContents(dir.path()), before);
}

TEST_F(Batch, UniqueNamesAndTheirLimits) {
    std::string path = dir.write("photo.jpg", {1});
    EXPECT_EQ(makeUniqueName(path, "name"), dir.file("name.jpg"));
    fixture::writeFile(dir.file("name.jpg"), {2});
    EXPECT_EQ(makeUniqueName(path, "name"), dir.file("name(2).jpg"));
    for (int n = 2; n <= 100; ++n)
        fixture::writeFile(dir.file("name(" + std::to_string(n) + ").jpg"), {3});
    EXPECT_EQ(makeUniqueName(path, "name"), std::nullopt);
    EXPECT_EQ(makeUniqueName(dir.file("name(57).jpg"), "name"), dir.file("name(57).jpg"));
    EXPECT_EQ(makeUniqueName(dir.file("gone.jpg"), "name"), std::nullopt);
    EXPECT_EQ(makeUniqueName(path, ""), std::nullopt);
    // A rename never replaces a file, whoever made it.
    EXPECT_FALSE(renameNoReplace(path, dir.file("name.jpg")));
    EXPECT_EQ(fixture::readFile(dir.file("name.jpg")), Bytes{2});

    EXPECT_EQ(baseNameOf("/a.b/c/IMG_0001.JPG"), "IMG_0001");
    EXPECT_EQ(baseNameOf("/a/b.c.d"), "b.c");
    std::string text = "2004:05:06 07:08:09";
    replaceAll(text, ":", "：");
    EXPECT_EQ(text, "2004：05：06 07：08：09");
}

TEST_F(Batch, FileNameIntoDatesAndTitle) {
    std::string dated =
        add("2004：05：06 07：08：09.jpg", fixture::jpegWith(datedTiff("1999:01:01 00:00:00")));
    std::string titled =
        add("日本の写真タイトル.jpg", fixture::jpegWith(datedTiff("1999:01:01 00:00:00")));
    const Bytes titledBefore = fixture::readFile(titled);
    auto steps = run(kBatchOperations[2].label);
    // The name's date goes back into every date row; a name without one is reported.
    EXPECT_EQ(contentOf(dated, "ファイル変更日時"), "2004:05:06 07:08:09");
    EXPECT_EQ(contentOf(dated, "原画像データの生成日時"), "2004:05:06 07:08:09");
    EXPECT_EQ(steps[0].outcome, BatchRun::Outcome::Done);
    EXPECT_EQ(steps[1].outcome, BatchRun::Outcome::Failed);
    EXPECT_EQ(steps[1].reports.front().problem, Problem::NoDateInName);
    EXPECT_EQ(fixture::readFile(titled), titledBefore);
    run(kBatchOperations[4].label);
    EXPECT_EQ(contentOf(titled, "画像タイトル"),
              "日本の");  // count 10: nine bytes, three characters

    // A file without a title row is left alone.
    fixture::Tiff untitled = datedTiff("1999:01:01 00:00:00");
    untitled.ifd0.entries.erase(untitled.ifd0.entries.begin() + 2);
    t.workspace.fileList = {dir.write("plain.jpg", fixture::jpegWith(untitled))};
    const Bytes before = fixture::readFile(t.workspace.fileList[0]);
    run(kBatchOperations[4].label);
    EXPECT_EQ(fixture::readFile(t.workspace.fileList[0]), before);
}

TEST(NameDates, DatesAreReadFromTheFormsPeopleMeet) {
    const struct {
        const char* name;
        const char* date;  // nullptr: no date
    } cases[] = {
        {"2004：05：06 07：08：09", "2004:05:06 07:08:09"},
        {"2004：05：06 07：08：09(2)", "2004:05:06 07:08:09"},
        {"2004:05:06 07:08:09", "2004:05:06 07:08:09"},
        {"IMG_20220814_141231", "2022:08:14 14:12:31"},
        {"PXL_20220814_141231123", "2022:08:14 14:12:31"},
        {"VID-20220814-141231", "2022:08:14 14:12:31"},
        {"Screenshot 2022-08-14 at 14.12.31", nullptr},
        {"2022-08-14 14.12.31", "2022:08:14 14:12:31"},
        {"Photo 2022-08-14_14-12-31 edit", "2022:08:14 14:12:31"},
        {"2022-08-14T14:12:31", "2022:08:14 14:12:31"},
        {"2022-08-14 14.12-31", nullptr},  // mixed separators
        {"holiday", nullptr},
        {"2003：12：04 06", nullptr},      // cut short
        {"IMG_20220230_101010", nullptr},  // no 30 February
        {"IMG_20220814_246060", nullptr},
        {"0000：00：00 00：00：00", nullptr},
        {"1600-12-31 23.59.59", nullptr},
        {"x120220814_141231", nullptr},  // inside a longer number
        {"20220814_999999 then 20220815_101010", "2022:08:15 10:10:10"},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> date = exifDateFromName(c.name);
        if (c.date == nullptr) {
            EXPECT_EQ(date, std::nullopt) << c.name;
        } else {
            EXPECT_EQ(date, std::optional<std::string>(c.date)) << c.name;
        }
    }
}

TEST_F(Batch, AlignTimesSetsTimesWithoutWritingContent) {
    setenv("TZ", "UTC0", 1);
    tzset();
    std::string path = add("a.jpg", fixture::jpegWith(datedTiff("2004:05:06 07:08:09")));
    const Bytes before = fixture::readFile(path);
    run(kBatchOperations[3].label);
    EXPECT_EQ(fixture::readFile(path), before);
    struct stat info {};
    stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mtim.tv_sec, 1083827289);
    unsetenv("TZ");
    tzset();
}

TEST_F(Batch, TagSettingSetsOnlyTheNamedRowAndKeepsTheTimes) {
    std::string path = add("a.jpg", fixture::jpegWith(datedTiff("2004:05:06 07:08:09")));
    FileTimes old;
    old.access = {1000000000, 5};
    old.modification = {1000000001, 6};
    setFileTimes(path, old);
    run("画像の幅の解像度", "300/1");
    EXPECT_EQ(contentOf(path, "画像の幅の解像度"), "300/1");
    EXPECT_EQ(contentOf(path, "画像の幅"), "640");
    struct stat info {};
    stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mtim.tv_sec, 1000000001);
    EXPECT_EQ(info.st_mtim.tv_nsec, 6);
    // The editor's rules hold: a refused value leaves the file as it is and fails it.
    const Bytes before = fixture::readFile(path);
    for (auto [name, value] : {std::pair{"画像の幅の解像度", "72"},
                               {"画像の幅", "-5"},
                               {"0x8769", "5"},
                               {"ファイル変更日時", "yesterday"},
                               {"画像タイトル", "ten bytes!"}}) {  // 9 fit: never cut silently
        auto steps = run(name, value);
        EXPECT_EQ(steps[0].outcome, BatchRun::Outcome::Failed) << name;
        // A row that cannot be edited says why, too.
        EXPECT_EQ(steps[0].reports.size(), std::string_view(name) == "0x8769" ? 2u : 1u) << name;
        EXPECT_EQ(fixture::readFile(path), before) << name;
    }
    // The prompt text itself names no tag: nothing changes.
    EXPECT_EQ(run(batchPromptText(), "x")[0].outcome, BatchRun::Outcome::Skipped);
    EXPECT_EQ(fixture::readFile(path), before);
}

TEST_F(Batch, PlanningWritesNothingAndNamesTheFirstFileThatRefusesTheValue) {
    fixture::Tiff roomyTiff = datedTiff("2004:05:06 07:08:09");
    roomyTiff.ifd0.entries[2] = fixture::ascii(0x010E, "x", 40);
    const std::string roomy = add("a.jpg", fixture::jpegWith(roomyTiff));
    const std::string tight = add("b.jpg", fixture::jpegWith(datedTiff("2004:05:06 07:08:09")));
    const Bytes before = fixture::readFile(roomy);
    struct Case {
        const char* operation;
        const char* value;
        std::optional<Problem> refused;  // and the file that refuses it
        size_t changed;
    } cases[] = {
        {"画像タイトル", "fits both", std::nullopt, 2},
        {"画像タイトル", "too long for b", Problem::TooLong, 0},
        {"画像の幅", "70000", Problem::OutOfRange, 0},
        {"ファイル変更日時", "soon", Problem::DateForm, 0},
        {kBatchOperations[3].label.data(), "", std::nullopt, 2},
    };
    for (const Case& c : cases) {
        BatchRun batch;
        ASSERT_TRUE(batch.plan(t.workspace.fileList, c.operation, c.value, {})) << c.operation;
        EXPECT_EQ(batch.state(), BatchRun::State::Idle);
        const auto refusal = batch.refusedValue();
        EXPECT_EQ(refusal.has_value(), c.refused.has_value()) << c.operation << c.value;
        if (refusal && c.refused) {
            EXPECT_EQ(refusal->report.problem, *c.refused);
            EXPECT_EQ(refusal->path, c.refused == Problem::TooLong ? tight : roomy);
        }
        if (!c.refused) {
            EXPECT_EQ(batch.changedFiles(), c.changed) << c.operation;
        }
    }
    EXPECT_EQ(fixture::readFile(roomy), before);
}

TEST_F(Batch, ProgressAndReports) {
    for (int i = 0; i < 3; ++i)
        add(numberedName("f", i), fixture::jpegWith(datedTiff("bad date")));
    add("missing.jpg", {});
    std::remove(t.workspace.fileList.back().c_str());
    auto steps = run("ExifDate=0");
    ASSERT_EQ(steps.size(), 5u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(steps[i].done, i + 1);
        EXPECT_EQ(steps[i].total, 4u);
        EXPECT_FALSE(steps[i].ended);
    }
    EXPECT_TRUE(steps[4].ended);
    EXPECT_EQ(steps[3].outcome, BatchRun::Outcome::Failed);
    ASSERT_EQ(steps[3].reports.size(), 1u);
    EXPECT_EQ(steps[3].reports[0].problem, Problem::AnalysisOpenError);
    EXPECT_TRUE(t.takeMessages().empty());  // a run tells nobody itself
    EXPECT_EQ(progressCaption(1, 3), "1 / 3 file completion.");
}

TEST_F(Batch, StartNeedsAnOperationAndFilesAndStopEndsBetweenFiles) {
    BatchRun batch;
    EXPECT_FALSE(batch.start(t.workspace.fileList, "画像タイトル", "x", {}));  // no files
    std::string first = add("1.jpg", fixture::jpegWith(datedTiff("2004:05:06 07:08:09")));
    std::string second = add("2.jpg", fixture::jpegWith(datedTiff("2004:05:06 07:08:09")));
    EXPECT_FALSE(batch.start(t.workspace.fileList, "", "x", {}));
    EXPECT_EQ(batch.state(), BatchRun::State::Idle);
    const Bytes secondBefore = fixture::readFile(second);
    ASSERT_TRUE(batch.start(t.workspace.fileList, "画像タイトル", "changed", {}));
    EXPECT_EQ(batch.state(), BatchRun::State::Running);
    batch.step();
    batch.stop();
    EXPECT_EQ(batch.state(), BatchRun::State::Idle);
    EXPECT_TRUE(batch.step().ended);
    EXPECT_EQ(contentOf(first, "画像タイトル"), "changed");
    EXPECT_EQ(fixture::readFile(second), secondBefore);
    EXPECT_EQ(batchOperationFor(kBatchOperations[3].label), BatchOperation::AlignTimes);
    EXPECT_EQ(batchOperationFor("align-times"), BatchOperation::AlignTimes);
    EXPECT_EQ(batchOperationFor("anything"), BatchOperation::SetTag);
}

TEST(BatchCorpus, RenameCopiesOfTheCorpusLosesNothing) {
    std::vector<std::string> files = fixture::corpusFiles();
    if (files.empty()) GTEST_SKIP() << "no corpus";
    fixture::TempDir dir;
    TestWorkspace t;
    for (size_t i = 0; i < files.size(); ++i) {
        std::string path = dir.write(numberedName("c", i), fixture::readFile(files[i]));
        t.workspace.fileList.push_back(path);
        if (i < 5)
            t.workspace.fileList.push_back(
                dir.write(numberedName("d", i), fixture::readFile(files[i])));
    }
    const auto before = contentsOnly(folderContents(dir.path()));
    for (int pass = 0; pass < 2; ++pass) {
        BatchRun batch;
        ASSERT_TRUE(batch.start(t.workspace.fileList, kBatchOperations[0].label, "", {}));
        while (!batch.step().ended) {
        }
        EXPECT_EQ(contentsOnly(folderContents(dir.path())), before);
    }
    EXPECT_TRUE(pathExists(dir.file("2008：07：31 10：38：11(2).jpg")));
}

TEST(BatchCorpus, RenameByDateThenNameToDatesGivesTheDatesBack) {
    std::vector<std::string> files = fixture::corpusFiles();
    if (files.empty()) GTEST_SKIP() << "no corpus";
    fixture::TempDir dir;
    struct Copy {
        std::string path;
        Bytes bytes;
        std::string date;                              // its original date, as analysed
        std::vector<std::pair<size_t, size_t>> keep;   // date rows that held that date
        std::vector<std::pair<size_t, size_t>> dates;  // every date row
    };
    std::vector<Copy> copies;
    std::vector<std::string> arguments = {"batch", "rename-by-original-date"};
    for (size_t i = 0; i < files.size(); ++i) {
        Copy copy{dir.write(numberedName("c", i), fixture::readFile(files[i])), {}, {}, {}, {}};
        copy.bytes = fixture::readFile(copy.path);
        TestWorkspace t;
        if (t.analyzePath(copy.path) != 1) continue;
        const long original = t.findRow("原画像データの生成日時");
        if (original < 0) continue;
        copy.date = t.cell(original, Column::Content);
        for (size_t r = 0; r < t.rows().size(); ++r) {
            if (t.rows().isHeading(r)) continue;
            const Entry& entry = t.entry(r);
            if (!tags::isDate(entry.ifd, entry.tag)) continue;
            const std::pair<size_t, size_t> range{entry.position, entry.count};
            copy.dates.push_back(range);
            if (t.cell(r, Column::Content) == copy.date) copy.keep.push_back(range);
        }
        arguments.push_back(copy.path);
        copies.push_back(std::move(copy));
    }
    ASSERT_GT(copies.size(), 40u);
    const auto renamed = testing::runCli(arguments, {"XDG_CONFIG_HOME=" + dir.file("cfg")});
    std::vector<std::string> names = {"batch", "name-to-dates"};
    for (size_t start = 0, end; (end = renamed.out.find('\n', start)) != std::string::npos;
         start = end + 1)
        names.push_back(renamed.out.substr(start, end - start));
    ASSERT_EQ(names.size(), copies.size() + 2) << renamed.err;
    testing::runCli(names, {"XDG_CONFIG_HOME=" + dir.file("cfg")});
    for (size_t i = 0; i < copies.size(); ++i) {
        const Copy& copy = copies[i];
        Bytes after = fixture::readFile(names[i + 2]);
        ASSERT_EQ(after.size(), copy.bytes.size()) << copy.path;
        // Date rows that held the original date are byte for byte what they were; other
        // date rows may now hold it; nothing else changed.
        Bytes expected = copy.bytes;
        for (auto [position, count] : copy.dates) {
            bool kept = false;
            for (auto range : copy.keep)
                kept = kept || range.first == position;
            if (!kept)
                std::copy_n(after.begin() + static_cast<long>(position), count,
                            expected.begin() + static_cast<long>(position));
        }
        EXPECT_EQ(after, expected) << copy.path << " " << copy.date;
    }
}

TEST(BatchCli, RunsTheOperationOverTheFiles) {
    fixture::TempDir dir;
    std::string a = dir.write("a.jpg", fixture::jpegWith(datedTiff("2004:05:06 07:08:09")));
    std::string b = dir.write("b.jpg", fixture::jpegWith(datedTiff("2004:05:06 07:08:09")));
    const std::vector<std::string> env = {"XDG_CONFIG_HOME=" + dir.file("cfg")};
    auto result = testing::runCli({"batch", "rename-by-change-date", a, b}, env);
    EXPECT_EQ(result.status, 0);
    const std::string first = dir.file("2004：05：06 07：08：09.jpg");
    const std::string second = dir.file("2004：05：06 07：08：09(2).jpg");
    EXPECT_EQ(result.out, first + "\n" + second + "\n");
    EXPECT_EQ(result.err,
              a + ": Batch Convert: 1 / 2 file completion.\n" + b +
                  ": Batch Convert: 2 / 2 file completion.\nmessage: 一括変換完了しました。\n");
    EXPECT_EQ(testing::runCli({"batch", "画像タイトル", first}).status, 2);  // needs --value
    // An unknown tag is a usage error before any file is touched.
    const Bytes before = fixture::readFile(first);
    EXPECT_EQ(testing::runCli({"batch", "--value", "x", "0x9999", first}).status, 2);
    EXPECT_EQ(testing::runCli({"batch", "--value", "x", "gps:画像タイトル", first}).status, 2);
    EXPECT_EQ(fixture::readFile(first), before);
    // A value too long for the field fails the file, unless --truncate cuts it.
    result = testing::runCli({"batch", "--value", "much too long", "0th:0x010E", first});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(first + ": message: 値が長すぎます。(9 ﾊﾞｲﾄまで)\n"),
              std::string::npos);
    result = testing::runCli({"batch", "--truncate", "--value", "new value!", "0th:0x010E", first});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(testing::runCli({"show", "--tsv", first}).out.find("\t画像タイトル\tnew value\t"),
              std::string::npos);
    result = testing::runCli({"batch", "--value", "new", "0th:0x010E", first});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(testing::runCli({"show", "--tsv", first}).out.find("\t画像タイトル\tnew\t"),
              std::string::npos);
    // A file refused for a text too long for its field is listed at the end with the field's
    // length, as the run first reported it.
    result = testing::runCli({"batch", "--value", "far too long", "0th:0x010E", first});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.ends_with(first + ": message: 値が長すぎます。(9 ﾊﾞｲﾄまで)\n"))
        << result.err;

    // Files that could not be processed are reported and fail the run; files that lack the
    // row are skipped, and listed only with --verbose.
    fixture::Tiff untitled;
    untitled.ifd0.entries = {fixture::ascii(0x0132, "2004:05:06 07:08:09")};
    std::string plain = dir.write("plain.jpg", fixture::jpegWith(untitled));
    mkdir(dir.file("folder.jpg").c_str(), 0700);
    // The run ends with how many files were changed and which were not, and why; --verbose
    // also tells each skipped file as the run passes it.
    result = testing::runCli({"batch", "--value", "x", "画像タイトル", plain}, env);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(
        result.err.ends_with("message: 0 個のﾌｧｲﾙを変更しました。1 個は変更しませんでした。\n" +
                             plain + ": skipped: no such row\n"))
        << result.err;
    EXPECT_EQ(result.err.find("一括変換完了しました。"), std::string::npos);
    result = testing::runCli({"batch", "--verbose", "--value", "x", "画像タイトル", plain}, env);
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.err.find("file completion.\n" + plain + ": skipped: no such row\n"),
              std::string::npos);
    chmod(second.c_str(), 0444);
    result = testing::runCli({"batch", "--value", "y", "画像タイトル", dir.file("none.jpg"),
                              dir.file("folder.jpg"), second},
                             env);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(dir.file("none.jpg") + ": brevino-cli: not a regular file\n"),
              std::string::npos);
    if (geteuid() != 0) {  // root writes read-only files all the same
        EXPECT_NE(result.err.find(second + ": message: ﾌｧｲﾙを開けません。\n"), std::string::npos);
        EXPECT_EQ(result.err.find("ﾌｧｲﾙｽﾀﾝﾌﾟ設定に失敗しました。"), std::string::npos);
    }
}

}  // namespace
}  // namespace brevino
