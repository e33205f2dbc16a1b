<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>pivotel</name>
    <message>
        <source>pivotel: %1
Try &apos;pivotel --help&apos;.</source>
        <translation>pivotel: %1
Experimente &apos;pivotel --help&apos;.</translation>
    </message>
    <message>
        <source>pivotel: %1</source>
        <translation>pivotel: %1</translation>
    </message>
    <message>
        <source>%1: nothing was read: %2</source>
        <translation>%1: nada foi lido: %2</translation>
    </message>
    <message>
        <source>%1: Not a sprite: %2</source>
        <translation>%1: Não é um sprite: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 gravado</translation>
    </message>
    <message>
        <source>%1 frames of %2 written to %3</source>
        <translation>%1 quadros de %2 gravados em %3</translation>
    </message>
    <message>
        <source>The %1 bytes after the last frame were not exported.</source>
        <translation>Os %1 bytes depois do último quadro não foram exportados.</translation>
    </message>
    <message>
        <source>--type takes side-view, flipper, common, fixed, parallel-oriented or 0 to 4</source>
        <translation>--type aceita side-view, flipper, common, fixed, parallel-oriented ou 0 a 4</translation>
    </message>
    <message>
        <source>--format takes normal, additive, index-alpha or alpha-test</source>
        <translation>--format aceita normal, additive, index-alpha ou alpha-test</translation>
    </message>
    <message>
        <source>--quality takes 0 to 100</source>
        <translation>--quality aceita de 0 a 100</translation>
    </message>
    <message>
        <source>--dither takes 0 (none) to 1 (full)</source>
        <translation>--dither aceita de 0 (nenhum) a 1 (total)</translation>
    </message>
    <message>
        <source>--tint takes a colour as RRGGBB</source>
        <translation>--tint aceita uma cor como RRGGBB</translation>
    </message>
    <message>
        <source>--create needs pictures or a frames folder</source>
        <translation>--create precisa de imagens ou de uma pasta de quadros</translation>
    </message>
    <message>
        <source>%1 already exists; add --replace to write over it</source>
        <translation>%1 já existe; acrescente --replace para gravar por cima</translation>
    </message>
    <message>
        <source>nothing was written: %1</source>
        <translation>nada foi gravado: %1</translation>
    </message>
    <message>
        <source>%1 written: %2 frames, texture format %3</source>
        <translation>%1 gravado: %2 quadros, formato de textura %3</translation>
    </message>
    <message>
        <source>Commands (no window):
  pivotel --export DIR FILE.spr [--as frames|sheet|gif|apng] [--replace]
      Writes every frame as an indexed PNG with the sprite&apos;s own palette
      (frame001.png, ...) and sprite.txt (type, texture format, origins,
      groups and intervals) into DIR; or, with --as, one sprite sheet
      (NAME-sheet.png), an animated GIF (NAME.gif) or APNG (NAME-apng.png).
  pivotel --create OUT.spr [--type T] [--format F] [--quality Q] [--dither D]
          [--tint RRGGBB] [--replace] PICTURES...|FOLDER
      Makes a sprite from PNG, GIF (every frame), BMP or TGA pictures, or
      from a folder written by --export. T: side-view, flipper, common,
      fixed, parallel-oriented (or 0-4). F: normal, additive, index-alpha,
      alpha-test. Q: the least quality (0-100) when colours must be reduced;
      D: dithering from 0 to 1.
  Exit codes: 0 done, 1 failed, 2 misused.
</source>
        <translation>Comandos (sem janela):
  pivotel --export PASTA ARQUIVO.spr [--as frames|sheet|gif|apng] [--replace]
      Grava cada quadro como um PNG indexado com a paleta do próprio sprite
      (frame001.png, ...) e sprite.txt (tipo, formato de textura, origens,
      grupos e intervalos) em PASTA; ou, com --as, uma folha de sprites
      (NOME-sheet.png), um GIF animado (NOME.gif) ou APNG (NOME-apng.png).
  pivotel --create SAIDA.spr [--type T] [--format F] [--quality Q] [--dither D]
          [--tint RRGGBB] [--replace] IMAGENS...|PASTA
      Cria um sprite a partir de imagens PNG, GIF (todos os quadros), BMP ou
      TGA, ou de uma pasta gravada por --export. T: side-view, flipper, common,
      fixed, parallel-oriented (ou 0-4). F: normal, additive, index-alpha,
      alpha-test. Q: a qualidade mínima (0-100) quando as cores precisam ser
      reduzidas; D: pontilhado de 0 a 1.
  Códigos de saída: 0 feito, 1 falhou, 2 mal usado.
