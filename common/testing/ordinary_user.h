#pragma once

#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace suite::testing {

// While one of these lives, a test run as root acts as an ordinary user
// (nobody), for whom file permissions mean what they mean to the people who
// use the programs: root may write any file whatever its mode. Elsewhere it
// changes nothing. Only the effective user changes, so it can be undone.
class OrdinaryUser {
public:
    OrdinaryUser()
    {
#ifndef _WIN32
        if (::geteuid() == 0)
            switched_ = ::seteuid(kNobody) == 0;
#endif
    }
    ~OrdinaryUser()
    {
#ifndef _WIN32
        if (switched_)
            static_cast<void>(::seteuid(0));
#endif
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    // A folder the ordinary user can work in: open to everyone.
    static void openToEveryone(const std::filesystem::path& folder)
    {
        std::filesystem::permissions(folder, std::filesystem::perms::all);
    }

private:
#ifndef _WIN32
    static constexpr uid_t kNobody = 65534;
    bool switched_ = false;
#endif
};

} // namespace suite::testing
