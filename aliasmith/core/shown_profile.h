#pragma once

#include "aliasmith/core/profiles.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace aliasmith {

// The profile the window shows: its name, its file, its rows as edited, and
// whether they differ from what its file held when it was read or saved.
// Every edit goes through here, so no row can ever hold a field that would
// come back from the files split or changed.
class ShownProfile {
public:
    enum class Refusal {
        None,
        InvalidIp, // the own address has no dot and does not end in a digit
        YourIpInvalid, // the own address has no numeric fourth part
        BadOwnAddress, // the own address has a blank inside or a letter out of the code page
        BadFriendAddress, // likewise the friend's
        NoAliasLeft, // an alias would pass the highest number an address can end in
        BadNick,
        NoSuchRow,
    };

    bool isShown() const { return shown_; }
    const std::string& name() const { return name_; }
    const std::filesystem::path& file() const { return file_; }
    const Profile& profile() const { return profile_; }
    bool hasUnsavedChanges() const { return shown_ && profile_ != saved_; }

    // A profile as its file holds it.
    void show(std::string name, std::filesystem::path file, Profile profile);
    void clear();

    // The own address as it stands in its box; it is trimmed and checked
    // where it is used.
    void setOwnAddress(std::string text);
    // The own address without blanks at its ends.
    std::string ownAddress() const;

    // "Add": a row for a friend's address (blanks at its ends dropped).
    Refusal addRow(std::string_view friendAddress);
    Refusal deleteRow(std::size_t index);
    // "Update masks".
    Refusal renumber();
    Refusal setNick(std::size_t index, std::string nick);

    // Before "Save": the own address is trimmed and must be one a row line
    // of the file can hold.
    Refusal prepareToSave();
    // The file now holds what is shown.
    void markSaved() { saved_ = profile_; }

private:
    bool shown_ = false;
    std::string name_;
    std::filesystem::path file_;
    Profile profile_;
    Profile saved_;
};

} // namespace aliasmith
