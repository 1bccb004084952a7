#include <sys/stat.h>

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
    // The segment's room: 65,533 less "Exif\0\0" and the TIFF data (which starts 12 bytes in).
    const size_t exifEnd = std::stoul(lines[0].substr(lines[0].find("\"exifEnd\":") + 10));
    EXPECT_NE(lines[0].find("\"room\":" + std::to_string(65533 - (exifEnd - 12 + 6))),
              std::string::npos);
    EXPECT_NE(lines[2].find("\"room\":null"), std::string::npos);
    EXPECT_NE(lines[0].find("{\"heading\":true,\"offset\":\"【0th IFD】\",\"type\":\"\""),
              std::string::npos);
    EXPECT_NE(lines[0].find(
                  "\"tag\":\"画像の幅と高さの解像度の単位\",\"content\":\"2\",\"note\":\"インチ\","
                  "\"ifd\":\"0th\",\"tagId\":296,\"name\":\"ResolutionUnit\",\"known\":true,"
                  "\"editable\":true}"),
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
    std::string refused = dir.write("x.txt", {'p', 'n', 'g'});
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

TEST(CliShow, FoldersStandForTheirPhotosAndSubfoldersWithR) {
    fixture::TempDir dir;
    const fixture::Bytes photo = fixture::jpegWith(fixture::Tiff{});
    ASSERT_EQ(::mkdir(dir.file("inner").c_str(), 0700), 0);
    const std::string top = dir.write("a.jpg", photo);
    const std::string inner = dir.write("inner/b.heic", photo);  // read as the JPEG its content is
    dir.write("notes.txt", {'x'});
    auto files = [](const std::string& out) {
        std::vector<std::string> listed;
        for (size_t at = 0; (at = out.find("\"file\":\"", at)) != std::string::npos;) {
            at += 8;
            listed.push_back(out.substr(at, out.find('"', at) - at));
        }
        return listed;
    };
    EXPECT_EQ(files(testing::runCli({"show", "--json", dir.path()}).out),
              std::vector<std::string>{top});
    EXPECT_EQ(files(testing::runCli({"show", "--json", "-r", dir.path() + "/"}).out),
              (std::vector<std::string>{top, inner}));
    // A folder named as a photo is taken for a file without a look at it first: it still
    // stands for its photos, in every form, between the files given beside it.
    ASSERT_EQ(::mkdir(dir.file("album.jpg").c_str(), 0700), 0);
    const std::string albumPhoto = dir.write("album.jpg/c.jpg", photo);
    for (const char* form : {"--json", "--tsv", "--table"}) {
        SCOPED_TRACE(form);
        std::vector<std::string> arguments = {"show", dir.file("album.jpg"), top};
        if (std::string_view(form) != "--table") arguments.insert(arguments.begin() + 1, form);
        const auto result = testing::runCli(arguments);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        const size_t inside = result.out.find(albumPhoto), beside = result.out.find(top + "\t");
        EXPECT_NE(inside, std::string::npos);
        EXPECT_EQ(result.out.find(dir.file("album.jpg") + "\n"), std::string::npos);
        if (std::string_view(form) == "--tsv") {
            EXPECT_LT(inside, beside);
        }
    }
}

}  // namespace
}  // namespace brevino
