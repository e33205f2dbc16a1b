#include "aliasmith/core/settings.h"
#include "aliasmith/core/text_files.h"

#include <gtest/gtest.h>

namespace aliasmith {
namespace {

TEST(TextFiles, OnlyAByteOrderMarkMakesAFileUtf8)
{
    EXPECT_EQ(decodeText("Portugu\xEAs"), "Português");
    EXPECT_EQ(decodeText("\xEF\xBB\xBFPortuguês"), "Português");
    // Bytes that merely look like UTF-8 are Windows-1252: "Ã©" typed stays "Ã©".
    EXPECT_EQ(decodeText("\xC3\xA9"), "Ã©");
    EXPECT_EQ(decodeText("Português"), "PortuguÃªs");
    EXPECT_EQ(decodeText("plain"), "plain");
    // Malformed bytes behind the mark still give valid text.
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "a\xE9"
                         "b\xC3"),
              "a\uFFFDb\uFFFD");
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"), "");
}

TEST(TextFiles, WritesWindows1252UnlessALetterWouldBeLost)
{
    EXPECT_EQ(encodeText("Português"), "Portugu\xEAs");
    EXPECT_EQ(encodeText("€ ?"), "\x80 ?");
    EXPECT_EQ(encodeText("Ã©"), "\xC3\xA9");
    // No Windows-1252 byte for Cyrillic: UTF-8 behind a mark rather than '?'.
    EXPECT_EQ(encodeText("C:\\Пользователь"), "\xEF\xBB\xBF"
                                              "C:\\Пользователь");
    EXPECT_EQ(encodeWindows1252("C:\\Пользователь"), std::nullopt);
    EXPECT_FALSE(fitsWindows1252("Пётр"));
    EXPECT_TRUE(fitsWindows1252("João €"));
    // Text whose Windows-1252 bytes would pass for the mark.
    EXPECT_EQ(encodeText("ï»¿x"), "\xEF\xBB\xBFï»¿x");
    for (const char* text : {"C:\\Пользователь", "ï»¿x", "Ã©", "Ação", "", "\xC2\x81"})
        EXPECT_EQ(decodeText(encodeText(text)), text) << text;
}

TEST(TextFiles, TrimBlanksDropsWhatAPasteBringsAtTheEnds)
{
    EXPECT_EQ(trimBlanks(" \t1.2.3.4\r\n"), "1.2.3.4");
    EXPECT_EQ(trimBlanks("1.2.3.4\r\n5.6.7.8"), "1.2.3.4\r\n5.6.7.8");
    EXPECT_EQ(trimBlanks(" \r\n "), "");
    EXPECT_EQ(trimSpaces("\tx "), "\tx");
}

TEST(TextFiles, SplitsLinesAtEveryKindOfLineEnd)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("\r\n"), Lines{""});
    EXPECT_EQ(splitLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\nb\rc\r\n"), (Lines{"a", "b", "c"}));
}

TEST(Settings, ReadsDirectoryAndLanguage)
{
    const Settings settings = parseSettings("C:\\Program Files\\Hamachi\r\nPortugu\xEAs\r\n");
    EXPECT_EQ(settings.hamachiDirectory, "C:\\Program Files\\Hamachi");
    EXPECT_EQ(settings.language, Language::Portuguese);

    EXPECT_EQ(parseSettings("dir\r\n   Portugu\xEAs  \r\n").language, Language::Portuguese);
    EXPECT_EQ(parseSettings("\xEF\xBB\xBF"
                            "dir\r\nPortuguês\r\n")
                  .language,
              Language::Portuguese);
    // UTF-8 without the mark is not guessed at.
    EXPECT_EQ(parseSettings("dir\r\nPortuguês\r\n").language, Language::English);
    EXPECT_EQ(parseSettings(" dir \r\nEnglish\r\n").hamachiDirectory, " dir ");
}

TEST(Settings, MissingOrUnknownLanguageStartsInEnglish)
{
    EXPECT_EQ(parseSettings("").language, Language::English);
    EXPECT_EQ(parseSettings("").hamachiDirectory, "");
    const Settings oneLine = parseSettings("D:\\Hamachi\r\n");
    EXPECT_EQ(oneLine.hamachiDirectory, "D:\\Hamachi");
    EXPECT_EQ(oneLine.language, Language::English);
    EXPECT_EQ(parseSettings("x\r\nFrançais\r\n").language, Language::English);
    EXPECT_EQ(parseSettings("x\r\nportuguês\r\n").language, Language::English);
}

TEST(Settings, WritesTwoLinesInWindows1252)
{
    EXPECT_EQ(formatSettings({"C:\\Hamachi", Language::Portuguese}),
              "C:\\Hamachi\r\nPortugu\xEAs\r\n");
    EXPECT_EQ(formatSettings({"", Language::English}), "\r\nEnglish\r\n");
    // A pasted folder with a line end must not push the language to line 3.
    EXPECT_EQ(formatSettings({"C:\\Ham\r\nachi", Language::Portuguese}),
              "C:\\Ham  achi\r\nPortugu\xEAs\r\n");
    const Settings back = parseSettings(formatSettings({"C:\\Ação", Language::Portuguese}));
    EXPECT_EQ(back.hamachiDirectory, "C:\\Ação");
    EXPECT_EQ(back.language, Language::Portuguese);
    // A Cyrillic folder makes the whole file UTF-8, mark first.
    EXPECT_EQ(formatSettings({"C:\\Игры", Language::Portuguese}), "\xEF\xBB\xBF"
                                                                  "C:\\Игры\r\nPortuguês\r\n");
    EXPECT_EQ(parseSettings(formatSettings({"C:\\Игры", Language::Portuguese})).hamachiDirectory,
              "C:\\Игры");
}

TEST(Settings, AppliedProfileKeepsItsNameAndTheFingerprintOfWhatWasWritten)
{
    EXPECT_EQ(formatAppliedProfile({"LAN party", "00ff"}), "LAN party\r\n00ff\r\n");
    EXPECT_EQ(formatAppliedProfile({}), "\r\n\r\n");
    EXPECT_EQ(parseAppliedProfile(formatAppliedProfile({"Друзья", "1"})),
              (AppliedProfile{"Друзья", "1"}));
    EXPECT_EQ(parseAppliedProfile(""), AppliedProfile{});
    EXPECT_EQ(parseAppliedProfile("home\r\n"), (AppliedProfile{"home", ""})); // an older record
    EXPECT_NE(fingerprintOf("1.1.1.1 5.0.0.1\r\n"), fingerprintOf("1.1.1.1 5.0.0.2\r\n"));
    EXPECT_EQ(fingerprintOf("").size(), 16u);
}

TEST(Language, NamesAsTheListAndAmIniSpellThem)
{
    EXPECT_EQ(languageFromName("Português"), Language::Portuguese);
    EXPECT_EQ(languageFromName("English"), Language::English);
    EXPECT_EQ(languageFromName("english"), std::nullopt);
}

} // namespace
} // namespace aliasmith
