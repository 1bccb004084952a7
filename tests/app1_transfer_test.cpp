#include <sys/stat.h>

#include <gtest/gtest.h>

#include "app1/app1_transfer.h"
#include "platform/file_io.h"
#include "run_process.h"
#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::Message;
using testing::TestWorkspace;

fixture::Tiff smallTiff(const std::string& title) {
    fixture::Tiff tiff;
    tiff.ifd0.entries = {fixture::ascii(0x010E, title), fixture::shorts(0x0112, {1})};
    tiff.exif = fixture::Ifd{{fixture::rationals(0x829A, {{1, 60}})}};
    return tiff;
}

struct Transfer : ::testing::Test {
    fixture::TempDir dir;
    TestWorkspace t;
    std::string open(const std::string& name, const Bytes& bytes) {
        std::string path = dir.write(name, bytes);
        t.analyzePath(path);
        t.takeMessages();
        return path;
    }
    bool exportTo(const std::string& current, const std::string& target) {
        t.workspace.currentFile = current;
        return t.workspace.exportTo(target);
    }
    bool importFrom(const std::string& current, const std::string& side) {
        t.workspace.currentFile = current;
        return t.workspace.importFrom(side);
    }
    static std::vector<Message> fileError(const std::string& text) { return {{text, "ﾒｯｾｰｼ"}}; }
};

TEST_F(Transfer, ExportThenImportGivesTheSameFile) {
    for (bool withApp0 : {false, true}) {
        std::vector<fixture::Segment> before;
        if (withApp0) before.push_back(fixture::app0(16));
        Bytes photo = fixture::jpegWith(smallTiff("title"), before);
        std::string path = open(withApp0 ? "app0.jpg" : "plain.jpg", photo);
        std::string side = dir.file("side.ap1");
        ASSERT_TRUE(exportTo(path, side));
        EXPECT_EQ(t.takeMessages(),
                  (std::vector<Message>{{side + "ﾌｧｲﾙにExportしました。", "message"}}));
        Bytes exported = fixture::readFile(side);
        const size_t exifEnd = static_cast<size_t>(t.location().exifEnd);
        if (withApp0) {
            Bytes expected = {0xFF, 0xD8};
            expected.insert(expected.end(), photo.begin() + 20,
                            photo.begin() + static_cast<long>(exifEnd));
            EXPECT_EQ(exported, expected);
        } else {
            EXPECT_EQ(exported, Bytes(photo.begin(), photo.begin() + static_cast<long>(exifEnd)));
        }
        ASSERT_TRUE(importFrom(path, side));
        std::string output = path.substr(0, path.size() - 4) + "_out.jpg";
        EXPECT_EQ(t.takeMessages(),
                  (std::vector<Message>{{output + "ﾌｧｲﾙにImportし、保存しました。", "message"}}));
        EXPECT_EQ(fixture::readFile(output), photo);
    }
}

TEST_F(Transfer, ImportReplacesTheSegmentAndKeepsTheRest) {
    Bytes donor = fixture::jpegWith(smallTiff("a much longer title from the donor file"));
    std::string donorPath = open("donor.jpg", donor);
    std::string side = dir.file("donor.ap1");
    ASSERT_TRUE(exportTo(donorPath, side));
    Bytes photo = fixture::jpegWith(smallTiff("own"), {fixture::app0(16)});
    std::string path = open("IMG_0001.JPG", photo);
    ASSERT_TRUE(importFrom(path, side));
    Bytes output = fixture::readFile(dir.file("IMG_0001_out.jpg"));
    const size_t exifEnd = static_cast<size_t>(t.location().exifEnd);
    Bytes expected(photo.begin(), photo.begin() + 20);  // SOI and APP0
    expected.insert(expected.end(), donor.begin() + 2,
                    donor.begin() + static_cast<long>(fixture::readFile(side).size()));
    expected.insert(expected.end(), photo.begin() + static_cast<long>(exifEnd), photo.end());
    EXPECT_EQ(output, expected);
    EXPECT_EQ(fixture::readFile(path), photo);  // the current file is not changed
    TestWorkspace check;
    ASSERT_EQ(check.analyzePath(dir.file("IMG_0001_out.jpg")), 1);
    EXPECT_EQ(check.cell(check.findRow("画像タイトル"), Column::Content),
              "a much longer title from the donor file");
}

