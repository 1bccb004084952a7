// The language of the texts: how it is chosen, that every message has both texts, and that
// English output of the command line holds no Japanese outside the Exif values themselves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "platform/language.h"
#include "run_process.h"
#include "tags/tag_dictionary.h"
#include "tags/tag_translation.h"
#include "test_support.h"
#include "workspace/messages.h"
#include "workspace/settings.h"
#include "workspace/undo_report.h"

namespace brevino {
namespace {

using testing::hasJapanese;
using testing::runCli;

// Sets the language of the texts for one test and puts Japanese back after it.
struct TextsIn {
    explicit TextsIn(Language language) { setTextLanguage(language); }
    ~TextsIn() { setTextLanguage(Language::Japanese); }
};

TEST(Language, ChosenFromTheLocaleOrByWord) {
    const struct {
        const char* locale;
        Language language;
    } locales[] = {
        {"ja_JP.UTF-8", Language::Japanese},
        {"ja", Language::Japanese},
        {"ja_JP@euro", Language::Japanese},
        {"C", Language::Japanese},
        {"C.UTF-8", Language::Japanese},
        {"POSIX", Language::Japanese},
        {"", Language::Japanese},
        {"en_US.UTF-8", Language::English},
        {"de_DE", Language::English},
        {"jam_JM", Language::English},
    };
    for (const auto& each : locales)
        EXPECT_EQ(languageOfLocale(each.locale), each.language) << each.locale;

    for (const char* word : {"auto", "ja", "en"})
        EXPECT_EQ(languageChoiceWord(*parseLanguageChoice(word)), word);
    for (const char* word : {"", "EN", "english", "jp"})
        EXPECT_FALSE(parseLanguageChoice(word)) << word;
    EXPECT_EQ(languageFor(LanguageChoice::English), Language::English);
    EXPECT_EQ(languageFor(LanguageChoice::Japanese), Language::Japanese);
}

TEST(Language, KeptInTheSettingsFileOnlyOnceChosen) {
    fixture::TempDir dir;
    const std::string path = dir.path() + "/brevino.ini";
    EXPECT_EQ(loadSettings(path).language, LanguageChoice::Auto);
    const fixture::Bytes before = fixture::readFile(path);
    EXPECT_EQ(std::string(before.begin(), before.end()).find("Language"), std::string::npos);
    ASSERT_TRUE(saveLanguage(path, LanguageChoice::English));
    EXPECT_EQ(loadSettings(path).language, LanguageChoice::English);
    ASSERT_TRUE(saveLanguage(path, LanguageChoice::Japanese));
    EXPECT_EQ(readSettings(path).language, LanguageChoice::Japanese);
}

// A tag is found by its key, its Japanese name or its English name, in either language.
TEST(Language, TagsAreNamedInEitherLanguage) {
    const TagDef* original = kExifTags.find(0x9003);
    ASSERT_NE(original, nullptr);
    for (const Language language : {Language::Japanese, Language::English}) {
        const TextsIn texts(language);
        for (const std::string_view name :
             {std::string_view("DateTimeOriginal"), std::string_view(original->name),
              std::string_view("Date/Time Original")})
            EXPECT_EQ(kExifTags.findNamed(name), original) << name;
        EXPECT_EQ(kExifTags.findNamed("datetimeoriginal"), nullptr);
    }
    EXPECT_EQ(displayName(*original), original->name);
    const TextsIn english(Language::English);
    EXPECT_EQ(displayName(*original), "Date/Time Original");
}

// The "%s" and "%d" slots of a text, in order.
std::string slotsOf(std::string_view text) {
    std::string slots;
    for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        if (at + 1 < text.size()) slots.push_back(text[at + 1]);
    }
    return slots;
}

// Every message, question and label has an English text with the Japanese one's slots, and
// the English texts hold no Japanese.
TEST(Language, EveryTextHasBothLanguages) {
    std::vector<std::pair<std::string, std::string>> pairs;  // Japanese, English
    auto collect = [&](auto text) {
        setTextLanguage(Language::Japanese);
        std::string japanese(text());
        setTextLanguage(Language::English);
        pairs.emplace_back(std::move(japanese), std::string(text()));
        setTextLanguage(Language::Japanese);
    };
    for (int p = 1; p <= static_cast<int>(Problem::AlreadyUndone); ++p) {
        collect([p] { return messageFor(static_cast<Problem>(p)).text; });
        collect([p] { return messageFor(static_cast<Problem>(p)).caption; });
    }
    for (Question q : {Question::UnsavedEdits, Question::ConfirmBatch, Question::Undo,
                       Question::Redo, Question::Remove})
        collect([q] { return questionText(q); });
    for (const BatchOperationInfo& info : kBatchOperations)
        collect([&info] { return batchOperationText(info); });
    for (const SwitchKey& key : kSwitchKeys)
        collect([&key] { return switchLabel(key); });
    collect(batchPromptText);
    collect(batchValuePrompt);

    for (const auto& [japanese, english] : pairs) {
        SCOPED_TRACE(japanese);
        EXPECT_EQ(japanese.empty(), english.empty());
        EXPECT_FALSE(hasJapanese(english)) << english;
        EXPECT_EQ(slotsOf(japanese), slotsOf(english)) << english;
    }
    // The Japanese texts are those of before.
    EXPECT_EQ(messageFor(Problem::NoExifSegment).text, "Exif情報がありません。");
    EXPECT_EQ(messageFor(Problem::Saved).caption, "ﾒｯｾｰｼﾞ");
    const TextsIn english(Language::English);
    EXPECT_EQ(messageText(Problem::TooLong, "20"), "The value is too long. (up to 20 bytes)");
    EXPECT_EQ(messageText(Problem::Undone, operationLabel(12, "shift-dates +1:00")),
              "Undid operation 12 (shift-dates +1:00).");
    EXPECT_EQ(messageText(Problem::Undone, operationLabel(12, "")), "Undid operation 12.");
    EXPECT_EQ(batchQuestion("Shift the dates", 3),
              "\"Shift the dates\" will change 3 file(s). Go ahead?");
}

// The command line's English, by --lang or by the locale, over every corpus file: no Japanese
// in any cell but the values, nor in a message; --lang ja gives the Japanese of C.
TEST(Language, CommandLineInEnglishHoldsNoJapaneseOutsideValues) {
    std::vector<std::string> files = fixture::corpusFiles();
    if (files.empty()) GTEST_SKIP() << "no corpus";
    std::vector<std::string> show = {"show", "--tsv"};
    show.insert(show.end(), files.begin(), files.end());
    show.push_back(fixture::corpusDirectory() + "/formats");  // the other containers
    const std::vector<std::string> englishLocale = {"LC_ALL=", "LC_MESSAGES=", "LANG=en_US.UTF-8"};
    const std::vector<std::string> cLocale = {"LC_ALL=", "LC_MESSAGES=", "LANG=C"};

    std::vector<std::string> byOption = show;
    byOption.insert(byOption.begin() + 1, "--lang");
    byOption.insert(byOption.begin() + 2, "en");
    const auto english = runCli(byOption, cLocale);
    ASSERT_FALSE(english.out.empty());
    size_t lineStart = 0;
    for (size_t end; (end = english.out.find('\n', lineStart)) != std::string::npos;
         lineStart = end + 1) {
        const std::string line = english.out.substr(lineStart, end - lineStart);
        // path, offset, type, count, tag, content, note: only the content is the file's own.
        size_t cellStart = 0;
        for (int cell = 0; cellStart <= line.size(); ++cell) {
            const size_t cellEnd = std::min(line.find('\t', cellStart), line.size());
            if (cell != 5) {
                EXPECT_FALSE(hasJapanese(line.substr(cellStart, cellEnd - cellStart))) << line;
            }
            cellStart = cellEnd + 1;
        }
    }
    EXPECT_FALSE(hasJapanese(english.err)) << english.err;

    const auto byLocale = runCli(show, englishLocale);
    EXPECT_EQ(byLocale.out, english.out);
    EXPECT_EQ(byLocale.err, english.err);

    std::vector<std::string> japaneseByOption = show;
    japaneseByOption.insert(japaneseByOption.begin() + 1, "--lang=ja");
    const auto japanese = runCli(japaneseByOption, englishLocale);
    const auto c = runCli(show, cLocale);
    EXPECT_EQ(japanese.out, c.out);
    EXPECT_EQ(japanese.err, c.err);
    EXPECT_TRUE(hasJapanese(c.out));

    // LC_ALL comes before LC_MESSAGES, which comes before LANG.
    const std::vector<std::string> one = {"show", files.front()};
    EXPECT_EQ(runCli(one, {"LC_ALL=C", "LC_MESSAGES=", "LANG=en_US.UTF-8"}).out,
              runCli(one, cLocale).out);
    EXPECT_EQ(runCli(one, {"LC_ALL=", "LC_MESSAGES=en_GB", "LANG=ja_JP.UTF-8"}).out,
              runCli({"show", "--lang", "en", files.front()}, cLocale).out);
    EXPECT_EQ(runCli({"show", "--lang", "fr", files.front()}).status, 2);
}

}  // namespace
}  // namespace brevino
