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
        {"+49:00", 176400},        {"1 23:59", 172740},       {"1 24:00", std::nullopt},
    };
    for (const auto& o : offsets)
        EXPECT_EQ(parseDateShift(o.text), o.seconds) << o.text;
    EXPECT_TRUE(parseZoneOffset("+09:00"));
    EXPECT_TRUE(parseZoneOffset("-05:30"));
    for (const char* bad : {"9:00", "+9:00", "+09:60", "+15:00", "09:00"})
        EXPECT_FALSE(parseZoneOffset(bad)) << bad;
}

// An operation with one file record of each shape of change.
Operation sampleOperation() {
    Operation operation;
    operation.id = 7;
    operation.kind = OperationKind::Batch;
    operation.title = "日付をずらす +1:00 %\n";
    operation.started = 1796660514;
    operation.target = 3;
    auto file = [&](const char* path) -> FileChange& {
        FileChange& change = operation.files.emplace_back();
        change.path = path;
        change.identity.device = 2049;
        change.identity.inode = 12;
        change.identity.size = 5000;
        change.identity.modified = {1700000000, 5};
        change.times.access = {1700000001, 999999999};
        change.times.modification = change.identity.modified;
        return change;
    };
    FileChange& values = file("/photos/a b%\n.jpg");  // values and new times
    values.values.push_back({300, {'2', '0'}, {'2', '1'}});
    values.values.push_back({4000000000, {0}, {255}});
    values.newTimes = values.times;
    values.after = FileFacts{"/photos/a b%\n.jpg", 2049, 12, 5000, {1, 2}, {3, 4}, 0};
    FileChange& renamed = file("/photos/b.jpg");  // a new name
    renamed.renameTo = "/photos/2004：05：06 07：08：09.jpg";
    renamed.after = FileFacts{*renamed.renameTo, 2049, 12, 5000, {1, 2}, {3, 4}, 0};
    FileChange& made = file("/photos/c_out.jpg");  // a file made, with its checksum
    made.made = true;
    made.after = FileFacts{"/photos/c_out.jpg", 2049, 13, 77, {5, 6}, {7, 8}, 0xFFFFFFFFFFFFFFFF};
    FileChange& removed = file("/photos/d_out.jpg");  // a file removed, kept
    removed.remove = true;
    removed.keptAs = "/state/000007-3.kept";
    FileChange& restored = file("/photos/e_out.jpg");  // a file put back
    restored.restore = true;
    restored.keptAs = "/state/000005-0.kept";
    return operation;
}

