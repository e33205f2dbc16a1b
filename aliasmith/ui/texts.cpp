#include "aliasmith/ui/texts.h"

#include <array>

namespace aliasmith {
namespace {

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString tr(const char* text)
{
    return AliasmithTexts::tr(text);
}

} // namespace

MessageText newProfilePrompt()
{
    return {AliasmithTexts::tr("Type a name for your profile"), AliasmithTexts::tr("New profile")};
}

MessageText emptyName()
{
    return {AliasmithTexts::tr("You must enter a name for your profile!"),
            AliasmithTexts::tr("No name")};
}

QString folderChooserTitle()
{
    return AliasmithTexts::tr("Select your Hamachi directory");
}

MessageText invalidIp()
{
    return {AliasmithTexts::tr("Invalid IP!"), AliasmithTexts::tr("Invalid IP")};
}

MessageText yourIpInvalid()
{
    return {AliasmithTexts::tr("Your IP is invalid!"), AliasmithTexts::tr("Invalid IP")};
}

MessageText unloaded()
{
    return {AliasmithTexts::tr("Profile unlodaded"), AliasmithTexts::tr("Unloaded")};
}

MessageText profileInUse(std::string_view profile)
{
    return {AliasmithTexts::tr("Using %1 profile. Please restart Hamachi.").arg(qs(profile)),
            AliasmithTexts::tr("Alias Updated")};
}

MessageText invalidDirectory(const QString& reason)
{
    return {AliasmithTexts::tr("Invalid Hamachi direcory") + QStringLiteral("\n\n") + reason,
            AliasmithTexts::tr("Invalid directory")};
}

QString reasonText(std::error_code code, std::string_view systemText)
{
    struct Reason {
        std::errc code;
        const char* text;
    };
    static constexpr std::array<Reason, 12> kReasons{{
        {std::errc::no_such_file_or_directory,
         QT_TRANSLATE_NOOP("AliasmithTexts", "the file or folder does not exist")},
        {std::errc::permission_denied, QT_TRANSLATE_NOOP("AliasmithTexts", "access is denied")},
        {std::errc::operation_not_permitted,
         QT_TRANSLATE_NOOP("AliasmithTexts", "access is denied")},
        {std::errc::read_only_file_system,
         QT_TRANSLATE_NOOP("AliasmithTexts", "the disk is read-only")},
        {std::errc::no_space_on_device, QT_TRANSLATE_NOOP("AliasmithTexts", "the disk is full")},
        {std::errc::filename_too_long, QT_TRANSLATE_NOOP("AliasmithTexts", "the name is too long")},
        {std::errc::is_a_directory, QT_TRANSLATE_NOOP("AliasmithTexts", "it is a folder")},
        {std::errc::not_a_directory,
         QT_TRANSLATE_NOOP("AliasmithTexts", "a part of the path is not a folder")},
        {std::errc::device_or_resource_busy,
         QT_TRANSLATE_NOOP("AliasmithTexts", "the file is in use")},
        {std::errc::too_many_files_open,
         QT_TRANSLATE_NOOP("AliasmithTexts", "too many files are open")},
        {std::errc::io_error,
         QT_TRANSLATE_NOOP("AliasmithTexts", "the disk could not be read or written")},
        {std::errc::file_too_large, QT_TRANSLATE_NOOP("AliasmithTexts", "the file is too large")},
    }};
    if (code) {
        for (const Reason& reason : kReasons) {
            if (code == std::make_error_code(reason.code))
                return tr(reason.text);
        }
    }
    if (!systemText.empty())
        return qs(systemText);
    return AliasmithTexts::tr("unknown reason");
}

MessageText badProfileName(std::string_view name)
{
    return {AliasmithTexts::tr("\"%1\" cannot be the name of a profile file. Leave out \\ / : * ? "
                               "\" < > | and do not use a name Windows keeps for itself.")
                .arg(qs(name)),
            AliasmithTexts::tr("Invalid name")};
}

MessageText profileNameTooLong(std::string_view name)
{
    return {
        AliasmithTexts::tr("\"%1\" is too long to be the name of a profile file.").arg(qs(name)),
        AliasmithTexts::tr("Invalid name")};
}

MessageText replaceProfileQuestion(std::string_view name)
{
    return {AliasmithTexts::tr(
                "The profile %1 already exists. Replace it with a new, empty profile?")
                .arg(qs(name)),
            AliasmithTexts::tr("New profile")};
}

MessageText profileNotRead(std::string_view path, const QString& reason)
{
    return {AliasmithTexts::tr("The profile file %1 could not be read: %2.").arg(qs(path), reason),
            AliasmithTexts::tr("Profile not loaded")};
}

MessageText profileNotWritten(std::string_view path, const QString& reason)
{
    return {
        AliasmithTexts::tr("The profile file %1 could not be written: %2.").arg(qs(path), reason),
        AliasmithTexts::tr("Profile not saved")};
}

MessageText profileNotDeleted(std::string_view path, const QString& reason)
{
    return {
        AliasmithTexts::tr("The profile file %1 could not be deleted: %2.").arg(qs(path), reason),
        AliasmithTexts::tr("Profile not deleted")};
}

MessageText settingsNotWritten(std::string_view path, const QString& reason)
{
    return {
        AliasmithTexts::tr("The settings file %1 could not be written: %2.").arg(qs(path), reason),
        AliasmithTexts::tr("Settings not saved")};
}

MessageText aliasesNotDeleted(std::string_view path, const QString& reason)
{
    return {AliasmithTexts::tr("The alias file %1 could not be deleted: %2.").arg(qs(path), reason),
            AliasmithTexts::tr("Not unloaded")};
}

MessageText aliasesNotOurs(std::string_view path)
{
    return {AliasmithTexts::tr("The alias file %1 was not written by Aliasmith, or was changed "
                               "since, so it was left in place.")
                .arg(qs(path)),
            AliasmithTexts::tr("Not unloaded")};
}

MessageText appliedProfileNotRecorded(std::string_view path, const QString& reason)
{
    return {AliasmithTexts::tr(
                "The file %1 that remembers the profile in use could not be written: %2.")
                .arg(qs(path), reason),
            AliasmithTexts::tr("Not recorded")};
}

MessageText saveBeforeUseQuestion(std::string_view profile)
{
    return {AliasmithTexts::tr(
                "The profile %1 has changes that are not saved. Save them and use the profile?")
                .arg(qs(profile)),
            AliasmithTexts::tr("Unsaved changes")};
}

MessageText addressRefused(std::string_view address)
{
    return {AliasmithTexts::tr("The address \"%1\" cannot be used: an address may not hold "
                               "blanks, tabs or line breaks, nor letters that Hamachi's alias "
                               "file cannot store.")
                .arg(qs(address)),
            AliasmithTexts::tr("Invalid IP")};
}

MessageText nickRefused(std::string_view nick)
{
    return {AliasmithTexts::tr("The nick \"%1\" cannot be used: a nick may not hold tabs or line "
                               "breaks, nor letters that Hamachi's alias file cannot store "
                               "(Cyrillic ones, for instance).")
                .arg(qs(nick)),
            AliasmithTexts::tr("Invalid nick")};
}

MessageText noAliasLeft()
{
    return {AliasmithTexts::tr("No alias address is left: the alias number would pass 254, and "
                               "such an address does not exist."),
            AliasmithTexts::tr("No alias left")};
}

MessageText rowsNotWritable()
{
    return {AliasmithTexts::tr("A row's address holds blanks or letters that Hamachi's alias file "
                               "cannot store, so the file was not written."),
            AliasmithTexts::tr("Invalid IP")};
}

MessageText unsavedChangesQuestion(UnsavedAction action, std::string_view profile)
{
    QString text;
    switch (action) {
    case UnsavedAction::SwitchProfile:
    case UnsavedAction::NewProfile:
    case UnsavedAction::Close:
        text = AliasmithTexts::tr("The profile %1 has changes that are not saved. Discard them?");
        break;
    case UnsavedAction::DeleteProfile:
        text = AliasmithTexts::tr(
            "The profile %1 has changes that are not saved. Delete it with them?");
        break;
    case UnsavedAction::Unload:
        text = AliasmithTexts::tr(
            "The profile %1 has changes that are not saved. Unload the profile anyway?");
        break;
    }
    return {text.arg(qs(profile)), AliasmithTexts::tr("Unsaved changes")};
}

QString shownProfileStatus(std::string_view profile, bool unsaved)
{
    if (profile.empty())
        return AliasmithTexts::tr("No profile shown");
    if (unsaved)
        return AliasmithTexts::tr("Shown: %1 (unsaved changes)").arg(qs(profile));
    return AliasmithTexts::tr("Shown: %1").arg(qs(profile));
}

QString appliedProfileStatus(std::string_view profile)
{
    if (profile.empty())
        return AliasmithTexts::tr("In use by Hamachi: none");
    return AliasmithTexts::tr("In use by Hamachi: %1").arg(qs(profile));
}

} // namespace aliasmith
