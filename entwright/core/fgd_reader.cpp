#include "entwright/core/fgd_model.h"

#include "entwright/core/entity_file.h"

#include <algorithm>
#include <utility>

namespace ent {
namespace {

enum class TokenKind { Word, String, Punct, At, Bad, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text; // a string's text without its quotes
    std::size_t line = 0;
};

bool isPunct(char c)
{
    return c == '=' || c == ':' || c == '[' || c == ']' || c == '(' || c == ')' || c == ',' ||
           c == '+';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == '\0';
}

// The whole file as tokens at once: the key grammar needs to look two tokens
// ahead (a key name is a word followed by a parenthesis), and a vector of
// views is cheap next to the file.
std::vector<Token> tokenize(std::string_view text)
{
    std::vector<Token> tokens;
    tokens.reserve(text.size() / 6);
    std::size_t line = 1;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (isBlank(c)) {
            ++i;
        } else if (c == '/' && i + 1 < n && text[i + 1] == '/') {
            while (i < n && text[i] != '\n')
                ++i;
        } else if (c == '"') {
            const std::size_t start = ++i;
            // Texts stay on one line; a backslash keeps the quote after it
            // inside the text, as some files write \" in help texts.
            while (i < n && text[i] != '"' && text[i] != '\n') {
                if (text[i] == '\\' && i + 1 < n && text[i + 1] == '"')
                    ++i;
                ++i;
            }
            if (i >= n || text[i] != '"') {
                tokens.push_back({TokenKind::Bad, text.substr(start, i - start), line});
                continue;
            }
            tokens.push_back({TokenKind::String, text.substr(start, i - start), line});
            ++i;
        } else if (isPunct(c)) {
            tokens.push_back({TokenKind::Punct, text.substr(i, 1), line});
            ++i;
        } else {
            const bool at = c == '@';
            const std::size_t start = at ? i + 1 : i;
            i = start;
            while (i < n && !isBlank(text[i]) && !isPunct(text[i]) && text[i] != '"' &&
                   text[i] != '@' && !(text[i] == '/' && i + 1 < n && text[i + 1] == '/'))
                ++i;
            tokens.push_back(
                {at ? TokenKind::At : TokenKind::Word, text.substr(start, i - start), line});
        }
    }
    tokens.push_back({TokenKind::End, {}, line});
    return tokens;
}

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool endsWithClass(std::string_view word)
{
    return word.size() > 5 && sameWord(word.substr(word.size() - 5), "class");
}

std::string inQuotes(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

std::string describe(const Token& token)
{
    switch (token.kind) {
    case TokenKind::End: return "the end of the file";
    case TokenKind::String: return "the text \"" + std::string(token.text.substr(0, 40)) + "\"";
    case TokenKind::At: return inQuotes("@" + std::string(token.text));
    default: return inQuotes(token.text);
    }
}

// A fault that ends the definition being read.
struct SyntaxError {
    std::size_t line;
    std::string text;
};

} // namespace

// Reads one file's tokens into the game data. A fault skips to the next
// @ word, so one broken class does not cost the rest of the file.
class FgdReader {
public:
    FgdReader(GameData& data, std::string fileName, std::vector<std::string>& includeStack)
        : data_(data), fileName_(std::move(fileName)), includeStack_(includeStack)
    {
    }

    bool read(std::string_view text)
    {
        tokens_ = tokenize(text);
        pos_ = 0;
        bool whole = true;
        while (peek().kind != TokenKind::End) {
            try {
                readDefinition();
            } catch (const SyntaxError& error) {
                problem(error.line, error.text);
                whole = false;
                if (pending_) {
                    // What was read of a broken class is still worth having.
                    data_.addClass(std::move(*pending_));
                    pending_.reset();
                }
                while (peek().kind != TokenKind::End && peek().kind != TokenKind::At)
                    ++pos_;
            }
        }
        return whole && includesWhole_;
    }

private:
    const Token& peek(std::size_t ahead = 0) const
    {
        return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
    }
    const Token& take()
    {
        const Token& token = peek();
        if (pos_ < tokens_.size() - 1)
            ++pos_;
        return token;
    }
    bool isPunct(const Token& token, char c) const
    {
        return token.kind == TokenKind::Punct && token.text[0] == c;
    }
    [[noreturn]] void fail(const Token& token, const std::string& text) const
    {
        if (token.kind == TokenKind::Bad)
            throw SyntaxError{token.line, "text opened here is not closed on its line"};
        throw SyntaxError{token.line, text};
    }
    void expect(char c, const std::string& what)
    {
        const Token& token = take();
        if (!isPunct(token, c))
            fail(token,
                 "expected '" + std::string(1, c) + "' " + what + ", found " + describe(token));
    }
    void problem(std::size_t line, std::string text)
    {
        data_.problems_.push_back({fileName_, line, std::move(text)});
    }

