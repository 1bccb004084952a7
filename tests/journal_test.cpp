// Shifting dates, the journal of every change, and undo: the calendar arithmetic, a journal
// read back strictly, the files undo refuses to touch, and round trips over the corpus.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>

#include "batch/batch_run.h"
#include "batch/date_shift.h"
#include "journal/journal_text.h"
#include "journal/undo.h"
#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;

TEST(DateShift, CalendarArithmetic) {
    const struct {
        const char* date;
        const char* by;
        const char* shifted;  // nullptr: left alone
    } cases[] = {
        {"2023:01:31 23:00:00", "1:00", "2023:02:01 00:00:00"},         // month end
        {"2024:02:28 23:30:00", "+1:00", "2024:02:29 00:30:00"},        // leap year
        {"2023:02:28 23:30:00", "+1:00", "2023:03:01 00:30:00"},        // common year
        {"1900:03:01 00:00:00", "-1 00:00", "1900:02:28 00:00:00"},     // no leap day in 1900
        {"2000:03:01 00:00:00", "-1 00:00", "2000:02:29 00:00:00"},     // but in 2000
        {"2022:12:31 22:00:00", "+1 02:03:04", "2023:01:02 00:03:04"},  // year end
        {"2023:01:02 00:03:04", "-1 02:03:04", "2022:12:31 22:00:00"},  // and back
        {"2024:03:31 01:00:00", "-0:30", "2024:03:31 00:30:00"},
        {"2020:02:29 12:00:00", "+365 00:00", "2021:02:28 12:00:00"},
        {"    :  :     :  :  ", "+1:00", nullptr},  // unknown
        {"2023:02:29 10:00:00", "+1:00", nullptr},  // no such day
        {"2023:01:01 10:00", "+1:00", nullptr},     // cut short
        {"9999:12:31 23:30:00", "+1:00", nullptr},  // past year 9999
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.by);
        const std::optional<int64_t> by = parseDateShift(c.by);
        ASSERT_TRUE(by);
        const std::optional<std::string> shifted = shiftExifDate(c.date, *by);
        EXPECT_EQ(shifted.value_or("(none)"), c.shifted ? c.shifted : "(none)");
    }
    const struct {
        const char* text;
        std::optional<int64_t> seconds;
    } offsets[] = {
        {"+1 02:03:04", 93784},    {"-1 02:03:04", -93784},   {"1:00", 3600},
        {"-0:30", -1800},          {"100:00", 360000},        {"1:0", std::nullopt},
        {"1:60", std::nullopt},    {"", std::nullopt},        {"+1 ", std::nullopt},
        {"1:00:60", std::nullopt}, {"1 1:00 ", std::nullopt}, {"a:00", std::nullopt},
    };
    for (const auto& o : offsets)
        EXPECT_EQ(parseDateShift(o.text), o.seconds) << o.text;
    EXPECT_TRUE(parseZoneOffset("+09:00"));
    EXPECT_TRUE(parseZoneOffset("-05:30"));
    for (const char* bad : {"9:00", "+9:00", "+09:60", "+15:00", "09:00"})
        EXPECT_FALSE(parseZoneOffset(bad)) << bad;
}

Operation sampleOperation() {
    Operation operation;
    operation.id = 7;
    operation.kind = "batch";
    operation.title = "日付をずらす +1:00 %\n";
    operation.created = 1796660514;
    FileChange& change = operation.files.emplace_back();
    change.path = "/photos/a b%\n.jpg";
    change.identity.device = 2049;
    change.identity.inode = 12;
    change.identity.size = 5000;
    change.identity.modified = {1700000000, 5};
    change.times.access = {1700000001, 999999999};
    change.times.modification = change.identity.modified;
    change.values.push_back({300, {'2', '0'}, {'2', '1'}});
    change.newTimes = change.times;
    change.renameTo = "/photos/new.jpg";
    change.after = FileFacts{"/photos/new.jpg", 2049, 12, 5000, {1, 2}, {3, 4}};
    return operation;
}