TEST(Journal, ReadsBackEveryShapeOfChangeAndRefusesAnythingElse) {
    const Operation operation = sampleOperation();
    const std::string text = formatJournal(operation);
    const std::optional<Operation> read = parseJournal(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(formatJournal(*read), text);
    EXPECT_EQ(read->kind, OperationKind::Batch);
    EXPECT_EQ(read->target, 3u);
    EXPECT_EQ(read->started, 1796660514);
    ASSERT_EQ(read->files.size(), 5u);
    EXPECT_EQ(read->files[0].values.at(1).position, 4000000000u);
    EXPECT_EQ(read->files[1].renameTo, operation.files[1].renameTo);
    EXPECT_TRUE(read->files[2].made);
    EXPECT_EQ(read->files[2].after->checksum, 0xFFFFFFFFFFFFFFFF);
    EXPECT_TRUE(read->files[3].remove && !read->files[3].restore);
    EXPECT_EQ(read->files[3].keptAs, "/state/000007-3.kept");
    EXPECT_TRUE(read->files[4].restore && !read->files[4].remove);
    // The head alone: what the list and the history need, without the files' records.
    const std::optional<Operation> head = parseJournal(text, true);
    ASSERT_TRUE(head);
    EXPECT_EQ(head->title, operation.title);
    EXPECT_EQ(head->files.size(), 5u);

    auto replaced = [&](std::string_view from, std::string_view to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    const std::string refused[] = {
        text.substr(0, text.size() - 5),                       // cut short
        replaced("brevino journal 2", "brevino journal 3"),    // another version
        replaced("value 300 3230 3231", "value 300 3230 31"),  // sizes differ
        replaced("value 300 3230", "value 300 32x0"),          // no hexadecimal
        replaced("end\n", ""),                                 // record not closed
        replaced("rename ", "renamed "),                       // unknown line
        replaced("id 7", "id 0"),                              // no number
        replaced("kind batch", "kind copy"),                   // no such kind
        replaced("made\n", "made 1\n"),                        // a flag takes no value
    };
    for (const std::string& bad : refused)
        EXPECT_FALSE(parseJournal(bad)) << bad;

    // A journal of the first version: "created" is the time in the head and the flag of a
    // file made in a file's record.
    const std::string version1 =
        "brevino journal 1\nid 4\nkind import\ntitle x.ap1\ncreated 1700000000\nundoes 0\n"
        "file /p/a_out.jpg\nidentity 1 2 3 4 5\ntimes 0 0 0 0\ncreated\n"
        "after 1 9 100 1 2 3 4 /p/a_out.jpg\nend\n";
    const std::optional<Operation> old = parseJournal(version1);
    ASSERT_TRUE(old);
    EXPECT_EQ(old->kind, OperationKind::Import);
    EXPECT_EQ(old->started, 1700000000);
    ASSERT_EQ(old->files.size(), 1u);
    EXPECT_TRUE(old->files[0].made);
    EXPECT_EQ(old->files[0].after->inode, 9u);
}

TEST(Journal, KeepsTheLatestOperationsByNumberAndSize) {
    fixture::TempDir dir;
    auto begin = [](JournalStore& store, size_t titleBytes) {
        Operation operation;
        operation.title.assign(titleBytes, 'x');
        EXPECT_TRUE(store.begin(operation));
        return operation.id;
    };
    // By size: journals of about 1000 bytes under a limit of 2500 keep the latest two; one
    // journal larger than the limit is kept alone, never dropped.
    JournalStore small(dir.file("small"), 2500);
    for (int i = 0; i < 5; ++i)
        begin(small, 1000);
    EXPECT_EQ(small.operations(), (std::vector<uint64_t>{4, 5}));
    begin(small, 5000);
    EXPECT_EQ(small.operations(), (std::vector<uint64_t>{6}));
    EXPECT_TRUE(small.load(6));
    // By number.
    JournalStore many(dir.file("many"));
    for (size_t i = 0; i < kKeptOperations + 3; ++i)
        begin(many, 10);
    EXPECT_EQ(many.operations().size(), kKeptOperations);
    EXPECT_EQ(many.operations().front(), 4u);
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
    EXPECT_FALSE(undone.complete());
    std::map<std::string, Problem> reports;
    for (const FileReport& report : undone.reports)
        reports[report.path] = report.problem;
    // b's dates hold what the run wrote: they go back, its other edit stays.
    EXPECT_EQ(reports, (std::map<std::string, Problem>{{files[0], Problem::None},
                                                       {files[1], Problem::None},
                                                       {files[2], Problem::ChangedSinceOperation},
                                                       {files[3], Problem::ChangedSinceOperation},
                                                       {files[4], Problem::None}}));
    EXPECT_EQ(fixture::readFile(files[0]), before[files[0]]);
    EXPECT_EQ(fixture::readFile(files[4]), before[files[4]]);
    Bytes expected = before[files[1]];
    expected[expected.size() - 3] ^= 1;
    EXPECT_EQ(fixture::readFile(files[1]), expected);
    EXPECT_EQ(fixture::readFile(files[2]), replaced);

    // Undo walks back: the run is taken back, so nothing else is left to take back; redo
    // applies it again to the files the undo took back.
    EXPECT_EQ(undoOperation(store).problem, Problem::NothingToUndo);
    const UndoOutcome redone = redoOperation(store);
    EXPECT_EQ(redone.problem, Problem::None);
    EXPECT_EQ(redone.reports.size(), 3u);
    EXPECT_TRUE(redone.complete());
    EXPECT_NE(fixture::readFile(files[0]), before[files[0]]);
    EXPECT_EQ(redoOperation(store).problem, Problem::NothingToRedo);
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
    ASSERT_EQ(undone.reports.size(), 3u);  // x back, y's times back, y's name kept
    EXPECT_EQ(undone.reports[2].problem, Problem::NameTakenForUndo);
    EXPECT_FALSE(undone.complete());

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
    EXPECT_TRUE(recovered.complete());
    EXPECT_EQ(recovered.reports.size(), 1u);  // only p
    EXPECT_EQ(fixture::readFile(more[0]), p);
    EXPECT_EQ(fixture::readFile(more[1]), q);

    // Unknown operations and empty stores are told, not guessed; an operation taken back is
    // not taken back twice.
    EXPECT_EQ(undoOperation(store, 999).problem, Problem::JournalUnreadable);
    EXPECT_EQ(undoOperation(store, id).problem, Problem::AlreadyUndone);
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
