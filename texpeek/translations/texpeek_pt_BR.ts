<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="pt_BR">
<context>
    <name>texpeek::CompareWindow</name>
    <message>
        <source>Comparar: %1 e %2</source>
        <translation>Comparar: %1 e %2</translation>
    </message>
    <message>
        <source>Modo de comparação</source>
        <translation>Modo de comparação</translation>
    </message>
    <message>
        <source>Lado a lado</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>Um sobre o outro</source>
        <translation>Um sobre o outro</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Mostrar o outro</source>
        <translation>Mostrar o outro</translation>
    </message>
    <message>
        <source>Mostrar o outro arquivo</source>
        <translation>Mostrar o outro arquivo</translation>
    </message>
    <message>
        <source>Primeiro arquivo</source>
        <translation>Primeiro arquivo</translation>
    </message>
    <message>
        <source>Segundo arquivo</source>
        <translation>Segundo arquivo</translation>
    </message>
    <message>
        <source>Maior erro: %1</source>
        <translation>Maior erro: %1</translation>
    </message>
    <message>
        <source>PSNR: infinito (iguais)</source>
        <translation>PSNR: infinito (iguais)</translation>
    </message>
    <message>
        <source>PSNR: %1 dB</source>
        <translation>PSNR: %1 dB</translation>
    </message>
    <message>
        <source>Pixels diferentes: %1</source>
        <translation>Pixels diferentes: %1</translation>
    </message>
    <message>
        <source>Tamanhos diferentes: %1 x %2 e %3 x %4</source>
        <translation>Tamanhos diferentes: %1 x %2 e %3 x %4</translation>
    </message>
    <message>
        <source>%1 | %2</source>
        <translation>%1 | %2</translation>
    </message>
    <message>
        <source>Mostrando: %1</source>
        <translation>Mostrando: %1</translation>
    </message>
    <message>
        <source>Diferença, ampliada %1 vezes</source>
        <translation>Diferença, ampliada %1 vezes</translation>
    </message>
</context>
<context>
    <name>texpeek::CoreTexts</name>
    <message>
        <source>%1 bits por pixel não suportados</source>
        <translation>%1 bits por pixel não suportados</translation>
    </message>
    <message>
        <source>Formato DXGI %1 não suportado</source>
        <translation>Formato DXGI %1 não suportado</translation>
    </message>
    <message>
        <source>Formato %1 não suportado</source>
        <translation>Formato %1 não suportado</translation>
    </message>
    <message>
        <source>FourCC &quot;%1&quot; não suportado</source>
        <translation>FourCC &quot;%1&quot; não suportado</translation>
    </message>
    <message>
        <source>Formato %1 não suportado nesta versão</source>
        <translation>Formato %1 não suportado nesta versão</translation>
    </message>
    <message>
        <source>ASTC %1 recusado pela libastcenc</source>
        <translation>ASTC %1 recusado pela libastcenc</translation>
    </message>
    <message>
        <source>Dados insuficientes: o arquivo tem %1 de %2 bytes da imagem</source>
        <translation>Dados insuficientes: o arquivo tem %1 de %2 bytes da imagem</translation>
    </message>
