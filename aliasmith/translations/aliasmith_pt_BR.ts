<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AliasmithTexts</name>
    <message>
        <source>Type a name for your profile</source>
        <translation>Digite um nome para o seu perfil</translation>
    </message>
    <message>
        <source>New profile</source>
        <translation>Novo perfil</translation>
    </message>
    <message>
        <source>You must enter a name for your profile!</source>
        <translation>Você deve entrar com um nome para o seu perfil!</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sem nome</translation>
    </message>
    <message>
        <source>Select your Hamachi directory</source>
        <translation>Selecione o diretório do seu Hamachi</translation>
    </message>
    <message>
        <source>Invalid IP!</source>
        <translation>IP inválido!</translation>
    </message>
    <message>
        <source>Invalid IP</source>
        <translation>IP inválido</translation>
    </message>
    <message>
        <source>Your IP is invalid!</source>
        <translation>Seu IP é inválido!</translation>
    </message>
    <message>
        <source>Profile unlodaded</source>
        <translation>Perfil descarregado</translation>
    </message>
    <message>
        <source>Unloaded</source>
        <translation>Descarregado</translation>
    </message>
    <message>
        <source>Using %1 profile. Please restart Hamachi.</source>
        <translation>Utilizadndo o perfil %1. Por favor, reinicie o Hamachi.</translation>
    </message>
    <message>
        <source>Alias Updated</source>
        <translation>Alias atualizado</translation>
    </message>
    <message>
        <source>Invalid Hamachi direcory</source>
        <translation>Diretório do Hamachi é inválido!</translation>
    </message>
    <message>
        <source>Invalid directory</source>
        <translation>Diretório inválido</translation>
    </message>
    <message>
        <source>the file or folder does not exist</source>
        <translation>o arquivo ou a pasta não existe</translation>
    </message>
    <message>
        <source>access is denied</source>
        <translation>o acesso foi negado</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>o nome é longo demais</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>a part of the path is not a folder</source>
        <translation>uma parte do caminho não é uma pasta</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>o arquivo está em uso</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>há arquivos demais abertos</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>o disco não pôde ser lido ou gravado</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>o arquivo é grande demais</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>motivo desconhecido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a profile file. Leave out \ / : * ? &quot; &lt; &gt; | and do not use a name Windows keeps for itself.</source>
        <translation>&quot;%1&quot; não pode ser o nome de um arquivo de perfil. Não use \ / : * ? &quot; &lt; &gt; | nem um nome reservado pelo Windows.</translation>
    </message>
    <message>
        <source>Invalid name</source>
        <translation>Nome inválido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too long to be the name of a profile file.</source>
        <translation>&quot;%1&quot; é longo demais para ser o nome de um arquivo de perfil.</translation>
    </message>
    <message>
        <source>The profile %1 already exists. Replace it with a new, empty profile?</source>
        <translation>O perfil %1 já existe. Substituí-lo por um perfil novo e vazio?</translation>
    </message>
    <message>
        <source>The profile file %1 could not be read: %2.</source>
        <translation>Não foi possível ler o arquivo de perfil %1: %2.</translation>
    </message>
    <message>
        <source>Profile not loaded</source>
        <translation>Perfil não carregado</translation>
    </message>
    <message>
        <source>The profile file %1 could not be written: %2.</source>
        <translation>Não foi possível gravar o arquivo de perfil %1: %2.</translation>
    </message>
    <message>
        <source>Profile not saved</source>
        <translation>Perfil não salvo</translation>
    </message>
    <message>
        <source>The profile file %1 could not be deleted: %2.</source>
        <translation>Não foi possível apagar o arquivo de perfil %1: %2.</translation>
    </message>
    <message>
        <source>Profile not deleted</source>
        <translation>Perfil não apagado</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written: %2.</source>
        <translation>Não foi possível gravar o arquivo de configurações %1: %2.</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Configurações não salvas</translation>
    </message>
    <message>
        <source>The alias file %1 could not be deleted: %2.</source>
        <translation>Não foi possível apagar o arquivo de aliases %1: %2.</translation>
    </message>
    <message>
        <source>Not unloaded</source>
        <translation>Não descarregado</translation>
    </message>
    <message>
        <source>The alias file %1 was not written by Aliasmith, or was changed since, so it was left in place.</source>
        <translation>O arquivo de aliases %1 não foi gravado pelo Aliasmith, ou foi alterado depois, por isso não foi apagado.</translation>
    </message>
    <message>
        <source>The file %1 that remembers the profile in use could not be written: %2.</source>
        <translation>Não foi possível gravar o arquivo %1 que guarda o perfil em uso: %2.</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <translation>Não registrado</translation>
    </message>
    <message>
        <source>The profile %1 has changes that are not saved. Save them and use the profile?</source>
        <translation>O perfil %1 tem alterações não salvas. Salvá-las e usar o perfil?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; cannot be used: an address may not hold blanks, tabs or line breaks, nor letters that Hamachi&apos;s alias file cannot store.</source>
        <translation>O endereço &quot;%1&quot; não pode ser usado: um endereço não pode ter espaços, tabulações ou quebras de linha, nem letras que o arquivo de aliases do Hamachi não guarda.</translation>
    </message>
    <message>
        <source>The nick &quot;%1&quot; cannot be used: a nick may not hold tabs or line breaks, nor letters that Hamachi&apos;s alias file cannot store (Cyrillic ones, for instance).</source>
        <translation>O apelido &quot;%1&quot; não pode ser usado: um apelido não pode ter tabulações ou quebras de linha, nem letras que o arquivo de aliases do Hamachi não guarda (cirílicas, por exemplo).</translation>
    </message>
    <message>
        <source>Invalid nick</source>
        <translation>Apelido inválido</translation>
    </message>
    <message>
        <source>No alias address is left: the alias number would pass 254, and such an address does not exist.</source>
        <translation>Não há mais endereços de alias: o número do alias passaria de 254, e esse endereço não existe.</translation>
    </message>
    <message>
        <source>No alias left</source>
        <translation>Sem alias</translation>
    </message>
    <message>
        <source>A row&apos;s address holds blanks or letters that Hamachi&apos;s alias file cannot store, so the file was not written.</source>
        <translation>O endereço de uma linha tem espaços ou letras que o arquivo de aliases do Hamachi não guarda, por isso o arquivo não foi gravado.</translation>
    </message>
    <message>
        <source>The profile %1 has changes that are not saved. Discard them?</source>
        <translation>O perfil %1 tem alterações não salvas. Descartá-las?</translation>
    </message>
    <message>
        <source>The profile %1 has changes that are not saved. Delete it with them?</source>
        <translation>O perfil %1 tem alterações não salvas. Deletá-lo junto com elas?</translation>
    </message>
    <message>
        <source>The profile %1 has changes that are not saved. Unload the profile anyway?</source>
        <translation>O perfil %1 tem alterações não salvas. Descarregar mesmo assim?</translation>
    </message>
    <message>
        <source>No profile shown</source>
        <translation>Nenhum perfil aberto</translation>
    </message>
    <message>
        <source>Shown: %1 (unsaved changes)</source>
        <translation>Aberto: %1 (alterações não salvas)</translation>
    </message>
    <message>
        <source>Shown: %1</source>
        <translation>Aberto: %1</translation>
    </message>
    <message>
        <source>In use by Hamachi: none</source>
        <translation>Em uso no Hamachi: nenhum</translation>
    </message>
    <message>
        <source>In use by Hamachi: %1</source>
        <translation>Em uso no Hamachi: %1</translation>
    </message>
