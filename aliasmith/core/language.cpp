#include "core/language.h"

namespace aliasmith {
namespace {

constexpr std::string_view kEnglish = "English";
constexpr std::string_view kPortuguese = "Português";

constexpr std::array<Caption, 17> kCaptions{{
    {Captioned::HamachiDirectoryFrame, "Hamachi directory", "Diretório do Hamachi"},
    {Captioned::LanguageFrame, "Language", "Idioma"},
    {Captioned::ProfileFrame, "Profile", "Perfil"},
    {Captioned::AliasesFrame, "Aliases", "Aliases"},
    {Captioned::LanguagePrompt, "Select Aliasmith's language:", "Selecione o idioma:"},
    {Captioned::ProfilePrompt, "Select your alias profile:", "Selecione o perfil:"},
    {Captioned::OwnAddressPrompt, "Your Hamachi IP address:", "Seu IP do Hamachi:"},
    {Captioned::FriendAddressPrompt, "Add IP:", "Adicionar IP:"},
    {Captioned::NewProfileButton, "New...", "Novo..."},
    {Captioned::DeleteProfileButton, "Delete", "Deletar"},
    {Captioned::DeleteRowButton, "Delete selected", "Deletar seleção"},
    {Captioned::RenumberButton, "Update masks", "Atualizar"},
    {Captioned::AddRowButton, "Add", "Adicionar"},
    {Captioned::AboutButton, "About...", "Sobre..."},
    {Captioned::UnloadButton, "Unload profile", "Descarregar"},
    {Captioned::UseButton, "Use profile", "Usar perfil"},
    {Captioned::SaveButton, "Save", "Salvar"},
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
    {"1. Set your Hamachi directory.", "2. Create a new profile or select one.",
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
    {"1. Defina o diretório do seu Hamachi.", "2. Crie um novo perfil ou selecione um.",
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

bool english(Language language)
{
    return language == Language::English;
}

std::string because(std::string_view reason)
{
    return std::string(reason) + ".";
}

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

std::span<const Caption> captionTable()
{
    return kCaptions;
}

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

MessageText profileNotRead(Language language, std::string_view path, std::string_view reason)
{
    if (english(language))
        return {joined("The profile file ", path, " could not be read: ") + because(reason),
                "Profile not loaded"};
    return {joined("Não foi possível ler o arquivo de perfil ", path, ": ") + because(reason),
            "Perfil não carregado"};
}

MessageText profileNotWritten(Language language, std::string_view path, std::string_view reason)
{
    if (english(language))
        return {joined("The profile file ", path, " could not be written: ") + because(reason),
                "Profile not saved"};
    return {joined("Não foi possível gravar o arquivo de perfil ", path, ": ") + because(reason),
            "Perfil não salvo"};
}

MessageText profileNotDeleted(Language language, std::string_view path, std::string_view reason)
{
    if (english(language))
        return {joined("The profile file ", path, " could not be deleted: ") + because(reason),
                "Profile not deleted"};
    return {joined("Não foi possível apagar o arquivo de perfil ", path, ": ") + because(reason),
            "Perfil não apagado"};
}

MessageText settingsNotWritten(Language language, std::string_view path, std::string_view reason)
{
    if (english(language))
        return {joined("The settings file ", path, " could not be written: ") + because(reason),
                "Settings not saved"};
    return {joined("Não foi possível gravar o arquivo de configurações ", path, ": ") +
                because(reason),
            "Configurações não salvas"};
}

MessageText aliasesNotDeleted(Language language, std::string_view path, std::string_view reason)
{
    if (english(language))
        return {joined("The alias file ", path, " could not be deleted: ") + because(reason),
                "Not unloaded"};
    return {joined("Não foi possível apagar o arquivo de aliases ", path, ": ") + because(reason),
            "Não descarregado"};
}

const AboutTexts& aboutTexts(Language language)
{
    return english(language) ? kEnglishAbout : kPortugueseAbout;
}

std::string versionText()
{
    return "1.0.0";
}

std::string_view webAddress()
{
    return "https://aliasmith.example.org";
}

MessageText invalidDirectory(Language language, std::string_view reason)
{
    const Messages& text = messages(language);
    return {joined(text.invalidDirectoryText, "\n\n", reason),
            std::string(text.invalidDirectoryTitle)};
}

std::string reasonText(Language language, std::error_code code, std::string_view systemText)
{
    struct Reason {
        std::errc code;
        std::string_view english;
        std::string_view portuguese;
    };
    static constexpr std::array<Reason, 12> kReasons{{
        {std::errc::no_such_file_or_directory, "the file or folder does not exist",
         "o arquivo ou a pasta não existe"},
        {std::errc::permission_denied, "access is denied", "o acesso foi negado"},
        {std::errc::operation_not_permitted, "access is denied", "o acesso foi negado"},
        {std::errc::read_only_file_system, "the disk is read-only", "o disco é somente leitura"},
        {std::errc::no_space_on_device, "the disk is full", "o disco está cheio"},
        {std::errc::filename_too_long, "the name is too long", "o nome é longo demais"},
        {std::errc::is_a_directory, "it is a folder", "é uma pasta"},
        {std::errc::not_a_directory, "a part of the path is not a folder",
         "uma parte do caminho não é uma pasta"},
        {std::errc::device_or_resource_busy, "the file is in use", "o arquivo está em uso"},
        {std::errc::too_many_files_open, "too many files are open", "há arquivos demais abertos"},
        {std::errc::io_error, "the disk could not be read or written",
         "o disco não pôde ser lido ou gravado"},
        {std::errc::file_too_large, "the file is too large", "o arquivo é grande demais"},
    }};
    if (code) {
        for (const Reason& reason : kReasons) {
            if (code == std::make_error_code(reason.code))
                return std::string(english(language) ? reason.english : reason.portuguese);
        }
    }
    if (!systemText.empty())
        return std::string(systemText);
    return english(language) ? "unknown reason" : "motivo desconhecido";
}

MessageText profileNameTooLong(Language language, std::string_view name)
{
    if (english(language))
        return {joined("\"", name, "\" is too long to be the name of a profile file."),
                "Invalid name"};
    return {joined("\"", name, "\" é longo demais para ser o nome de um arquivo de perfil."),
            "Nome inválido"};
}

MessageText appliedProfileNotRecorded(Language language, std::string_view path,
                                      std::string_view reason)
{
    if (english(language))
        return {joined("The file ", path, " that remembers the profile in use could not be ") +
                    "written: " + because(reason),
                "Not recorded"};
    return {joined("Não foi possível gravar o arquivo ", path, " que guarda o perfil em uso: ") +
                because(reason),
            "Não registrado"};
}

MessageText aliasesNotOurs(Language language, std::string_view path)
{
    if (english(language))
        return {joined("The alias file ", path,
                       " was not written by Aliasmith, or was changed since, so it was left in "
                       "place."),
                "Not unloaded"};
    return {joined("O arquivo de aliases ", path,
                   " não foi gravado pelo Aliasmith, ou foi alterado depois, por isso não foi "
                   "apagado."),
            "Não descarregado"};
}

MessageText saveBeforeUseQuestion(Language language, std::string_view profile)
{
    if (english(language))
        return {joined("The profile ", profile,
                       " has changes that are not saved. Save them and use the profile?"),
                "Unsaved changes"};
    return {joined("O perfil ", profile, " tem alterações não salvas. Salvá-las e usar o perfil?"),
            "Alterações não salvas"};
}

MessageText addressRefused(Language language, std::string_view address)
{
    if (english(language))
        return {joined("The address \"", address,
                       "\" cannot be used: an address may not hold blanks, tabs or line breaks, "
                       "nor letters that Hamachi's alias file cannot store."),
                "Invalid IP"};
    return {joined("O endereço \"", address,
                   "\" não pode ser usado: um endereço não pode ter espaços, tabulações ou "
                   "quebras de linha, nem letras que o arquivo de aliases do Hamachi não guarda."),
            "IP inválido"};
}

MessageText nickRefused(Language language, std::string_view nick)
{
    if (english(language))
        return {joined("The nick \"", nick,
                       "\" cannot be used: a nick may not hold tabs or line breaks, nor letters "
                       "that Hamachi's alias file cannot store (Cyrillic ones, for instance)."),
                "Invalid nick"};
    return {joined("O apelido \"", nick,
                   "\" não pode ser usado: um apelido não pode ter tabulações ou quebras de "
                   "linha, nem letras que o arquivo de aliases do Hamachi não guarda (cirílicas, "
                   "por exemplo)."),
            "Apelido inválido"};
}

MessageText noAliasLeft(Language language)
{
    if (english(language))
        return {"No alias address is left: the alias number would pass 254, and such an address "
                "does not exist.",
                "No alias left"};
    return {"Não há mais endereços de alias: o número do alias passaria de 254, e esse endereço "
            "não existe.",
            "Sem alias"};
}

MessageText rowsNotWritable(Language language)
{
    if (english(language))
        return {"A row's address holds blanks or letters that Hamachi's alias file cannot store, "
                "so the file was not written.",
                "Invalid IP"};
    return {"O endereço de uma linha tem espaços ou letras que o arquivo de aliases do Hamachi "
            "não guarda, por isso o arquivo não foi gravado.",
            "IP inválido"};
}

MessageText unsavedChangesQuestion(Language language, UnsavedAction action,
                                   std::string_view profile)
{
    const bool en = english(language);
    std::string text = en ? joined("The profile ", profile, " has changes that are not saved. ")
                          : joined("O perfil ", profile, " tem alterações não salvas. ");
    switch (action) {
    case UnsavedAction::SwitchProfile:
    case UnsavedAction::NewProfile:
    case UnsavedAction::Close: text += en ? "Discard them?" : "Descartá-las?"; break;
    case UnsavedAction::DeleteProfile:
        text += en ? "Delete it with them?" : "Deletá-lo junto com elas?";
        break;
    case UnsavedAction::Unload:
        text += en ? "Unload the profile anyway?" : "Descarregar mesmo assim?";
        break;
    }
    return {text, en ? "Unsaved changes" : "Alterações não salvas"};
}

std::string shownProfileStatus(Language language, std::string_view profile, bool unsaved)
{
    const bool en = english(language);
    if (profile.empty())
        return en ? "No profile shown" : "Nenhum perfil aberto";
    std::string text = joined(en ? "Shown: " : "Aberto: ", profile);
    if (unsaved)
        text += en ? " (unsaved changes)" : " (alterações não salvas)";
    return text;
}

std::string appliedProfileStatus(Language language, std::string_view profile)
{
    const bool en = english(language);
    if (profile.empty())
        return en ? "In use by Hamachi: none" : "Em uso no Hamachi: nenhum";
    return joined(en ? "In use by Hamachi: " : "Em uso no Hamachi: ", profile);
}

} // namespace aliasmith
