#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

// Every caption and message of the program, in English and Portuguese.
namespace aliasmith {

enum class Language { English, Portuguese };

// "English" or "Português", as the language list and am.ini spell them.
std::string_view languageName(Language language);

// The language a name stands for, or nothing for an unknown name.
std::optional<Language> languageFromName(std::string_view name);

// What a caption of the main window names.
enum class Captioned {
    HamachiDirectoryFrame,
    LanguageFrame,
    ProfileFrame,
    AliasesFrame,
    LanguagePrompt,
    ProfilePrompt,
    OwnAddressPrompt,
    FriendAddressPrompt,
    NewProfileButton,
    DeleteProfileButton,
    DeleteRowButton,
    RenumberButton,
    AddRowButton,
    AboutButton,
    UnloadButton,
    UseButton,
    SaveButton,
};

// One caption of the main window, by what it captions.
struct Caption {
    Captioned what;
    std::string_view english;
    std::string_view portuguese;

    std::string_view in(Language language) const
    {
        return language == Language::English ? english : portuguese;
    }
};

// The captions CarregarIdioma sets, frames, labels and buttons alike.
std::span<const Caption> captionTable();

// The three headings of the alias list, nick, true IP and alias.
std::array<std::string_view, 3> columnHeadings(Language language);

// A message box's text and title.
struct MessageText {
    std::string text;
    std::string title;
};

struct Messages {
    std::string_view newProfilePrompt;
    std::string_view newProfileTitle;
    std::string_view emptyNameText;
    std::string_view emptyNameTitle;
    std::string_view folderChooserTitle;
    std::string_view invalidIpText;
    std::string_view invalidIpTitle;
    std::string_view yourIpInvalidText;
    std::string_view aliasUpdatedTitle;
    std::string_view unloadedText;
    std::string_view unloadedTitle;
    std::string_view invalidDirectoryText;
    std::string_view invalidDirectoryTitle;
};

const Messages& messages(Language language);

// "Using home profile. Please restart Hamachi." and its Portuguese twin.
MessageText profileInUse(Language language, std::string_view profile);

// "Use profile" failed: the program's usual words, then the reason why.
MessageText invalidDirectory(Language language, std::string_view reason);

// Why a file could not be read, written or removed: the program's own words
// for the reasons it knows, the system's words for any other.
std::string reasonText(Language language, std::error_code code, std::string_view systemText);

// The program's own reports of failures the window can run into. `reason`
// is a reasonText.
MessageText badProfileName(Language language, std::string_view name);
MessageText profileNameTooLong(Language language, std::string_view name);
MessageText replaceProfileQuestion(Language language, std::string_view name);
MessageText profileNotRead(Language language, std::string_view path, std::string_view reason);
MessageText profileNotWritten(Language language, std::string_view path, std::string_view reason);
MessageText profileNotDeleted(Language language, std::string_view path, std::string_view reason);
MessageText settingsNotWritten(Language language, std::string_view path, std::string_view reason);
MessageText aliasesNotDeleted(Language language, std::string_view path, std::string_view reason);
MessageText aliasesNotOurs(Language language, std::string_view path);
MessageText saveBeforeUseQuestion(Language language, std::string_view profile);
MessageText appliedProfileNotRecorded(Language language, std::string_view path,
                                      std::string_view reason);

// Refused edits of the rows.
MessageText addressRefused(Language language, std::string_view address);
MessageText nickRefused(Language language, std::string_view nick);
MessageText noAliasLeft(Language language);
MessageText rowsNotWritable(Language language);

// What would be lost if the shown profile's unsaved changes were dropped.
enum class UnsavedAction { SwitchProfile, NewProfile, DeleteProfile, Close, Unload };
MessageText unsavedChangesQuestion(Language language, UnsavedAction action,
                                   std::string_view profile);

// The window's lines about the profile shown (empty name: none) and the one
// last applied with "Use profile" (empty name: none).
std::string shownProfileStatus(Language language, std::string_view profile, bool unsaved);
std::string appliedProfileStatus(Language language, std::string_view profile);

// The About box.
struct AboutTexts {
    std::string_view windowTitle;
    std::string_view infoFrame;
    std::string_view description;
    std::string_view credits;
    std::string_view howToFrame;
    std::array<std::string_view, 4> steps;
    std::string_view versionLabel;
};

const AboutTexts& aboutTexts(Language language);

// Major, minor and revision joined by dots.
std::string versionText();

// The author's web address, the same in both languages.
std::string_view webAddress();

} // namespace aliasmith
