#include "core/language.h"

namespace aliasmith {
namespace {

constexpr std::string_view kEnglish = "English";
constexpr std::string_view kPortuguese = "Português";

constexpr std::array<Caption, 17> kCaptions{{
    {"Frame1", "Hamachi directory", "Diretório do Hamachi"},
    {"Frame2", "Language", "Idioma"},
    {"Frame3", "Profile", "Perfil"},
    {"fraAlias", "Aliases", "Aliases"},
    {"Label4", "Select Aliasmith's language:", "Selecione o idioma:"},
    {"Label2", "Select your alias profile:", "Selecione o perfil:"},
    {"Label1", "Your Hamachi IP address:", "Seu IP do Hamachi:"},
    {"Label3", "Add IP:", "Adicionar IP:"},
    {"cmbNew", "New...", "Novo..."},
    {"cmbDelete", "Delete", "Deletar"},
    {"cmbDelSel", "Delete selected", "Deletar seleção"},
    {"cmbUpdate", "Update masks", "Atualizar"},
    {"cmbAdd", "Add", "Adicionar"},
    {"cmbAbout", "About...", "Sobre..."},
    {"cmbUnload", "Unload profile", "Descarregar"},
    {"cmbUse", "Use profile", "Usar perfil"},
    {"cmbSave", "Save", "Salvar"},
}};

constexpr Messages kEnglishMessages{
    "Type a name for your profile",
    "New profile",
    "You must enter a name for your profile!",
    "No name",
    "Select your Hamachi directory",
    "Invalid IP!",
    "Invalid IP",
    "Your IP is invalid!",
    "Alias Updated",
    "Profile unlodaded",
    "Unloaded",
    "Invalid Hamachi direcory",
    "Invalid directory",
};

constexpr Messages kPortugueseMessages{
    "Digite um nome para o seu perfil",
    "Novo perfil",
    "Você deve entrar com um nome para o seu perfil!",
    "Sem nome",
    "Selecione o diretório do seu Hamachi",
    "IP inválido!",
    "IP inválido",
    "Seu IP é inválido!",
    "Alias atualizado",
    "Perfil descarregado",
    "Descarregado",
    "Diretório do Hamachi é inválido!",
    "Diretório inválido",
};

constexpr AboutTexts kEnglishAbout{
    "About Aliasmith",
    "Info",
    "Aliasmith keeps profiles of your friends' addresses and turns any of them into "
    "Hamachi's aliases.",
    "Written by Aliasmith's author, for friends who play over Hamachi.",
    "How to use",
    {"1. Set your Hamachi directory.",
     "2. Create a new profile or select one.",
     "3. Type your own Hamachi IP address in its field and add your friends' addresses.",
     "4. Save, then press \"Use profile\" to update Hamachi's aliases."},
    "Version",
};

constexpr AboutTexts kPortugueseAbout{
    "Sobre o Aliasmith",
    "Informações",
    "O Aliasmith guarda perfis com os endereços dos seus amigos e transforma qualquer um "
    "deles nos aliases do Hamachi.",
    "Escrito pelo autor do Aliasmith, para amigos que jogam pelo Hamachi.",
    "Como usar",
    {"1. Defina o diretório do seu Hamachi.",
     "2. Crie um novo perfil ou selecione um.",
     "3. Digite o seu IP do Hamachi no campo dele e adicione os endereços dos seus amigos.",
     "4. Salve e clique em \"Usar perfil\" para atualizar os aliases do Hamachi."},
    "Versão",
};

std::string joined(std::string_view a, std::string_view b, std::string_view c = {})
{
    std::string text(a);
    text += b;
    text += c;
    return text;
}

bool english(Language language) { return language == Language::English; }

} // namespace

std::string_view languageName(Language language)
{
    return english(language) ? kEnglish : kPortuguese;
}

std::optional<Language> languageFromName(std::string_view name)
{
    if (name == kEnglish)
        return Language::English;
    if (name == kPortuguese)
        return Language::Portuguese;
    return std::nullopt;
}

std::span<const Caption> captionTable() { return kCaptions; }

std::array<std::string_view, 3> columnHeadings(Language language)
{
    if (english(language))
        return {"Nick", "True IP", "Alias"};
    return {"Apelido", "IP verdadeiro", "Alias"};
}

const Messages& messages(Language language)
{
    return english(language) ? kEnglishMessages : kPortugueseMessages;
}

MessageText profileInUse(Language language, std::string_view profile)
{
    const std::string title(messages(language).aliasUpdatedTitle);
    if (english(language))
        return {joined("Using ", profile, " profile. Please restart Hamachi."), title};
    return {joined("Utilizadndo o perfil ", profile, ". Por favor, reinicie o Hamachi."), title};
}

MessageText badProfileName(Language language, std::string_view name)
{
    if (english(language))
        return {joined("\"", name,
                       "\" cannot be the name of a profile file. Leave out \\ / : * ? \" < > | "
                       "and do not use a name Windows keeps for itself."),
                "Invalid name"};
    return {joined("\"", name,
                   "\" não pode ser o nome de um arquivo de perfil. Não use \\ / : * ? \" < > | "
                   "nem um nome reservado pelo Windows."),
            "Nome inválido"};
}

MessageText replaceProfileQuestion(Language language, std::string_view name)
{
    if (english(language))
        return {joined("The profile ", name,
                       " already exists. Replace it with a new, empty profile?"),
                "New profile"};
    return {joined("O perfil ", name, " já existe. Substituí-lo por um perfil novo e vazio?"),
            "Novo perfil"};
}

MessageText profileNotRead(Language language, std::string_view path)
{
    if (english(language))
        return {joined("The profile file ", path, " could not be read."), "Profile not loaded"};
    return {joined("Não foi possível ler o arquivo de perfil ", path, "."),
            "Perfil não carregado"};
}

MessageText profileNotWritten(Language language, std::string_view path)
{
    if (english(language))
        return {joined("The profile file ", path, " could not be written."), "Profile not saved"};
    return {joined("Não foi possível gravar o arquivo de perfil ", path, "."),
            "Perfil não salvo"};
}

MessageText profileNotDeleted(Language language, std::string_view path)
{
    if (english(language))
        return {joined("The profile file ", path, " could not be deleted."),
                "Profile not deleted"};
    return {joined("Não foi possível apagar o arquivo de perfil ", path, "."),
            "Perfil não apagado"};
}

MessageText settingsNotWritten(Language language, std::string_view path)
{
    if (english(language))
        return {joined("The settings file ", path, " could not be written."),
                "Settings not saved"};
    return {joined("Não foi possível gravar o arquivo de configurações ", path, "."),
            "Configurações não salvas"};
}

MessageText aliasesNotDeleted(Language language, std::string_view path)
{
    if (english(language))
        return {joined("The alias file ", path, " could not be deleted."), "Not unloaded"};
    return {joined("Não foi possível apagar o arquivo de aliases ", path, "."),
            "Não descarregado"};
}

const AboutTexts& aboutTexts(Language language)
{
    return english(language) ? kEnglishAbout : kPortugueseAbout;
}

std::string versionText() { return "1.0.0"; }

std::string_view webAddress() { return "https://aliasmith.example.org"; }

} // namespace aliasmith
