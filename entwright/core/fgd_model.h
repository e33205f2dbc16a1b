#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A game's data file (.fgd) as level editors read it: the entity classes the
// game knows, their keys with types, display names, defaults, help texts,
// choices and spawn flags. Texts are kept as the file's bytes (an 8-bit code
// page), never decoded here.
namespace ent {

enum class FgdKeyType {
    String,
    Integer,
    Float,
    Choices,
    Flags,
    Color255,
    Color1,
    Studio,
    Sprite,
    Sound,
    Decal,
    TargetSource,
    TargetDestination,
    // Any other type the file names; FgdKey::typeText says which.
    Other,
};

// The type named by `text`, in any case; Other for a name not listed above.
FgdKeyType FgdKeyTypeFromText(std::string_view text);

// One entry of a choices or flags list: `value : "name"` and, for flags,
// `: default` (1 when the flag is set by default); a last `: "text"` is help.
struct FgdChoice {
    std::string value; // quotes taken off
    std::string name;
    bool defaultOn = false; // flags only
    std::string description;
};

struct FgdKey {
    std::string name; // as written, e.g. "rendermode"
    FgdKeyType type = FgdKeyType::String;
    std::string typeText; // as written, e.g. "choices" or "angle"
    std::string displayName;
    // Quotes taken off; nothing when the definition gives none.
    std::optional<std::string> defaultValue;
    // The help text after the default, `+` pieces joined.
    std::string description;
    std::vector<FgdChoice> choices; // choices and flags
    bool readOnly = false;
    std::size_t line = 0;
};

// `size(-16 -16 0, 16 16 72)`, `color(255 0 0)`, `studio("models/x.mdl")`,
// `halfgridsnap`...: the name and the comma-separated arguments, each with
// its words joined by one space and quotes taken off.
struct FgdClassProperty {
    std::string name;
    std::vector<std::string> arguments;
    std::size_t line = 0;
};

// `input Name(type) : "help"` and `output ...` lines of newer editors' files,
// kept so that such files read whole.
struct FgdInputOutput {
    bool isInput = true;
    std::string name;
    std::string typeText;
    std::string description;
};

struct FgdClass {
    std::string kind; // without the @: "BaseClass", "PointClass", "SolidClass"...
    std::string name;
    std::string description;
    std::vector<std::string> bases; // from base(...), in order
    std::vector<FgdClassProperty> properties; // as written, base(...) left out
    std::vector<FgdKey> ownKeys; // the keys this class itself defines
    std::vector<FgdInputOutput> inputsOutputs;
    std::string file; // the file it was read from
    std::size_t line = 0; // the line of its @ word

    // A @BaseClass only lends keys to other classes; no entity is made of it.
    bool isBase() const;
    bool isSolid() const;
};

// A problem met while reading: "FILE:LINE: TEXT" when shown.
struct FgdProblem {
    std::string file;
    std::size_t line = 0; // 0 when it concerns the whole file
    std::string text;
};
std::string FormatFgdProblem(const FgdProblem& problem);

// The classes of one or more game data files. A class read later replaces one
// of the same name read before, as editors do when several files are loaded.
class GameData {
public:
    // Reads a file and the files it includes (looked for beside it). False
    // when a file could not be read whole: what was read before the fault
    // stays loaded, and problems() says where and why.
    bool loadFile(const std::filesystem::path& path);

    // The same over text already in memory; `fileName` names it in problems,
    // and @include is looked for in its folder.
    bool loadText(std::string_view text, const std::string& fileName);

    // Every class in the order first read (replaced ones in their old place).
    const std::vector<FgdClass>& classes() const { return classes_; }
    // The class of that name, in any case; null when none.
    const FgdClass* findClass(std::string_view name) const;
    // A class an entity can be made of (not a @BaseClass); null when none.
    const FgdClass* findEntityClass(std::string_view name) const;

    // The keys of a class with those of its bases, bases first (in the order
    // base(...) names them, each with its own bases before it); a key defined
    // again later replaces the earlier one in its place.
    std::vector<const FgdKey*> keys(const FgdClass& cls) const;
    // One key of a class or its bases, by name in any case; null when none.
    const FgdKey* findKey(const FgdClass& cls, std::string_view key) const;
    // A class property of the class or, when it has none, of its bases.
    const FgdClassProperty* findProperty(const FgdClass& cls, std::string_view name) const;

    // Problems from every load so far in the order met, then the base
    // classes that name no class or loop back on themselves.
    std::vector<FgdProblem> problems() const;
    // True while every file loaded was read whole.
    bool complete() const { return complete_; }
    // The files read, includes among them.
    const std::vector<std::string>& files() const { return files_; }
    bool empty() const { return classes_.empty(); }

private:
    friend class FgdReader;
    struct Resolved {
        // (class index, key index) pairs: indices stay valid when the game
        // data is copied, pointers would not.
        std::vector<std::pair<std::uint32_t, std::uint32_t>> keys;
        std::vector<std::uint32_t> chain; // the class and its bases, nearest first
    };

    void addClass(FgdClass cls);
    // Works out every class's inherited keys again after a load.
    void resolve();
    void resolveOne(std::size_t index, std::vector<int>& state);
    std::size_t indexOf(const FgdClass& cls) const;

    std::vector<FgdClass> classes_;
    std::vector<Resolved> resolved_;
    // Lower-case name to index in classes_.
    std::unordered_map<std::string, std::size_t> byName_;
    std::vector<FgdProblem> problems_;
    std::vector<FgdProblem> resolveProblems_;
    std::vector<std::string> files_;
    bool complete_ = true;
};

} // namespace ent