</translation>
    </message>
    <message>
        <source>give either --export or --create</source>
        <translation>informe --export ou --create</translation>
    </message>
    <message>
        <source>--%1 belongs to --create</source>
        <translation>--%1 pertence a --create</translation>
    </message>
    <message>
        <source>--export DIR takes one sprite file</source>
        <translation>--export PASTA aceita um arquivo de sprite</translation>
    </message>
    <message>
        <source>--as takes frames, sheet, gif or apng</source>
        <translation>--as aceita frames, sheet, gif ou apng</translation>
    </message>
    <message>
        <source>--as belongs to --export</source>
        <translation>--as pertence a --export</translation>
    </message>
</context>
<context>
    <name>pivotel::CoreText</name>
    <message>
        <source>it does not start with &quot;IDSP&quot;</source>
        <translation>ele não começa com &quot;IDSP&quot;</translation>
    </message>
    <message>
        <source>its version is %1, not 1 or 2</source>
        <translation>a sua versão é %1, não 1 nem 2</translation>
    </message>
    <message>
        <source>too short for a sprite header</source>
        <translation>curto demais para um cabeçalho de sprite</translation>
    </message>
    <message>
        <source>no pictures were given</source>
        <translation>nenhuma imagem foi dada</translation>
    </message>
    <message>
        <source>%1 holds no picture</source>
        <translation>%1 não contém imagem</translation>
    </message>
    <message>
        <source>the pictures hold more than %1 colours and cannot be reduced here</source>
        <translation>as imagens têm mais de %1 cores e não podem ser reduzidas aqui</translation>
    </message>
    <message>
        <source>the list names %1 pictures, but %2 were read</source>
        <translation>a lista indica %1 imagens, mas %2 foram lidas</translation>
    </message>
    <message>
        <source>a version 1 sprite has no texture format</source>
        <translation>um sprite de versão 1 não tem formato de textura</translation>
    </message>
    <message>
        <source>%1 frames: the game&apos;s limit is %2 frames</source>
        <translation>%1 quadros: o limite do jogo é %2 quadros</translation>
    </message>
    <message>
        <source>frame %1 is %2 x %3: the game&apos;s frame size limit is %4 x %5</source>
        <translation>o quadro %1 tem %2 x %3: o limite de tamanho de quadro do jogo é %4 x %5</translation>
    </message>
    <message>
        <source>%1 frames: the game&apos;s frame count limit is %2</source>
        <translation>%1 quadros: o limite de quadros do jogo é %2</translation>
    </message>
    <message>
        <source>%1 palette colours: the game&apos;s palette holds 1 to 256</source>
        <translation>%1 cores de paleta: a paleta do jogo tem de 1 a 256</translation>
    </message>
    <message>
        <source>the pictures cannot keep quality %1 with %2 colours</source>
        <translation>as imagens não conseguem manter a qualidade %1 com %2 cores</translation>
    </message>
    <message>
        <source>libimagequant could not start</source>
        <translation>a libimagequant não pôde iniciar</translation>
    </message>
    <message>
        <source>libimagequant refused the colour count or quality</source>
        <translation>a libimagequant recusou o número de cores ou a qualidade</translation>
    </message>
    <message>
        <source>libimagequant could not read %1</source>
        <translation>a libimagequant não pôde ler %1</translation>
    </message>
    <message>
        <source>libimagequant could not reduce the colours</source>
        <translation>a libimagequant não pôde reduzir as cores</translation>
    </message>
    <message>
        <source>libimagequant could not remap %1</source>
        <translation>a libimagequant não pôde remapear %1</translation>
    </message>
