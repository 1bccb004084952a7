// Files that cannot be read, written, opened or renamed, and files that change under the
// program: each gives its message, changes nothing it should not, never reports success.
// Permissions do not bind root, so those cases run in a child that drops to "nobody".
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>

#include "batch/batch_run.h"
#include "platform/file_io.h"
#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::Message;
using testing::TestWorkspace;

// Runs `body` in a child process without root's privileges; the child's failures come back
// as text (empty when every check held).
std::string runUnprivileged(const std::function<std::string()>& body) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return "pipe failed";
    const pid_t pid = fork();
    if (pid < 0) return "fork failed";
    if (pid == 0) {
        close(pipeFds[0]);
        std::string failures;
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            failures = "cannot drop privileges";
        if (failures.empty()) failures = body();
        if (!failures.empty() && write(pipeFds[1], failures.data(), failures.size()) < 0) _exit(2);
        close(pipeFds[1]);
        _exit(0);
    }
    close(pipeFds[1]);
    std::string failures;
    char buffer[512];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        failures.append(buffer, static_cast<size_t>(got));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        failures += " (the child did not end normally)";
    return failures;
}

// Collects failed checks in the child, where gtest's macros cannot report.
struct Checks {
    std::string failures;
    void expect(bool condition, const std::string& what) {
        if (!condition) failures += what + "\n";
    }
};

fixture::Tiff photoTiff() {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "title", 16), fixture::shorts(0x0112, {1}),
                         fixture::ascii(0x0132, "2004:05:06 07:08:09")};
    return tiff;
}

std::string messagesOf(const TestWorkspace& t) {
    std::string text;
    for (const Message& message : t.reporter.messages)
        text += message.caption + ": " + message.text + "; ";
    return text;
}

TEST(FileFaults, PermissionsAreRespectedAndReported) {
    std::string failures = runUnprivileged([] {
        Checks c;
        char pattern[] = "/tmp/brevino-perm-XXXXXX";
        if (!mkdtemp(pattern)) return std::string("mkdtemp failed");
        const std::string dir = pattern;
        const Bytes photo = fixture::jpegWith(photoTiff());

        // Unreadable: the analysis cannot open it.
        const std::string secret = dir + "/secret.jpg";
        fixture::writeFile(secret, photo);
        chmod(secret.c_str(), 0);
        {
            TestWorkspace t;
            c.expect(t.analyzePath(secret) == 0, "an unreadable file was analysed");
            c.expect(messagesOf(t) == "message: 解析ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。; ",
                     "unreadable: " + messagesOf(t));
        }

        // Read-only: the save cannot write and says so; nothing changes, no success.
        const std::string locked = dir + "/locked.jpg";
        fixture::writeFile(locked, photo);
        chmod(locked.c_str(), 0444);
        {
            TestWorkspace t;
            c.expect(t.analyzePath(locked) == 1, "a read-only file was not analysed");
            t.workspace.setRow(static_cast<size_t>(t.findRow("画像方向")), "3");
            t.takeMessages();
            c.expect(!t.workspace.save(), "a save into a read-only file succeeded");
            c.expect(messagesOf(t) == "message: ﾌｧｲﾙを開けません。; ",
                     "read-only: " + messagesOf(t));
            c.expect(fixture::readFile(locked) == photo, "a read-only file changed");
        }

        // A read-only folder: no export, import or rename can create a file in it.
        const std::string folder = dir + "/folder";
        mkdir(folder.c_str(), 0700);
        const std::string inside = folder + "/photo.jpg";
        fixture::writeFile(inside, photo);
        chmod(folder.c_str(), 0500);
        {
            TestWorkspace t;
            c.expect(t.analyzePath(inside) == 1, "a file in a read-only folder was not analysed");
            t.takeMessages();
            c.expect(!t.workspace.exportTo(folder + "/side.ap1"),
                     "an export into a read-only folder succeeded");
            c.expect(messagesOf(t) == "ﾒｯｾｰｼ: 出力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。; ", "export: " + messagesOf(t));
            t.takeMessages();
            const std::string side = dir + "/side.ap1";
            fixture::writeFile(
                side,
                Bytes(photo.begin(), photo.begin() + static_cast<long>(t.location().exifEnd)));
            c.expect(!t.workspace.importFrom(side), "an import into a read-only folder succeeded");
            c.expect(messagesOf(t) == "ﾒｯｾｰｼ: 出力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。; ", "import: " + messagesOf(t));

            t.workspace.fileList = {inside};
            BatchRun run;
            run.start(t.workspace.fileList, kBatchOperations[0].label, "", {});
            BatchRun::Step step;
            while (!(step = run.step()).ended)
                c.expect(!step.renamedTo, "a rename in a read-only folder");
            c.expect(pathExists(inside), "a file in a read-only folder lost its name");
        }
        chmod(folder.c_str(), 0700);

        // A settings file that cannot be written leaves the settings in memory.
        const std::string config = dir + "/config";
        mkdir(config.c_str(), 0500);
        Settings settings = loadSettings(config + "/brevino.ini");
        c.expect(settings.dateUp == 1, "defaults lost when the settings file cannot be written");
        c.expect(!saveSettings(config + "/brevino.ini", settings),
                 "an unwritable settings file was reported written");

        chmod(secret.c_str(), 0600);
        chmod(config.c_str(), 0700);
        std::system(("rm -rf '" + dir + "'").c_str());
        return c.failures;
    });
    EXPECT_EQ(failures, "");
}

TEST(FileFaults, FilesThatChangeUnderTheProgram) {
    fixture::TempDir dir;
    const Bytes photo = fixture::jpegWith(photoTiff());

    // Removed between the analysis and the save: nothing is created.
    {
        std::string path = dir.write("gone.jpg", photo);
        TestWorkspace t;
        ASSERT_EQ(t.analyzePath(path), 1);
        t.workspace.setRow(static_cast<size_t>(t.findRow("画像方向")), "3");
        unlink(path.c_str());
        EXPECT_FALSE(t.workspace.save());
        EXPECT_FALSE(pathExists(path));
        EXPECT_EQ(t.takeMessages().back().text, "ﾌｧｲﾙを開いてから、上書き保存を選択して下さい。");
    }
    // Replaced by another file of the same size: that file is not written.
    {
        std::string path = dir.write("swapped.jpg", photo);
        TestWorkspace t;
        ASSERT_EQ(t.analyzePath(path), 1);
        t.workspace.setRow(static_cast<size_t>(t.findRow("画像方向")), "3");
        std::string other = dir.write("other.jpg", photo);
        ASSERT_EQ(rename(other.c_str(), path.c_str()), 0);
        EXPECT_FALSE(t.workspace.save());
        EXPECT_EQ(fixture::readFile(path), photo);
        EXPECT_FALSE(t.workspace.exportTo(dir.file("x.ap1")));
        EXPECT_FALSE(pathExists(dir.file("x.ap1")));
    }
    // A FIFO or a folder in the file's place: refused without blocking.
    {
        std::string path = dir.write("fifo.jpg", photo);
        TestWorkspace t;
        ASSERT_EQ(t.analyzePath(path), 1);
        t.workspace.setRow(static_cast<size_t>(t.findRow("画像方向")), "3");
        unlink(path.c_str());
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        EXPECT_FALSE(t.workspace.save());
        unlink(path.c_str());
        ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
        EXPECT_FALSE(t.workspace.save());
        EXPECT_FALSE(t.workspace.importFrom(dir.file("y.ap1")));
    }
}

}  // namespace
}  // namespace brevino
