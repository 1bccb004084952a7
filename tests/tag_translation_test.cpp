#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "tags/tag_dictionary.h"
#include "tags/tag_translation.h"
#include "test_support.h"

namespace brevino {
namespace {

using testing::hasJapanese;

TEST(TagCatalogs, JapaneseIsTheTablesOwnLanguage) {
    EXPECT_EQ(tagCatalog(Language::Japanese), nullptr);
    ASSERT_NE(tagCatalog(Language::English), nullptr);
    EXPECT_EQ(tagCatalog(Language::English)->language, Language::English);
    EXPECT_TRUE(hasJapanese("ｶﾒﾗ"));
    EXPECT_TRUE(hasJapanese("【1st IFD】"));
    EXPECT_FALSE(hasJapanese("Daylight ★ −0.7 EV 5°"));
}

// Every tag of the standard and TIFF tables has an English name and every coded value an
// English note; English texts hold no Japanese; the catalog names nothing the tables lack.
TEST(TagCatalogs, EnglishCoversEveryStandardTagAndCodedValue) {
    const TagCatalog& english = *tagCatalog(Language::English);
    std::map<std::string_view, std::string_view> names;
    for (const NameTranslation& name : english.names) {
        EXPECT_TRUE(names.emplace(name.key, name.text).second) << "twice: " << name.key;
        EXPECT_FALSE(hasJapanese(name.text)) << name.key;
    }
    std::map<std::tuple<std::string_view, int32_t, int32_t>, std::string_view> notes;
    for (const NoteTranslation& note : english.notes) {
        EXPECT_TRUE(notes.emplace(std::tuple{note.key, note.first, note.second}, note.text).second)
            << "twice: " << note.key << " " << note.first;
        EXPECT_FALSE(hasJapanese(note.text)) << note.key << " " << note.first;
    }

    size_t namesUsed = 0;
    size_t notesUsed = 0;
    std::set<std::string_view> englishNames;
    for (const TagTable* table :
         {&kPrimaryTags, &kExifTags, &kInteropTags, &kGpsTags, &kTiffTags}) {
        for (const TagDef& tag : table->tags) {
            SCOPED_TRACE(tag.key);
            const auto name = names.find(tag.key);
            ASSERT_NE(name, names.end());
            ++namesUsed;
            EXPECT_TRUE(englishNames.insert(name->second).second) << "shared: " << name->second;
            // A name already in English reads the same in both languages.
            if (!hasJapanese(tag.name)) {
                EXPECT_EQ(name->second, tag.name);
            }
            for (const ValueName& value : tag.values) {
                const auto note = notes.find({tag.key, value.first, value.second});
                ASSERT_NE(note, notes.end()) << value.first << " " << value.second;
                ++notesUsed;
                if (!hasJapanese(value.text)) {
                    EXPECT_EQ(note->second, value.text);
                }
            }
        }
    }
    EXPECT_EQ(namesUsed, names.size());
    EXPECT_EQ(notesUsed, notes.size());

    const std::map<std::string_view, std::string_view> headings = {
        {"【0th IFD】", "[0th IFD]"},    {"【Exif IFD】", "[Exif IFD]"},
        {"【GPS情報IFD】", "[GPS IFD]"}, {"【互換性 IFD】", "[Interoperability IFD]"},
        {"【1st IFD】", "[1st IFD]"},    {"【メーカーノート】", "[Maker note]"},
    };
    std::map<std::string_view, std::string_view> catalogHeadings;
    for (const NameTranslation& heading : english.headings)
        catalogHeadings.emplace(heading.key, heading.text);
    EXPECT_EQ(catalogHeadings, headings);
}

TEST(TagCatalogs, EnglishFollowsTheStandardsEnglishWording) {
    const TagCatalog& english = *tagCatalog(Language::English);
    auto name = [&](std::string_view key) -> std::string_view {
        for (const NameTranslation& entry : english.names) {
            if (key == entry.key) return entry.text;
        }
        return {};
    };
    auto note = [&](std::string_view key, int32_t first) -> std::string_view {
        for (const NoteTranslation& entry : english.notes) {
            if (key == entry.key && first == entry.first) return entry.text;
        }
        return {};
    };
    EXPECT_EQ(name("DateTimeOriginal"), "Date/Time Original");
    EXPECT_EQ(name("FNumber"), "F Number");
    EXPECT_EQ(name("GPSLatitudeRef"), "GPS Latitude Ref");
    EXPECT_EQ(name("XPTitle"), "Windows XP Title");
    EXPECT_EQ(name("UniqueCameraModel"), "Unique Camera Model");
    EXPECT_EQ(note("Orientation", 1),
              "The 0th row is the visual top of the image, and the 0th column is the visual "
              "left-hand side");
    EXPECT_EQ(note("Flash", 0), "Flash did not fire");
    EXPECT_EQ(note("Flash", 1), "Flash fired");
    EXPECT_EQ(note("LightSource", 1), "Daylight");
    EXPECT_EQ(note("CalibrationIlluminant2", 21), "D65");
    EXPECT_EQ(note("MeteringMode", 5), "Pattern");
    EXPECT_EQ(note("GPSLatitudeRef", 'N'), "North latitude");
    EXPECT_EQ(note("GPSDestLongitudeRef", 'W'), "West longitude");
}

}  // namespace
}  // namespace brevino