</context>
<context>
    <name>pivotel::Form1</name>
    <message>
        <source>Sprites (.spr)|*.spr</source>
        <translation>Sprites (.spr)|*.spr</translation>
    </message>
    <message>
        <source>Esse sprite também fica sempre voltado para o player, mas ele trava eixo Z ( vertical ).</source>
        <translation>Esse sprite também fica sempre voltado para o player, mas ele trava eixo Z ( vertical ).</translation>
    </message>
    <message>
        <source>Esse sprite tem a mesma função do &apos;Side View&apos;, exceto que quando o player se aproxima dele, ele rotaciona a sua face para uma determinada direção.</source>
        <translation>Esse sprite tem a mesma função do &apos;Side View&apos;, exceto que quando o player se aproxima dele, ele rotaciona a sua face para uma determinada direção.</translation>
    </message>
    <message>
        <source>Sprite comum do Half Life. Sempre com sua face voltada para o player.</source>
        <translation>Sprite comum do Half Life. Sempre com sua face voltada para o player.</translation>
    </message>
    <message>
        <source>Trava totalmente o sprite. Sua face sempre fica voltada para uma uma mesma direção, que é determinada pelo &apos;Angle&apos; do env_sprite.</source>
        <translation>Trava totalmente o sprite. Sua face sempre fica voltada para uma uma mesma direção, que é determinada pelo &apos;Angle&apos; do env_sprite.</translation>
    </message>
    <message>
        <source>Sempre com sua face voltada para o player, como o &apos;Common&apos;, mas girado em torno do próprio centro pelo &apos;Roll&apos; do &apos;Angles&apos; do env_sprite.</source>
        <translation>Sempre com sua face voltada para o player, como o &apos;Common&apos;, mas girado em torno do próprio centro pelo &apos;Roll&apos; do &apos;Angles&apos; do env_sprite.</translation>
    </message>
    <message>
        <source>Side View</source>
        <translation>Side View</translation>
    </message>
    <message>
        <source>Flipper</source>
        <translation>Flipper</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Common</translation>
    </message>
    <message>
        <source>Fixed Direction</source>
        <translation>Fixed Direction</translation>
    </message>
    <message>
        <source>Parallel Oriented</source>
        <translation>Parallel Oriented</translation>
    </message>
    <message>
        <source>Side View Sprite</source>
        <translation>Sprite Side View</translation>
    </message>
    <message>
        <source>Flipper Sprite</source>
        <translation>Sprite Flipper</translation>
    </message>
    <message>
        <source>Common Sprite</source>
        <translation>Sprite Common</translation>
    </message>
    <message>
        <source>Fixed Direction Sprite</source>
        <translation>Sprite Fixed Direction</translation>
    </message>
    <message>
        <source>Parallel Oriented Sprite</source>
        <translation>Sprite Parallel Oriented</translation>
    </message>
    <message>
        <source>Tavrin Sprite Axis Editor
<byte value="xd"/>Made by Tavrin
<byte value="xd"/>Built with C++ and Qt 6</source>
        <translation>Tavrin Sprite Axis Editor
<byte value="xd"/>Feito por Tavrin
<byte value="xd"/>Construído com C++ e Qt 6</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The frames of this sprite cannot be edited: %1</source>
        <translation>Os quadros deste sprite não podem ser editados: %1</translation>
    </message>
    <message>
        <source>Tavrin Sprite Axis Editor</source>
        <translation>Tavrin Sprite Axis Editor</translation>
    </message>
    <message>
        <source>Sprite Location</source>
        <translation>Local do Sprite</translation>
    </message>
    <message>
        <source>Sprite path</source>
        <translation>Caminho do sprite</translation>
    </message>
    <message>
        <source>Choose a sprite file</source>
        <translation>Escolher um arquivo de sprite</translation>
    </message>
    <message>
        <source>Get Sprite Info</source>
        <translation>Ler Info do Sprite</translation>
    </message>
    <message>
        <source>Axis Info</source>
        <translation>Info do Eixo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Sprite type</source>
        <translation>Tipo do sprite</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salvar Como...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Workshop...</source>
        <translation>Oficina...</translation>
    </message>
    <message>
        <source>Open the sprite workshop</source>
        <translation>Abrir a oficina de sprites</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Not a sprite</source>
        <translation>Não é um sprite</translation>
    </message>
    <message>
        <source>Type %1 Sprite</source>
        <translation>Sprite do Tipo %1</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>No sprite path</source>
        <translation>Nenhum caminho de sprite</translation>
    </message>
    <message>
        <source>Nothing was read.</source>
        <translation>Nada foi lido.</translation>
    </message>
    <message>
        <source>Invalid sprite file

