#pragma once

#include <QCoreApplication>
#include <QString>

#include <string_view>
#include <system_error>

// The context of the messages below in the translation files.
struct AliasmithTexts {
    Q_DECLARE_TR_FUNCTIONS(AliasmithTexts)
};

// Every message of the program, in the language chosen in the language box.
// Names, paths and addresses are UTF-8.
namespace aliasmith {

// A message box's text and title.
struct MessageText {
    QString text;
    QString title;
};

MessageText newProfilePrompt(); // the input box's prompt and title
MessageText emptyName();
QString folderChooserTitle();
MessageText invalidIp();
MessageText yourIpInvalid();
MessageText unloaded();

// "Using home profile. Please restart Hamachi."
MessageText profileInUse(std::string_view profile);

// "Use profile" failed: the program's usual words, then the reason why.
MessageText invalidDirectory(const QString& reason);

// Why a file could not be read, written or removed: the program's own words
// for the reasons it knows, the system's words for any other.
QString reasonText(std::error_code code, std::string_view systemText);

// The program's own reports of failures the window can run into. `reason`
// is a reasonText.
MessageText badProfileName(std::string_view name);
MessageText profileNameTooLong(std::string_view name);
MessageText replaceProfileQuestion(std::string_view name);
MessageText profileNotRead(std::string_view path, const QString& reason);
MessageText profileNotWritten(std::string_view path, const QString& reason);
MessageText profileNotDeleted(std::string_view path, const QString& reason);
MessageText settingsNotWritten(std::string_view path, const QString& reason);
MessageText aliasesNotDeleted(std::string_view path, const QString& reason);
MessageText aliasesNotOurs(std::string_view path);
MessageText appliedProfileNotRecorded(std::string_view path, const QString& reason);
MessageText saveBeforeUseQuestion(std::string_view profile);

// Refused edits of the rows.
MessageText addressRefused(std::string_view address);
MessageText nickRefused(std::string_view nick);
MessageText noAliasLeft();
MessageText rowsNotWritable();

// What would be lost if the shown profile's unsaved changes were dropped.
enum class UnsavedAction { SwitchProfile, NewProfile, DeleteProfile, Close, Unload };
MessageText unsavedChangesQuestion(UnsavedAction action, std::string_view profile);

// The window's lines about the profile shown (empty name: none) and the one
// last applied with "Use profile" (empty name: none).
QString shownProfileStatus(std::string_view profile, bool unsaved);
QString appliedProfileStatus(std::string_view profile);

} // namespace aliasmith
