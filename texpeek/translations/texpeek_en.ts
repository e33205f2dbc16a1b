<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>texpeek::CompareWindow</name>
    <message>
        <source>Comparar: %1 e %2</source>
        <translation>Compare: %1 and %2</translation>
    </message>
    <message>
        <source>Modo de comparação</source>
        <translation>Comparison mode</translation>
    </message>
    <message>
        <source>Lado a lado</source>
        <translation>Side by side</translation>
    </message>
    <message>
        <source>Um sobre o outro</source>
        <translation>One over the other</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Mostrar o outro</source>
        <translation>Show the other</translation>
    </message>
    <message>
        <source>Mostrar o outro arquivo</source>
        <translation>Show the other file</translation>
    </message>
    <message>
        <source>Primeiro arquivo</source>
        <translation>First file</translation>
    </message>
    <message>
        <source>Segundo arquivo</source>
        <translation>Second file</translation>
    </message>
    <message>
        <source>Maior erro: %1</source>
        <translation>Largest error: %1</translation>
    </message>
    <message>
        <source>PSNR: infinito (iguais)</source>
        <translation>PSNR: infinite (identical)</translation>
    </message>
    <message>
        <source>PSNR: %1 dB</source>
        <translation>PSNR: %1 dB</translation>
    </message>
    <message>
        <source>Pixels diferentes: %1</source>
        <translation>Differing pixels: %1</translation>
    </message>
    <message>
        <source>Tamanhos diferentes: %1 x %2 e %3 x %4</source>
        <translation>Different sizes: %1 x %2 and %3 x %4</translation>
    </message>
    <message>
        <source>%1 | %2</source>
        <translation>%1 | %2</translation>
    </message>
    <message>
        <source>Mostrando: %1</source>
        <translation>Showing: %1</translation>
    </message>
    <message>
        <source>Diferença, ampliada %1 vezes</source>
        <translation>Difference, magnified %1 times</translation>
    </message>
</context>
<context>
    <name>texpeek::CoreTexts</name>
    <message>
        <source>%1 bits por pixel não suportados</source>
        <translation>%1 bits per pixel not supported</translation>
    </message>
    <message>
        <source>Formato DXGI %1 não suportado</source>
        <translation>DXGI format %1 not supported</translation>
    </message>
    <message>
        <source>Formato %1 não suportado</source>
        <translation>Format %1 not supported</translation>
    </message>
    <message>
        <source>FourCC &quot;%1&quot; não suportado</source>
        <translation>FourCC &quot;%1&quot; not supported</translation>
    </message>
    <message>
        <source>Formato %1 não suportado nesta versão</source>
        <translation>Format %1 not supported in this version</translation>
    </message>
    <message>
        <source>ASTC %1 recusado pela libastcenc</source>
        <translation>ASTC %1 refused by libastcenc</translation>
    </message>
    <message>
        <source>Dados insuficientes: o arquivo tem %1 de %2 bytes da imagem</source>
        <translation>Not enough data: the file has %1 of the picture&apos;s %2 bytes</translation>
    </message>
</context>
<context>
    <name>texpeek::InterpretationStrip</name>
    <message>
        <source>%1 (suposição)</source>
        <translation>%1 (guess)</translation>
    </message>
    <message>
        <source>Suposição: o arquivo não diz. Clique para mudar.</source>
        <translation>A guess: the file does not say. Click to change.</translation>
    </message>
    <message>
        <source>Clique para mudar.</source>
        <translation>Click to change.</translation>
    </message>
    <message>
        <source>Leitura dos dados</source>
        <translation>Reading of the data</translation>
    </message>
    <message>
        <source>Leitura:</source>
        <translation>Reading:</translation>
    </message>
    <message>
        <source>Espaço de cor</source>
        <translation>Colour space</translation>
    </message>
    <message>
        <source>Alfa</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Dados com sinal</source>
        <translation>Signed data</translation>
    </message>
    <message>
        <source>Mapa de normais</source>
        <translation>Normal map</translation>
    </message>
    <message>
        <source>Ordem das máscaras</source>
        <translation>Mask order</translation>
    </message>
    <message>
        <source>Valores acima de 1</source>
        <translation>Values above 1</translation>
    </message>
    <message>
        <source>Exposição:</source>
        <translation>Exposure:</translation>
    </message>
    <message>
        <source>Exposição</source>
        <translation>Exposure</translation>
    </message>
    <message>
        <source> EV</source>
        <translation> EV</translation>
    </message>
    <message>
        <source>Cores: sRGB</source>
        <translation>Colours: sRGB</translation>
    </message>
    <message>
        <source>Cores: lineares</source>
        <translation>Colours: linear</translation>
    </message>
    <message>
        <source>Alfa: direto</source>
        <translation>Alpha: straight</translation>
    </message>
    <message>
        <source>Alfa: pré-multiplicado</source>
        <translation>Alpha: premultiplied</translation>
    </message>
    <message>
        <source>Alfa: dados (ignorado nas cores)</source>
        <translation>Alpha: data (ignored in the colours)</translation>
    </message>
    <message>
        <source>Sinal: -1, 0, 1 = preto, cinza, branco</source>
        <translation>Signed: -1, 0, 1 = black, grey, white</translation>
    </message>
    <message>
        <source>Sinal: negativos em preto</source>
        <translation>Signed: negatives black</translation>
    </message>
    <message>
        <source>Normais: azul vazio</source>
        <translation>Normals: blue empty</translation>
    </message>
    <message>
        <source>Normais: Z reconstruído</source>
        <translation>Normals: Z rebuilt</translation>
    </message>
    <message>
        <source>10:10:10:2: vermelho e azul trocados</source>
        <translation>10:10:10:2: red and blue swapped</translation>
    </message>
    <message>
        <source>10:10:10:2: como gravado</source>
        <translation>10:10:10:2: as written</translation>
    </message>
    <message>
        <source>Acima de 1: cortado</source>
        <translation>Above 1: clipped</translation>
    </message>
    <message>
        <source>Acima de 1: curva de tons</source>
        <translation>Above 1: tone curve</translation>
    </message>
