#include "core/settings.h"
#include "core/text_files.h"

#include <gtest/gtest.h>

namespace aliasmith {
namespace {

TEST(TextFiles, ReadsWindows1252AndUtf8Alike)
{
    EXPECT_EQ(decodeText("Portugu\xEAs"), "Português");
    EXPECT_EQ(decodeText("Português"), "Português");
    EXPECT_EQ(decodeText("\xEF\xBB\xBFPortuguês"), "Português");
    // A stray high byte in otherwise UTF-8 looking text is Windows-1252.
    EXPECT_EQ(decodeText("\xC3\xA9\xE9"), "Ã©é");
    EXPECT_EQ(decodeText("plain"), "plain");
}

TEST(TextFiles, WritesWindows1252UnlessALetterWouldBeLost)
{
    EXPECT_EQ(encodeText("Português"), "Portugu\xEAs");
    EXPECT_EQ(encodeText("€ ?"), "\x80 ?");
    // No Windows-1252 byte for Cyrillic: keep the text as UTF-8 rather than '?'.
    EXPECT_EQ(encodeText("C:\\Пользователь"), "C:\\Пользователь");
    EXPECT_EQ(decodeText(encodeText("C:\\Пользователь")), "C:\\Пользователь");
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
    EXPECT_EQ(parseSettings("dir\r\nPortuguês\r\n").language, Language::Portuguese); // UTF-8
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
}

TEST(Language, EveryCaptionHasBothLanguages)
{
    EXPECT_EQ(captionTable().size(), 17u);
    for (const Caption& caption : captionTable()) {
        EXPECT_FALSE(caption.english.empty()) << caption.control;
        EXPECT_FALSE(caption.portuguese.empty()) << caption.control;
    }
    EXPECT_EQ(languageFromName("Português"), Language::Portuguese);
    EXPECT_EQ(languageFromName("English"), Language::English);
    EXPECT_EQ(languageFromName("english"), std::nullopt);
}

TEST(Language, ProfileInUseMessageQuotesTheName)
{
    EXPECT_EQ(profileInUse(Language::English, "home").text,
              "Using home profile. Please restart Hamachi.");
    EXPECT_EQ(profileInUse(Language::Portuguese, "home").text,
              "Utilizadndo o perfil home. Por favor, reinicie o Hamachi.");
    EXPECT_EQ(profileInUse(Language::English, "home").title, "Alias Updated");
    EXPECT_EQ(profileInUse(Language::Portuguese, "home").title, "Alias atualizado");
}

} // namespace
} // namespace aliasmith
