<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>PropertyTable</name>
    <message>
        <source>Entity properties</source>
        <translation>Propriedades da entidade</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedade</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Padrão: %1</translation>
    </message>
    <message>
        <source>Choose colour</source>
        <translation>Escolher cor</translation>
    </message>
</context>
<context>
    <name>RipentWatch</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>ripent crashed while working on &quot;%1&quot;.</source>
        <translation>O ripent falhou ao trabalhar em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ripent ended with exit code %1 while working on &quot;%2&quot;.</source>
        <translation>O ripent terminou com o código de saída %1 ao trabalhar em &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Entwright - About</source>
        <translation>Entwright - Sobre</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Entwright</source>
        <translation>Entwright</translation>
    </message>
    <message>
        <source>Half-Life entity list editor
Written by the Entwright author
Developed in C++ with Qt %1
Version 2.0, compilation %2
%3 lines of code</source>
        <translation>Editor de listas de entidades do Half-Life
Escrito pelo autor do Entwright
Desenvolvido em C++ com Qt %1
Versão 2.0, compilação %2
%3 linhas de código</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The program&apos;s icon: a pair of braces</source>
        <translation>O ícone do programa: um par de chaves</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Half Life Entity Files (.ent)|*.ent|BSP Files (.BSP)|*.bsp</source>
        <translation>Arquivos de entidades do Half Life (.ent)|*.ent|Arquivos BSP (.BSP)|*.bsp</translation>
    </message>
    <message>
        <source>Half Life Entity File (.ent)|*.ent</source>
        <translation>Arquivo de entidades do Half Life (.ent)|*.ent</translation>
    </message>
    <message>
        <source>All fields must be filled up correctly</source>
        <translation>Todos os campos devem ser preenchidos corretamente</translation>
    </message>
    <message>
        <source>Keys and values can&apos;t hold line breaks</source>
        <translation>Chaves e valores não podem conter quebras de linha</translation>
    </message>
    <message>
        <source>Keys and values can&apos;t hold double quotes (&quot;): the game would read one as the end of the key or value</source>
        <translation>Chaves e valores não podem conter aspas duplas (&quot;): o jogo leria uma delas como o fim da chave ou do valor</translation>
    </message>
    <message>
        <source>The &apos;classname&apos; line must stay a classname line: its key can&apos;t change</source>
        <translation>A linha &apos;classname&apos; deve continuar sendo uma linha classname: sua chave não pode mudar</translation>
    </message>
    <message>
        <source>Entwright 2.0</source>
        <translation>Entwright 2.0</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Arquivos recentes</translation>
    </message>
    <message>
        <source>Load Game Data...</source>
        <translation>Carregar dados do jogo...</translation>
    </message>
    <message>
        <source>Unload Game Data</source>
        <translation>Descarregar dados do jogo</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Set Key on Selected...</source>
        <translation>Definir chave nas selecionadas...</translation>
    </message>
    <message>
        <source>Delete Key from Selected...</source>
        <translation>Excluir chave das selecionadas...</translation>
    </message>
    <message>
        <source>Find and Replace...</source>
        <translation>Localizar e substituir...</translation>
    </message>
    <message>
        <source>Check Map</source>
        <translation>Verificar mapa</translation>
    </message>
    <message>
        <source>Ripent</source>
        <translation>Ripent</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Entity</source>
        <translation>Entidade</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Targetname</source>
        <translation>Targetname</translation>
    </message>
    <message>
        <source>Any text</source>
        <translation>Qualquer texto</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Entity Properties</source>
        <translation>Propriedades da entidade</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Chave:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Excl.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.

