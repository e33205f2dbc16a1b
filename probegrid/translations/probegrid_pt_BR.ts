<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="pt_BR">
<context>
    <name>probegrid::FrmAbout</name>
    <message>
        <source>Sobre Tavrin Probegrid</source>
        <translation>Sobre Tavrin Probegrid</translation>
    </message>
    <message>
        <source>Um raio desviado por um item no tabuleiro</source>
        <translation>Um raio desviado por um item no tabuleiro</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Criado por Tavrin</source>
        <translation>Criado por Tavrin</translation>
    </message>
    <message>
        <source>Feito em C++ com Qt 6</source>
        <translation>Feito em C++ com Qt 6</translation>
    </message>
    <message>
        <source>Linhas: 656</source>
        <translation>Linhas: 656</translation>
    </message>
    <message>
        <source>Para maiores informações sobre como jogar, acesse:</source>
        <translation>Para maiores informações sobre como jogar, acesse:</translation>
    </message>
    <message>
        <source>Endereço das regras</source>
        <translation>Endereço das regras</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>probegrid::FrmMain</name>
    <message>
        <source>Absorvido: o raio acertou um item</source>
        <translation>Absorvido: o raio acertou um item</translation>
    </message>
    <message>
        <source>Refletido: o raio voltou por onde entrou</source>
        <translation>Refletido: o raio voltou por onde entrou</translation>
    </message>
    <message>
        <source>Desvio %1: o raio entrou por uma das casas com este número e saiu pela outra</source>
        <translation>Desvio %1: o raio entrou por uma das casas com este número e saiu pela outra</translation>
    </message>
    <message>
        <source>borda superior %1</source>
        <translation>borda superior %1</translation>
    </message>
    <message>
        <source>borda direita %1</source>
        <translation>borda direita %1</translation>
    </message>
    <message>
        <source>borda inferior %1</source>
        <translation>borda inferior %1</translation>
    </message>
    <message>
        <source>borda esquerda %1</source>
        <translation>borda esquerda %1</translation>
    </message>
    <message>
        <source>desvio para cima %1</source>
        <translation>desvio para cima %1</translation>
    </message>
    <message>
        <source>desvio para a direita %1</source>
        <translation>desvio para a direita %1</translation>
    </message>
    <message>
        <source>desvio para baixo %1</source>
        <translation>desvio para baixo %1</translation>
    </message>
    <message>
        <source>desvio para a esquerda %1</source>
        <translation>desvio para a esquerda %1</translation>
    </message>
    <message>
        <source>Pontos:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Hits:</source>
        <translation>Hits:</translation>
    </message>
    <message>
        <source>Detours:</source>
        <translation>Detours:</translation>
    </message>
    <message>
        <source>Reflections:</source>
        <translation>Reflections:</translation>
    </message>
    <message>
        <source>Reiniciar</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Mostrar Items</source>
        <translation>Mostrar Items</translation>
    </message>
    <message>
        <source>Recorde</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Analisar</source>
        <translation>Analisar</translation>
    </message>
    <message>
        <source>Desafio do dia %1: %2 items</source>
        <translation>Desafio do dia %1: %2 items</translation>
    </message>
    <message>
        <source>Desafio do dia</source>
        <translation>Desafio do dia</translation>
    </message>
    <message>
        <source>Tempo de jogo</source>
        <translation>Tempo de jogo</translation>
    </message>
    <message>
        <source>Conferir marcações</source>
        <translation>Conferir marcações</translation>
    </message>
    <message>
        <source>Mostra em cada casa da borda já usada se as suas marcações e notas &quot;item aqui?&quot; dariam o resultado visto</source>
        <translation>Mostra em cada casa da borda já usada se as suas marcações e notas &quot;item aqui?&quot; dariam o resultado visto</translation>
    </message>
    <message>
        <source>Dica</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Acende a casa da borda cujo tiro mais diria onde estão os items</source>
        <translation>Acende a casa da borda cujo tiro mais diria onde estão os items</translation>
    </message>
    <message>
        <source>Análise</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Item encontrado</source>
        <translation>Item encontrado</translation>
    </message>
    <message>
        <source>Item não encontrado</source>
        <translation>Item não encontrado</translation>
    </message>
    <message>
        <source>Marcação errada: não há item aqui</source>
        <translation>Marcação errada: não há item aqui</translation>
    </message>
    <message>
        <source>Nota: não há item aqui</source>
        <translation>Nota: não há item aqui</translation>
    </message>
    <message>
        <source>Nota: item aqui?</source>
        <translation>Nota: item aqui?</translation>
    </message>
    <message>
        <source>Análise: há um item aqui em todo tabuleiro possível</source>
        <translation>Análise: há um item aqui em todo tabuleiro possível</translation>
    </message>
    <message>
        <source>Análise: não há item aqui em nenhum tabuleiro possível</source>
        <translation>Análise: não há item aqui em nenhum tabuleiro possível</translation>
    </message>
    <message>
        <source> - Vez do %1</source>
        <translation> - Vez do %1</translation>
    </message>
    <message>
        <source> - Desafio do dia %1, %2 items</source>
        <translation> - Desafio do dia %1, %2 items</translation>
    </message>
    <message>
        <source> (jogo de treino, sem recorde)</source>
        <translation> (jogo de treino, sem recorde)</translation>
    </message>
    <message>
        <source>O jogo terminou! %1 fez %2 pontos</source>
        <translation>O jogo terminou! %1 fez %2 pontos</translation>
    </message>
    <message>
        <source>O jogo terminou! %1 ganhou o jogo com %2 pontos</source>
        <translation>O jogo terminou! %1 ganhou o jogo com %2 pontos</translation>
    </message>
    <message>
        <source>O jogo terminou! Houve um empate!</source>
        <translation>O jogo terminou! Houve um empate!</translation>
    </message>
    <message>
        <source>Jogo terminou</source>
        <translation>Jogo terminou</translation>
    </message>
    <message>
        <source>Um novo recorde foi estabelecido, mas não foi possível gravá-lo em %1.</source>
        <translation>Um novo recorde foi estabelecido, mas não foi possível gravá-lo em %1.</translation>
    </message>
    <message>
        <source>Novo Recorde</source>
        <translation>Novo Recorde</translation>
    </message>
    <message>
        <source>Um novo recorde foi estabelecido! Verifique a pontuação no botão &apos;Recorde&apos;</source>
        <translation>Um novo recorde foi estabelecido! Verifique a pontuação no botão &apos;Recorde&apos;</translation>
    </message>
    <message>
        <source>Não foi possível gravar o melhor tempo do desafio em %1.</source>
        <translation>Não foi possível gravar o melhor tempo do desafio em %1.</translation>
    </message>
    <message>
        <source>Novo melhor tempo do desafio de %1: %2 segundos</source>
        <translation>Novo melhor tempo do desafio de %1: %2 segundos</translation>
    </message>
    <message>
        <source>Fim de jogo</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>O jogo foi finalizado</source>
        <translation>O jogo foi finalizado</translation>
    </message>
    <message>
        <source>Não há nenhum registro por enquanto</source>
        <translation>Não há nenhum registro por enquanto</translation>
    </message>
    <message>
        <source>Jogador: %1<byte value="xd"/>