TEST_F(Transfer, ExportWritesTheFileNotTheUnsavedEdits) {
    Bytes photo = fixture::jpegWith(smallTiff("on disk"));
    std::string path = open("p.jpg", photo);
    ASSERT_TRUE(t.workspace.setRow(t.findRow("画像タイトル"), "edited"));
    ASSERT_TRUE(exportTo(path, dir.file("s.ap1")));
    Bytes side = fixture::readFile(dir.file("s.ap1"));
    EXPECT_EQ(side, Bytes(photo.begin(), photo.begin() + static_cast<long>(side.size())));
}

TEST_F(Transfer, NothingToExport) {
    EXPECT_FALSE(exportTo("", dir.file("x.ap1")));
    EXPECT_EQ(t.takeMessages(),
              (std::vector<Message>{{"ｴｸｽﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。", "message"}}));
    EXPECT_FALSE(importFrom("", dir.file("x.ap1")));
    EXPECT_EQ(t.takeMessages(),
              (std::vector<Message>{{"ｲﾝﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。", "message"}}));

    std::string noExif = open("none.jpg", {0xFF, 0xD8, 0xFF, 0xDA, 0, 2, 1, 2, 3, 4, 5, 6, 7});
    EXPECT_FALSE(exportTo(noExif, dir.file("x.ap1")));
    EXPECT_EQ(t.takeMessages(),
              (std::vector<Message>{{"開いているﾌｧｲﾙには、Exif情報がありません。", "message"}}));
    EXPECT_FALSE(pathExists(dir.file("x.ap1")));

    // A path the analysis refused, or a file changed since: not the analysed file.
    std::string good = open("good.jpg", fixture::jpegWith(smallTiff("t")));
    std::string refused = dir.write("bad.txt", {'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'});
    t.analyzePath(refused);
    t.takeMessages();
    EXPECT_FALSE(exportTo(refused, dir.file("x.ap1")));
    EXPECT_EQ(t.takeMessages(),
              (std::vector<Message>{{"ｴｸｽﾎﾟｰﾄするﾌｧｲﾙを開いて下さい。", "message"}}));
    open("good.jpg", fixture::jpegWith(smallTiff("t")));
    fixture::writeFile(good, fixture::jpegWith(smallTiff("changed by another program")));
    EXPECT_FALSE(exportTo(good, dir.file("x.ap1")));
    EXPECT_FALSE(pathExists(dir.file("x.ap1")));
}

TEST_F(Transfer, ExportNeverOverwritesThePhotoItself) {
    Bytes photo = fixture::jpegWith(smallTiff("keep me"));
    std::string path = open("self.jpg", photo);
    std::string alias = dir.file("alias.jpg");
    ASSERT_EQ(link(path.c_str(), alias.c_str()), 0);
    EXPECT_FALSE(exportTo(path, alias));
    EXPECT_EQ(t.takeMessages(), fileError("出力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。"));
    EXPECT_FALSE(exportTo(path, path));
    EXPECT_EQ(t.takeMessages(), fileError("出力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。"));
    EXPECT_EQ(fixture::readFile(path), photo);
    // A folder that does not exist cannot take the side file.
    EXPECT_FALSE(exportTo(path, dir.file("missing/side.ap1")));
    EXPECT_EQ(t.takeMessages(), fileError("出力ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。"));
}

TEST_F(Transfer, ImportChecksTheSideFileBeforeWriting) {
    Bytes photo = fixture::jpegWith(smallTiff("t"));
    std::string path = open("p.jpg", photo);
    Bytes valid(photo.begin(), photo.begin() + static_cast<long>(t.location().exifEnd));
    Bytes wrongLength = valid;
    wrongLength.push_back(0);
    Bytes notExif = valid;
    notExif[6] = 'X';
    Bytes notJpeg = valid;
    notJpeg[1] = 0xD9;
    for (const Bytes& side : {Bytes{}, wrongLength, notExif, notJpeg, Bytes(70000, 0xFF)}) {
        std::string sidePath = dir.write("side.ap1", side);
        EXPECT_FALSE(importFrom(path, sidePath)) << side.size();
        EXPECT_EQ(t.takeMessages(), fileError("対象外の形式です")) << side.size();
        EXPECT_FALSE(pathExists(dir.file("p_out.jpg")));
    }
    EXPECT_FALSE(importFrom(path, dir.file("missing.ap1")));
    EXPECT_EQ(t.takeMessages(), fileError("ﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ。"));
}

