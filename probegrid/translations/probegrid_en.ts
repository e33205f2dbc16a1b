<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>probegrid::FrmAbout</name>
    <message>
        <source>Sobre Tavrin Probegrid</source>
        <translation>About Tavrin Probegrid</translation>
    </message>
    <message>
        <source>Um raio desviado por um item no tabuleiro</source>
        <translation>A ray turned aside by an item on the board</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Criado por Tavrin</source>
        <translation>Created by Tavrin</translation>
    </message>
    <message>
        <source>Feito em C++ com Qt 6</source>
        <translation>Made in C++ with Qt 6</translation>
    </message>
    <message>
        <source>Linhas: 656</source>
        <translation>Lines: 656</translation>
    </message>
    <message>
        <source>Para maiores informações sobre como jogar, acesse:</source>
        <translation>To learn more about how to play, visit:</translation>
    </message>
    <message>
        <source>Endereço das regras</source>
        <translation>Address of the rules</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>probegrid::FrmMain</name>
    <message>
        <source>Absorvido: o raio acertou um item</source>
        <translation>Absorbed: the ray hit an item</translation>
    </message>
    <message>
        <source>Refletido: o raio voltou por onde entrou</source>
        <translation>Reflected: the ray came back the way it went in</translation>
    </message>
    <message>
        <source>Desvio %1: o raio entrou por uma das casas com este número e saiu pela outra</source>
        <translation>Detour %1: the ray went in at one of the cells with this number and came out at the other</translation>
    </message>
    <message>
        <source>borda superior %1</source>
        <translation>top border %1</translation>
    </message>
    <message>
        <source>borda direita %1</source>
        <translation>right border %1</translation>
    </message>
    <message>
        <source>borda inferior %1</source>
        <translation>bottom border %1</translation>
    </message>
    <message>
        <source>borda esquerda %1</source>
        <translation>left border %1</translation>
    </message>
    <message>
        <source>desvio para cima %1</source>
        <translation>detour to top %1</translation>
    </message>
    <message>
        <source>desvio para a direita %1</source>
        <translation>detour to right %1</translation>
    </message>
    <message>
        <source>desvio para baixo %1</source>
        <translation>detour to bottom %1</translation>
    </message>
    <message>
        <source>desvio para a esquerda %1</source>
        <translation>detour to left %1</translation>
    </message>
    <message>
        <source>Pontos:</source>
        <translation>Points:</translation>
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
        <translation>Restart</translation>
    </message>
    <message>
        <source>Mostrar Items</source>
        <translation>Show Items</translation>
    </message>
    <message>
        <source>Recorde</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Analisar</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Desafio do dia %1: %2 items</source>
        <translation>Daily puzzle %1: %2 items</translation>
    </message>
    <message>
        <source>Desafio do dia</source>
        <translation>Daily puzzle</translation>
    </message>
    <message>
        <source>Tempo de jogo</source>
        <translation>Playing time</translation>
    </message>
    <message>
        <source>Conferir marcações</source>
        <translation>Check my marks</translation>
    </message>
    <message>
        <source>Mostra em cada casa da borda já usada se as suas marcações e notas &quot;item aqui?&quot; dariam o resultado visto</source>
        <translation>Shows on every border cell already fired whether your marks and &quot;item here?&quot; notes would give the result seen</translation>
    </message>
    <message>
        <source>Dica</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Acende a casa da borda cujo tiro mais diria onde estão os items</source>
        <translation>Lights the border cell whose shot would tell most about where the items are</translation>
    </message>
    <message>
        <source>Análise</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Item encontrado</source>
        <translation>Item found</translation>
    </message>
    <message>
        <source>Item não encontrado</source>
        <translation>Item not found</translation>
    </message>
    <message>
        <source>Marcação errada: não há item aqui</source>
        <translation>Wrong mark: there is no item here</translation>
    </message>
    <message>
        <source>Nota: não há item aqui</source>
        <translation>Note: no item here</translation>
    </message>
    <message>
        <source>Nota: item aqui?</source>
        <translation>Note: item here?</translation>
    </message>
    <message>
        <source>Análise: há um item aqui em todo tabuleiro possível</source>
        <translation>Analysis: there is an item here on every possible board</translation>
    </message>
    <message>
        <source>Análise: não há item aqui em nenhum tabuleiro possível</source>
        <translation>Analysis: there is no item here on any possible board</translation>
    </message>
    <message>
        <source> - Vez do %1</source>
        <translation> - %1&apos;s turn</translation>
    </message>
    <message>
        <source> - Desafio do dia %1, %2 items</source>
        <translation> - Daily puzzle %1, %2 items</translation>
    </message>
    <message>
        <source> (jogo de treino, sem recorde)</source>
        <translation> (training game, no record)</translation>
    </message>
    <message>
        <source>O jogo terminou! %1 fez %2 pontos</source>
        <translation>The game is over! %1 scored %2 points</translation>
    </message>
    <message>
        <source>O jogo terminou! %1 ganhou o jogo com %2 pontos</source>
        <translation>The game is over! %1 won the game with %2 points</translation>
    </message>
    <message>
        <source>O jogo terminou! Houve um empate!</source>
        <translation>The game is over! It is a tie!</translation>
    </message>
    <message>
        <source>Jogo terminou</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Um novo recorde foi estabelecido, mas não foi possível gravá-lo em %1.</source>
        <translation>A new record was set, but it could not be saved in %1.</translation>
    </message>
    <message>
        <source>Novo Recorde</source>
        <translation>New Record</translation>
    </message>
    <message>
        <source>Um novo recorde foi estabelecido! Verifique a pontuação no botão &apos;Recorde&apos;</source>
        <translation>A new record was set! See the score with the &apos;Record&apos; button</translation>
    </message>
    <message>
        <source>Não foi possível gravar o melhor tempo do desafio em %1.</source>
        <translation>The daily puzzle&apos;s best time could not be saved in %1.</translation>
    </message>
    <message>
        <source>Novo melhor tempo do desafio de %1: %2 segundos</source>
        <translation>New best time for the puzzle of %1: %2 seconds</translation>
    </message>
    <message>
        <source>Fim de jogo</source>
        <translation>End of game</translation>
    </message>
    <message>
        <source>O jogo foi finalizado</source>
        <translation>The game was ended</translation>
    </message>
    <message>
        <source>Não há nenhum registro por enquanto</source>
        <translation>There is no record yet</translation>
    </message>
    <message>
        <source>Jogador: %1<byte value="xd"/>