%2</source>
        <translation>Não foi possível abrir &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>File saved sucessfully</source>
        <translation>Arquivo salvo com sucesso</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be saved: %2</source>
        <translation>Não foi possível salvar o arquivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Entwright</source>
        <translation>Entwright</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot;?</source>
        <translation>Salvar as alterações em &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>… (%1 bytes in all)</source>
        <translation>… (%1 bytes no total)</translation>
    </message>
    <message>
        <source>The key holds characters a map can&apos;t store (Windows-1252 has no place for them): %1</source>
        <translation>A chave contém caracteres que um mapa não pode guardar (o Windows-1252 não tem lugar para eles): %1</translation>
    </message>
    <message>
        <source>The value holds characters a map can&apos;t store (Windows-1252 has no place for them): %1</source>
        <translation>O valor contém caracteres que um mapa não pode guardar (o Windows-1252 não tem lugar para eles): %1</translation>
    </message>
    <message>
        <source>You can&apos;t delete the entity &apos;classname&apos;</source>
        <translation>Você não pode excluir a entidade &apos;classname&apos;</translation>
    </message>
    <message>
        <source>You can&apos;t delete the only entity left</source>
        <translation>Você não pode excluir a única entidade restante</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>The entities of &quot;%1&quot; were replaced. Load them now? The changes not yet saved are lost; keeping them means a later Save writes them over what was imported.</source>
        <translation>As entidades de &quot;%1&quot; foram substituídas. Carregá-las agora? As alterações ainda não salvas serão perdidas; mantê-las significa que um Salvar posterior as gravará sobre o que foi importado.</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Engine limits</source>
        <translation>Limites do motor</translation>
    </message>
    <message>
        <source>Limits:</source>
        <translation>Limites:</translation>
    </message>
    <message>
        <source>Problems found by the check</source>
        <translation>Problemas encontrados pela verificação</translation>
    </message>
    <message>
        <source>Problems: none</source>
        <translation>Problemas: nenhum</translation>
    </message>
    <message>
        <source>Problems: %1</source>
        <translation>Problemas: %1</translation>
    </message>
    <message>
        <source>SmartEdit</source>
        <translation>SmartEdit</translation>
    </message>
    <message>
        <source>Show the keys through the game data; off shows the raw lines</source>
        <translation>Mostra as chaves pelos dados do jogo; desligado mostra as linhas brutas</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e mais %n</numerusform>
            <numerusform>… e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The game data was read with these problems:

%1</source>
        <translation>Os dados do jogo foram lidos com estes problemas:

%1</translation>
    </message>
    <message>
        <source>The game data could not be read whole; what was read before the fault is loaded.

%1</source>
        <translation>Não foi possível ler os dados do jogo inteiros; o que foi lido antes do erro está carregado.

%1</translation>
    </message>
    <message>
        <source>Game Data</source>
        <translation>Dados do jogo</translation>
    </message>
    <message>
        <source>Game Data Files (.fgd)|*.fgd</source>
        <translation>Arquivos de dados do jogo (.fgd)|*.fgd</translation>
    </message>
    <message>
        <source>Go to target</source>
        <translation>Ir para o alvo</translation>
    </message>
    <message>
        <source>Used by:</source>
        <translation>Usada por:</translation>
    </message>
    <message>
        <source>Entities that point at this one</source>
        <translation>Entidades que apontam para esta</translation>
    </message>
    <message>
        <source>%1 (entity %2)</source>
        <translation>%1 (entidade %2)</translation>
    </message>
    <message>
        <source>No entity has the targetname &quot;%1&quot;.</source>
        <translation>Nenhuma entidade tem o targetname &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message numerus="yes">
        <source>%n key(s) refer to &quot;%1&quot;. Change them to &quot;%2&quot; as well?</source>
        <translation>
            <numerusform>%n chave se refere a &quot;%1&quot;. Mudá-la para &quot;%2&quot; também?</numerusform>
            <numerusform>%n chaves se referem a &quot;%1&quot;. Mudá-las para &quot;%2&quot; também?</numerusform>
        </translation>
    </message>
    <message>
        <source>Set Key</source>
        <translation>Definir chave</translation>
    </message>
    <message numerus="yes">
        <source>Key to set on %n entities:</source>
        <translation>
            <numerusform>Chave a definir em %n entidade:</numerusform>
            <numerusform>Chave a definir em %n entidades:</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Key</source>
        <translation>Excluir chave</translation>
    </message>
    <message numerus="yes">
        <source>Key to delete from %n entities:</source>
        <translation>
            <numerusform>Chave a excluir de %n entidade:</numerusform>
            <numerusform>Chave a excluir de %n entidades:</numerusform>
        </translation>
    </message>
    <message>
        <source>Find and Replace</source>
        <translation>Localizar e substituir</translation>
    </message>
    <message>
        <source>The texts hold characters a map can&apos;t store.</source>
        <translation>Os textos contêm caracteres que um mapa não pode guardar.</translation>
    </message>
    <message>
        <source>The regular expression is not valid: %1</source>
        <translation>A expressão regular não é válida: %1</translation>
    </message>
    <message>
        <source>Nothing matches &quot;%1&quot;.</source>
        <translation>Nada corresponde a &quot;%1&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s)</source>
        <translation>
            <numerusform>%n linha</numerusform>
            <numerusform>%n linhas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entities</source>
        <translation>
            <numerusform>%n entidade</numerusform>
            <numerusform>%n entidades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace %n occurrence(s) in %1 of %2?</source>
        <translation>
            <numerusform>Substituir %n ocorrência em %1 de %2?</numerusform>
            <numerusform>Substituir %n ocorrências em %1 de %2?</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by</source>
        <translation>Filtrar por</translation>
    </message>
    <message>
        <source>Entities</source>
        <translation>Entidades</translation>
    </message>
    <message>
        <source>Key lines</source>
        <translation>Linhas de chave</translation>
    </message>
