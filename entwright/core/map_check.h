#pragma once

#include "entwright/core/entity_file.h"
#include "entwright/core/fgd_model.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The check a map maker runs before compiling or shipping a map: links that
// lead nowhere, classes and values the game data does not know, keys given
// twice, and the engine's limits. Problems are advice; nothing here stops a
// save.
namespace ent {

// How much the engine takes. The Half-Life values are the default; other
// engines and mods raise them, so each can be changed.
struct EngineLimits {
    std::string name;
    std::size_t maxEntities = 0; // edicts a map may fill
    std::size_t maxKeyLength = 0; // bytes of a key the engine keeps
    std::size_t maxValueLength = 0; // bytes of a value the engine keeps
};

// Half-Life's own engine: 900 edicts unless the server is started with more,
// keys of 31 bytes and values of 1023 (the buffers hold one byte more, for
// the terminating NUL).
EngineLimits HalfLifeLimits();
// The profiles known by name; the first is the default.
std::vector<EngineLimits> EngineLimitProfiles();
// A profile by name, in any case; nothing when none has that name.
std::optional<EngineLimits> FindLimitProfile(std::string_view name);

// A key line as the engine's parser reads it: each of the key and the value
// is a text in double quotes, or a run of characters up to a blank.
struct KeyLineParts {
    std::string_view key;
    std::string_view value;
};
// Nothing for a line that does not hold both a key and a value.
std::optional<KeyLineParts> ParseKeyLine(std::string_view line);

// The keys that name another entity's targetname when no game data says
// otherwise.
bool IsTargetKeyName(std::string_view key);
// Whether the key names another entity's targetname: a key of type
// target_destination in the entity's class, or, when the game data does not
// know the class or the key (or there is none), one of the names above.
bool IsTargetKey(const GameData* data, const FgdClass* cls, std::string_view key);

enum class CheckKind {
    LoadFailure, // the map's entities do not load at all
    NoClassName, // a block the game cannot make an entity of
    StrayText, // text outside the blocks
    NoSuchTarget,
    UnknownClass,
    WrongType,
    DuplicateKey,
    TooManyEntities,
    KeyTooLong,
    ValueTooLong,
};

enum class CheckSeverity { Warning, Error };

struct CheckProblem {
    CheckKind kind = CheckKind::NoSuchTarget;
    CheckSeverity severity = CheckSeverity::Warning;
    std::size_t entity = 0; // the record
    std::optional<std::size_t> keyLine; // the line in the record, when one
    std::size_t fileLine = 0; // 1-based line of the text read; 0 when unknown
    std::string text;
};

struct CheckOptions {
    const GameData* gameData = nullptr; // classes and types are checked only with it
    EngineLimits limits = HalfLifeLimits();
};

// Every problem, entity by entity and line by line in table order; text
// outside the blocks, when `report` counted some, comes first.
std::vector<CheckProblem> CheckEntities(const EntityTable& table, const CheckOptions& options,
                                        const ReadReport* report = nullptr);

// A map's entities for a check, from an .ent file or a map's entity lump (by
// the extension): unlike an open, blocks without a class line are read too,
// so the check can name each of them.
std::optional<EntityTable> ReadMapEntities(const std::filesystem::path& path,
                                           ReadReport* report = nullptr);

// The problem that keeps a file from loading, from its read report.
CheckProblem LoadFailureProblem(const ReadReport& report);

// "FILE:LINE: warning: TEXT" (or "error:"); without a line, "FILE: ...".
std::string FormatCheckProblem(std::string_view file, const CheckProblem& problem);

// One line: "FILE: no problems" or "FILE: 2 errors, 3 warnings".
std::string CheckSummary(std::string_view file, const std::vector<CheckProblem>& problems);

// The 1-based line of the text read on which each record's first line (or,
// for a record without lines, its closing brace) stands; 0 for a record made
// since. Lines of a record that was not edited follow one per file line.
std::vector<std::size_t> RecordFileLines(const EntityTable& table);

} // namespace ent