TEST(Journal, ReadsBackWhatItWroteAndRefusesAnythingElse) {
    const Operation operation = sampleOperation();
    const std::string text = formatJournal(operation);
    const std::optional<Operation> read = parseJournal(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(formatJournal(*read), text);
    EXPECT_EQ(read->title, operation.title);
    EXPECT_EQ(read->files.at(0).path, operation.files[0].path);
    EXPECT_EQ(read->files.at(0).after->path, "/photos/new.jpg");

    auto replaced = [&](std::string_view from, std::string_view to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    const std::string refused[] = {
        text.substr(0, text.size() - 5),                       // cut short
        replaced("brevino journal 1", "brevino journal 2"),    // another version
        replaced("value 300 3230 3231", "value 300 3230 31"),  // sizes differ
        replaced("value 300 3230", "value 300 32x0"),          // no hexadecimal
        replaced("end\n", ""),                                 // record not closed
        replaced("rename ", "renamed "),                       // unknown line
        replaced("id 7", "id 0"),                              // no number
    };
    for (const std::string& bad : refused)
        EXPECT_FALSE(parseJournal(bad)) << bad;
}

// A folder of photos, a journal, and one batch run over them.
struct Journaled : ::testing::Test {
    fixture::TempDir dir;
    JournalStore store{dir.file("state")};

    std::string photo(const std::string& name, const std::string& date = "2004:05:06 07:08:09") {
        fixture::Tiff tiff;
        tiff.ifd0.entries = {fixture::ascii(0x010E, "title", 10), fixture::ascii(0x0132, date)};
        tiff.exif = fixture::Ifd{{fixture::ascii(0x9003, date)}};
        return dir.write(name, fixture::jpegWith(tiff));
    }
    Operation run(std::vector<std::string>& files, const char* operation, const char* value) {
        BatchRun batch;
        EXPECT_TRUE(batch.start(files, operation, value, BatchSettings{}, &store));
        while (!batch.step().ended) {
        }
        return *store.load(batch.operationId());
    }
};

TEST_F(Journaled, UndoLeavesFilesChangedSinceAndTakesBackTheRest) {
    std::vector<std::string> files = {photo("a.jpg"), photo("b.jpg"), photo("c.jpg"),
                                      photo("d.jpg"), photo("e.jpg")};
    std::map<std::string, Bytes> before;
    for (const std::string& file : files)
        before[file] = fixture::readFile(file);
    run(files, "shift-dates", "+1:00");

    // b edited by another program (same size); c replaced by another file; d removed.
    Bytes edited = fixture::readFile(files[1]);
    edited[edited.size() - 3] ^= 1;
    fixture::writeFile(files[1], edited);
    const std::string other = dir.write("other.jpg", fixture::readFile(files[2]));
    ASSERT_EQ(::rename(other.c_str(), files[2].c_str()), 0);
    const Bytes replaced = fixture::readFile(files[2]);
    ASSERT_EQ(::unlink(files[3].c_str()), 0);

    const UndoOutcome undone = undoOperation(store);
    EXPECT_EQ(undone.problem, Problem::None);
    EXPECT_EQ(undone.restored, 2u);  // a and e
    std::map<std::string, Problem> reports;
    for (const FileReport& report : undone.reports)
        reports[report.path] = report.problem;
    EXPECT_EQ(reports,
              (std::map<std::string, Problem>{{files[1], Problem::ChangedSinceOperation},
                                              {files[2], Problem::ChangedSinceOperation},
                                              {files[3], Problem::ChangedSinceOperation}}));
    EXPECT_EQ(fixture::readFile(files[0]), before[files[0]]);
    EXPECT_EQ(fixture::readFile(files[4]), before[files[4]]);
    EXPECT_EQ(fixture::readFile(files[1]), edited);
    EXPECT_EQ(fixture::readFile(files[2]), replaced);

    // Undoing the undo does the operation again, for the files the undo took back.
    const Bytes restored = fixture::readFile(files[0]);
    EXPECT_EQ(undoOperation(store).restored, 2u);
    EXPECT_NE(fixture::readFile(files[0]), restored);
}

TEST_F(Journaled, RenamesGoBackWithoutReplacingAndACrashedRunIsTakenBack) {
    std::vector<std::string> files = {photo("x.jpg"), photo("y.jpg", "2005:01:01 00:00:00")};
    Operation renamed = run(files, "rename-by-change-date", "");
    ASSERT_EQ(files[0], dir.file("2004：05：06 07：08：09.jpg"));
    // Another file took y's old name meanwhile: y keeps its new name, reported.
    const Bytes taken = {1, 2, 3};
    fixture::writeFile(dir.file("y.jpg"), taken);
    const UndoOutcome undone = undoOperation(store, renamed.id);
    EXPECT_TRUE(pathExists(dir.file("x.jpg")));
    EXPECT_TRUE(pathExists(files[1]));
    EXPECT_EQ(fixture::readFile(dir.file("y.jpg")), taken);
    ASSERT_EQ(undone.reports.size(), 1u);
    EXPECT_EQ(undone.reports[0].problem, Problem::NameTakenForUndo);

    // A run that stopped after its first file, as a crash leaves it: the journal written
    // before the first write, without what the run did. Undo takes back the file written
    // and leaves the one never reached.
    std::vector<std::string> more = {photo("p.jpg"), photo("q.jpg")};
    const Bytes p = fixture::readFile(more[0]);
    const Bytes q = fixture::readFile(more[1]);
    BatchRun batch;
    ASSERT_TRUE(batch.start(more, "shift-dates", "-2 00:00", BatchSettings{}, &store));
    const uint64_t id = batch.operationId();
    batch.step();  // p written; the process dies here
    ASSERT_NE(fixture::readFile(more[0]), p);
    const UndoOutcome recovered = undoOperation(store, id);
    EXPECT_TRUE(recovered.reports.empty());
    EXPECT_EQ(fixture::readFile(more[0]), p);
    EXPECT_EQ(fixture::readFile(more[1]), q);

    // Unknown operations and empty stores are told, not guessed.
    EXPECT_EQ(undoOperation(store, 999).problem, Problem::JournalUnreadable);
    JournalStore empty(dir.file("nothing"));
    EXPECT_EQ(undoOperation(empty).problem, Problem::NothingToUndo);
}

TEST(JournalCorpus, ShiftBackAndUndoGiveEveryByteAndTimeBack) {
    const std::vector<std::string> sources = fixture::corpusFiles();
    if (sources.empty()) GTEST_SKIP() << "no corpus";
    fixture::TempDir dir;
    JournalStore store(dir.file("state"));
    std::vector<std::string> files;
    for (size_t i = 0; i < sources.size(); ++i)
        files.push_back(dir.write("p" + std::to_string(i) + ".jpg", fixture::readFile(sources[i])));
    std::map<std::string, Bytes> bytes;
    for (const std::string& file : files)
        bytes[file] = fixture::readFile(file);
    auto run = [&](const char* operation, const char* value) {
        BatchRun batch;
        ASSERT_TRUE(batch.start(files, operation, value, BatchSettings{}, &store));
        while (!batch.step().ended) {
        }
    };
    auto unchanged = [&] {
        for (const std::string& file : files)
            EXPECT_EQ(fixture::readFile(file), bytes[file]) << file;
    };
    run("shift-dates", "+1 02:03:04");
    run("shift-dates", "-1 02:03:04");
    unchanged();
    // The times as they are now (reading the files above may have moved their access times).
    std::map<std::string, struct stat> times;
    for (const std::string& file : files)
        ASSERT_EQ(::stat(file.c_str(), &times[file]), 0);
    run("shift-dates", "+1 02:03:04");
    ASSERT_EQ(undoOperation(store).problem, Problem::None);
    for (const std::string& file : files) {
        struct stat now {};
        ASSERT_EQ(::stat(file.c_str(), &now), 0);
        EXPECT_EQ(now.st_mtim.tv_nsec, times[file].st_mtim.tv_nsec) << file;
        EXPECT_EQ(now.st_mtim.tv_sec, times[file].st_mtim.tv_sec) << file;
        EXPECT_EQ(now.st_atim.tv_nsec, times[file].st_atim.tv_nsec) << file;
    }
    unchanged();
    const std::vector<std::string> names = files;
    run("rename-by-original-date", "");
    EXPECT_NE(files, names);
    ASSERT_EQ(undoOperation(store).problem, Problem::None);
    for (const std::string& file : names)
        EXPECT_TRUE(pathExists(file)) << file;
    unchanged();
}

}  // namespace
}  // namespace brevino