</context>
<context>
    <name>frmNewEnt</name>
    <message>
        <source>Add Entity</source>
        <translation>Adicionar entidade</translation>
    </message>
    <message>
        <source>Entity Name</source>
        <translation>Nome da entidade</translation>
    </message>
    <message>
        <source>Classes of the game data</source>
        <translation>Classes dos dados do jogo</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>An entity name can&apos;t hold characters a map can&apos;t store (Windows-1252 has no place for them)</source>
        <translation>Um nome de entidade não pode conter caracteres que um mapa não pode guardar (o Windows-1252 não tem lugar para eles)</translation>
    </message>
    <message>
        <source>An entity name can&apos;t hold line breaks</source>
        <translation>Um nome de entidade não pode conter quebras de linha</translation>
    </message>
    <message>
        <source>An entity name can&apos;t hold double quotes (&quot;)</source>
        <translation>Um nome de entidade não pode conter aspas duplas (&quot;)</translation>
    </message>
</context>
<context>
    <name>frmReplace</name>
    <message>
        <source>Find and Replace</source>
        <translation>Localizar e substituir</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Substituir por</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expressão regular</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Chaves</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Localizar:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Substituir por:</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Substituir tudo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmRipent</name>
    <message>
        <source>Export .ent from BSP</source>
        <translation>Exportar .ent do BSP</translation>
    </message>
    <message>
        <source>Import .ent into BSP</source>
        <translation>Importar .ent para o BSP</translation>
    </message>
    <message>
        <source>Select BSP file</source>
        <translation>Selecione o arquivo BSP</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Ir!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>BSP Files (.BSP)|*.bsp</source>
        <translation>Arquivos BSP (.BSP)|*.bsp</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>There was an error during opearation</source>
        <translation>Ocorreu um erro durante a operação</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Replace it?</source>
        <translation>&quot;%1&quot; já existe. Substituí-lo?</translation>
    </message>
    <message>
        <source>There was an error during opearation

%1</source>
        <translation>Ocorreu um erro durante a operação

%1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>ripent was not found, so Entwright exported the map&apos;s %1 entities itself to &quot;%2&quot;.</source>
        <translation>O ripent não foi encontrado, então o próprio Entwright exportou as %1 entidades do mapa para &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>ripent was not found, so Entwright imported %1 entities itself into &quot;%2&quot;.</source>
        <translation>O ripent não foi encontrado, então o próprio Entwright importou %1 entidades para &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>BSP file</source>
        <translation>Arquivo BSP</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Choose the BSP file in a file dialog</source>
        <translation>Escolher o arquivo BSP numa janela de arquivos</translation>
    </message>
</context>
</TS>