</context>
<context>
    <name>texpeek::InterpretationStrip</name>
    <message>
        <source>%1 (suposição)</source>
        <translation>%1 (suposição)</translation>
    </message>
    <message>
        <source>Suposição: o arquivo não diz. Clique para mudar.</source>
        <translation>Suposição: o arquivo não diz. Clique para mudar.</translation>
    </message>
    <message>
        <source>Clique para mudar.</source>
        <translation>Clique para mudar.</translation>
    </message>
    <message>
        <source>Leitura dos dados</source>
        <translation>Leitura dos dados</translation>
    </message>
    <message>
        <source>Leitura:</source>
        <translation>Leitura:</translation>
    </message>
    <message>
        <source>Espaço de cor</source>
        <translation>Espaço de cor</translation>
    </message>
    <message>
        <source>Alfa</source>
        <translation>Alfa</translation>
    </message>
    <message>
        <source>Dados com sinal</source>
        <translation>Dados com sinal</translation>
    </message>
    <message>
        <source>Mapa de normais</source>
        <translation>Mapa de normais</translation>
    </message>
    <message>
        <source>Ordem das máscaras</source>
        <translation>Ordem das máscaras</translation>
    </message>
    <message>
        <source>Valores acima de 1</source>
        <translation>Valores acima de 1</translation>
    </message>
    <message>
        <source>Exposição:</source>
        <translation>Exposição:</translation>
    </message>
    <message>
        <source>Exposição</source>
        <translation>Exposição</translation>
    </message>
    <message>
        <source> EV</source>
        <translation> EV</translation>
    </message>
    <message>
        <source>Cores: sRGB</source>
        <translation>Cores: sRGB</translation>
    </message>
    <message>
        <source>Cores: lineares</source>
        <translation>Cores: lineares</translation>
    </message>
    <message>
        <source>Alfa: direto</source>
        <translation>Alfa: direto</translation>
    </message>
    <message>
        <source>Alfa: pré-multiplicado</source>
        <translation>Alfa: pré-multiplicado</translation>
    </message>
    <message>
        <source>Alfa: dados (ignorado nas cores)</source>
        <translation>Alfa: dados (ignorado nas cores)</translation>
    </message>
    <message>
        <source>Sinal: -1, 0, 1 = preto, cinza, branco</source>
        <translation>Sinal: -1, 0, 1 = preto, cinza, branco</translation>
    </message>
    <message>
        <source>Sinal: negativos em preto</source>
        <translation>Sinal: negativos em preto</translation>
    </message>
    <message>
        <source>Normais: azul vazio</source>
        <translation>Normais: azul vazio</translation>
    </message>
    <message>
        <source>Normais: Z reconstruído</source>
        <translation>Normais: Z reconstruído</translation>
    </message>
    <message>
        <source>10:10:10:2: vermelho e azul trocados</source>
        <translation>10:10:10:2: vermelho e azul trocados</translation>
    </message>
    <message>
        <source>10:10:10:2: como gravado</source>
        <translation>10:10:10:2: como gravado</translation>
    </message>
    <message>
        <source>Acima de 1: cortado</source>
        <translation>Acima de 1: cortado</translation>
    </message>
    <message>
        <source>Acima de 1: curva de tons</source>
        <translation>Acima de 1: curva de tons</translation>
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
        <translation>Feito pelo autor da suíte de programas</translation>
    </message>
    <message>
        <source>Escrito em C++ 20 com Qt 6, cerca de 1.600 linhas</source>
        <translation>Escrito em C++ 20 com Qt 6, cerca de 1.600 linhas</translation>
    </message>
    <message>
        <source>Agradecimentos a quem testou e a quem usa</source>
        <translation>Agradecimentos a quem testou e a quem usa</translation>
    </message>
    <message>
        <source>Informações</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Básico</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Altura:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Largura:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Formato:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Tamanho:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Bits:</source>
        <translation>Bits:</translation>
    </message>
    <message>
        <source>Avançado</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Estado:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Nível:</source>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Abre um arquivo DDS</source>
        <translation>Abre um arquivo DDS</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Fecha a imagem aberta</source>
        <translation>Fecha a imagem aberta</translation>
    </message>
    <message>
        <source>Zoom +</source>
        <translation>Zoom +</translation>
    </message>
    <message>
        <source>Aumenta a imagem</source>
        <translation>Aumenta a imagem</translation>
    </message>
    <message>
        <source>Zoom -</source>
        <translation>Zoom -</translation>
    </message>
    <message>
        <source>Diminui a imagem</source>
        <translation>Diminui a imagem</translation>
    </message>
    <message>
        <source>Mostrar em RGB</source>
        <translation>Mostrar em RGB</translation>
    </message>
    <message>
        <source>Mostra a imagem em cores</source>
        <translation>Mostra a imagem em cores</translation>
    </message>
    <message>
        <source>Mostrar Alpha</source>
        <translation>Mostrar Alpha</translation>
    </message>
    <message>
        <source>Mostra o canal alpha em tons de cinza</source>
        <translation>Mostra o canal alpha em tons de cinza</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Mostra quem fez o programa</source>
        <translation>Mostra quem fez o programa</translation>
    </message>
    <message>
        <source>Exibindo cores RGB...</source>
        <translation>Exibindo cores RGB...</translation>
    </message>
    <message>
        <source>Canais RGB</source>
        <translation>Canais RGB</translation>
    </message>
    <message>
        <source>Exibindo canal alpha...</source>
        <translation>Exibindo canal alpha...</translation>
    </message>
    <message>
        <source>Canal alpha</source>
        <translation>Canal alpha</translation>
    </message>
    <message>
        <source>Exibindo canal vermelho...</source>
        <translation>Exibindo canal vermelho...</translation>
    </message>
    <message>
        <source>Canal vermelho</source>
        <translation>Canal vermelho</translation>
    </message>
    <message>
        <source>Exibindo canal verde...</source>
        <translation>Exibindo canal verde...</translation>
    </message>
    <message>
        <source>Canal verde</source>
        <translation>Canal verde</translation>
    </message>
    <message>
        <source>Exibindo canal azul...</source>
        <translation>Exibindo canal azul...</translation>
    </message>
    <message>
        <source>Canal azul</source>
        <translation>Canal azul</translation>
    </message>
    <message>
        <source>Abertura cancelada</source>
        <translation>Abertura cancelada</translation>
    </message>
    <message>
        <source>Não foi possível ler o arquivo (%1)</source>
        <translation>Não foi possível ler o arquivo (%1)</translation>
    </message>
    <message>
        <source>Tamanho inválido: %1 x %2</source>
        <translation>Tamanho inválido: %1 x %2</translation>
    </message>
    <message>
        <source>Imagem grande demais: %1 x %2 pixels</source>
        <translation>Imagem grande demais: %1 x %2 pixels</translation>
    </message>
    <message>
        <source>Memória insuficiente para a imagem</source>
        <translation>Memória insuficiente para a imagem</translation>
    </message>
    <message>
        <source>Erro inesperado ao decodificar</source>
        <translation>Erro inesperado ao decodificar</translation>
    </message>
    <message>
        <source>Faltam %1 de %2 bytes (%3%)</source>
        <translation>Faltam %1 de %2 bytes (%3%)</translation>
    </message>
    <message>
        <source>Aguardando...</source>
        <translation>Aguardando...</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Abrir...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Salvar imagem como...</source>
        <translation>Salvar imagem como...</translation>
    </message>
    <message>
        <source>Copiar imagem</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Comparar com...</source>
        <translation>Comparar com...</translation>
    </message>
    <message>
        <source>Arquivos recentes</source>
        <translation>Arquivos recentes</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Exibir</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Mostrar Vermelho</source>
        <translation>Mostrar Vermelho</translation>
    </message>
    <message>
        <source>Mostrar Verde</source>
        <translation>Mostrar Verde</translation>
    </message>
    <message>
        <source>Mostrar Azul</source>
        <translation>Mostrar Azul</translation>
    </message>
    <message>
        <source>Ajustar à janela</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Sobre...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Barra de ferramentas</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Cabeçalho do arquivo</source>
        <translation>Cabeçalho do arquivo</translation>
    </message>
    <message>
        <source>Imagem</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Progresso</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Lendo arquivo...</source>
        <translation>Lendo arquivo...</translation>
    </message>
    <message>
        <source>Erro ao abrir arquivo</source>
        <translation>Erro ao abrir arquivo</translation>
    </message>
    <message>
        <source>Imagem aberta</source>
        <translation>Imagem aberta</translation>
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
        <translation>Camada:</translation>
    </message>
    <message>
        <source>Fatia:</source>
        <translation>Fatia:</translation>
    </message>
    <message>
        <source>Face:</source>
        <translation>Face:</translation>
    </message>
    <message>
        <source>Lendo superfície...</source>
        <translation>Lendo superfície...</translation>
    </message>
    <message>
        <source>Limite de zoom atingido</source>
        <translation>Limite de zoom atingido</translation>
    </message>
    <message>
        <source>Aumentando imagem...</source>
        <translation>Aumentando imagem...</translation>
    </message>
    <message>
        <source>Diminuindo imagem...</source>
        <translation>Diminuindo imagem...</translation>
    </message>
    <message>
        <source>Imagem aumentada</source>
        <translation>Imagem aumentada</translation>
    </message>
    <message>
        <source>Imagem reduzida</source>
        <translation>Imagem reduzida</translation>
    </message>
    <message>
        <source>Imagem PNG (*.png)|*.png</source>
        <translation>Imagem PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>Não foi possível salvar a imagem (%1)</source>
        <translation>Não foi possível salvar a imagem (%1)</translation>
    </message>
    <message>
        <source>Salvar imagem</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>Erro ao salvar imagem</source>
        <translation>Erro ao salvar imagem</translation>
    </message>
    <message>
        <source>Imagem salva</source>
        <translation>Imagem salva</translation>
    </message>
    <message>
        <source>Comparar</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Comparação aberta</source>
        <translation>Comparação aberta</translation>
    </message>
    <message>
        <source>Imagem copiada</source>
        <translation>Imagem copiada</translation>
    </message>
    <message>
        <source>x %1, y %2    R %3  G %4  B %5  A %6</source>
        <translation>x %1, y %2    R %3  G %4  B %5  A %6</translation>
    </message>
    <message>
        <source>Níveis</source>
        <translation>Níveis</translation>
    </message>
</context>
<context>
    <name>texpeek::ProgressReporter</name>
    <message>
        <source>Adquirindo cores da imagem 32 bits...</source>
        <translation>Adquirindo cores da imagem 32 bits...</translation>
    </message>
    <message>
        <source>Adquirindo cores da imagem 24 bits...</source>
        <translation>Adquirindo cores da imagem 24 bits...</translation>
    </message>
    <message>
        <source>Adquirindo cores da imagem 16 bits...</source>
        <translation>Adquirindo cores da imagem 16 bits...</translation>
    </message>
    <message>
        <source>Montando imagem...</source>
        <translation>Montando imagem...</translation>
    </message>
    <message>
        <source>Transormando dados...</source>
        <translation>Transormando dados...</translation>
    </message>
    <message>
        <source>Decodificando %1...</source>
        <translation>Decodificando %1...</translation>
    </message>
</context>
</TS>
