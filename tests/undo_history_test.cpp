// Undo walks back through a history of operations on copies of camera files, and redo walks
// forward again: every byte, name and time comes back, whatever touched the files' change
// times and permissions in between.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <map>

#include "app1/app1_transfer.h"
#include "batch/batch_run.h"
#include "edit/row_lookup.h"
#include "journal/undo.h"
#include "platform/directory_listing.h"
#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;

struct FileState {
    Bytes bytes;
    timespec access{};
    timespec modified{};
    bool operator==(const FileState& other) const {
        return bytes == other.bytes && access.tv_sec == other.access.tv_sec &&
               access.tv_nsec == other.access.tv_nsec && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

// The folder's files by name: bytes (read without moving the access time) and times.
std::map<std::string, FileState> snapshot(const std::string& folder) {
    std::map<std::string, FileState> files;
    for (const std::string& name : regularFileNames(folder)) {
        const std::string path = folder + "/" + name;
        FileHandle file = openForRead(path);
        const std::optional<FileIdentity> identity = file.identity();
        EXPECT_TRUE(identity) << path;
        if (!identity) continue;
        FileState& state = files[name];
        state.bytes.resize(static_cast<size_t>(identity->size));
        file.readAt(0, state.bytes.data(), state.bytes.size());
        state.access = identity->accessed;
        state.modified = identity->modified;
    }
    return files;
}

TEST(UndoHistory, EveryOperationTakenBackInTurnAndAppliedAgain) {
    const std::string corpus = fixture::corpusDirectory();
    if (corpus.empty()) GTEST_SKIP() << "no corpus";
    fixture::TempDir dir;
    const std::string folder = dir.file("photos");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    JournalStore store(dir.file("state"));
    std::vector<std::string> files;
    for (const char* name : {"Canon_40D.jpg", "Nikon_D70.jpg", "Pentax_K10D.jpg",
                             "gps/DSCN0010.jpg", "Sony_HDR-HC3.jpg"}) {
        std::string base = std::string(fileNameOf(name));
        files.push_back(folder + "/" + base);
        fixture::writeFile(files.back(), fixture::readFile(corpus + "/" + name));
        // Old times, so that reading never moves the access time.
        FileTimes times;
        times.access = {978350400, 123456789};
        times.modification = {978350401, 987654321};
        ASSERT_EQ(setFileTimes(files.back(), times), 1);
    }
    const auto original = snapshot(folder);
    std::vector<std::map<std::string, FileState>> states = {original};
    auto done = [&] { states.push_back(snapshot(folder)); };

    // Two edits of the same value, saved as the command line saves them.
    for (const char* make : {"AAA", "BBB"}) {
        testing::TestWorkspace t;
        t.workspace.journal = &store;
        t.workspace.saveKind = OperationKind::Set;
        ASSERT_TRUE(t.analyzePath(files[0]));
        const RowLookup row = findRow(t.workspace.document(), t.rows(), parseRowName("Make"));
        ASSERT_GE(row.editable, 0);
        ASSERT_TRUE(t.workspace.setRow(static_cast<size_t>(row.editable), make));
        ASSERT_TRUE(t.workspace.save());
        done();
    }
    // Renamed by date, then dates from the new names, then shifted.
    for (const auto& [operation, value] : {std::pair{"rename-by-original-date", ""},
                                           {"name-to-dates", ""},
                                           {"shift-dates", "+1 02:03:04"}}) {
        BatchRun run;
        ASSERT_TRUE(run.start(files, operation, value, BatchSettings{}, &store)) << operation;
        while (!run.step().ended) {
        }
        done();
    }
    // Another program changes permissions (and so every change time) meanwhile.
    for (const std::string& file : files) {
        ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
        ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
    }
    // An import makes a new file.
    {
        testing::TestWorkspace t;
        t.workspace.journal = &store;
        ASSERT_TRUE(t.analyzePath(files[1]));
        ASSERT_TRUE(t.workspace.exportTo(dir.file("side.ap1")));
        ASSERT_TRUE(t.analyzePath(files[0]));
        ASSERT_TRUE(t.workspace.importFrom(dir.file("side.ap1")));
        done();
    }
    ASSERT_EQ(states.size(), 7u);
    for (size_t step = 1; step < states.size(); ++step)
        EXPECT_NE(states[step], states[step - 1]) << "step " << step << " changed nothing";
    EXPECT_EQ(states.back().size(), original.size() + 1);

    for (size_t step = states.size() - 1; step > 0; --step) {
        const UndoOutcome outcome = undoOperation(store);
        EXPECT_TRUE(outcome.complete()) << step;
        EXPECT_EQ(snapshot(folder), states[step - 1]) << "after undoing step " << step;
    }
    EXPECT_EQ(undoOperation(store).problem, Problem::NothingToUndo);
    for (size_t step = 1; step < states.size(); ++step) {
        const UndoOutcome outcome = redoOperation(store);
        EXPECT_TRUE(outcome.complete()) << step;
        EXPECT_EQ(snapshot(folder), states[step]) << "after redoing step " << step;
    }
    EXPECT_EQ(redoOperation(store).problem, Problem::NothingToRedo);
    // And back once more, to the files as they came.
    while (undoOperation(store).complete()) {
    }
    EXPECT_EQ(snapshot(folder), original);
}

// A raw file's dates lie far apart (the 0th IFD's near the start, the Exif IFD's 130 KB on):
// undo reads them one by one there, and all of them at once in a JPEG.
TEST(UndoHistory, DatesNearAndFarApartComeBack) {
    const std::string corpus = fixture::corpusDirectory();
    if (corpus.empty()) GTEST_SKIP() << "no corpus";
    for (const char* name : {"formats/canon_eos_6d.dng", "Canon_40D.jpg"}) {
        fixture::TempDir dir;
        const std::string folder = dir.file("photos");
        ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
        const std::string file = folder + "/" + std::string(fileNameOf(name));
        fixture::writeFile(file, fixture::readFile(corpus + "/" + name));
        JournalStore store(dir.file("state"));
        const auto original = snapshot(folder);
        std::vector<std::string> files = {file};
        BatchRun run;
        ASSERT_TRUE(run.start(files, "shift-dates", "+1:00", BatchSettings{}, &store)) << name;
        while (!run.step().ended) {
        }
        ASSERT_NE(snapshot(folder), original) << name;
        EXPECT_TRUE(undoOperation(store).complete()) << name;
        EXPECT_EQ(snapshot(folder), original) << name;
    }
}

}  // namespace
}  // namespace brevino
