#include <sys/stat.h>

#include <gtest/gtest.h>

#include "run_process.h"
#include "test_support.h"

namespace brevino {
namespace {

using testing::runCli;

fixture::Bytes titledFile() {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "A title of some length"),
                         fixture::rationals(0x011A, {{72, 1}}),
                         fixture::ascii(0x0132, "2004:05:06 07:08:09")};
    tiff.exif = fixture::Ifd{
        {fixture::ascii(0x9003, "1999:01:01 00:00:00"), fixture::undefined(0x9000, "0230")}};
    return fixture::jpegWith(tiff);
}

struct CliSet : ::testing::Test {
    fixture::TempDir dir;
    std::string path;
    fixture::Bytes before;
    std::vector<std::string> env;
    void SetUp() override {
        before = titledFile();
        path = dir.write("photo.jpg", before);
        env = {"XDG_CONFIG_HOME=" + dir.file("config"), "TZ=UTC0"};
    }
    testing::ProcessResult set(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "set");
        return runCli(arguments, env);
    }
    std::string show() { return runCli({"show", "--tsv", path}).out; }
};

TEST_F(CliSet, SetsByNameOrNumberAndSaves) {
    auto result = set({path, "画像タイトル=hello", "0x011a=300/1"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_NE(show().find("\t画像タイトル\thello\t"), std::string::npos);
    EXPECT_NE(show().find("\t画像の幅の解像度\t300/1\t"), std::string::npos);
    EXPECT_EQ(fixture::readFile(path).size(), before.size());
    EXPECT_EQ(set({path, "270=decimal"}).status, 0);
    EXPECT_NE(show().find("\tdecimal\t"), std::string::npos);
    // Nothing created or written in the settings folder.
    struct stat info {};
    EXPECT_NE(stat(dir.file("config").c_str(), &info), 0);
}

TEST_F(CliSet, ARefusedPairSavesNothing) {
    auto result = set({path, "画像タイトル=changed", "画像の幅の解像度=72"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "message: [/]を必ず入れて下さい。\n");
    EXPECT_EQ(fixture::readFile(path), before);

    result = set({path, "作者名=x"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "brevino-cli: no row named 作者名\n");
    result = set({path, "Exif バージョン=1"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "message: 編集出来ない[type]です。\n");
    EXPECT_EQ(fixture::readFile(path), before);
}

TEST_F(CliSet, OptionsAndUsage) {
    EXPECT_EQ(set({"--option", "Colour=1", path}).status, 2);
    EXPECT_EQ(set({path, "novalue"}).status, 2);
    EXPECT_EQ(set({}).status, 2);
    // With ExifDate the plain save aligns dates and times with the file-change date.
    auto result = set({"--option", "ExifDate=1", path});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(show().find("\t原画像データの生成日時\t2004:05:06 07:08:09\t"), std::string::npos);
    struct stat info {};
    stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mtim.tv_sec, 1083827289);
    // The settings file is read when present.
    std::string config = dir.file("config");
    mkdir(config.c_str(), 0700);
    std::string ini = "[option]\nAllDate=1\n";
    fixture::writeFile(config + "/brevino.ini", fixture::Bytes(ini.begin(), ini.end()));
    EXPECT_EQ(set({path, "原画像データの生成日時=2011:11:11 11:11:11"}).status, 0);
    EXPECT_NE(show().find("\tファイル変更日時\t2011:11:11 11:11:11\t"), std::string::npos);
    EXPECT_EQ(fixture::readFile(config + "/brevino.ini"), fixture::Bytes(ini.begin(), ini.end()));
}

TEST_F(CliSet, FilesThatCannotBeAnalysedFail) {
    EXPECT_EQ(set({dir.file("missing.jpg"), "画像タイトル=x"}).status, 1);
}

}  // namespace
}  // namespace brevino
