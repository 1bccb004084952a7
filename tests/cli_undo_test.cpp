// What brevino-cli tells about undo, redo, imports and files without Exif: each file named,
// the summary only when it is true.
#include <gtest/gtest.h>

#include "run_process.h"
#include "test_support.h"

namespace brevino {
namespace {

using testing::runCli;

struct CliUndo : ::testing::Test {
    fixture::TempDir dir;
    std::vector<std::string> env;
    void SetUp() override {
        env = {"XDG_STATE_HOME=" + dir.file("state"), "XDG_CONFIG_HOME=" + dir.file("config")};
    }
    testing::ProcessResult cli(std::vector<std::string> arguments) {
        return runCli(arguments, env);
    }
    std::string photo(const std::string& name) {
        fixture::Tiff tiff;
        tiff.ifd0.entries = {fixture::ascii(0x010F, "Maker"), fixture::ascii(0x010E, "title", 12)};
        return dir.write(name, fixture::jpegWith(tiff));
    }
};

TEST_F(CliUndo, UndoWalksBackRedoWalksForwardAndEachSaysWhatItDid) {
    const std::string path = photo("x.jpg");
    const fixture::Bytes original = fixture::readFile(path);
    ASSERT_EQ(cli({"set", path, "Make=AAA"}).status, 0);
    const fixture::Bytes first = fixture::readFile(path);
    ASSERT_EQ(cli({"set", path, "Make=BBB"}).status, 0);
    // A failed operation leaves no record.
    EXPECT_EQ(cli({"import", path, dir.file("missing.ap1")}).status, 1);

    auto result = cli({"undo"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err,
              path + ": message: 元に戻しました。\nmessage: 操作 2（x.jpg）を元に戻しました。\n");
    EXPECT_EQ(fixture::readFile(path), first);
    EXPECT_EQ(cli({"undo"}).status, 0);
    EXPECT_EQ(fixture::readFile(path), original);
    result = cli({"undo"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "message: 元に戻す操作がありません。\n");
    result = cli({"undo", "--list"});
    EXPECT_NE(result.out.find("\tset\t1 files\tx.jpg\ttaken back\n"), std::string::npos)
        << result.out;
    EXPECT_EQ(cli({"undo", "--list", "1"}).status, 2);

    EXPECT_EQ(cli({"redo"}).status, 0);
    EXPECT_EQ(fixture::readFile(path), first);
    result = cli({"redo"});
    EXPECT_EQ(result.err,
              path + ": message: やり直しました。\nmessage: 操作 2（x.jpg）をやり直しました。\n");
    EXPECT_EQ(cli({"redo"}).status, 1);

    // A file changed since is refused and named; no summary then.
    fixture::writeFile(path, original);
    result = cli({"undo"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, path + ": message: ﾌｧｲﾙが変更されているため、元に戻せません。\n");
}

TEST_F(CliUndo, MessagesNameTheFileTheyAreAbout) {
    const std::string path = photo("a.jpg");
    // The missing side file is named, not the photo.
    auto result = cli({"import", path, dir.file("missing.ap1")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, dir.file("missing.ap1") + ": ﾒｯｾｰｼ: ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。\n");

    // A JPEG without Exif says so, in show and in the batch; an import gives it Exif
    // without an error first.
    const std::string bare = dir.write(
        "bare.jpg", {0xFF, 0xD8, 0xFF, 0xDA, 0, 8, 1, 1, 0, 0, 0x3F, 0, 1, 2, 3, 0xFF, 0xD9});
    result = cli({"show", bare});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, bare + ": message: Exif情報がありません。\n");
    ASSERT_EQ(cli({"export", path, dir.file("a.ap1")}).status, 0);
    result = cli({"import", bare, dir.file("a.ap1")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err.find("Exif情報がありません"), std::string::npos) << result.err;
    // Not a JPEG at all, and cut short.
    const std::string text = dir.write("notes.jpg", {'h', 'e', 'l', 'l', 'o'});
    const std::string cut = dir.write("cut.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J'});
    result = cli({"show", text, cut});
    EXPECT_EQ(result.err,
              text + ": message: 対象外の形式です\n" + cut + ": message: ﾍｯﾀﾞﾘｰﾄﾞｴﾗｰ。\n");

    // A name that is not UTF-8 comes with its bytes.
    const std::string odd = dir.write("\xff\xfe.jpg", fixture::readFile(path));
    result = cli({"show", "--json", odd});
    EXPECT_NE(result.out.find("\"fileBytes\":\"" +
                              [&] {
                                  std::string hex;
                                  for (unsigned char c : odd) {
                                      static const char* digits = "0123456789abcdef";
                                      hex.push_back(digits[c >> 4]);
                                      hex.push_back(digits[c & 15]);
                                  }
                                  return hex;
                              }() +
                              "\""),
              std::string::npos)
        << result.out;
}

}  // namespace
}  // namespace brevino