Pontos perdidos: %2<byte value="xd"/>
Tempo: %3<byte value="xd"/>
Items: %4</source>
        <translation>Player: %1<byte value="xd"/>
Points lost: %2<byte value="xd"/>
Time: %3<byte value="xd"/>
Items: %4</translation>
    </message>
    <message>
        <source>Recordes</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>%1 segundos</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source>Analisando...</source>
        <translation>Analysing...</translation>
    </message>
    <message>
        <source>Procurando a melhor casa...</source>
        <translation>Looking for the best cell...</translation>
    </message>
    <message>
        <source>Dica não concluída em 2 segundos</source>
        <translation>Hint not finished in 2 seconds</translation>
    </message>
    <message>
        <source>Não há mais casas livres para atirar</source>
        <translation>There are no free cells left to fire from</translation>
    </message>
    <message>
        <source>Só resta um tabuleiro possível: nenhum tiro ensina mais nada</source>
        <translation>Only one possible board is left: no shot teaches anything more</translation>
    </message>
    <message>
        <source>Nenhum tiro dividiria as possibilidades</source>
        <translation>No shot would split the possibilities</translation>
    </message>
    <message>
        <source>divide as %1 possibilidades em %2 grupos</source>
        <translation>splits the %1 possibilities into %2 groups</translation>
    </message>
    <message>
        <source>Dica: atire daqui</source>
        <translation>Hint: fire from here</translation>
    </message>
    <message>
        <source>Suas marcações dão este resultado</source>
        <translation>Your marks give this result</translation>
    </message>
    <message>
        <source>Suas marcações dariam outro resultado</source>
        <translation>Your marks would give another result</translation>
    </message>
    <message>
        <source>Análise não concluída em 2 segundos</source>
        <translation>Analysis not finished in 2 seconds</translation>
    </message>
    <message>
        <source>Muitos tabuleiros possíveis</source>
        <translation>Many possible boards</translation>
    </message>
    <message>
        <source>1 tabuleiro possível</source>
        <translation>1 possible board</translation>
    </message>
    <message>
        <source>%1 tabuleiros possíveis</source>
        <translation>%1 possible boards</translation>
    </message>
    <message>
        <source>marcada</source>
        <translation>marked</translation>
    </message>
    <message>
        <source>item não encontrado</source>
        <translation>item not found</translation>
    </message>
    <message>
        <source>marcação errada</source>
        <translation>wrong mark</translation>
    </message>
    <message>
        <source>nota: não há item aqui</source>
        <translation>note: no item here</translation>
    </message>
    <message>
        <source>nota: item aqui?</source>
        <translation>note: item here?</translation>
    </message>
    <message>
        <source>livre</source>
        <translation>not fired</translation>
    </message>
    <message>
        <source>%1, análise: há um item aqui</source>
        <translation>%1, analysis: an item is here</translation>
    </message>
    <message>
        <source>%1, análise: não há item aqui</source>
        <translation>%1, analysis: no item is here</translation>
    </message>
    <message>
        <source>linha %1, coluna %2: %3</source>
        <translation>row %1, column %2: %3</translation>
    </message>
    <message>
        <source>absorvido</source>
        <translation>absorbed</translation>
    </message>
    <message>
        <source>refletido</source>
        <translation>reflected</translation>
    </message>
    <message>
        <source>desvio %1</source>
        <translation>detour %1</translation>
    </message>
    <message>
        <source>%1, dica: atire daqui</source>
        <translation>%1, hint: fire from here</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Tabuleiro</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>não marcada</source>
        <translation>not marked</translation>
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
        <translation>Player</translation>
    </message>
    <message>
        <source>Jogadores</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>1 Jogador</source>
        <translation>1 Player</translation>
    </message>
    <message>
        <source>2 Jogadores</source>
        <translation>2 Players</translation>
    </message>
    <message>
        <source>Nome do jogador 1:</source>
        <translation>Name of player 1:</translation>
    </message>
    <message>
        <source>Nome do jogador 2:</source>
        <translation>Name of player 2:</translation>
    </message>
    <message>
        <source>Dificuldade</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>Items escondidos ( 1 à 12 ):</source>
        <translation>Hidden items ( 1 to 12 ):</translation>
    </message>
    <message>
        <source>Items randômicos</source>
        <translation>Random items</translation>
    </message>
    <message>
        <source>Treino</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Um jogo para aprender: o botão &quot;Analisar&quot; mostra o que se pode deduzir, e nenhum recorde é gravado</source>
        <translation>A game to learn with: the &quot;Analyse&quot; button shows what can be deduced, and no record is saved</translation>
    </message>
    <message>
        <source>Preparando o desafio...</source>
        <translation>Preparing...</translation>
    </message>
    <message>
        <source>Desafio do dia</source>
        <translation>Daily puzzle</translation>
    </message>
    <message>
        <source>O mesmo quebra-cabeça para todos hoje: alguns tiros já dados bastam para achar os items</source>
        <translation>The same puzzle for everyone today: a few shots already fired are enough to find the items</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Escolhe o idioma das janelas</source>
        <translation>Chooses the language of the windows</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Começar</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Campos incompletos</source>
        <translation>Incomplete fields</translation>
    </message>
    <message>
        <source>Preencha todos os dados corretamente</source>
        <translation>Fill in all the fields correctly</translation>
    </message>
</context>
</TS>