    void readDefinition()
    {
        const Token& at = take();
        if (at.kind != TokenKind::At)
            fail(at, "expected a definition starting with '@', found " + describe(at));
        if (sameWord(at.text, "include")) {
            const Token& name = take();
            if (name.kind != TokenKind::String)
                fail(name, "expected the name of the file to include, found " + describe(name));
            include(name);
        } else if (endsWithClass(at.text)) {
            readClass(at);
        } else {
            skipDirective();
        }
    }

    // @mapsize(...), @MaterialExclusion [...], @AutoVisGroup = "x" [...]:
    // directives no entity needs, passed over whole.
    void skipDirective()
    {
        int depth = 0;
        while (peek().kind != TokenKind::End) {
            const Token& token = peek();
            if (depth == 0 && token.kind == TokenKind::At)
                return;
            if (token.kind == TokenKind::Bad)
                fail(token, {});
            if (isPunct(token, '[') || isPunct(token, '('))
                ++depth;
            else if ((isPunct(token, ']') || isPunct(token, ')')) && depth > 0)
                --depth;
            ++pos_;
        }
    }

    void include(const Token& name)
    {
        namespace fs = std::filesystem;
        const fs::path base = fs::path(fileName_).parent_path();
        const fs::path path = (base / fs::path(std::string(name.text))).lexically_normal();
        const std::string shown = path.string();
        if (std::find(includeStack_.begin(), includeStack_.end(), shown) != includeStack_.end()) {
            problem(name.line, "the file includes itself through " + inQuotes(name.text));
            includesWhole_ = false;
            return;
        }
        if (includeStack_.size() >= 32) {
            problem(name.line, "includes nest too deep at " + inQuotes(name.text));
            includesWhole_ = false;
            return;
        }
        std::string reason;
        const auto bytes = ReadFileBytes(path, &reason);
        if (!bytes) {
            problem(name.line,
                    "cannot read the included file " + inQuotes(name.text) + ": " + reason);
            includesWhole_ = false;
            return;
        }
        includeStack_.push_back(shown);
        data_.files_.push_back(shown);
        FgdReader inner(data_, shown, includeStack_);
        if (!inner.read(*bytes))
            includesWhole_ = false;
        includeStack_.pop_back();
    }

    // One argument list: words and texts up to ')', split at commas.
    std::vector<std::string> readArguments(std::string_view property)
    {
        std::vector<std::string> arguments;
        std::string current;
        bool any = false;
        for (;;) {
            const Token& token = take();
            if (isPunct(token, ')'))
                break;
            if (isPunct(token, ',')) {
                arguments.push_back(std::move(current));
                current.clear();
                any = true;
                continue;
            }
            if (token.kind != TokenKind::Word && token.kind != TokenKind::String &&
                !isPunct(token, ':') && !isPunct(token, '+'))
                fail(token,
                     "expected ')' to close " + inQuotes(property) + ", found " + describe(token));
            if (!current.empty())
                current += ' ';
            current += token.text;
            any = true;
        }
        if (any)
            arguments.push_back(std::move(current));
        return arguments;
    }

    // A text and the `+ "more"` pieces after it.
    std::string readText()
    {
        std::string text(take().text);
        while (isPunct(peek(), '+')) {
            take();
            const Token& more = take();
            if (more.kind != TokenKind::String)
                fail(more, "expected a text after '+', found " + describe(more));
            text += more.text;
        }
        return text;
    }

    // The start of the next key (a word and a parenthesis) or of an input or
    // output line; where an empty field after ':' ends.
    bool atKeyStart() const
    {
        if (peek().kind != TokenKind::Word)
            return false;
        if (isPunct(peek(1), '('))
            return true;
        return isInputOutput();
    }
    bool isInputOutput() const
    {
        return (sameWord(peek().text, "input") || sameWord(peek().text, "output")) &&
               peek(1).kind == TokenKind::Word && isPunct(peek(2), '(');
    }

    // The field after a ':': nothing when the next thing is another ':', a
    // '=', the end of the list or the next key.
    std::optional<std::string> readField()
    {
        const Token& token = peek();
        if (token.kind == TokenKind::Bad)
            fail(token, {});
        if (token.kind == TokenKind::String)
            return readText();
        if (token.kind == TokenKind::Word && !atKeyStart())
            return std::string(take().text);
        return std::nullopt;
    }

    void readClass(const Token& at)
    {
        pending_.emplace();
        FgdClass& cls = *pending_;
        cls.kind = std::string(at.text);
        cls.file = fileName_;
        cls.line = at.line;
        for (;;) {
            const Token& token = take();
            if (isPunct(token, '='))
                break;
            if (token.kind != TokenKind::Word)
                fail(token, "expected a class property or '=' after " + inQuotes("@" + cls.kind) +
                                ", found " + describe(token));
            FgdClassProperty property{std::string(token.text), {}, token.line};
            if (isPunct(peek(), '(')) {
                take();
                property.arguments = readArguments(token.text);
            }
            if (sameWord(property.name, "base"))
                cls.bases.insert(cls.bases.end(), property.arguments.begin(),
                                 property.arguments.end());
            else
                cls.properties.push_back(std::move(property));
        }
        const Token& name = take();
        if (name.kind != TokenKind::Word)
            fail(name, "expected the class name after '=', found " + describe(name));
        cls.name = std::string(name.text);
        if (isPunct(peek(), ':')) {
            take();
            if (peek().kind == TokenKind::String)
                cls.description = readText();
        }
        expect('[', "to open the keys of class " + inQuotes(cls.name));
        while (!isPunct(peek(), ']')) {
            if (isInputOutput())
                readInputOutput(cls);
            else
                cls.ownKeys.push_back(readKey(cls));
        }
        take();
        data_.addClass(std::move(cls));
        pending_.reset();
    }