</context>
<context>
    <name>aliasmith::AboutDialog</name>
    <message>
        <source>About Aliasmith</source>
        <translation>Sobre o Aliasmith</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Aliasmith keeps profiles of your friends&apos; addresses and turns any of them into Hamachi&apos;s aliases.</source>
        <translation>O Aliasmith guarda perfis com os endereços dos seus amigos e transforma qualquer um deles nos aliases do Hamachi.</translation>
    </message>
    <message>
        <source>Written by Aliasmith&apos;s author, for friends who play over Hamachi.</source>
        <translation>Escrito pelo autor do Aliasmith, para amigos que jogam pelo Hamachi.</translation>
    </message>
    <message>
        <source>How to use</source>
        <translation>Como usar</translation>
    </message>
    <message>
        <source>1. Set your Hamachi directory.</source>
        <translation>1. Defina o diretório do seu Hamachi.</translation>
    </message>
    <message>
        <source>2. Create a new profile or select one.</source>
        <translation>2. Crie um novo perfil ou selecione um.</translation>
    </message>
    <message>
        <source>3. Type your own Hamachi IP address in its field and add your friends&apos; addresses.</source>
        <translation>3. Digite o seu IP do Hamachi no campo dele e adicione os endereços dos seus amigos.</translation>
    </message>
    <message>
        <source>4. Save, then press &quot;Use profile&quot; to update Hamachi&apos;s aliases.</source>
        <translation>4. Salve e clique em &quot;Usar perfil&quot; para atualizar os aliases do Hamachi.</translation>
    </message>
    <message>
        <source>Aliasmith</source>
        <translation>Aliasmith</translation>
    </message>
    <message>
        <source>Two linked nodes: a friend reached through an alias.</source>
        <translation>Dois nós ligados: um amigo alcançado por um alias.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Endereço na web</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>aliasmith::MainWindow</name>
    <message>
        <source>Hamachi directory</source>
        <translation>Diretório do Hamachi</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Aliases</source>
        <translation>Aliases</translation>
    </message>
    <message>
        <source>Select Aliasmith&apos;s language:</source>
        <translation>Selecione o idioma:</translation>
    </message>
    <message>
        <source>Select your alias profile:</source>
        <translation>Selecione o perfil:</translation>
    </message>
    <message>
        <source>Your Hamachi IP address:</source>
        <translation>Seu IP do Hamachi:</translation>
    </message>
    <message>
        <source>Add IP:</source>
        <translation>Adicionar IP:</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Novo...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Deletar</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Deletar seleção</translation>
    </message>
    <message>
        <source>Update masks</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Unload profile</source>
        <translation>Descarregar</translation>
    </message>
    <message>
        <source>Use profile</source>
        <translation>Usar perfil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Nick</source>
        <translation>Apelido</translation>
    </message>
    <message>
        <source>True IP</source>
        <translation>IP verdadeiro</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Aliasmith Alias Manager</source>
        <translation>Aliasmith Alias Manager</translation>
    </message>
    <message>
        <source>Choose the Hamachi directory</source>
        <translation>Escolher o diretório do Hamachi</translation>
    </message>
    <message>
        <source>One row per friend: nick, true IP and alias. Press F2 to rename the nick.</source>
        <translation>Uma linha por amigo: apelido, IP verdadeiro e alias. Pressione F2 para renomear o apelido.</translation>
    </message>
</context>
</TS>
