#include "entwright/core/fgd_model.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ent {
namespace {

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = lower(c);
    return out;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

FgdKeyType FgdKeyTypeFromText(std::string_view text)
{
    static constexpr std::array<std::pair<std::string_view, FgdKeyType>, 13> kTypes{{
        {"string", FgdKeyType::String},
        {"integer", FgdKeyType::Integer},
        {"float", FgdKeyType::Float},
        {"choices", FgdKeyType::Choices},
        {"flags", FgdKeyType::Flags},
        {"color255", FgdKeyType::Color255},
        {"color1", FgdKeyType::Color1},
        {"studio", FgdKeyType::Studio},
        {"sprite", FgdKeyType::Sprite},
        {"sound", FgdKeyType::Sound},
        {"decal", FgdKeyType::Decal},
        {"target_source", FgdKeyType::TargetSource},
        {"target_destination", FgdKeyType::TargetDestination},
    }};
    for (const auto& [name, type] : kTypes)
        if (sameName(name, text))
            return type;
    return FgdKeyType::Other;
}

bool FgdClass::isBase() const
{
    return sameName(kind, "BaseClass");
}

bool FgdClass::isSolid() const
{
    return sameName(kind, "SolidClass");
}

std::string FormatFgdProblem(const FgdProblem& problem)
{
    if (problem.line == 0)
        return problem.file + ": " + problem.text;
    return problem.file + ":" + std::to_string(problem.line) + ": " + problem.text;
}

std::vector<FgdProblem> GameData::problems() const
{
    std::vector<FgdProblem> all = problems_;
    all.insert(all.end(), resolveProblems_.begin(), resolveProblems_.end());
    return all;
}

void GameData::addClass(FgdClass cls)
{
    std::string key = lowered(cls.name);
    const auto found = byName_.find(key);
    if (found != byName_.end()) {
        classes_[found->second] = std::move(cls);
        return;
    }
    byName_.emplace(std::move(key), classes_.size());
    classes_.push_back(std::move(cls));
}

const FgdClass* GameData::findClass(std::string_view name) const
{
    const auto found = byName_.find(lowered(name));
    return found == byName_.end() ? nullptr : &classes_[found->second];
}

const FgdClass* GameData::findEntityClass(std::string_view name) const
{
    const FgdClass* cls = findClass(name);
    return cls && !cls->isBase() ? cls : nullptr;
}

std::size_t GameData::indexOf(const FgdClass& cls) const
{
    return static_cast<std::size_t>(&cls - classes_.data());
}

void GameData::resolve()
{
    resolved_.assign(classes_.size(), {});
    resolveProblems_.clear();
    // 0 not yet, 1 being worked out (a base met again now is a loop), 2 done.
    std::vector<int> state(classes_.size(), 0);
    for (std::size_t i = 0; i < classes_.size(); ++i)
        resolveOne(i, state);
}

void GameData::resolveOne(std::size_t index, std::vector<int>& state)
{
    if (state[index] != 0)
        return;
    state[index] = 1;
    const FgdClass& cls = classes_[index];
    Resolved& out = resolved_[index];
    out.chain.push_back(static_cast<std::uint32_t>(index));

    auto place = [&](std::pair<std::uint32_t, std::uint32_t> ref) {
        const std::string& name = classes_[ref.first].ownKeys[ref.second].name;
        for (auto& existing : out.keys) {
            if (sameName(classes_[existing.first].ownKeys[existing.second].name, name)) {
                existing = ref;
                return;
            }
        }
        out.keys.push_back(ref);
    };

    for (const std::string& baseName : cls.bases) {
        const auto found = byName_.find(lowered(baseName));
        if (found == byName_.end()) {
            resolveProblems_.push_back(
                {cls.file, cls.line,
                 "class '" + cls.name + "' names an unknown base class '" + baseName + "'"});
            continue;
        }
        const std::size_t base = found->second;
        if (state[base] == 1) {
            resolveProblems_.push_back({cls.file, cls.line,
                                        "the base classes of '" + cls.name + "' loop back to '" +
                                            classes_[base].name + "'"});
            continue;
        }
        resolveOne(base, state);
        // resolved_ is sized once, so `out` is still valid here.
        for (const auto& ref : resolved_[base].keys)
            place(ref);
        for (std::uint32_t link : resolved_[base].chain)
            if (std::find(out.chain.begin(), out.chain.end(), link) == out.chain.end())
                out.chain.push_back(link);
    }
    for (std::size_t k = 0; k < cls.ownKeys.size(); ++k)
        place({static_cast<std::uint32_t>(index), static_cast<std::uint32_t>(k)});
    state[index] = 2;
}

std::vector<const FgdKey*> GameData::keys(const FgdClass& cls) const
{
    std::vector<const FgdKey*> out;
    const Resolved& resolved = resolved_[indexOf(cls)];
    out.reserve(resolved.keys.size());
    for (const auto& [owner, key] : resolved.keys)
        out.push_back(&classes_[owner].ownKeys[key]);
    return out;
}

const FgdKey* GameData::findKey(const FgdClass& cls, std::string_view key) const
{
    for (const auto& [owner, index] : resolved_[indexOf(cls)].keys) {
        const FgdKey& candidate = classes_[owner].ownKeys[index];
        if (sameName(candidate.name, key))
            return &candidate;
    }
    return nullptr;
}

const FgdClassProperty* GameData::findProperty(const FgdClass& cls, std::string_view name) const
{
    for (std::uint32_t link : resolved_[indexOf(cls)].chain)
        for (const FgdClassProperty& property : classes_[link].properties)
            if (sameName(property.name, name))
                return &property;
    return nullptr;
}

} // namespace ent
