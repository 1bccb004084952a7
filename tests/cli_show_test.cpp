#include <gtest/gtest.h>

#include "run_process.h"
#include "test_support.h"

namespace brevino {
namespace {

using testing::runCli;

fixture::Bytes sampleFile() {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, "tab\there\nback\\slash"),
                         fixture::shorts(0x0128, {2})};
    tiff.exif = fixture::Ifd{{fixture::rationals(0x829A, {{1, 60}})}};
    return fixture::jpegWith(tiff);
}

TEST(CliShow, JsonGivesOneObjectPerFile) {
    fixture::TempDir dir;
    std::string good = dir.write("good.jpg", sampleFile());
    std::string broken = dir.write("broken.jpg", {0xFF, 0xD8, 0x00});
    std::string refused = dir.write("note.txt", {'n', 'o', 't', 'e'});
    auto result = runCli({"show", "--json", good, broken, refused});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "");
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = result.out.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(result.out.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("\"ok\":true"), std::string::npos);
    EXPECT_NE(lines[0].find("\"exifStart\":0,\"exifEnd\":"), std::string::npos);
    EXPECT_NE(lines[0].find("\"byteOrder\":\"II\""), std::string::npos);
    EXPECT_NE(lines[0].find("{\"heading\":true,\"offset\":\"【0th IFD】\",\"type\":\"\""),
              std::string::npos);
    EXPECT_NE(lines[0].find(
                  "\"tag\":\"画像の幅と高さの解像度の単位\",\"content\":\"2\",\"note\":\"インチ\","
                  "\"ifd\":\"0th\",\"tagId\":296,\"name\":\"ResolutionUnit\",\"known\":true,\"editable\":true}"),
              std::string::npos);
    EXPECT_NE(lines[0].find("\"content\":\"tab\\there\\nback\\\\slash\""), std::string::npos);
    EXPECT_NE(lines[0].find("\"ifd\":\"exif\",\"tagId\":33434"), std::string::npos);
    EXPECT_NE(
        lines[1].find(
            "\"ok\":false,\"messages\":[{\"caption\":\"message\",\"text\":\"ﾍｯﾀﾞﾘｰﾄﾞｴﾗｰ。\"}]"),
        std::string::npos);
    EXPECT_NE(lines[1].find("\"rows\":[]"), std::string::npos);
    EXPECT_NE(lines[2].find(
                  "\"exifStart\":null,\"exifEnd\":null,\"skippedBytes\":null,\"byteOrder\":null"),
              std::string::npos);
    EXPECT_NE(lines[2].find("解析対象のﾌｧｲﾙではありません。"), std::string::npos);
    EXPECT_NE(lines[2].find("\"rows\":[]"), std::string::npos);
}

TEST(CliShow, TsvEscapesItsSeparators) {
    fixture::TempDir dir;
    std::string good = dir.write("good.jpg", sampleFile());
    auto result = runCli({"show", "--tsv", good});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.starts_with(good + "\t【0th IFD】\t\t\t\t\t\n"));
    EXPECT_NE(result.out.find("\t画像タイトル\ttab\\there\\nback\\\\slash\t\n"), std::string::npos);
    size_t lines = 0;
    for (char c : result.out)
        lines += c == '\n';
    EXPECT_EQ(lines, 6u);  // two headings, two IFD0 rows with the Exif pointer, one Exif row
}

TEST(CliShow, TablePrintsHeadingsAndMessagesGoToStandardError) {
    fixture::TempDir dir;
    std::string good = dir.write("good.jpg", sampleFile());
    std::string refused = dir.write("x.png", {'p', 'n', 'g'});
    auto result = runCli({"show", good, refused});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("【0th IFD】\n"), std::string::npos);
    EXPECT_NE(result.out.find("インチ"), std::string::npos);
    EXPECT_EQ(result.err, refused + ": message: 解析対象のﾌｧｲﾙではありません。\n");
}

TEST(CliShow, UsageErrorsAndHelp) {
    for (std::vector<std::string> usage :
         {std::vector<std::string>{"show"},
          {"show", "--xml", "a.jpg"},
          {"frobnicate"},
          {"show", "--json", "--tsv", "a.jpg"},
          {"help", "frobnicate"},
          {"set", "--option", "DateUp=2", "a.jpg"},
          {"batch", "--option", "AllDate=yes", "align-times", "a.jpg"}}) {
        EXPECT_EQ(runCli(usage).status, 2) << usage[0] << " " << usage.back();
    }
    for (std::vector<std::string> help :
         {std::vector<std::string>{"show", "--help"}, {"help", "show"}}) {
        auto result = runCli(help);
        EXPECT_EQ(result.status, 0);
        EXPECT_NE(result.out.find("usage: brevino-cli show"), std::string::npos);
    }
    auto general = runCli({"help"});
    EXPECT_EQ(general.status, 0);
    EXPECT_NE(general.out.find("--version"), std::string::npos);
}

}  // namespace
}  // namespace brevino
