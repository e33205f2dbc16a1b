#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The checks "Iniciar" makes before a job starts, apart from the window.
namespace tailfetch {

// The typed start position: a whole number, or a real one rounded half to
// even. Nothing when the text is not a number or leaves the 64-bit range.
std::optional<std::int64_t> ReadStartByte(std::string_view text);

struct StartInputs {
    std::string url; // as typed, untrimmed (Windows-1252 or UTF-8 bytes)
    bool addressUsable = false; // the job can reach the trimmed URL (http or https, a port)
    bool byteOption = true; // "Determinar byte"; otherwise "Adquirir a partir de arquivo"
    std::string startText; // "Iniciar no byte:"
    bool sourceNamed = false; // "Arquivo:" is not empty
    std::optional<std::int64_t> sourceSize; // nothing when it names no file
    bool newFile = true; // "Gerar novo arquivo"
    bool destinationNamed = false;
    bool destinationIsSource = false;
};

struct StartCheck {
    enum Refusal {
        None,
        Fields, // the start message: something missing or mistyped
        StartBelowOne,
        DestinationIsSource,
    } refusal = Fields;
    std::int64_t startByte = 0; // 1-based
    bool startBoxBecomesOne = false; // an empty "Iniciar no byte:" gets "1"
};

StartCheck CheckStart(const StartInputs& inputs);

} // namespace tailfetch
