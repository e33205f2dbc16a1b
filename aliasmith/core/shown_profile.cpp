#include "aliasmith/core/shown_profile.h"

#include "aliasmith/core/aliases.h"
#include "aliasmith/core/text_files.h"

#include <utility>

namespace aliasmith {

void ShownProfile::show(std::string name, std::filesystem::path file, Profile profile)
{
    shown_ = true;
    name_ = std::move(name);
    file_ = std::move(file);
    profile_ = std::move(profile);
    saved_ = profile_;
}

void ShownProfile::clear()
{
    *this = ShownProfile();
}

void ShownProfile::setOwnAddress(std::string text)
{
    profile_.ownAddress = std::move(text);
}

std::string ShownProfile::ownAddress() const
{
    return trimBlanks(profile_.ownAddress);
}

ShownProfile::Refusal ShownProfile::addRow(std::string_view friendAddress)
{
    const std::string own = ownAddress();
    if (checkAddress(own) != FieldCheck::Ok)
        return Refusal::BadOwnAddress;
    std::vector<std::string> aliases;
    aliases.reserve(profile_.rows.size());
    for (const auto& row : profile_.rows)
        aliases.push_back(row.alias);
    const NextAlias next = nextAlias(own, aliases);
    switch (next.outcome) {
    case NextAlias::Outcome::InvalidIp: return Refusal::InvalidIp;
    case NextAlias::Outcome::YourIpInvalid: return Refusal::YourIpInvalid;
    case NextAlias::Outcome::NoAliasLeft: return Refusal::NoAliasLeft;
    case NextAlias::Outcome::Ok: break;
    }
    std::string trueIp = trimBlanks(friendAddress);
    if (checkAddress(trueIp) != FieldCheck::Ok)
        return Refusal::BadFriendAddress;
    profile_.rows.push_back({"FriendName", std::move(trueIp), next.alias});
    return Refusal::None;
}

ShownProfile::Refusal ShownProfile::deleteRow(std::size_t index)
{
    if (index >= profile_.rows.size())
        return Refusal::NoSuchRow;
    profile_.rows.erase(profile_.rows.begin() + static_cast<std::ptrdiff_t>(index));
    return Refusal::None;
}

ShownProfile::Refusal ShownProfile::renumber()
{
    const std::string own = ownAddress();
    if (checkAddress(own) != FieldCheck::Ok)
        return Refusal::BadOwnAddress;
    const auto aliases = renumberedAliases(own, profile_.rows.size());
    if (!aliases)
        return Refusal::NoAliasLeft;
    for (std::size_t i = 0; i < profile_.rows.size(); ++i)
        profile_.rows[i].alias = (*aliases)[i];
    return Refusal::None;
}

ShownProfile::Refusal ShownProfile::setNick(std::size_t index, std::string nick)
{
    if (index >= profile_.rows.size())
        return Refusal::NoSuchRow;
    if (checkNick(nick) != FieldCheck::Ok)
        return Refusal::BadNick;
    profile_.rows[index].nick = std::move(nick);
    return Refusal::None;
}

ShownProfile::Refusal ShownProfile::prepareToSave()
{
    std::string own = ownAddress();
    if (checkAddress(own) != FieldCheck::Ok)
        return Refusal::BadOwnAddress;
    profile_.ownAddress = std::move(own);
    return Refusal::None;
}

} // namespace aliasmith