Nothing was read from &quot;%1&quot;: %2.</source>
        <translation>Arquivo de sprite inválido

Nada foi lido de &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Not a sprite: %1.</source>
        <translation>Não é um sprite: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a sprite: %2. It cannot be saved.</source>
        <translation>&quot;%1&quot; não é um sprite: %2. Ele não pode ser salvo.</translation>
    </message>
    <message>
        <source>No sprite has been read. Use &quot;Get Sprite Info&quot; first.</source>
        <translation>Nenhum sprite foi lido. Use &quot;Ler Info do Sprite&quot; antes.</translation>
    </message>
    <message>
        <source>The file read is not a sprite, so it cannot be saved.</source>
        <translation>O arquivo lido não é um sprite, então não pode ser salvo.</translation>
    </message>
    <message>
        <source>The path box does not name the sprite that was read. Use &quot;Get Sprite Info&quot; first.</source>
        <translation>A caixa de caminho não indica o sprite que foi lido. Use &quot;Ler Info do Sprite&quot; antes.</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Não foi possível salvar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Sucess</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Arquivo Salvo</translation>
    </message>
</context>
<context>
    <name>pivotel::SpritePreview</name>
    <message>
        <source>Sprite frames</source>
        <translation>Quadros do sprite</translation>
    </message>
    <message>
        <source>The frames of the sprite last read, side by side.</source>
        <translation>Os quadros do último sprite lido, lado a lado.</translation>
    </message>
    <message>
        <source>About the frames</source>
        <translation>Sobre os quadros</translation>
    </message>
    <message>
        <source>No sprite read.</source>
        <translation>Nenhum sprite lido.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Frames: %1</source>
        <translation>Quadros: %1</translation>
    </message>
    <message>
        <source>Largest frame: %1 x %2</source>
        <translation>Maior quadro: %1 x %2</translation>
    </message>
    <message>
        <source>Texture format: %1</source>
        <translation>Formato de textura: %1</translation>
    </message>
    <message>
        <source>No palette in file: shown in greys.</source>
        <translation>Sem paleta no arquivo: mostrado em tons de cinza.</translation>
    </message>
    <message>
        <source>The first %1 frames are shown.</source>
        <translation>Os primeiros %1 quadros são mostrados.</translation>
    </message>
    <message>
        <source>Damaged: %1.</source>
        <translation>Danificado: %1.</translation>
    </message>
