#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/settings_profile.h"
#include "test_support.h"
#include "workspace/settings.h"

namespace brevino {
namespace {

std::string text(const std::string& path) {
    fixture::Bytes bytes = fixture::readFile(path);
    return std::string(bytes.begin(), bytes.end());
}

void writeText(const std::string& path, const std::string& content) {
    fixture::writeFile(path, fixture::Bytes(content.begin(), content.end()));
}

TEST(SettingsProfile, FirstStartWritesTheDefaults) {
    fixture::TempDir dir;
    std::string path = dir.file("config/sub/brevino.ini");  // the folders are created
    Settings settings = loadSettings(path);
    EXPECT_EQ(settings.folder, 1);
    EXPECT_EQ(settings.dateUp, 1);
    EXPECT_EQ(settings.allDate, 0);
    EXPECT_EQ(settings.exifDate, 0);
    EXPECT_EQ(settings.lastFolder, "");
    EXPECT_EQ(text(path),
              "[option]\nfolder=1\nfolderpath=\nDateUp=1\nAllDate=0\nExifDate=0\nRotate=1\n");
}

TEST(SettingsProfile, ByteSemanticsOfTheSwitches) {
    fixture::TempDir dir;
    std::string path = dir.file("brevino.ini");
    writeText(path, "[option]\nfolder=5\nDateUp=2\nAllDate=abc\nExifDate=257\n");
    Settings settings = loadSettings(path);
    EXPECT_EQ(settings.folder, 5);
    EXPECT_EQ(settings.dateUp, 2);
    EXPECT_EQ(settings.allDate, 0);
    EXPECT_EQ(settings.exifDate, 1);
    // The load writes back what it read; the missing folderpath is added.
    EXPECT_EQ(text(path),
              "[option]\nfolder=5\nDateUp=2\nAllDate=0\nExifDate=1\nfolderpath=\nRotate=1\n");
    writeText(path, "[option]\nDateUp=256\n");
    EXPECT_EQ(readSettings(path).dateUp, 0);
    writeText(path, "[option]\nAllDate=  7x\n");
    EXPECT_EQ(readSettings(path).allDate, 7);
}

TEST(SettingsProfile, ReadsLikeThePlatformsProfileFunctions) {
    fixture::TempDir dir;
    std::string path = dir.file("brevino.ini");
    writeText(path,
              "; comment\r\n[Other]\r\nDateUp=0\r\n[OPTION]\r\n  dateup  =  0 \r\nDATEUP=1\r\n"
              "FolderPath = /photos/2004 summer \r\n");
    Settings settings = readSettings(path);
    EXPECT_EQ(settings.dateUp, 0);  // the first of duplicate keys, in the right section
    EXPECT_EQ(settings.lastFolder, "/photos/2004 summer");
    EXPECT_EQ(settings.folder, 1);  // missing: the default

    // A single-key write keeps every other line and its line end.
    ASSERT_TRUE(saveFolderPath(path, "/new"));
    EXPECT_EQ(text(path),
              "; comment\r\n[Other]\r\nDateUp=0\r\n[OPTION]\r\n  dateup  =  0 "
              "\r\nDATEUP=1\r\nfolderpath=/new\r\n");
    EXPECT_EQ(readSettings(path).lastFolder, "/new");
}

TEST(SettingsProfile, MissingSectionIsAppendedAndLongPathsKeptWhole) {
    fixture::TempDir dir;
    std::string path = dir.file("brevino.ini");
    writeText(path, "[window]\nx=1\n");
    std::string longPath = "/" + std::string(600, 'd');
    ASSERT_TRUE(saveFolderPath(path, longPath));
    EXPECT_EQ(text(path), "[window]\nx=1\n[option]\nfolderpath=" + longPath + "\n");
    EXPECT_EQ(readSettings(path).lastFolder, longPath);

    Settings settings;
    settings.allDate = 1;
    settings.lastFolder = longPath;
    ASSERT_TRUE(saveSettings(path, settings));
    EXPECT_EQ(readSettings(path).allDate, 1);
    EXPECT_EQ(text(path), "[window]\nx=1\n[option]\nfolderpath=" + longPath +
                              "\nfolder=1\nDateUp=1\nAllDate=1\nExifDate=0\nRotate=1\n");
}

TEST(SettingsProfile, FileLocation) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(settingsFilePath(), "/somewhere/config/brevino.ini");
    setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
    EXPECT_NE(settingsFilePath(), "relative/brevino.ini");
    EXPECT_TRUE(settingsFilePath().ends_with("/.config/brevino.ini"));
    if (old) {
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

}  // namespace
}  // namespace brevino
