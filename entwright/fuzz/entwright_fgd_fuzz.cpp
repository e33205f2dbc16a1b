// The game data reader on any bytes: it must not crash or loop, every
// problem must name a line of the text, and every class it keeps must have
// its inherited keys worked out (keys() and findKey() agree).
#include "entwright/core/fgd_model.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t lines = 1;
    for (const char c : text)
        lines += c == '\n';
    ent::GameData game;
    // A name in a folder that does not exist: an @include can never be read.
    const bool whole = game.loadText(text, "/nonexistent-folder/fuzz.fgd");
    if (whole != game.complete())
        std::abort();
    for (const ent::FgdProblem& problem : game.problems())
        if (problem.file == "/nonexistent-folder/fuzz.fgd" && problem.line > lines)
            std::abort();
    for (const ent::FgdClass& cls : game.classes()) {
        if (game.findClass(cls.name) != &cls)
            std::abort();
        for (const ent::FgdKey* key : game.keys(cls))
            if (!game.findKey(cls, key->name))
                std::abort();
    }
    return 0;
}