Pontos perdidos: %2<byte value="xd"/>
Tempo: %3<byte value="xd"/>
Items: %4</source>
        <translation>Jogador: %1<byte value="xd"/>
Pontos perdidos: %2<byte value="xd"/>
Tempo: %3<byte value="xd"/>
Items: %4</translation>
    </message>
    <message>
        <source>Recordes</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>%1 segundos</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Analisando...</source>
        <translation>Analisando...</translation>
    </message>
    <message>
        <source>Procurando a melhor casa...</source>
        <translation>Procurando a melhor casa...</translation>
    </message>
    <message>
        <source>Dica não concluída em 2 segundos</source>
        <translation>Dica não concluída em 2 segundos</translation>
    </message>
    <message>
        <source>Não há mais casas livres para atirar</source>
        <translation>Não há mais casas livres para atirar</translation>
    </message>
    <message>
        <source>Só resta um tabuleiro possível: nenhum tiro ensina mais nada</source>
        <translation>Só resta um tabuleiro possível: nenhum tiro ensina mais nada</translation>
    </message>
    <message>
        <source>Nenhum tiro dividiria as possibilidades</source>
        <translation>Nenhum tiro dividiria as possibilidades</translation>
    </message>
    <message>
        <source>divide as %1 possibilidades em %2 grupos</source>
        <translation>divide as %1 possibilidades em %2 grupos</translation>
    </message>
    <message>
        <source>Dica: atire daqui</source>
        <translation>Dica: atire daqui</translation>
    </message>
    <message>
        <source>Suas marcações dão este resultado</source>
        <translation>Suas marcações dão este resultado</translation>
    </message>
    <message>
        <source>Suas marcações dariam outro resultado</source>
        <translation>Suas marcações dariam outro resultado</translation>
    </message>
    <message>
        <source>Análise não concluída em 2 segundos</source>
        <translation>Análise não concluída em 2 segundos</translation>
    </message>
    <message>
        <source>Muitos tabuleiros possíveis</source>
        <translation>Muitos tabuleiros possíveis</translation>
    </message>
    <message>
        <source>1 tabuleiro possível</source>
        <translation>1 tabuleiro possível</translation>
    </message>
    <message>
        <source>%1 tabuleiros possíveis</source>
        <translation>%1 tabuleiros possíveis</translation>
    </message>
    <message>
        <source>marcada</source>
        <translation>marcada</translation>
    </message>
    <message>
        <source>item não encontrado</source>
        <translation>item não encontrado</translation>
    </message>
    <message>
        <source>marcação errada</source>
        <translation>marcação errada</translation>
    </message>
    <message>
        <source>nota: não há item aqui</source>
        <translation>nota: não há item aqui</translation>
    </message>
    <message>
        <source>nota: item aqui?</source>
        <translation>nota: item aqui?</translation>
    </message>
    <message>
        <source>livre</source>
        <translation>livre</translation>
    </message>
    <message>
        <source>%1, análise: há um item aqui</source>
        <translation>%1, análise: há um item aqui</translation>
    </message>
    <message>
        <source>%1, análise: não há item aqui</source>
        <translation>%1, análise: não há item aqui</translation>
    </message>
    <message>
        <source>linha %1, coluna %2: %3</source>
        <translation>linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>absorvido</source>
        <translation>absorvido</translation>
    </message>
    <message>
        <source>refletido</source>
        <translation>refletido</translation>
    </message>
    <message>
        <source>desvio %1</source>
        <translation>desvio %1</translation>
    </message>
    <message>
        <source>%1, dica: atire daqui</source>
        <translation>%1, dica: atire daqui</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Tabuleiro</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>não marcada</source>
        <translation>não marcada</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>probegrid::FrmStart</name>
    <message>
        <source>Jogador</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Jogadores</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>1 Jogador</source>
        <translation>1 Jogador</translation>
    </message>
    <message>
        <source>2 Jogadores</source>
        <translation>2 Jogadores</translation>
    </message>
    <message>
        <source>Nome do jogador 1:</source>
        <translation>Nome do jogador 1:</translation>
    </message>
    <message>
        <source>Nome do jogador 2:</source>
        <translation>Nome do jogador 2:</translation>
    </message>
    <message>
        <source>Dificuldade</source>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Items escondidos ( 1 à 12 ):</source>
        <translation>Items escondidos ( 1 à 12 ):</translation>
    </message>
    <message>
        <source>Items randômicos</source>
        <translation>Items randômicos</translation>
    </message>
    <message>
        <source>Treino</source>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Um jogo para aprender: o botão &quot;Analisar&quot; mostra o que se pode deduzir, e nenhum recorde é gravado</source>
        <translation>Um jogo para aprender: o botão &quot;Analisar&quot; mostra o que se pode deduzir, e nenhum recorde é gravado</translation>
    </message>
    <message>
        <source>Preparando o desafio...</source>
        <translation>Preparando o desafio...</translation>
    </message>
    <message>
        <source>Desafio do dia</source>
        <translation>Desafio do dia</translation>
    </message>
    <message>
        <source>O mesmo quebra-cabeça para todos hoje: alguns tiros já dados bastam para achar os items</source>
        <translation>O mesmo quebra-cabeça para todos hoje: alguns tiros já dados bastam para achar os items</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Escolhe o idioma das janelas</source>
        <translation>Escolhe o idioma das janelas</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Começar</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Campos incompletos</source>
        <translation>Campos incompletos</translation>
    </message>
    <message>
        <source>Preencha todos os dados corretamente</source>
        <translation>Preencha todos os dados corretamente</translation>
    </message>
</context>
</TS>
