// The file list: folder listing, sorting, drops, and the folder browser's settings.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/settings_profile.h"
#include "test_support.h"
#include "workspace/file_list.h"

namespace brevino {
namespace {

using fixture::TempDir;

std::vector<std::string> under(const TempDir& dir, std::vector<std::string> names) {
    for (std::string& name : names)
        name = dir.file(name);
    return names;
}

TEST(FileList, SortIgnoresLetterCaseAndKeepsDuplicates) {
    std::vector<std::string> list;
    for (const char* path : {"/p/b.jpg", "/p/A.jpg", "/p/a.jpg", "/p/C.JPG", "/p/b.jpg"}) {
        addToFileList(list, path);
    }
    // Entries equal but for case keep the order they came in; nothing is deduplicated.
    EXPECT_EQ(list, (std::vector<std::string>{"/p/A.jpg", "/p/a.jpg", "/p/b.jpg", "/p/b.jpg",
                                              "/p/C.JPG"}));
    // Bytes above ASCII sort after every ASCII character.
    EXPECT_TRUE(pathLessIgnoringCase("/p/z.jpg", "/p/\xE5\x86\x99.jpg"));
    EXPECT_FALSE(pathLessIgnoringCase("/P/X", "/p/x"));
}

TEST(FileList, ListingTakesRegularPhotoFilesByNameInAnyCaseOrByContent) {
    TempDir dir;
    for (const char* name : {"b.jpg", "A.JPG", "c.Jpg", "d.jpeg", "e.tif", "f.jpg.txt", "jpg",
                             "g.JPE", "h.jfif", "i.HEIC", "j.Nef"}) {
        fixture::writeFile(dir.file(name), {1});
    }
    // A PNG and a JPEG under names of no photo are known by their first bytes.
    fixture::writeFile(dir.file("k.bin"), {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
    fixture::writeFile(dir.file("l"), {0xFF, 0xD8, 0xFF});
    ASSERT_EQ(::mkdir(dir.file("sub.jpg").c_str(), 0700), 0);
    fixture::writeFile(dir.file("sub.jpg") + "/inner.jpg", {1});
    ASSERT_EQ(::mkfifo(dir.file("pipe.jpg").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(dir.file("b.jpg").c_str(), dir.file("link.jpg").c_str()), 0);

    Workspace workspace;
    workspace.fileList = {"/old/entry.jpg"};
    listFolder(workspace, dir.path());
    EXPECT_EQ(workspace.fileList,
              under(dir, {"A.JPG", "b.jpg", "c.Jpg", "d.jpeg", "e.tif", "g.JPE", "h.jfif", "i.HEIC",
                          "j.Nef", "k.bin", "l", "link.jpg"}));

    listFolder(workspace, dir.file("missing"));
    EXPECT_TRUE(workspace.fileList.empty());

    // Links taken as files unseen (a window's first look at a large folder) include those
    // that name no regular file; following them leaves those out.
    ASSERT_EQ(::symlink(dir.file("sub.jpg").c_str(), dir.file("folder-link.jpg").c_str()), 0);
    ASSERT_EQ(::symlink(dir.file("gone").c_str(), dir.file("dangling.jpg").c_str()), 0);
    // Other names are looked into only when links are followed.
    const std::vector<std::string> regular =
        under(dir, {"A.JPG", "b.jpg", "c.Jpg", "d.jpeg", "e.tif", "g.JPE", "h.jfif", "i.HEIC",
                    "j.Nef", "k.bin", "l", "link.jpg"});
    EXPECT_EQ(photoFilesIn(dir.path()), regular);
    EXPECT_EQ(photoFilesIn(dir.path(), Links::Assumed),
              under(dir, {"A.JPG", "b.jpg", "c.Jpg", "d.jpeg", "dangling.jpg", "e.tif",
                          "folder-link.jpg", "g.JPE", "h.jfif", "i.HEIC", "j.Nef", "link.jpg"}));
}

TEST(FileList, DropsFollowTheirOrder) {
    TempDir dir;
    const std::string first = dir.file("first");
    const std::string second = dir.file("second");
    ASSERT_EQ(::mkdir(first.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir(second.c_str(), 0700), 0);
    fixture::writeFile(first + "/one.jpg", {1});
    fixture::writeFile(second + "/two.jpg", {1});
    fixture::writeFile(second + "/skip.jpeg", {1});
    for (const char* name : {"a.jpeg", "c.Jpg", "d.tif", "e.png", "f.JPG"}) {
        fixture::writeFile(dir.file(name), {1});
    }

    Workspace workspace;
    workspace.settings.lastFolder = "/remembered";
    workspace.currentFile = "/current.jpg";

    // Two folders: only the second one's files.
    dropItems(workspace, {first, second});
    EXPECT_EQ(workspace.fileList,
              (std::vector<std::string>{second + "/skip.jpeg", second + "/two.jpg"}));
    EXPECT_EQ(workspace.currentFolder, second);

    // A file, then a folder: the folder's listing replaces the file.
    dropItems(workspace, {dir.file("a.jpeg"), first + "/"});
    EXPECT_EQ(workspace.fileList, std::vector<std::string>{first + "/one.jpg"});
    EXPECT_EQ(workspace.currentFolder, first);

    // A folder, then files: photo names in any case are added, the same file twice is listed
    // twice, a missing item skipped.
    dropItems(workspace,
              {second, dir.file("d.tif"), dir.file("a.jpeg"), dir.file("c.Jpg"), dir.file("e.png"),
               dir.file("f.JPG"), dir.file("a.jpeg"), dir.file("gone.jpg"), ""});
    EXPECT_EQ(workspace.fileList,
              (std::vector<std::string>{dir.file("a.jpeg"), dir.file("a.jpeg"), dir.file("c.Jpg"),
                                        dir.file("d.tif"), dir.file("e.png"), dir.file("f.JPG"),
                                        second + "/skip.jpeg", second + "/two.jpg"}));

    // A drop of nothing keeps the list; no drop touches the current file or the settings.
    dropItems(workspace, {});
    EXPECT_EQ(workspace.fileList.size(), 8u);
    EXPECT_EQ(workspace.currentFile, "/current.jpg");
    EXPECT_EQ(workspace.settings.lastFolder, "/remembered");
    EXPECT_TRUE(workspace.rows().empty());
}

TEST(FileList, ChosenFolderIsRememberedAtOnceDroppedFolderIsNot) {
    TempDir dir;
    const std::string settingsPath = dir.file("config/brevino.ini");
    fixture::writeFile(dir.file("x.jpg"), {1});
    Workspace workspace;
    workspace.settings = loadSettings(settingsPath);

    EXPECT_EQ(browserStartFolder(workspace.settings), "");
    openChosenFolder(workspace, dir.path() + "/", settingsPath);
    EXPECT_EQ(workspace.currentFolder, dir.path());
    EXPECT_EQ(workspace.fileList, std::vector<std::string>{dir.file("x.jpg")});
    EXPECT_EQ(readSettings(settingsPath).lastFolder, dir.path());
    EXPECT_EQ(browserStartFolder(workspace.settings), dir.path());

    dropItems(workspace, {"/"});
    EXPECT_EQ(workspace.currentFolder, "/");
    EXPECT_EQ(readSettings(settingsPath).lastFolder, dir.path());
    EXPECT_EQ(browserStartFolder(workspace.settings), dir.path());

    // Any nonzero switch starts from the remembered folder; zero starts from the default.
    workspace.settings.folder = 5;
    EXPECT_EQ(browserStartFolder(workspace.settings), dir.path());
    workspace.settings.folder = 0;
    EXPECT_EQ(browserStartFolder(workspace.settings), "");
}

TEST(FileList, PathHelpers) {
    EXPECT_EQ(joinPath("/a", "b.jpg"), "/a/b.jpg");
    EXPECT_EQ(joinPath("/", "b.jpg"), "/b.jpg");
    EXPECT_EQ(withoutTrailingSeparators("/a/b//"), "/a/b");
    EXPECT_EQ(withoutTrailingSeparators("/"), "/");
    EXPECT_EQ(withDefaultExtension("/d/side", ".ap1"), "/d/side.ap1");
    EXPECT_EQ(withDefaultExtension("/d/side.bin", ".ap1"), "/d/side.bin");
    EXPECT_EQ(withDefaultExtension("/d.x/side", ".ap1"), "/d.x/side.ap1");
    EXPECT_EQ(withDefaultExtension("/d/", ".ap1"), "/d/");
}

}  // namespace
}  // namespace brevino
