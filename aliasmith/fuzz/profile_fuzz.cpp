// .aprof files: a profile read writes back to bytes that read as the same
// profile, and so does the same profile after the edits the window makes
// with text taken from the input, which is how a pasted address or nick
// would arrive.
#include "aliasmith/core/profiles.h"
#include "aliasmith/core/shown_profile.h"
#include "aliasmith/core/text_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void expectRoundTrip(const aliasmith::Profile& profile)
{
    if (aliasmith::parseProfile(aliasmith::formatProfile(profile)) != profile)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const aliasmith::Profile read = aliasmith::parseProfile(bytes);
    expectRoundTrip(read);

    // Reading, writing and reading again gives the same bytes from then on.
    const std::string written = aliasmith::formatProfile(read);
    if (aliasmith::formatProfile(aliasmith::parseProfile(written)) != written)
        std::abort();

    aliasmith::ShownProfile shown;
    shown.show("fuzz", "fuzz.aprof", read);
    const std::string text = aliasmith::decodeText(bytes);
    const std::size_t half = text.size() / 2;
    shown.setOwnAddress(text.substr(0, half));
    static_cast<void>(shown.addRow(text.substr(half)));
    static_cast<void>(shown.setNick(0, text));
    static_cast<void>(shown.renumber());
    if (shown.prepareToSave() == aliasmith::ShownProfile::Refusal::None)
        expectRoundTrip(shown.profile());
    else
        shown.setOwnAddress({});
    expectRoundTrip(shown.profile());
    return 0;
}