</context>
<context>
    <name>texpeek::MainWindow</name>
    <message>
        <source>Texpeek Viewer</source>
        <translation>Texpeek Viewer</translation>
    </message>
    <message>
        <source>Feito pelo autor da suíte de programas</source>
        <translation>Made by the author of the program suite</translation>
    </message>
    <message>
        <source>Escrito em C++ 20 com Qt 6, cerca de 1.600 linhas</source>
        <translation>Written in C++ 20 with Qt 6, about 1,600 lines</translation>
    </message>
    <message>
        <source>Agradecimentos a quem testou e a quem usa</source>
        <translation>Thanks to those who tested it and to those who use it</translation>
    </message>
    <message>
        <source>Informações</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Básico</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Altura:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Largura:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Formato:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Tamanho:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Bits:</source>
        <translation>Bits:</translation>
    </message>
    <message>
        <source>Avançado</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Estado:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Nível:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Abre um arquivo DDS</source>
        <translation>Opens a DDS file</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Fecha a imagem aberta</source>
        <translation>Closes the open picture</translation>
    </message>
    <message>
        <source>Zoom +</source>
        <translation>Zoom +</translation>
    </message>
    <message>
        <source>Aumenta a imagem</source>
        <translation>Enlarges the picture</translation>
    </message>
    <message>
        <source>Zoom -</source>
        <translation>Zoom -</translation>
    </message>
    <message>
        <source>Diminui a imagem</source>
        <translation>Shrinks the picture</translation>
    </message>
    <message>
        <source>Mostrar em RGB</source>
        <translation>Show in RGB</translation>
    </message>
    <message>
        <source>Mostra a imagem em cores</source>
        <translation>Shows the picture in colour</translation>
    </message>
    <message>
        <source>Mostrar Alpha</source>
        <translation>Show Alpha</translation>
    </message>
    <message>
        <source>Mostra o canal alpha em tons de cinza</source>
        <translation>Shows the alpha channel in shades of grey</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Mostra quem fez o programa</source>
        <translation>Shows who made the program</translation>
    </message>
    <message>
        <source>Exibindo cores RGB...</source>
        <translation>Showing RGB colours...</translation>
    </message>
    <message>
        <source>Canais RGB</source>
        <translation>RGB channels</translation>
    </message>
    <message>
        <source>Exibindo canal alpha...</source>
        <translation>Showing alpha channel...</translation>
    </message>
    <message>
        <source>Canal alpha</source>
        <translation>Alpha channel</translation>
    </message>
    <message>
        <source>Exibindo canal vermelho...</source>
        <translation>Showing red channel...</translation>
    </message>
    <message>
        <source>Canal vermelho</source>
        <translation>Red channel</translation>
    </message>
    <message>
        <source>Exibindo canal verde...</source>
        <translation>Showing green channel...</translation>
    </message>
    <message>
        <source>Canal verde</source>
        <translation>Green channel</translation>
    </message>
    <message>
        <source>Exibindo canal azul...</source>
        <translation>Showing blue channel...</translation>
    </message>
    <message>
        <source>Canal azul</source>
        <translation>Blue channel</translation>
    </message>
    <message>
        <source>Abertura cancelada</source>
        <translation>Open cancelled</translation>
    </message>
    <message>
        <source>Não foi possível ler o arquivo (%1)</source>
        <translation>The file could not be read (%1)</translation>
    </message>
    <message>
        <source>Tamanho inválido: %1 x %2</source>
        <translation>Invalid size: %1 x %2</translation>
    </message>
    <message>
        <source>Imagem grande demais: %1 x %2 pixels</source>
        <translation>Picture too large: %1 x %2 pixels</translation>
    </message>
    <message>
        <source>Memória insuficiente para a imagem</source>
        <translation>Not enough memory for the picture</translation>
    </message>
    <message>
        <source>Erro inesperado ao decodificar</source>
        <translation>Unexpected error while decoding</translation>
    </message>
    <message>
        <source>Faltam %1 de %2 bytes (%3%)</source>
        <translation>%1 of %2 bytes missing (%3%)</translation>
    </message>
    <message>
        <source>Aguardando...</source>
        <translation>Waiting...</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Abrir...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Salvar imagem como...</source>
        <translation>Save picture as...</translation>
    </message>
    <message>
        <source>Copiar imagem</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Comparar com...</source>
        <translation>Compare with...</translation>
    </message>
    <message>
        <source>Arquivos recentes</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Exibir</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Mostrar Vermelho</source>
        <translation>Show Red</translation>
    </message>
    <message>
        <source>Mostrar Verde</source>
        <translation>Show Green</translation>
    </message>
    <message>
        <source>Mostrar Azul</source>
        <translation>Show Blue</translation>
    </message>
    <message>
        <source>Ajustar à janela</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Sobre...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Barra de ferramentas</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Cabeçalho do arquivo</source>
        <translation>File header</translation>
    </message>
    <message>
        <source>Imagem</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Progresso</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Lendo arquivo...</source>
        <translation>Reading file...</translation>
    </message>
    <message>
        <source>Erro ao abrir arquivo</source>
        <translation>Error opening file</translation>
    </message>
    <message>
        <source>Imagem aberta</source>
        <translation>Picture open</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 pixels</translation>
    </message>
    <message>
        <source>%1 bits</source>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Camada:</source>
        <translation>Layer:</translation>
    </message>
    <message>
        <source>Fatia:</source>
        <translation>Slice:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Face:</translation>
    </message>
    <message>
        <source>Lendo superfície...</source>
        <translation>Reading surface...</translation>
    </message>
    <message>
        <source>Limite de zoom atingido</source>
        <translation>Zoom limit reached</translation>
    </message>
    <message>
        <source>Aumentando imagem...</source>
        <translation>Enlarging picture...</translation>
    </message>
    <message>
        <source>Diminuindo imagem...</source>
        <translation>Shrinking picture...</translation>
    </message>
    <message>
        <source>Imagem aumentada</source>
        <translation>Picture enlarged</translation>
    </message>
    <message>
        <source>Imagem reduzida</source>
        <translation>Picture shrunk</translation>
    </message>
    <message>
        <source>Imagem PNG (*.png)|*.png</source>
        <translation>PNG picture (*.png)|*.png</translation>
    </message>
    <message>
        <source>Não foi possível salvar a imagem (%1)</source>
        <translation>The picture could not be saved (%1)</translation>
    </message>
    <message>
        <source>Salvar imagem</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Erro ao salvar imagem</source>
        <translation>Error saving picture</translation>
    </message>
    <message>
        <source>Imagem salva</source>
        <translation>Picture saved</translation>
    </message>
    <message>
        <source>Comparar</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Comparação aberta</source>
        <translation>Comparison open</translation>
    </message>
    <message>
        <source>Imagem copiada</source>
        <translation>Picture copied</translation>
    </message>
    <message>
        <source>x %1, y %2    R %3  G %4  B %5  A %6</source>
        <translation>x %1, y %2    R %3  G %4  B %5  A %6</translation>
    </message>
    <message>
        <source>Níveis</source>
        <translation>Levels</translation>
    </message>
</context>
<context>
    <name>texpeek::ProgressReporter</name>
    <message>
        <source>Adquirindo cores da imagem 32 bits...</source>
        <translation>Reading colours of the 32-bit picture...</translation>
    </message>
    <message>
        <source>Adquirindo cores da imagem 24 bits...</source>
        <translation>Reading colours of the 24-bit picture...</translation>
    </message>
    <message>
        <source>Adquirindo cores da imagem 16 bits...</source>
        <translation>Reading colours of the 16-bit picture...</translation>
    </message>
    <message>
        <source>Montando imagem...</source>
        <translation>Building picture...</translation>
    </message>
    <message>
        <source>Transormando dados...</source>
        <translation>Converting data...</translation>
    </message>
    <message>
        <source>Decodificando %1...</source>
        <translation>Decoding %1...</translation>
    </message>
</context>
</TS>