    void readInputOutput(FgdClass& cls)
    {
        FgdInputOutput io;
        io.isInput = sameWord(take().text, "input");
        io.name = std::string(take().text);
        take(); // '('
        const auto arguments = readArguments(io.name);
        io.typeText = arguments.empty() ? std::string() : arguments.front();
        if (isPunct(peek(), ':')) {
            take();
            io.description = readField().value_or(std::string());
        }
        cls.inputsOutputs.push_back(std::move(io));
    }

    FgdKey readKey(const FgdClass& cls)
    {
        const Token& name = take();
        if (name.kind != TokenKind::Word)
            fail(name, "expected a key or ']' in class " + inQuotes(cls.name) + ", found " +
                           describe(name));
        FgdKey key;
        key.name = std::string(name.text);
        key.line = name.line;
        expect('(', "after key " + inQuotes(key.name));
        const Token& type = take();
        if (type.kind != TokenKind::Word)
            fail(type,
                 "expected the type of key " + inQuotes(key.name) + ", found " + describe(type));
        key.typeText = std::string(type.text);
        key.type = FgdKeyTypeFromText(key.typeText);
        expect(')', "after the type of key " + inQuotes(key.name));
        // Words some editors put before the fields.
        while (peek().kind == TokenKind::Word && !atKeyStart() &&
               (sameWord(peek().text, "readonly") || sameWord(peek().text, "report"))) {
            if (sameWord(take().text, "readonly"))
                key.readOnly = true;
        }
        for (int field = 0; isPunct(peek(), ':'); ++field) {
            const Token& colon = take();
            if (field == 3)
                fail(colon, "key " + inQuotes(key.name) + " has more than three ':' fields");
            auto text = readField();
            if (!text)
                continue;
            if (field == 0)
                key.displayName = std::move(*text);
            else if (field == 1)
                key.defaultValue = std::move(*text);
            else
                key.description = std::move(*text);
        }
        if (isPunct(peek(), '=')) {
            take();
            expect('[', "to open the list of key " + inQuotes(key.name));
            while (!isPunct(peek(), ']'))
                key.choices.push_back(readChoice(key));
            take();
        }
        return key;
    }

    FgdChoice readChoice(const FgdKey& key)
    {
        FgdChoice choice;
        const Token& value = take();
        if (value.kind != TokenKind::Word && value.kind != TokenKind::String)
            fail(value, "expected a value or ']' in the list of key " + inQuotes(key.name) +
                            ", found " + describe(value));
        choice.value = std::string(value.text);
        expect(':', "after value " + inQuotes(choice.value) + " of key " + inQuotes(key.name));
        const Token& name = peek();
        if (name.kind != TokenKind::String && name.kind != TokenKind::Word)
            fail(name, "expected the name of value " + inQuotes(choice.value) + ", found " +
                           describe(name));
        choice.name = readText();
        for (int field = 0; isPunct(peek(), ':'); ++field) {
            const Token& colon = take();
            if (field == 2)
                fail(colon, "value " + inQuotes(choice.value) + " of key " + inQuotes(key.name) +
                                " has too many ':' fields");
            const Token& token = peek();
            if (token.kind == TokenKind::Bad)
                fail(token, {});
            if (token.kind != TokenKind::String && token.kind != TokenKind::Word)
                continue;
            // A flag's third field is whether it is set by default; a
            // choice's is its help text, as is a flag's fourth.
            if (field == 0 && key.type == FgdKeyType::Flags && token.kind == TokenKind::Word) {
                choice.defaultOn = take().text != "0";
            } else {
                choice.description = readText();
            }
        }
        return choice;
    }

    GameData& data_;
    std::string fileName_;
    std::vector<std::string>& includeStack_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    std::optional<FgdClass> pending_;
    bool includesWhole_ = true;
};

bool GameData::loadFile(const std::filesystem::path& path)
{
    const std::string shown = path.string();
    std::string reason;
    const auto bytes = ReadFileBytes(path, &reason);
    if (!bytes) {
        problems_.push_back({shown, 0, "cannot read the file: " + reason});
        complete_ = false;
        return false;
    }
    return loadText(*bytes, shown);
}

bool GameData::loadText(std::string_view text, const std::string& fileName)
{
    files_.push_back(fileName);
    std::vector<std::string> stack{std::filesystem::path(fileName).lexically_normal().string()};
    FgdReader reader(*this, fileName, stack);
    const bool whole = reader.read(text);
    if (!whole)
        complete_ = false;
    resolve();
    return whole;
}

} // namespace ent