</context>
<context>
    <name>pivotel::Workshop</name>
    <message>
        <source>Sprites (.spr)|*.spr</source>
        <translation>Sprites (.spr)|*.spr</translation>
    </message>
    <message>
        <source>Pictures (.png .gif .bmp .tga)|*.png;*.gif;*.bmp;*.tga</source>
        <translation>Imagens (.png .gif .bmp .tga)|*.png;*.gif;*.bmp;*.tga</translation>
    </message>
    <message>
        <source>Side View</source>
        <translation>Side View</translation>
    </message>
    <message>
        <source>Flipper</source>
        <translation>Flipper</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Common</translation>
    </message>
    <message>
        <source>Fixed Direction</source>
        <translation>Fixed Direction</translation>
    </message>
    <message>
        <source>Parallel Oriented</source>
        <translation>Parallel Oriented</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>additive</source>
        <translation>aditivo</translation>
    </message>
    <message>
        <source>index-alpha</source>
        <translation>índice-alfa</translation>
    </message>
    <message>
        <source>alpha-test</source>
        <translation>teste-alfa</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>cor</translation>
    </message>
    <message>
        <source>texture</source>
        <translation>textura</translation>
    </message>
    <message>
        <source>glow</source>
        <translation>brilho</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>sólido</translation>
    </message>
    <message>
        <source>chequerboard</source>
        <translation>xadrez</translation>
    </message>
    <message>
        <source>black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>imagem</translation>
    </message>
    <message>
        <source>Additive frames on a normal-mode entity are drawn opaque: their black shows instead of letting the background through. Use render mode additive or glow.</source>
        <translation>Quadros aditivos numa entidade de modo normal são desenhados opacos: o preto deles aparece em vez de deixar o fundo passar. Use o modo de renderização aditivo ou brilho.</translation>
    </message>
    <message>
        <source>Additive frames on a solid-mode entity are drawn opaque: their black shows instead of letting the background through. Use render mode additive or glow.</source>
        <translation>Quadros aditivos numa entidade de modo sólido são desenhados opacos: o preto deles aparece em vez de deixar o fundo passar. Use o modo de renderização aditivo ou brilho.</translation>
    </message>
    <message>
        <source>Index-alpha frames on a normal- or solid-mode entity show as a solid block of the tint colour. Use render mode texture, additive or glow.</source>
        <translation>Quadros índice-alfa numa entidade de modo normal ou sólido aparecem como um bloco cheio da cor de tinta. Use o modo de renderização textura, aditivo ou brilho.</translation>
    </message>
    <message>
        <source>Alpha-test frames on a normal-mode entity show their see-through colour. Use render mode solid with amount 255.</source>
        <translation>Quadros teste-alfa numa entidade de modo normal mostram a sua cor transparente. Use o modo de renderização sólido com intensidade 255.</translation>
    </message>
    <message>
        <source>Render amount 0 makes the sprite invisible in this render mode.</source>
        <translation>Intensidade 0 deixa o sprite invisível neste modo de renderização.</translation>
    </message>
    <message>
        <source>Sprite Workshop</source>
        <translation>Oficina de Sprites</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Quadros</translation>
    </message>
    <message>
        <source>Sprite</source>
        <translation>Sprite</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>Origem:</translation>
    </message>
    <message>
        <source>Sprite preview</source>
        <translation>Pré-visualização do sprite</translation>
    </message>
    <message>
        <source>The frame as the game draws it; drag it to move the frame&apos;s origin.</source>
        <translation>O quadro como o jogo o desenha; arraste-o para mover a origem do quadro.</translation>
    </message>
    <message>
        <source>Add Pictures...</source>
        <translation>Adicionar Imagens...</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move frame up</source>
        <translation>Subir o quadro</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Move frame down</source>
        <translation>Descer o quadro</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete frame</source>
        <translation>Excluir o quadro</translation>
    </message>
    <message>
        <source>Origin x</source>
        <translation>Origem x</translation>
    </message>
    <message>
        <source>Origin y</source>
        <translation>Origem y</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Texture format</source>
        <translation>Formato de textura</translation>
    </message>
    <message>
        <source>Least quality</source>
        <translation>Qualidade mínima</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Pontilhado</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Render mode</source>
        <translation>Modo de renderização</translation>
    </message>
    <message>
        <source>Render amount</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>Render colour red</source>
        <translation>Cor de renderização, vermelho</translation>
    </message>
    <message>
        <source>Render colour green</source>
        <translation>Cor de renderização, verde</translation>
    </message>
    <message>
        <source>Render colour blue</source>
        <translation>Cor de renderização, azul</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Imagem...</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animar</translation>
    </message>
    <message>
        <source>Render warning</source>
        <translation>Aviso de renderização</translation>
    </message>
    <message>
        <source>Save Sprite...</source>
        <translation>Salvar Sprite...</translation>
    </message>
    <message>
        <source>Export Frames...</source>
        <translation>Exportar Quadros...</translation>
    </message>
    <message>
        <source>Export Sheet...</source>
        <translation>Exportar Folha...</translation>
    </message>
    <message>
        <source>Export GIF...</source>
        <translation>Exportar GIF...</translation>
    </message>
    <message>
        <source>Export APNG...</source>
        <translation>Exportar APNG...</translation>
    </message>
    <message>
        <source>When colours must be reduced to 256: the least quality accepted (0 to 100).</source>
        <translation>Quando as cores precisam ser reduzidas a 256: a menor qualidade aceita (0 a 100).</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Texture format:</source>
        <translation>Formato de textura:</translation>
    </message>
    <message>
        <source>Least quality:</source>
        <translation>Qualidade mínima:</translation>
    </message>
    <message>
        <source>Dithering:</source>
        <translation>Pontilhado:</translation>
    </message>
    <message>
        <source>Render mode:</source>
        <translation>Modo de renderização:</translation>
    </message>
    <message>
        <source>Render amount:</source>
        <translation>Intensidade:</translation>
    </message>
    <message>
        <source>Render colour:</source>
        <translation>Cor de renderização:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fundo:</translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation>quadro %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Add pictures to make a sprite.</source>
        <translation>Adicione imagens para criar um sprite.</translation>
    </message>
    <message>
        <source>Working out the palette...</source>
        <translation>Calculando a paleta...</translation>
    </message>
    <message>
        <source>Cannot make a sprite: %1</source>
        <translation>Não é possível criar um sprite: %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 x %4)</source>
        <translation>%1: %2 (%3 x %4)</translation>
    </message>
    <message>
        <source>%1 is not a picture Pivotel can read.</source>
        <translation>%1 não é uma imagem que o Pivotel consiga ler.</translation>
    </message>
    <message>
        <source>The sprite was not saved: %1</source>
        <translation>O sprite não foi salvo: %1</translation>
    </message>
    <message>
        <source>Sucess</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Arquivo Salvo</translation>
    </message>
    <message>
        <source>Export Frames</source>
        <translation>Exportar Quadros</translation>
    </message>
    <message>
        <source>The frames were not exported: %1</source>
        <translation>Os quadros não foram exportados: %1</translation>
    </message>
    <message>
        <source>%1 frames written to %2</source>
        <translation>%1 quadros gravados em %2</translation>
    </message>
    <message>
        <source>GIF pictures (.gif)|*.gif</source>
        <translation>Imagens GIF (.gif)|*.gif</translation>
    </message>
    <message>
        <source>PNG pictures (.png)|*.png</source>
        <translation>Imagens PNG (.png)|*.png</translation>
    </message>
    <message>
        <source>Nothing was written: %1</source>
        <translation>Nada foi gravado: %1</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 gravado</translation>
    </message>
    <message>
        <source>the pictures&apos; alpha became each pixel&apos;s index; the tint is %1 %2 %3.</source>
        <translation>o alfa das imagens virou o índice de cada pixel; a tinta é %1 %2 %3.</translation>
    </message>
    <message>
        <source>the pictures&apos; brightness became each pixel&apos;s index; the tint is %1 %2 %3.</source>
        <translation>o brilho das imagens virou o índice de cada pixel; a tinta é %1 %2 %3.</translation>
    </message>
    <message>
        <source>the pictures&apos; own palette was kept, index for index.</source>
        <translation>a paleta das próprias imagens foi mantida, índice por índice.</translation>
    </message>
    <message>
        <source>the pictures&apos; %1 colours were kept exactly.</source>
        <translation>as %1 cores das imagens foram mantidas exatamente.</translation>
    </message>
    <message>
        <source>the pictures&apos; colours were reduced to %1 with libimagequant.</source>
        <translation>as cores das imagens foram reduzidas a %1 com a libimagequant.</translation>
    </message>
    <message>
        <source>normal: every pixel is drawn opaque in its palette colour.</source>
        <translation>normal: cada pixel é desenhado opaco na sua cor da paleta.</translation>
    </message>
    <message>
        <source>additive: colours are added to what lies behind, so black is transparent.</source>
        <translation>aditivo: as cores são somadas ao que está atrás, então o preto é transparente.</translation>
    </message>
    <message>
        <source>index-alpha: the palette&apos;s last colour is the tint, and each pixel&apos;s index is its opacity.</source>
        <translation>índice-alfa: a última cor da paleta é a tinta, e o índice de cada pixel é a sua opacidade.</translation>
    </message>
    <message>
        <source>alpha-test: the palette&apos;s last entry (index 255) is transparent, every other colour opaque.</source>
        <translation>teste-alfa: a última entrada da paleta (índice 255) é transparente, todas as outras cores opacas.</translation>
    </message>
    <message>
        <source>unknown texture format %1.</source>
        <translation>formato de textura desconhecido %1.</translation>
    </message>
    <message>
        <source>Palette: %1 Texture format %2</source>
        <translation>Paleta: %1 Formato de textura %2</translation>
    </message>
</context>
</TS>
