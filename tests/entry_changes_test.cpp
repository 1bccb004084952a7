#include <dirent.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "edit/entry_changes.h"
#include "edit/overwrite_save.h"
#include "exif/value_notes.h"
#include "tags/tag_roles.h"
#include "test_support.h"

namespace brevino {
namespace {

using fixture::Bytes;
using testing::TestWorkspace;

struct Added {
    IfdKind ifd;
    uint16_t tag;
    std::string value;
};

// The bytes of a JPEG after its Exif segment (or after its first segments, without one).
Bytes afterExifSegment(const Bytes& file) {
    size_t at = 2;
    while (at + 4 <= file.size() && file[at] == 0xFF) {
        const size_t length = size_t{file[at + 2]} << 8 | file[at + 3];
        if (file[at + 1] == 0xE1)
            return Bytes(file.begin() + static_cast<long>(at + 2 + length), file.end());
        if (file[at + 1] == 0xDA) break;
        at += 2 + length;
    }
    return {};
}

// Every entry of the IFD kind, by tag, in the order the IFD lists them.
std::vector<uint16_t> tagsOf(const Document& document, IfdKind ifd) {
    std::vector<uint16_t> tags;
    for (const Entry& entry : document.entries) {
        if (entry.ifd == ifd && entry.field == Entry::kNoField) tags.push_back(entry.tag);
    }
    return tags;
}

// The file positions of the values that lie outside their records, by IFD and tag.
std::map<std::pair<IfdKind, uint16_t>, uint64_t> outsideValues(const Document& document) {
    std::map<std::pair<IfdKind, uint16_t>, uint64_t> positions;
    for (const Entry& entry : document.entries) {
        if (valueLength(entry) > 4) positions[{entry.ifd, entry.tag}] = entry.position;
    }
    return positions;
}

fixture::Tiff cameraLike(ByteOrder order) {
    fixture::Tiff tiff;
    tiff.order = order;
    tiff.ifd0.entries = {fixture::ascii(0x010F, "Maker"), fixture::ascii(0x0110, "Model 1"),
                         fixture::shorts(0x0112, {1})};
    tiff.exif = fixture::Ifd{
        {fixture::rationals(0x829A, {{1, 60}}), fixture::ascii(0x9003, "2024:05:06 07:08:09")}};
    fixture::MakerNote note;
    note.header = "AOC";
    note.header.push_back('\0');
    note.header += order == Intel ? "II" : "MM";
    note.order = order;
    note.ifd.entries = {fixture::ascii(0x0001, "note text here")};
    tiff.makerNote = note;
    tiff.ifd1 = fixture::Ifd{{fixture::shorts(0x0103, {6})}};
    tiff.thumbnail = std::string("\xFF\xD8\xFF\xD9", 4);
    return tiff;
}

TEST(EntryAdding, NewEntriesInTagOrderOnEvenOffsetsAndNothingElseMoves) {
    fixture::Tiff bare;
    bare.order = Motorola;
    bare.ifd0.entries = {fixture::ascii(0x010F, "Maker")};
    const struct {
        const char* name;
        fixture::Tiff tiff;
        std::vector<Added> added;
    } cases[] = {
        {"0th and Exif gain entries beside a maker note and a thumbnail",
         cameraLike(Intel),
         {{IfdKind::Zeroth, tags::kArtist, "Taro Yamada"},
          {IfdKind::Zeroth, tags::kCopyright, "(c) 2026"},
          {IfdKind::Exif, 0x9011, "+09:00"},
          {IfdKind::Exif, 0xA434, "EF 50mm f/1.8"}}},
        {"big-endian, the same",
         cameraLike(Motorola),
         {{IfdKind::Exif, 0x9011, "-05:30"}, {IfdKind::Zeroth, tags::kArtist, "a"}}},
        {"Exif and GPS IFDs made where there were none",
         bare,
         {{IfdKind::Exif, 0x9011, "+01:00"},
          {IfdKind::Gps, 0x0000, "2 3 0 0"},
          {IfdKind::Gps, 0x0001, "N"}}},
        {"an Interop IFD made under the Exif IFD",
         cameraLike(Intel),
         {{IfdKind::Interop, 0x0001, "R98"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::TempDir dir;
        const Bytes before = fixture::jpegWith(c.tiff);
        const std::string path = dir.write("photo.jpg", before);
        TestWorkspace t;
        ASSERT_TRUE(t.analyzePath(path));
        const auto valuesBefore = outsideValues(t.workspace.document());
        std::vector<EntryAddition> additions;
        for (const Added& added : c.added) {
            std::optional<EntryAddition> addition =
                t.workspace.addition(added.ifd, added.tag, added.value);
            ASSERT_TRUE(addition) << added.value;
            additions.push_back(*addition);
        }
        ASSERT_TRUE(t.workspace.saveWith(additions));
        const Bytes after = fixture::readFile(path);
        EXPECT_EQ(afterExifSegment(after), afterExifSegment(before));

        const Document& written = t.workspace.document();
        ASSERT_TRUE(written.walked());
        for (const IfdKind ifd : {IfdKind::Zeroth, IfdKind::Exif, IfdKind::Gps, IfdKind::Interop}) {
            const std::vector<uint16_t> tags = tagsOf(written, ifd);
            EXPECT_TRUE(std::is_sorted(tags.begin(), tags.end())) << static_cast<int>(ifd);
        }
        for (const Added& added : c.added) {
            const Entry* entry = written.find(added.ifd, added.tag);
            ASSERT_NE(entry, nullptr) << added.value;
            if (valueLength(*entry) > 4) {
                EXPECT_EQ((entry->position - written.location.tiffStart) % 2, 0u) << added.value;
            }
        }
        // The values that were there (the maker note's and the thumbnail's among them) stay.
        const auto valuesAfter = outsideValues(written);
        for (const auto& [key, position] : valuesBefore) {
            ASSERT_TRUE(valuesAfter.contains(key)) << key.second;
            EXPECT_EQ(valuesAfter.at(key), position) << key.second;
        }
    }
}

TEST(EntryAdding, AJpegWithoutExifGetsASegmentAfterItsJfifSegment) {
    const Bytes before = {0xFF, 0xD8, 0xFF, 0xE0, 0,    16, 'J',  'F',  'I',  'F',  0, 1,
                          1,    0,    0,    1,    0,    1,  0,    0,    0xFF, 0xDA, 0, 8,
                          1,    1,    0,    0,    0x3F, 0,  0x12, 0x34, 0xFF, 0xD9};
    fixture::TempDir dir;
    const std::string path = dir.write("plain.jpg", before);
    TestWorkspace t;
    t.analyzePath(path);
    ASSERT_EQ(t.workspace.document().problem, Problem::NoExifSegment);
    const std::optional<EntryAddition> artist =
        t.workspace.addition(IfdKind::Zeroth, tags::kArtist, "Taro");
    ASSERT_TRUE(artist);
    ASSERT_TRUE(t.workspace.saveWith(std::span(&*artist, 1)));
    const Bytes after = fixture::readFile(path);
    ASSERT_GT(after.size(), before.size());
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 20, after.begin()));
    EXPECT_EQ(after[20], 0xFF);
    EXPECT_EQ(after[21], 0xE1);
    EXPECT_TRUE(std::equal(before.begin() + 20, before.end(),
                           after.end() - static_cast<long>(before.size() - 20)));
    ASSERT_NE(t.workspace.document().find(IfdKind::Zeroth, tags::kArtist), nullptr);
}

TEST(EntryAdding, RefusalsLeaveTheFileAsItWas) {
    fixture::Tiff full = cameraLike(Intel);
    full.exif->entries.push_back(fixture::undefined(0x9286, std::string(65000, 'x')));
    const struct {
        const char* name;
        Bytes file;
        Added added;
        Problem expected;
    } cases[] = {
        {"a segment that would pass 65,533 bytes",
         fixture::jpegWith(full),
         {IfdKind::Zeroth, tags::kArtist, std::string(600, 'a')},
         Problem::SegmentTooLarge},
        {"a PNG",
         fixture::wrapTiff(fixture::buildTiff(cameraLike(Intel)), fixture::Wrapping::Png),
         {IfdKind::Zeroth, tags::kArtist, "a"},
         Problem::AddJpegOnly},
        {"a tag the file has",
         fixture::jpegWith(cameraLike(Intel)),
         {IfdKind::Zeroth, 0x010F, "b"},
         Problem::NotEditable},
        {"a structural tag",
         fixture::jpegWith(cameraLike(Intel)),
         {IfdKind::Zeroth, tags::kGpsPointer, "8"},
         Problem::NotEditable},
        {"a value the tag's type refuses",
         fixture::jpegWith(cameraLike(Intel)),
         {IfdKind::Exif, 0x8827, "many"},
         Problem::NotNumber},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::TempDir dir;
        const std::string path = dir.write("photo.jpg", c.file);
        TestWorkspace t;
        t.analyzePath(path);
        t.takeMessages();
        const std::optional<EntryAddition> addition =
            t.workspace.addition(c.added.ifd, c.added.tag, c.added.value);
        if (addition) {
            EXPECT_FALSE(t.workspace.saveWith(std::span(&*addition, 1)));
        }
        const std::vector<testing::Message> messages = t.takeMessages();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.front().text, messageText(c.expected)) << messages.front().text;
        EXPECT_EQ(fixture::readFile(path), c.file);
    }
}

TEST(EntryAdding, AFailedCheckLeavesTheOriginalAndNoCopy) {
    fixture::TempDir dir;
    const Bytes before = fixture::jpegWith(cameraLike(Intel));
    const std::string path = dir.write("photo.jpg", before);
    const FileAnalysis analysis = analyzeFile(path);
    const AdditionResult artist = encodeAddition(
        IfdKind::Zeroth, *standardTable(IfdKind::Zeroth)->find(tags::kArtist), "Taro", Intel);
    const SegmentPlan plan = planAdditions(analysis.document, {}, std::span(&artist.addition, 1));
    ASSERT_EQ(plan.problem, Problem::None);
    FileChange change = planSegmentWrite(plan.change, *analysis.file, {});
    const ChangeResult result =
        applyChange(change, [](const std::string&) { return Problem::RewriteCheckFailed; });
    EXPECT_EQ(result.problems, std::vector<Problem>{Problem::RewriteCheckFailed});
    EXPECT_EQ(fixture::readFile(path), before);
    DIR* folder = opendir(dir.path().c_str());
    size_t files = 0;
    while (const dirent* each = readdir(folder))
        files += each->d_name[0] != '.' || std::string(each->d_name).starts_with(".brevino");
    closedir(folder);
    EXPECT_EQ(files, 1u);
}

TEST(EntryRemoving, InPlaceWithTheFreedBytesZeroed) {
    fixture::Tiff tiff = cameraLike(Intel);
    tiff.ifd0.entries.push_back(fixture::ascii(tags::kArtist, "Taro Yamada"));
    tiff.gps = fixture::Ifd{{fixture::byteValues(0x0000, {2, 3, 0, 0}), fixture::ascii(0x0001, "N"),
                             fixture::rationals(0x0002, {{35, 1}, {40, 1}, {0, 1}})}};
    const struct {
        const char* name;
        std::string row;  // a row's tag cell, or "gps"
        IfdKind ifd;
        uint16_t tag;
    } cases[] = {
        {"an entry whose value lies outside its record", "作者名", IfdKind::Zeroth, tags::kArtist},
        {"an entry whose value lies in its record", "画像方向", IfdKind::Zeroth, 0x0112},
        {"the GPS position", "gps", IfdKind::Gps, 0x0002},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::TempDir dir;
        const Bytes before = fixture::jpegWith(tiff);
        const std::string path = dir.write("photo.jpg", before);
        TestWorkspace t;
        ASSERT_TRUE(t.analyzePath(path));
        const Entry removed = *t.workspace.document().find(c.ifd, c.tag);
        const size_t length = valueLength(removed);
        const uint64_t gpsTable = [&] {
            for (const Section& section : t.workspace.document().sections)
                if (section.ifd == IfdKind::Gps) return section.offset;
            return uint64_t{0};
        }();
        const size_t entriesBefore = tagsOf(t.workspace.document(), c.ifd).size();
        if (c.row == "gps") {
            ASSERT_TRUE(t.workspace.removeGps());
        } else {
            const long row = t.findRow(c.row);
            ASSERT_GE(row, 0);
            const size_t index = static_cast<size_t>(row);
            ASSERT_TRUE(t.workspace.removeRows(std::span(&index, 1)));
        }
        const Bytes after = fixture::readFile(path);
        ASSERT_EQ(after.size(), before.size());
        const Document& written = t.workspace.document();
        EXPECT_EQ(written.find(c.ifd, c.tag), nullptr);
        if (c.row == "gps") {
            EXPECT_EQ(written.find(IfdKind::Zeroth, tags::kGpsPointer), nullptr);
            // The GPS IFD's table (three entries) and its values are zeros.
            EXPECT_TRUE(std::all_of(after.begin() + static_cast<long>(gpsTable),
                                    after.begin() + static_cast<long>(gpsTable + 2 + 36 + 4),
                                    [](uint8_t b) { return b == 0; }));
        } else {
            EXPECT_EQ(tagsOf(written, c.ifd).size(), entriesBefore - 1);
        }
        if (length > 4) {
            EXPECT_TRUE(std::all_of(after.begin() + static_cast<long>(removed.position),
                                    after.begin() + static_cast<long>(removed.position + length),
                                    [](uint8_t b) { return b == 0; }));
        }
        // Every other entry keeps its value.
        EXPECT_EQ(written.find(IfdKind::Zeroth, 0x010F)->position,
                  t.workspace.document().find(IfdKind::Zeroth, 0x010F)->position);
        EXPECT_NE(written.find(IfdKind::MakerNote, 0x0001), nullptr);
    }
}

TEST(EntryRemoving, StructuralRowsAreRefusedAndNothingIsWritten) {
    fixture::TempDir dir;
    const Bytes before = fixture::jpegWith(cameraLike(Intel));
    const std::string path = dir.write("photo.jpg", before);
    TestWorkspace t;
    ASSERT_TRUE(t.analyzePath(path));
    for (const uint16_t tag : {tags::kExifPointer, tags::kMakerNote, tags::kThumbnailOffset}) {
        SCOPED_TRACE(tag);
        long row = -1;
        for (size_t r = 0; r < t.rows().size() && row < 0; ++r)
            if (!t.rows().isHeading(r) && t.entry(r).tag == tag) row = static_cast<long>(r);
        ASSERT_GE(row, 0);
        const size_t index = static_cast<size_t>(row);
        t.takeMessages();
        EXPECT_FALSE(t.workspace.removeRows(std::span(&index, 1)));
        EXPECT_EQ(t.takeMessages().front().text, messageText(Problem::NotRemovable));
    }
    EXPECT_EQ(fixture::readFile(path), before);
}

}  // namespace
}  // namespace brevino
