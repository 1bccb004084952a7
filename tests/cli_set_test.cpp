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
                         fixture::ascii(0x010F, "EASTMAN KODAK COMPANY", 21),  // no zero byte
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

TEST_F(CliSet, KeysNumbersAndDisplayNamesNameTheSameRow) {
    std::vector<fixture::Bytes> results;
    for (const char* name : {"Make", "0x010F", "画像入力機器のメーカー名", "0th:Make"}) {
        fixture::writeFile(path, before);
        auto result = set({"--", path, std::string(name) + "=NIKON"});
        EXPECT_EQ(result.status, 0) << name << result.err;
        results.push_back(fixture::readFile(path));
    }
    for (const fixture::Bytes& result : results)
        EXPECT_EQ(result, results.front());
    EXPECT_NE(results.front(), before);
    // Keys are compared exactly.
    fixture::writeFile(path, before);
    EXPECT_EQ(set({path, "make=NIKON"}).status, 1);
    EXPECT_EQ(fixture::readFile(path), before);
}

// Values placed where writing them would overwrite the file's structure or another value:
// shown, never written.
TEST(CliSetOverlaps, ValuesOverlappingStructureOrOtherValuesAreRefused) {
    // IFD0 at 8 holds Model and Make: its entries lie at 10..34, its link at 34..38, and
    // Model's value (10 bytes) follows at 38..48.
    const struct {
        const char* what;
        uint32_t makeAt;  // Make's value offset from the TIFF header; 0xFFFFFFFF: its own
        bool editable;
        bool modelEditable;  // Model shares its bytes with Make's value
    } cases[] = {
        {"its own bytes", 0xFFFFFFFF, true, true},
        {"the TIFF header", 0, false, true},
        {"IFD0's entries", 12, false, true},
        {"IFD0's link (and the start of Model's value)", 34, false, false},
        {"Model's value", 40, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fixture::Tiff tiff;
        fixture::Entry make = fixture::ascii(0x010F, "Maker");
        if (c.makeAt != 0xFFFFFFFF) make.valueField = c.makeAt;
        tiff.ifd0.entries = {fixture::ascii(0x0110, "ModelName"), make};
        // The 1st IFD's Model shares IFD0's Model value: the same tag, so both stay editable.
        fixture::Entry sharedModel = fixture::ascii(0x0110, "ModelName");
        sharedModel.valueField = 38;
        tiff.ifd1 = fixture::Ifd{{sharedModel}};
        testing::TestWorkspace t;
        ASSERT_TRUE(t.analyze(fixture::jpegWith(tiff)));
        const long makeRow = t.findRow("画像入力機器のメーカー名");
        ASSERT_GE(makeRow, 0);
        EXPECT_EQ(t.workspace.isEditable(static_cast<size_t>(makeRow)), c.editable);
        const long modelRow = t.findRow("画像入力機器のモデル名");
        EXPECT_EQ(t.workspace.isEditable(static_cast<size_t>(modelRow)), c.modelEditable);
        if (c.editable) continue;
        fixture::TempDir dir;
        const std::string file = dir.write("o.jpg", fixture::jpegWith(tiff));
        const fixture::Bytes bytes = fixture::readFile(file);
        const auto result =
            runCli({"set", file, "0th:0x010F=QAQAQ"}, {"XDG_STATE_HOME=" + dir.file("state")});
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find("its value overlaps"), std::string::npos) << result.err;
        EXPECT_EQ(fixture::readFile(file), bytes);
    }
}

TEST_F(CliSet, ARefusedPairSavesNothing) {
    // Each refusal names the file; nothing is written.
    const struct {
        std::vector<std::string> pairs;
        std::string err;
    } cases[] = {
        {{"画像タイトル=changed", "画像の幅の解像度=72"}, "message: [/]を必ず入れて下さい。\n"},
        // A missing entry that would be added is not added either.
        {{"作者名=x", "0x011A=300/0"}, "message: 分母に0は使えません。\n"},
        {{"Exif バージョン=1"},
         "message: 編集出来ない[type]です。\n" + path +
             ": brevino-cli: Exif バージョン: its type is not edited\n"},
        {{"0x8769=5"},
         "message: 編集出来ない[type]です。\n" + path +
             ": brevino-cli: Exif IFDへのポインタ: it holds where other parts of "
             "the file lie\n"},
        {{"画像タイトル=" + std::string(23, 'x')}, "message: 値が長すぎます。(22 ﾊﾞｲﾄまで)\n"},
        {{"0x011A=-1/1"}, "message: 値が範囲外です。(0〜4294967295)\n"},
        {{"0x011A=300/0"}, "message: 分母に0は使えません。\n"},
        {{"0x011A=3e2/1"}, "message: 数値を入力して下さい。\n"},
        {{"原画像データの生成日時=1999:02:29 00:00:00"},
         "message: 日付は「YYYY:MM:DD HH:MM:SS」の形で入力して下さい。\n"},
        {{"exif:画像タイトル=x"}, "brevino-cli: no row named exif:画像タイトル\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {path};
        arguments.insert(arguments.end(), c.pairs.begin(), c.pairs.end());
        auto result = set(arguments);
        EXPECT_EQ(result.status, 1) << c.pairs.back();
        EXPECT_EQ(result.err, path + ": " + c.err);
        EXPECT_EQ(fixture::readFile(path), before) << c.pairs.back();
    }
    // A text that is too long is cut when asked to; the value already there changes nothing.
    EXPECT_EQ(set({"--truncate", path, "画像タイトル=" + std::string(23, 'x')}).status, 0);
    const std::string cutTitle = "\t画像タイトル\t" + std::string(22, 'x');
    EXPECT_NE(show().find(cutTitle), std::string::npos);
    const fixture::Bytes cut = fixture::readFile(path);
    EXPECT_EQ(set({path, "画像タイトル=" + std::string(22, 'x'), "0th:0x011A=72/1",
                   "0x010F=EASTMAN KODAK COMPANY"})
                  .status,
              0);
    EXPECT_EQ(fixture::readFile(path), cut);
}

TEST_F(CliSet, OptionsAndUsage) {
    EXPECT_EQ(set({"--option", "Colour=1", path}).status, 2);
    EXPECT_EQ(set({"--option", "DateUp=2", path}).status, 2);
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
