#include "probegrid/cli/daily_option.h"

#include <cstdio>
#include <string_view>

namespace probegrid {
namespace {

DailyOption misuse(const char* why, std::string_view what)
{
    if (what.empty())
        std::fprintf(stderr, "probegrid: %s for --daily (YYYY-MM-DD)\n", why);
    else
        std::fprintf(stderr, "probegrid: %s '%.*s' for --daily (YYYY-MM-DD)\n", why,
                     static_cast<int>(what.size()), what.data());
    std::fprintf(stderr, "Try 'probegrid --help' for more information.\n");
    return {std::nullopt, 2};
}

} // namespace

DailyOption takeDailyOption(int& argc, char** argv)
{
    constexpr std::string_view kOption = "--daily";
    DailyOption option;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        std::string_view value;
        if (argument == kOption) {
            if (i + 1 >= argc)
                return misuse("a date is missing", "");
            value = argv[++i];
        } else if (argument.substr(0, kOption.size() + 1) == "--daily=") {
            value = argument.substr(kOption.size() + 1);
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        if (option.date)
            return misuse("only one date may be given, not also", value);
        option.date = parseDate(value);
        if (!option.date)
            return misuse("not a date", value);
    }
    argc = kept;
    argv[argc] = nullptr;
    return option;
}

} // namespace probegrid