TEST_F(Transfer, ImportAddsExifToAJpegWithoutIt) {
    Bytes donor = fixture::jpegWith(smallTiff("given"));
    std::string donorPath = open("donor.jpg", donor);
    ASSERT_TRUE(exportTo(donorPath, dir.file("d.ap1")));
    Bytes plain = {0xFF, 0xD8, 0xFF, 0xDB, 0, 4, 1, 2, 0xFF, 0xDA, 0, 2, 9, 9, 0xFF, 0xD9};
    std::string path = open("plain.jpg", plain);
    EXPECT_EQ(t.location().exifEnd, 0u);
    ASSERT_TRUE(importFrom(path, dir.file("d.ap1")));
    Bytes output = fixture::readFile(dir.file("plain_out.jpg"));
    Bytes side = fixture::readFile(dir.file("d.ap1"));
    Bytes expected = side;
    expected.insert(expected.end(), plain.begin() + 2, plain.end());
    EXPECT_EQ(output, expected);

    // A file that is not a JPEG at all is refused.
    std::string text = open("text.jpg", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'});
    EXPECT_FALSE(importFrom(text, dir.file("d.ap1")));
    EXPECT_EQ(t.takeMessages(),
              (std::vector<Message>{{"開いているﾌｧｲﾙには、Exif情報がありません。", "message"}}));
}

TEST_F(Transfer, OutputsAppearWholeOrNotAtAll) {
    Bytes photo = fixture::jpegWith(smallTiff("t"));
    std::string path = open("p.jpg", photo);
    std::string side = dir.file("s.ap1");
    ASSERT_TRUE(exportTo(path, side));
    // The import's own earlier output as the side file: it is read whole, and kept.
    ASSERT_TRUE(importFrom(path, side));
    std::string output = dir.file("p_out.jpg");
    ASSERT_TRUE(exportTo(path, output));
    ASSERT_TRUE(importFrom(path, output));
    EXPECT_EQ(fixture::readFile(dir.file("p_out(2).jpg")), photo);

    // A write that fails part way leaves the existing output as it was and no stray file.
    Bytes existing = fixture::readFile(output);
    t.takeMessages();
    setWriteFaultHook([](uint64_t, size_t) { return false; });
    EXPECT_FALSE(importFrom(path, side));
    EXPECT_FALSE(exportTo(path, side));
    setWriteFaultHook(nullptr);
    EXPECT_EQ(t.takeMessages(),
              (std::vector<Message>{{"出力ﾌｧｲﾙﾗｲﾄｴﾗｰ。", "ﾒｯｾｰｼ"}, {"出力ﾌｧｲﾙﾗｲﾄｴﾗｰ。", "ﾒｯｾｰｼ"}}));
    EXPECT_EQ(fixture::readFile(output), existing);
    size_t entries = 0;
    for (std::string name : {"p.jpg", "s.ap1", "p_out.jpg", "p_out(2).jpg"})
        entries += pathExists(dir.file(name));
    EXPECT_EQ(entries, 4u);
    auto listing = testing::runProcess({"/bin/ls", "-A", dir.path()});
    EXPECT_EQ(listing.out, "p.jpg\np_out(2).jpg\np_out.jpg\ns.ap1\n");
}

TEST_F(Transfer, LongPathsWork) {
    std::string folder = dir.path();
    for (int i = 0; i < 3; ++i) {
        folder += "/" + std::string(120, static_cast<char>('a' + i));
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    }
    Bytes photo = fixture::jpegWith(smallTiff("deep"));
    std::string path = folder + "/" + std::string(100, 'p') + ".jpg";
    fixture::writeFile(path, photo);
    ASSERT_EQ(t.analyzePath(path), 1);
    ASSERT_GT(path.size(), 300u);
    ASSERT_TRUE(exportTo(path, folder + "/side.ap1"));
    ASSERT_TRUE(importFrom(path, folder + "/side.ap1"));
    EXPECT_EQ(fixture::readFile(folder + "/" + std::string(100, 'p') + "_out.jpg"), photo);
}

TEST(TransferNames, OutputPathAndSideFileShape) {
    EXPECT_EQ(importOutputStem("/photos/IMG_0001.JPG"), "/photos/IMG_0001_out");
    EXPECT_EQ(importOutputStem("/photos/a.b.jpeg"), "/photos/a.b_out");
    EXPECT_EQ(importOutputStem("/pho.tos/noext"), "/pho.tos/noext_out");
    EXPECT_TRUE(isSideFile({0xFF, 0xD8, 0xFF, 0xE1, 0, 8, 'E', 'x', 'i', 'f', 0, 0}));
    EXPECT_FALSE(isSideFile({0xFF, 0xD8, 0xFF, 0xE1, 0, 9, 'E', 'x', 'i', 'f', 0, 0}));
    // Another marker (here end-of-image) would not be found as the Exif once imported.
    EXPECT_FALSE(isSideFile({0xFF, 0xD8, 0xFF, 0xD9, 0, 8, 'E', 'x', 'i', 'f', 0, 0}));
}

TEST(TransferCorpus, ExportImportRoundTripOfEveryCameraFile) {
    std::vector<std::string> files = fixture::corpusFiles();
    if (files.empty()) GTEST_SKIP() << "no corpus";
    fixture::TempDir dir;
    int roundTrips = 0;
    for (const std::string& source : files) {
        Bytes photo = fixture::readFile(source);
        std::string path = dir.write("photo.jpg", photo);
        TestWorkspace t;
        if (t.analyzePath(path) != 1) continue;
        ASSERT_TRUE(t.workspace.exportTo(dir.file("side.ap1"))) << source;
        ASSERT_TRUE(t.workspace.importFrom(dir.file("side.ap1"))) << source;
        EXPECT_EQ(fixture::readFile(dir.file("photo_out.jpg")), photo) << source;
        std::remove(dir.file("photo_out.jpg").c_str());
        ++roundTrips;
    }
    EXPECT_GT(roundTrips, 40);
}

TEST_F(Transfer, ImportNeverReplacesAFile) {
    // x.jpg, x.JPG and x.jpeg share the output name; an existing file keeps its bytes and
    // each import takes the next free number, naming it in its message.
    const Bytes taken = {'k', 'e', 'e', 'p'};
    fixture::writeFile(dir.file("x_out.jpg"), taken);
    int number = 2;
    for (const char* name : {"x.jpg", "x.JPG", "x.jpeg"}) {
        const Bytes photo = fixture::jpegWith(smallTiff(name));
        const std::string path = dir.write(name, photo);
        ASSERT_EQ(t.analyzePath(path), 1);
        ASSERT_TRUE(exportTo(path, dir.file("side.ap1")));
        t.takeMessages();
        ASSERT_TRUE(importFrom(path, dir.file("side.ap1"))) << name;
        const std::string output = dir.file("x_out(" + std::to_string(number++) + ").jpg");
        EXPECT_EQ(fixture::readFile(output), photo) << name;
        EXPECT_EQ(t.takeMessages(),
                  (std::vector<Message>{{output + "ﾌｧｲﾙにImportし、保存しました。", "message"}}));
    }
    EXPECT_EQ(fixture::readFile(dir.file("x_out.jpg")), taken);
}

TEST_F(Transfer, ImportIntoAFileThatIsNoJpegIsRefused) {
    Bytes photo = fixture::jpegWith(smallTiff("side"));
    std::string source = dir.write("s.jpg", photo);
    ASSERT_EQ(t.analyzePath(source), 1);
    ASSERT_TRUE(exportTo(source, dir.file("side.ap1")));
    for (const Bytes& target : {Bytes{0xFF, 0xD8}, Bytes{0xFF, 0xD8, 0x12, 0x34, 0x56}}) {
        std::string path = dir.write("t.jpg", target);
        t.analyzePath(path);
        t.takeMessages();
        EXPECT_FALSE(importFrom(path, dir.file("side.ap1")));
        EXPECT_EQ(t.takeMessages(), (std::vector<Message>{{"対象外の形式です", "ﾒｯｾｰｼ"}}));
        EXPECT_FALSE(fixture::readFile(dir.file("t_out.jpg")).size() > 0);
    }
}

TEST(TransferCli, ExportAndImportCommands) {
    fixture::TempDir dir;
    Bytes photo = fixture::jpegWith(smallTiff("cli"), {fixture::app0(16)});
    std::string path = dir.write("c.jpg", photo);
    auto exported = testing::runCli({"export", path, dir.file("c.ap1")});
    EXPECT_EQ(exported.status, 0) << exported.err;
    auto imported = testing::runCli({"import", path, dir.file("c.ap1")});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(fixture::readFile(dir.file("c_out.jpg")), photo);
    EXPECT_EQ(testing::runCli({"import", path, dir.file("missing.ap1")}).status, 1);
    EXPECT_EQ(testing::runCli({"export", path}).status, 2);
}

}  // namespace
}  // namespace brevino
