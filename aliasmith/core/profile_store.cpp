#include "aliasmith/core/profile_store.h"

#include "aliasmith/core/aliases.h"

#include <system_error>

namespace aliasmith {
namespace {

bool isFile(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

void noSuchFile(FileFailure* failure)
{
    if (failure)
        *failure = {std::make_error_code(std::errc::no_such_file_or_directory), {}};
}

bool forget(const ProfileStore& store, FileFailure* recordFailure)
{
    if (store.readAppliedProfile() == AppliedProfile{})
        return true;
    return store.writeAppliedProfile({}, recordFailure);
}

} // namespace

ProfileStore::ProfileStore(std::filesystem::path programDir) : programDir_(std::move(programDir))
{
}

std::vector<std::string> ProfileStore::list() const
{
    return listProfiles(programDir_ / kProfilesFolder);
}

bool ProfileStore::exists(std::string_view name) const
{
    std::error_code ec;
    return std::filesystem::exists(pathOf(name), ec);
}

std::filesystem::path ProfileStore::pathOf(std::string_view name) const
{
    return profilePath(programDir_ / kProfilesFolder, name);
}

std::optional<Profile> ProfileStore::read(std::string_view name, FileFailure* failure) const
{
    const auto path = pathOf(name);
    if (!isFile(path)) {
        noSuchFile(failure);
        return std::nullopt;
    }
    const auto bytes = readFile(path, failure);
    if (!bytes)
        return std::nullopt;
    return parseProfile(*bytes);
}

bool ProfileStore::write(std::string_view name, const Profile& profile, FileFailure* failure) const
{
    std::error_code ec;
    std::filesystem::create_directories(programDir_ / kProfilesFolder, ec);
    return writeFile(pathOf(name), formatProfile(profile), failure);
}

bool ProfileStore::rename(std::string_view from, std::string_view to, FileFailure* failure) const
{
    const auto source = pathOf(from);
    const auto target = pathOf(to);
    if (!isFile(source)) {
        noSuchFile(failure);
        return false;
    }
    std::error_code ec;
    if (std::filesystem::exists(target, ec) && !std::filesystem::equivalent(source, target, ec)) {
        if (failure)
            *failure = {std::make_error_code(std::errc::file_exists), {}};
        return false;
    }
    std::filesystem::rename(source, target, ec);
    if (ec) {
        if (failure)
            *failure = {std::error_code(), ec.message()};
        return false;
    }
    return true;
}

bool ProfileStore::remove(std::string_view name, FileFailure* failure) const
{
    return removeFile(pathOf(name), failure);
}

std::filesystem::path ProfileStore::settingsPath() const
{
    return programDir_ / "am.ini";
}

std::optional<Settings> ProfileStore::readSettings() const
{
    if (!isFile(settingsPath()))
        return std::nullopt;
    const auto bytes = readFile(settingsPath());
    if (!bytes)
        return std::nullopt;
    return parseSettings(*bytes);
}

bool ProfileStore::writeSettings(const Settings& settings, FileFailure* failure) const
{
    return writeFile(settingsPath(), formatSettings(settings), failure);
}

std::filesystem::path ProfileStore::appliedProfilePath() const
{
    return programDir_ / kAppliedProfileFile;
}

AppliedProfile ProfileStore::readAppliedProfile() const
{
    if (!isFile(appliedProfilePath()))
        return {};
    const auto bytes = readFile(appliedProfilePath());
    return bytes ? parseAppliedProfile(*bytes) : AppliedProfile{};
}

bool ProfileStore::writeAppliedProfile(const AppliedProfile& applied, FileFailure* failure) const
{
    return writeFile(appliedProfilePath(), formatAppliedProfile(applied), failure);
}

std::filesystem::path aliasesFilePath(std::string_view hamachiDirectory)
{
    std::string path(hamachiDirectory);
    path += static_cast<char>(std::filesystem::path::preferred_separator);
    path += "aliases.txt";
    return pathFromUtf8(path);
}

bool aliasesFileExists(std::string_view hamachiDirectory)
{
    return isFile(aliasesFilePath(hamachiDirectory));
}

ApplyOutcome applyProfile(const ProfileStore& store, std::string_view hamachiDirectory,
                          std::string_view profileName, const std::vector<AliasRow>& rows,
                          FileFailure* failure, FileFailure* recordFailure)
{
    const auto bytes = formatAliasesFile(rows);
    if (!bytes)
        return ApplyOutcome::RowsNotWritable;
    if (!writeFile(aliasesFilePath(hamachiDirectory), *bytes, failure))
        return ApplyOutcome::NotWritten;
    store.writeAppliedProfile({std::string(profileName), fingerprintOf(*bytes)}, recordFailure);
    return ApplyOutcome::Written;
}

UnloadOutcome unloadProfile(const ProfileStore& store, std::string_view hamachiDirectory,
                            FileFailure* failure, FileFailure* recordFailure)
{
    const auto path = aliasesFilePath(hamachiDirectory);
    if (!isFile(path)) {
        // Nothing is in use any more, whatever the record says.
        forget(store, recordFailure);
        return UnloadOutcome::NoFile;
    }
    const AppliedProfile applied = store.readAppliedProfile();
    const auto bytes = readFile(path, failure);
    if (!bytes)
        return UnloadOutcome::NotRemoved;
    if (applied.fingerprint.empty() || fingerprintOf(*bytes) != applied.fingerprint) {
        // Not what the program wrote: Hamachi's own file, or one edited since.
        forget(store, recordFailure);
        return UnloadOutcome::NotOurs;
    }
    if (!removeFile(path, failure))
        return UnloadOutcome::NotRemoved;
    forget(store, recordFailure);
    return UnloadOutcome::Removed;
}

} // namespace aliasmith
