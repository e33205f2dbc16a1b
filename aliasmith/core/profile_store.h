#pragma once

#include "aliasmith/core/file_store.h"
#include "aliasmith/core/profiles.h"
#include "aliasmith/core/settings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aliasmith {

// The program's files in its own directory: the profiles in "profiles",
// am.ini, and the record of the profile in use.
class ProfileStore {
public:
    explicit ProfileStore(std::filesystem::path programDir);

    // The profiles in name order; none when the folder is missing.
    std::vector<std::string> list() const;
    bool exists(std::string_view name) const;
    std::filesystem::path pathOf(std::string_view name) const;

    // A profile that is no (longer a) file fails with "no such file".
    std::optional<Profile> read(std::string_view name, FileFailure* failure = nullptr) const;
    // Makes the profiles folder first when it is missing.
    bool write(std::string_view name, const Profile& profile, FileFailure* failure = nullptr) const;
    // Never replaces a profile that already has the new name.
    bool rename(std::string_view from, std::string_view to, FileFailure* failure = nullptr) const;
    bool remove(std::string_view name, FileFailure* failure = nullptr) const;

    std::filesystem::path settingsPath() const;
    // Nothing when am.ini is missing or cannot be read: a first start.
    std::optional<Settings> readSettings() const;
    bool writeSettings(const Settings& settings, FileFailure* failure = nullptr) const;

    std::filesystem::path appliedProfilePath() const;
    AppliedProfile readAppliedProfile() const;
    bool writeAppliedProfile(const AppliedProfile& applied, FileFailure* failure = nullptr) const;

private:
    std::filesystem::path programDir_;
};

// Hamachi's alias file in the directory the user named: the directory, a
// separator and the name, as the user would type them. A bare drive "D:"
// means its root, not the drive's current folder that path concatenation
// would pick, and a doubled separator is harmless.
std::filesystem::path aliasesFilePath(std::string_view hamachiDirectory);

bool aliasesFileExists(std::string_view hamachiDirectory);

enum class ApplyOutcome { Written, RowsNotWritable, NotWritten };

// "Use profile": replaces aliases.txt with the rows and, on success, records
// which profile and which bytes went there. `failure` tells why the file
// could not be written; a failure to keep the record comes back in
// `recordFailure` while the outcome stays Written.
ApplyOutcome applyProfile(const ProfileStore& store, std::string_view hamachiDirectory,
                          std::string_view profileName, const std::vector<AliasRow>& rows,
                          FileFailure* failure = nullptr, FileFailure* recordFailure = nullptr);

enum class UnloadOutcome {
    NoFile, // nothing to remove
    Removed,
    NotOurs, // written or changed by someone else since: left in place
    NotRemoved, // ours, but the system refused (failure tells why)
};

// "Unload profile": removes aliases.txt only when it still holds exactly
// what "Use profile" wrote, and forgets the profile in use whenever no file
// of ours is left.
UnloadOutcome unloadProfile(const ProfileStore& store, std::string_view hamachiDirectory,
                            FileFailure* failure = nullptr, FileFailure* recordFailure = nullptr);

} // namespace aliasmith
