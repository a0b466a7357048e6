<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="es_ES">
<context>
    <name>Aboutfrm</name>
    <message>
        <source>Acerca de %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Hecho con cariño por el equipo de Zelbo</source>
        <translation>Made with care by the Zelbo team</translation>
    </message>
    <message>
        <source>contacto: zelbo@example.org</source>
        <translation>contact: zelbo@example.org</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Versión %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Anunciador</name>
    <message>
        <source>Última ronda: juega %1</source>
        <translation>Last round: %1 plays</translation>
    </message>
    <message>
        <source>%1. Cartas: la CPU %2, tú %3. Puntos: la CPU %4, tú %5</source>
        <translation>%1. Cards: the CPU %2, you %3. Points: the CPU %4, you %5</translation>
    </message>
    <message>
        <source>Deshecho: %1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <source>Rehecho: %1</source>
        <translation>Redone: %1</translation>
    </message>
</context>
<context>
    <name>AspectoEnMesa</name>
    <message>
        <source>es</source>
        <comment>the language the modern figures are named in: es or en</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>AyudasTablero</name>
    <message>
        <source>Probabilidad: %1 %</source>
        <translation>Chance: %1 %</translation>
    </message>
</context>
<context>
    <name>BarraProbabilidad</name>
    <message>
        <source>%p %</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>Probabilidad de ganar</source>
        <translation>Chance of winning</translation>
    </message>
    <message>
        <source>Probabilidad de ganar: %1 %</source>
        <translation>Chance of winning: %1%</translation>
    </message>
    <message>
        <source>Probabilidad de ganar la partida si juegas como la pista</source>
        <translation>Chance of winning the game if you play as the hint does</translation>
    </message>
    <message>
        <source>Probabilidad de ganar si juegas como la pista: la partida %1 %, esta mano %2 %</source>
        <translation>Chance of winning if you play as the hint does: the game %1%, this hand %2%</translation>
    </message>
</context>
<context>
    <name>CarasDelMazo</name>
    <message>
        <source>%1 y %2 más</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>Faltan o están dañadas las imágenes de estas cartas: %1. El juego las dibuja por su cuenta.</source>
        <translation>The pictures of these cards are missing or damaged: %1. The game draws those cards itself.</translation>
    </message>
</context>
<context>
    <name>CargarMazo</name>
    <message>
        <source>El juego de cartas está dañado: la carta %1 tiene %2.</source>
        <translation>The card set is damaged: card %1 has %2.</translation>
    </message>
    <message>
        <source>un número no válido</source>
        <translation>an invalid number</translation>
    </message>
    <message>
        <source>la imagen vacía</source>
        <translation>an empty picture</translation>
    </message>
    <message>
        <source>el palo vacío</source>
        <translation>an empty suit</translation>
    </message>
    <message>
        <source>una marca de repartida no válida</source>
        <translation>an invalid dealt flag</translation>
    </message>
    <message>
        <source>la marca de repartida puesta</source>
        <translation>its dealt flag set</translation>
    </message>
    <message>
        <source>El juego de cartas no tiene la tabla %1 con cinco columnas.</source>
        <translation>The card set has no table %1 with five columns.</translation>
    </message>
    <message>
        <source>El juego de cartas tiene %1 cartas en lugar de 40.</source>
        <translation>The card set has %1 cards instead of 40.</translation>
    </message>
</context>
<context>
    <name>CartelesDeTurno</name>
    <message>
        <source>Juega %1</source>
        <translation>%1 plays</translation>
    </message>
    <message>
        <source>Juega CPU</source>
        <translation>CPU plays</translation>
    </message>
    <message>
        <source>Ultima ronda</source>
        <translation>Last round</translation>
    </message>
</context>
<context>
    <name>DemostracionEnMesa</name>
    <message>
        <source>%1 gana la partida, %2 a %3. Empieza otra</source>
        <translation>%1 wins the game, %2 to %3. Another one starts</translation>
    </message>
    <message>
        <source>%1, %2. Puntos: CPU 1 %3, CPU 2 %4</source>
        <translation>%1, %2. Points: CPU 1 %3, CPU 2 %4</translation>
    </message>
</context>
<context>
    <name>DisposicionClasica</name>
    <message>
        <source>Levantar</source>
        <translation>Take</translation>
    </message>
    <message>
        <source>Click para levantar</source>
        <translation>Click to take the marked cards</translation>
    </message>
    <message>
        <source>Cartas de la Cpu</source>
        <translation>The CPU&apos;s cards</translation>
    </message>
    <message>
        <source>Click derecho o arrastrar</source>
        <translation>Right-click or drag</translation>
    </message>
    <message>
        <source>Click izquierdo </source>
        <translation>Left-click</translation>
    </message>
    <message>
        <source>Levanta las cartas marcadas con la carta marcada de tu mano</source>
        <translation>Takes the marked cards with the marked card of your hand</translation>
    </message>
</context>
<context>
    <name>DisposicionModerna</name>
    <message>
        <source>Clic para marcarla; arrástrala para jugarla</source>
        <translation>Click to mark it; drag it to play it</translation>
    </message>
    <message>
        <source>Montón de la CPU</source>
        <translation>CPU&apos;s pile</translation>
    </message>
    <message>
        <source>Tu montón: clic para marcarlo</source>
        <translation>Your pile: click to mark it</translation>
    </message>
    <message>
        <source>Levantar</source>
        <translation>Take</translation>
    </message>
    <message>
        <source>Levanta las cartas marcadas con la carta marcada de tu mano</source>
        <translation>Takes the marked cards with the marked card of your hand</translation>
    </message>
</context>
<context>
    <name>EntradaDeMesa</name>
    <message>
        <source>Ahí no se deja una carta: suéltala en la mesa, sobre una carta de su palo o en un montón</source>
        <translation>A card cannot be dropped there: drop it on the table, on a card of its suit or on a pile</translation>
    </message>
</context>
<context>
    <name>EstadisticasFrm</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estadísticas</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Partidas</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Jugadas:</source>
        <translation>Played:</translation>
    </message>
    <message>
        <source>Ganadas:</source>
        <translation>Won:</translation>
    </message>
    <message>
        <source>Perdidas:</source>
        <translation>Lost:</translation>
    </message>
    <message>
        <source>Abandonadas:</source>
        <translation>Abandoned:</translation>
    </message>
    <message>
        <source>Porcentaje de victorias:</source>
        <translation>Win percentage:</translation>
    </message>
    <message>
        <source>Racha actual de victorias:</source>
        <translation>Current winning streak:</translation>
    </message>
    <message>
        <source>Racha más larga:</source>
        <translation>Longest winning streak:</translation>
    </message>
    <message>
        <source>Manos</source>
        <translation>Hands</translation>
    </message>
    <message>
        <source>Empatadas:</source>
        <translation>Tied:</translation>
    </message>
    <message>
        <source>Mayor montón de una mano ganada:</source>
        <translation>Largest pile of a hand won:</translation>
    </message>
    <message>
        <source>Últimas %1 partidas</source>
        <translation>Last %1 games</translation>
    </message>
    <message>
        <source>Ganada</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Perdida</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Abandonada</source>
        <translation>Abandoned</translation>
    </message>
    <message>
        <source>Jugador</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Nivel de la CPU</source>
        <translation>CPU level</translation>
    </message>
    <message>
        <source>Todos los niveles</source>
        <translation>All levels</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Difícil</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>&amp;Jugador:</source>
        <translation>&amp;Player:</translation>
    </message>
    <message>
        <source>&amp;Nivel de la CPU:</source>
        <translation>CPU &amp;level:</translation>
    </message>
    <message>
        <source>&amp;Reiniciar estadísticas</source>
        <translation>&amp;Reset statistics</translation>
    </message>
    <message>
        <source>Reiniciar estadísticas</source>
        <translation>Reset statistics</translation>
    </message>
    <message>
        <source>&amp;Cerrar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Todos los jugadores</source>
        <translation>All players</translation>
    </message>
    <message>
        <source>¿Borrar las estadísticas de todos los jugadores? No se podrán recuperar.</source>
        <translation>Delete the statistics of every player? They cannot be recovered.</translation>
    </message>
    <message>
        <source>No se pudieron guardar las estadísticas.</source>
        <translation>The statistics could not be saved.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>EstadoEnPalabras</name>
    <message>
        <source>%1: vacío</source>
        <translation>%1: empty</translation>
    </message>
    <message>
        <source>1 carta</source>
        <translation>1 card</translation>
    </message>
    <message>
        <source>%1 cartas</source>
        <translation>%1 cards</translation>
    </message>
    <message>
        <source>%1: %2, arriba %3</source>
        <translation>%1: %2, %3 on top</translation>
    </message>
    <message>
        <source>La mesa está vacía</source>
        <translation>The table is empty</translation>
    </message>
    <message>
        <source>En la mesa: %1</source>
        <translation>On the table: %1</translation>
    </message>
    <message>
        <source>Tu mano está vacía</source>
        <translation>Your hand is empty</translation>
    </message>
    <message>
        <source>Tu mano: %1</source>
        <translation>Your hand: %1</translation>
    </message>
    <message>
        <source>%1. %2. Puntos: %3 %4, %5 %6</source>
        <translation>%1. %2. Points: %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>Montón de la CPU</source>
        <translation>CPU&apos;s pile</translation>
    </message>
    <message>
        <source>Tu montón</source>
        <translation>Your pile</translation>
    </message>
    <message>
        <source>Juega %1. Mano %2, última ronda</source>
        <translation>%1 plays. Hand %2, last round</translation>
    </message>
    <message>
        <source>Juega %1. Mano %2, ronda %3 de %4</source>
        <translation>%1 plays. Hand %2, round %3 of %4</translation>
    </message>
    <message>
        <source>Probabilidad: %1 %</source>
        <translation>Chance: %1 %</translation>
    </message>
    <message>
        <source>Nuevo reparto: %1</source>
        <translation>New deal: %1</translation>
    </message>
</context>
<context>
    <name>FinDeMano</name>
    <message>
        <source>¿Jugar de nuevo?</source>
        <translation>Play again?</translation>
    </message>
    <message>
        <source>Fin de Juego</source>
        <translation>Game Over</translation>
    </message>
    <message>
        <source>%1 cartas contra %2</source>
        <translation>%1 cards to %2</translation>
    </message>
</context>
<context>
    <name>FinDeManoEnVentana</name>
    <message>
        <source>No se puede cargar la imagen %1</source>
        <translation>Cannot load the picture %1</translation>
    </message>
</context>
<context>
    <name>FraseJugada</name>
    <message>
        <source>La CPU pone %1 en su montón</source>
        <translation>The CPU puts %1 on its pile</translation>
    </message>
    <message>
        <source>La CPU se lleva tu montón con %1</source>
        <translation>The CPU takes your pile with %1</translation>
    </message>
    <message>
        <source>La CPU levanta %1 con %2</source>
        <translation>The CPU takes %1 with %2</translation>
    </message>
    <message>
        <source>La CPU tira %1 a la mesa</source>
        <translation>The CPU lays %1 on the table</translation>
    </message>
    <message>
        <source>Pones %1 en tu montón</source>
        <translation>You put %1 on your pile</translation>
    </message>
    <message>
        <source>Te llevas el montón de la CPU con %1</source>
        <translation>You take the CPU&apos;s pile with %1</translation>
    </message>
    <message>
        <source>Levantas %1 con %2</source>
        <translation>You take %1 with %2</translation>
    </message>
    <message>
        <source>Tiras %1 a la mesa</source>
        <translation>You lay %1 on the table</translation>
    </message>
    <message>
        <source>Llévate el montón de la CPU con %1 (Intro)</source>
        <translation>Take the CPU&apos;s pile with %1 (Enter)</translation>
    </message>
    <message>
        <source>Levanta %1 con %2 (Intro)</source>
        <translation>Take %1 with %2 (Enter)</translation>
    </message>
    <message>
        <source>Tira %1 a la mesa (Intro)</source>
        <translation>Lay %1 on the table (Enter)</translation>
    </message>
    <message>
        <source>Pon %1 en tu montón (Intro)</source>
        <translation>Put %1 on your pile (Enter)</translation>
    </message>
    <message>
        <source>La CPU 1 pone %1 en su montón</source>
        <translation>CPU 1 puts %1 on its pile</translation>
    </message>
    <message>
        <source>La CPU 1 se lleva el montón de la CPU 2 con %1</source>
        <translation>CPU 1 takes CPU 2&apos;s pile with %1</translation>
    </message>
    <message>
        <source>La CPU 1 levanta %1 con %2</source>
        <translation>CPU 1 lifts %1 with %2</translation>
    </message>
    <message>
        <source>La CPU 1 tira %1 a la mesa</source>
        <translation>CPU 1 lays %1 on the table</translation>
    </message>
    <message>
        <source>La CPU 2 pone %1 en su montón</source>
        <translation>CPU 2 puts %1 on its pile</translation>
    </message>
    <message>
        <source>La CPU 2 se lleva el montón de la CPU 1 con %1</source>
        <translation>CPU 2 takes CPU 1&apos;s pile with %1</translation>
    </message>
    <message>
        <source>La CPU 2 levanta %1 con %2</source>
        <translation>CPU 2 lifts %1 with %2</translation>
    </message>
    <message>
        <source>La CPU 2 tira %1 a la mesa</source>
        <translation>CPU 2 lays %1 on the table</translation>
    </message>
</context>
<context>
    <name>GraficoChance</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Gráfico de tu probabilidad de ganar</source>
        <translation>Chart of your chance to win</translation>
    </message>
    <message>
        <source>Todavía no hay jugadas revisadas.</source>
        <translation>No moves reviewed yet.</translation>
    </message>
    <message>
        <source>Empieza en %1, termina en %2; la más alta, %3; la más baja, %4.</source>
        <translation>Starts at %1, ends at %2; highest %3, lowest %4.</translation>
    </message>
</context>
<context>
    <name>GraficoPartidas</name>
    <message>
        <source>Gráfico de las últimas partidas</source>
        <translation>Chart of the last games</translation>
    </message>
    <message>
        <source>Todavía no hay partidas.</source>
        <translation>No games yet.</translation>
    </message>
    <message>
        <source>ganada</source>
        <translation>won</translation>
    </message>
    <message>
        <source>perdida</source>
        <translation>lost</translation>
    </message>
    <message>
        <source>abandonada</source>
        <translation>abandoned</translation>
    </message>
    <message>
        <source>De la más antigua a la más reciente: %1.</source>
        <translation>From the oldest to the newest: %1.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Ayuda de Zelbo</source>
        <translation>Zelbo Help</translation>
    </message>
    <message>
        <source>ayuda.html</source>
        <comment>file name of the help page in this language</comment>
        <translation>ayuda_en.html</translation>
    </message>
</context>
<context>
    <name>IdiomaDelJuego</name>
    <message>
        <source>es_ES</source>
        <comment>the locale this language writes numbers in</comment>
        <translation>en_US</translation>
    </message>
</context>
<context>
    <name>Intento</name>
    <message>
        <source>Tienes cartas para levantar</source>
        <translation>You have cards to take</translation>
    </message>
    <message>
        <source>No has marcado ninguna carta</source>
        <translation>You have not marked any card</translation>
    </message>
</context>
<context>
    <name>KeptGameKeeper</name>
    <message>
        <source>Error leyendo archivo</source>
        <translation>Error reading file</translation>
    </message>
    <message>
        <source>¿Continuar la partida anterior?</source>
        <translation>Continue the previous game?</translation>
    </message>
    <message>
        <source>No se ha podido guardar la partida en curso en %1: puede que el disco esté lleno o que la carpeta no admita cambios. El juego sigue, pero si lo cierras, quizá no la encuentres tal como la dejaste.</source>
        <translation>The game in progress could not be saved in %1: the disk may be full, or the folder may not allow changes. The game goes on, but if you close it, you may not find it as you left it.</translation>
    </message>
    <message>
        <source>No se ha podido borrar la partida terminada de %1: la carpeta no admite cambios. El juego sigue, pero al abrirlo de nuevo puede que te ofrezca continuarla.</source>
        <translation>The finished game could not be removed from %1: the folder does not allow changes. The game goes on, but when you open it again it may offer to continue that game.</translation>
    </message>
    <message>
        <source>No se han podido guardar las estadísticas en %1: puede que el disco esté lleno o que la carpeta no admita cambios. El juego sigue, y las partidas de esta sesión se cuentan sin guardarlas.</source>
        <translation>The statistics could not be saved in %1: the disk may be full, or the folder may not allow changes. The game goes on, and this session&apos;s games are counted without being saved.</translation>
    </message>
</context>
<context>
    <name>LineaDeOrdenes</name>
    <message>
        <source>No se puede iniciar el programa %1</source>
        <translation>The program %1 cannot be started</translation>
    </message>
    <message>
        <source>No se encuentra el programa %1</source>
        <translation>The program %1 cannot be found</translation>
    </message>
</context>
<context>
    <name>MandoDemostracion</name>
    <message>
        <source>Demostración: pulsa una tecla o haz clic para volver a tu partida</source>
        <translation>Demonstration: press a key or click to go back to your game</translation>
    </message>
    <message>
        <source>La demostración empieza cuando te toca jugar</source>
        <translation>The demonstration starts when it is your turn</translation>
    </message>
    <message>
        <source>Has vuelto a tu partida</source>
        <translation>You are back in your game</translation>
    </message>
</context>
<context>
    <name>MenusVentana</name>
    <message>
        <source>Menú %1</source>
        <translation>%1 menu</translation>
    </message>
    <message>
        <source>Nuevo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Empezar un juego nuevo</source>
        <translation>Start a new game</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Correr una aplicacion</source>
        <translation>Run an application</translation>
    </message>
    <message>
        <source>Salir de la aplicacion</source>
        <translation>Quit the application</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nuevo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Guardar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation>Op&amp;tions</translation>
    </message>
    <message>
        <source>Nombre &amp;Jugador</source>
        <translation>&amp;Player Name</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>A&amp;yuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contenidos</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Acerca de ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <source>&amp;Juego</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Pista</source>
        <translation>H&amp;int</translation>
    </message>
    <message>
        <source>&amp;Jugar lo marcado</source>
        <translation>&amp;Play the marked cards</translation>
    </message>
    <message>
        <source>P&amp;oner en tu montón</source>
        <translation>Put on &amp;your pile</translation>
    </message>
    <message>
        <source>Marcar la &amp;carta enfocada</source>
        <translation>Mar&amp;k the focused card</translation>
    </message>
    <message>
        <source>&amp;Deshacer</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Rehacer</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Elegir partida…</source>
        <translation>&amp;Choose game…</translation>
    </message>
    <message>
        <source>H&amp;istorial</source>
        <translation>Hi&amp;story</translation>
    </message>
    <message>
        <source>E&amp;stadísticas…</source>
        <translation>S&amp;tatistics…</translation>
    </message>
    <message>
        <source>Re&amp;visar la partida…</source>
        <translation>Re&amp;view the game…</translation>
    </message>
    <message>
        <source>Mes&amp;a moderna</source>
        <translation>Mod&amp;ern table</translation>
    </message>
    <message>
        <source>&amp;Leer la mesa</source>
        <translation>Read the t&amp;able</translation>
    </message>
    <message>
        <source>Leer t&amp;u mano</source>
        <translation>Read your ha&amp;nd</translation>
    </message>
    <message>
        <source>Leer mo&amp;ntones y puntos</source>
        <translation>Read the pi&amp;les and points</translation>
    </message>
    <message>
        <source>Leer &amp;quién juega y la ronda</source>
        <translation>Read &amp;who plays and the round</translation>
    </message>
    <message>
        <source>Demos&amp;tración</source>
        <translation>&amp;Demonstration</translation>
    </message>
    <message>
        <source>&amp;Ver</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Sonidos del juego</source>
        <translation>Game &amp;sounds</translation>
    </message>
    <message>
        <source>&amp;Pantalla completa</source>
        <translation>&amp;Full screen</translation>
    </message>
</context>
<context>
    <name>ModoDeVentana</name>
    <message>
        <source>Ahora en pantalla completa</source>
        <translation>Now full screen</translation>
    </message>
    <message>
        <source>Ahora en una ventana</source>
        <translation>Now in a window</translation>
    </message>
</context>
<context>
    <name>NombreNaipe</name>
    <message>
        <source>oros</source>
        <translation>Coins</translation>
    </message>
    <message>
        <source>copas</source>
        <translation>Cups</translation>
    </message>
    <message>
        <source>espadas</source>
        <translation>Swords</translation>
    </message>
    <message>
        <source>bastos</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>la %1</source>
        <translation>the %1</translation>
    </message>
    <message>
        <source>el %1</source>
        <translation>the %1</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>As</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>Sota</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Caballo</source>
        <translation>Knight</translation>
    </message>
    <message>
        <source>Rey</source>
        <translation>King</translation>
    </message>
    <message>
        <source>de la %1</source>
        <translation>of the %1</translation>
    </message>
    <message>
        <source>del %1</source>
        <translation>of the %1</translation>
    </message>
</context>
<context>
    <name>NombresAccesibles</name>
    <message>
        <source>1 carta</source>
        <translation>1 card</translation>
    </message>
    <message>
        <source>%1 cartas</source>
        <translation>%1 cards</translation>
    </message>
    <message>
        <source>Montón de la CPU: %1</source>
        <translation>CPU&apos;s pile: %1</translation>
    </message>
    <message>
        <source>Tu montón: %1</source>
        <translation>Your pile: %1</translation>
    </message>
    <message>
        <source>Puntos de la CPU: %1</source>
        <translation>CPU&apos;s points: %1</translation>
    </message>
    <message>
        <source>Tus puntos: %1</source>
        <translation>Your points: %1</translation>
    </message>
    <message>
        <source>Turno: %1</source>
        <translation>Turn: %1</translation>
    </message>
    <message>
        <source>%1, en la mesa</source>
        <translation>%1, on the table</translation>
    </message>
    <message>
        <source>, marcada</source>
        <translation>, marked</translation>
    </message>
    <message>
        <source>Marca %1, en la mesa</source>
        <translation>Mark %1, on the table</translation>
    </message>
    <message>
        <source>Lugar %1 de la mesa, vacío</source>
        <translation>Table place %1, empty</translation>
    </message>
    <message>
        <source>Marca del lugar %1 de la mesa, vacío</source>
        <translation>Mark of table place %1, empty</translation>
    </message>
    <message>
        <source>Carta de la CPU, boca abajo</source>
        <translation>CPU&apos;s card, face down</translation>
    </message>
    <message>
        <source>Lugar %1 de la mano de la CPU, vacío</source>
        <translation>Place %1 of the CPU&apos;s hand, empty</translation>
    </message>
    <message>
        <source>%1, en tu mano</source>
        <translation>%1, in your hand</translation>
    </message>
    <message>
        <source>Marca %1, en tu mano</source>
        <translation>Mark %1, in your hand</translation>
    </message>
    <message>
        <source>Lugar %1 de tu mano, vacío</source>
        <translation>Place %1 of your hand, empty</translation>
    </message>
    <message>
        <source>Marca del lugar %1 de tu mano, vacío</source>
        <translation>Mark of place %1 of your hand, empty</translation>
    </message>
    <message>
        <source>Montón de la CPU</source>
        <translation>CPU&apos;s pile</translation>
    </message>
    <message>
        <source>Tu montón</source>
        <translation>Your pile</translation>
    </message>
    <message>
        <source>Marca del montón de la CPU</source>
        <translation>Mark of the CPU&apos;s pile</translation>
    </message>
    <message>
        <source>Marca de tu montón</source>
        <translation>Mark of your pile</translation>
    </message>
    <message>
        <source>, marcado</source>
        <translation>, marked</translation>
    </message>
    <message>
        <source>%1, vacío</source>
        <translation>%1, empty</translation>
    </message>
    <message>
        <source>%1, %2, arriba %3%4</source>
        <translation>%1, %2, %3 on top%4</translation>
    </message>
</context>
<context>
    <name>NotaDeArchivos</name>
    <message>
        <source>Archivos sin guardar</source>
        <translation>Files not saved</translation>
    </message>
</context>
<context>
    <name>NotaTutor</name>
    <message>
        <source>Deshacer (Ctrl+Z)</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Aviso de error</source>
        <translation>Mistake warning</translation>
    </message>
    <message>
        <source>Cerrar el aviso</source>
        <translation>Close the warning</translation>
    </message>
</context>
<context>
    <name>PaginaCartas</name>
    <message>
        <source>Es&amp;tilo de las caras:</source>
        <translation>&amp;Face style:</translation>
    </message>
    <message>
        <source>Reverso &amp;incluido:</source>
        <translation>Game&apos;s own bac&amp;k:</translation>
    </message>
    <message>
        <source>El reverso incluido se muestra mientras no haya una imagen propia en «Reverso», en la página Escritorio; si la hay, se muestra esa imagen.</source>
        <translation>The game&apos;s own back shows while there is no picture of your own in “Back”, on the Desktop page; if there is one, that picture shows.</translation>
    </message>
    <message>
        <source>Muestra de la cara</source>
        <translation>Sample face</translation>
    </message>
    <message>
        <source>Muestra del reverso</source>
        <translation>Sample back</translation>
    </message>
    <message>
        <source>Estilo de las caras</source>
        <translation>Face style</translation>
    </message>
    <message>
        <source>Moderno</source>
        <translation>Modern</translation>
    </message>
    <message>
        <source>Tradicional</source>
        <translation>Traditional</translation>
    </message>
    <message>
        <source>Reverso incluido</source>
        <translation>Game&apos;s own back</translation>
    </message>
    <message>
        <source>Granate</source>
        <translation>Claret</translation>
    </message>
    <message>
        <source>Azul</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Green</translation>
    </message>
</context>
<context>
    <name>PaginaDeAyuda</name>
    <message>
        <source>Texto de la ayuda</source>
        <translation>Help text</translation>
    </message>
</context>
<context>
    <name>PanelPuntos</name>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Tú</source>
        <translation>You</translation>
    </message>
    <message>
        <source>Correr el programa elegido en Opciones</source>
        <translation>Run the program chosen in Options</translation>
    </message>
</context>
<context>
    <name>PartidaDeDemostracion</name>
    <message>
        <source>CPU 1</source>
        <translation>CPU 1</translation>
    </message>
    <message>
        <source>CPU 2</source>
        <translation>CPU 2</translation>
    </message>
</context>
<context>
    <name>PartidaGuardada</name>
    <message>
        <source>Error escribiendo archivo</source>
        <translation>Error writing file</translation>
    </message>
    <message>
        <source>Error leyendo archivo</source>
        <translation>Error reading file</translation>
    </message>
</context>
<context>
    <name>PathLabel</name>
    <message>
        <source>Haz clic para elegir un archivo</source>
        <translation>Click to choose a file</translation>
    </message>
</context>
<context>
    <name>PreguntasDelJuego</name>
    <message>
        <source>Número de la partida (del 1 al %1):</source>
        <translation>Game number (1 to %1):</translation>
    </message>
    <message>
        <source>Elegir partida</source>
        <translation>Choose game</translation>
    </message>
    <message>
        <source>«%1» no es un número de partida: escribe un número entero del 1 al %2.</source>
        <translation>“%1” is not a game number: type a whole number from 1 to %2.</translation>
    </message>
    <message>
        <source>Archivos (*.dat)</source>
        <translation>Files (*.dat)</translation>
    </message>
    <message>
        <source>¿Terminar con el juego actual?</source>
        <translation>End the current game?</translation>
    </message>
    <message>
        <source>Abrir juego</source>
        <translation>Open game</translation>
    </message>
    <message>
        <source>Nuevo Nick</source>
        <translation>New nickname</translation>
    </message>
    <message>
        <source>¿Salir del juego?</source>
        <translation>Quit the game?</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>Propiedades</name>
    <message>
        <source>El archivo de propiedades no existe o esta dañado</source>
        <translation>The preferences file is missing or damaged</translation>
    </message>
    <message>
        <source>Hubo un error</source>
        <translation>An error occurred</translation>
    </message>
    <message>
        <source>No se pudieron guardar las preferencias</source>
        <translation>The preferences could not be saved</translation>
    </message>
</context>
<context>
    <name>QtDialogService</name>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>RegistroDeJugadas</name>
    <message>
        <source>Partida %1</source>
        <translation>Game %1</translation>
    </message>
    <message>
        <source>Partida nueva</source>
        <translation>Game (new)</translation>
    </message>
    <message>
        <source>Partida abierta de un archivo</source>
        <translation>Game opened from a file</translation>
    </message>
    <message>
        <source>Mano %1</source>
        <translation>Hand %1</translation>
    </message>
    <message>
        <source>Mano para la CPU: %1 a %2</source>
        <translation>Hand to the CPU: %1 to %2</translation>
    </message>
    <message>
        <source>Mano para %1: %2 a %3</source>
        <translation>Hand to %1: %2 to %3</translation>
    </message>
    <message>
        <source>Mano empatada: %1 a %2</source>
        <translation>Hand tied: %1 to %2</translation>
    </message>
</context>
<context>
    <name>ResultadoDeMano</name>
    <message>
        <source>Cpu gana la mano</source>
        <translation>The CPU wins the hand</translation>
    </message>
    <message>
        <source>%1 gana la mano</source>
        <translation>%1 wins the hand</translation>
    </message>
    <message>
        <source>Mano empatada</source>
        <translation>The hand is tied</translation>
    </message>
</context>
<context>
    <name>ResultadosEnMesa</name>
    <message>
        <source>Sí</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Sí, jugar de nuevo</source>
        <translation>Yes, play again</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No, salir del juego</source>
        <translation>No, quit the game</translation>
    </message>
    <message>
        <source>&amp;Revisar</source>
        <translation>&amp;Review</translation>
    </message>
    <message>
        <source>Revisar la partida</source>
        <translation>Review the game</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>¿Jugar de nuevo?</source>
        <translation>Play again?</translation>
    </message>
</context>
<context>
    <name>ResumenEnMesa</name>
    <message>
        <source>Resumen de la mano</source>
        <translation>Summary of the hand</translation>
    </message>
    <message>
        <source>Contando puntajes</source>
        <translation>Counting scores</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Tú</source>
        <translation>You</translation>
    </message>
    <message>
        <source>Cartas</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>Puntos</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Pulsa una tecla o haz clic para seguir</source>
        <translation>Press a key or click to go on</translation>
    </message>
</context>
<context>
    <name>RevisionFrm</name>
    <message>
        <source>Revisión de la partida</source>
        <translation>Game review</translation>
    </message>
    <message>
        <source>Jugadas de la partida</source>
        <translation>Moves of the game</translation>
    </message>
    <message>
        <source>&amp;Jugadas:</source>
        <translation>&amp;Moves:</translation>
    </message>
    <message>
        <source>Tu &amp;probabilidad de ganar a lo largo de la partida:</source>
        <translation>Your &amp;chance to win across the game:</translation>
    </message>
    <message>
        <source>Revisando la partida…</source>
        <translation>Reviewing the game…</translation>
    </message>
    <message>
        <source>Progreso de la revisión</source>
        <translation>Review progress</translation>
    </message>
    <message>
        <source>%v de %m jugadas</source>
        <translation>%v of %m moves</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Cancelar la revisión</source>
        <translation>Cancel the review</translation>
    </message>
    <message>
        <source>C&amp;opiar</source>
        <translation>C&amp;opy</translation>
    </message>
    <message>
        <source>Copiar la revisión</source>
        <translation>Copy the review</translation>
    </message>
    <message>
        <source>Ce&amp;rrar</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Mano %1</source>
        <translation>Hand %1</translation>
    </message>
    <message>
        <source>La partida no tiene jugadas todavía.</source>
        <translation>The game has no moves yet.</translation>
    </message>
    <message>
        <source>Revisión cancelada: %1 de %2 jugadas revisadas. %3</source>
        <translation>Review cancelled: %1 of %2 moves reviewed. %3</translation>
    </message>
    <message>
        <source>Resumen: %1</source>
        <translation>Summary: %1</translation>
    </message>
</context>
<context>
    <name>RotulosClasicos</name>
    <message>
        <source>Puntajes</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Cpu</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Humano</source>
        <translation>Human</translation>
    </message>
    <message>
        <source> Monton CPU</source>
        <translation> CPU pile</translation>
    </message>
    <message>
        <source>Tu Monton</source>
        <translation>Your pile</translation>
    </message>
    <message>
        <source>Zelbo, un juego de naipes para una persona</source>
        <translation>Zelbo, a card game for one player</translation>
    </message>
    <message>
        <source>Sugerencias: zelbo@example.org</source>
        <translation>Suggestions: zelbo@example.org</translation>
    </message>
</context>
<context>
    <name>SeguimientoPartida</name>
    <message>
        <source>Historial</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Historial de la partida</source>
        <translation>Game history</translation>
    </message>
    <message>
        <source>Jugadas de la partida</source>
        <translation>The game&apos;s moves</translation>
    </message>
    <message>
        <source>Cada jugada de los dos jugadores, la más reciente al final</source>
        <translation>Every move of both players, the newest last</translation>
    </message>
    <message>
        <source>Partida %1</source>
        <translation>Game %1</translation>
    </message>
    <message>
        <source>Mano</source>
        <comment>first word of a hand&apos;s lines in the history</comment>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Partida</source>
        <comment>first word of a game&apos;s lines in the history</comment>
        <translation>Game</translation>
    </message>
</context>
<context>
    <name>Seleccion</name>
    <message>
        <source>Solo puedes levantar cartas de un mismo tipo</source>
        <translation>You can only take cards of one suit</translation>
    </message>
    <message>
        <source>Debes seleccionar solo una de tus cartas</source>
        <translation>Select only one of your cards</translation>
    </message>
    <message>
        <source>No puedes levantar cartas y el monton a la vez</source>
        <translation>You cannot take table cards and the pile at once</translation>
    </message>
    <message>
        <source>Selecciona una carta de la mesa</source>
        <translation>Select a card on the table</translation>
    </message>
    <message>
        <source>No puedes poner la carta en tu montón y levantar a la vez</source>
        <translation>You cannot put the card on your pile and lift at the same time</translation>
    </message>
</context>
<context>
    <name>SoltarEnMesa</name>
    <message>
        <source>%1 no es del palo %2: no levanta nada</source>
        <translation>%1 does not share the suit %2: it takes nothing</translation>
    </message>
</context>
<context>
    <name>StatisticsFile</name>
    <message>
        <source>No se ha podido leer el archivo de estadísticas. Se deja como está, y las partidas de esta sesión se cuentan sin guardarlas en él.</source>
        <translation>The statistics file could not be read. It is left as it is, and this session’s games are counted without being saved in it.</translation>
    </message>
    <message>
        <source>El archivo de estadísticas está dañado y no se ha podido apartar. Se deja como está, y las partidas de esta sesión se cuentan sin guardarlas en él.</source>
        <translation>The statistics file is damaged and could not be set aside. It is left as it is, and this session’s games are counted without being saved in it.</translation>
    </message>
    <message>
        <source>El archivo de estadísticas estaba dañado. Se ha apartado como «%1» y las estadísticas empiezan de cero.</source>
        <translation>The statistics file was damaged. It has been set aside as “%1” and the statistics start again from zero.</translation>
    </message>
</context>
<context>
    <name>TecladoTablero</name>
    <message>
        <source>Marca una sola de tus cartas para ponerla en tu montón</source>
        <translation>Mark just one of your cards to put it on your pile</translation>
    </message>
    <message>
        <source>Espacio marca, Intro juega</source>
        <translation>Space marks, Enter plays</translation>
    </message>
    <message>
        <source>sin marcar</source>
        <translation>unmarked</translation>
    </message>
    <message>
        <source>marcado</source>
        <translation>marked</translation>
    </message>
    <message>
        <source>marcada</source>
        <translation>marked</translation>
    </message>
</context>
<context>
    <name>TextosRevision</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>dudosa</source>
        <translation>doubtful</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>grave</source>
        <translation>blunder</translation>
    </message>
    <message>
        <source>%1. Tu probabilidad de ganar: del %2 al %3.</source>
        <translation>%1. Your chance to win: from %2 to %3.</translation>
    </message>
    <message>
        <source>%1: pierdes %2 puntos.</source>
        <translation>%1: you lose %2 points.</translation>
    </message>
    <message>
        <source>Mejor: %1.</source>
        <translation>Better: %1.</translation>
    </message>
    <message>
        <source>No hay jugadas tuyas que revisar.</source>
        <translation>There are no moves of yours to review.</translation>
    </message>
    <message>
        <source>1 dudosa</source>
        <translation>1 doubtful</translation>
    </message>
    <message>
        <source>%1 dudosas</source>
        <translation>%1 doubtful</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 error</translation>
    </message>
    <message>
        <source>%1 errores</source>
        <translation>%1 errors</translation>
    </message>
    <message>
        <source>1 grave</source>
        <translation>1 blunder</translation>
    </message>
    <message>
        <source>%1 graves</source>
        <translation>%1 blunders</translation>
    </message>
    <message>
        <source>Ninguna jugada dudosa</source>
        <translation>No doubtful move</translation>
    </message>
    <message>
        <source>%1; pérdida media %2 puntos por jugada</source>
        <translation>%1; mean loss %2 points per move</translation>
    </message>
    <message>
        <source>La mano: del %1 al %2.</source>
        <translation>The hand: from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>TurnosDelJuego</name>
    <message>
        <source>La CPU eligió una jugada no válida.</source>
        <translation>The CPU chose an invalid move.</translation>
    </message>
    <message>
        <source>Contando puntajes</source>
        <translation>Counting scores</translation>
    </message>
</context>
<context>
    <name>TutorEnHilo</name>
    <message>
        <source>pon %1 en tu montón</source>
        <translation>put %1 on your pile</translation>
    </message>
    <message>
        <source>llévate el montón de la CPU con %1</source>
        <translation>take the CPU&apos;s pile with %1</translation>
    </message>
    <message>
        <source>levanta %1 con %2</source>
        <translation>take %1 with %2</translation>
    </message>
    <message>
        <source>tira %1 a la mesa</source>
        <translation>lay %1 on the table</translation>
    </message>
    <message>
        <source>Esta jugada baja tu probabilidad de ganar del %1 % al %2 %. Mejor: %3.</source>
        <translation>This move lowers your chance of winning from %1% to %2%. Better: %3.</translation>
    </message>
</context>
<context>
    <name>WinnerDialogFrm</name>
    <message>
        <source>Resultados</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Ganador %1</source>
        <translation>Winner %1</translation>
    </message>
    <message>
        <source>Puntos de la CPU</source>
        <translation>The CPU&apos;s points</translation>
    </message>
    <message>
        <source>Tus puntos</source>
        <translation>Your points</translation>
    </message>
    <message>
        <source>Has ganado la partida</source>
        <translation>You won the game</translation>
    </message>
    <message>
        <source>La CPU gana la partida</source>
        <translation>The CPU wins the game</translation>
    </message>
    <message>
        <source>%1. %2: %3, %4: %5</source>
        <translation>%1. %2: %3, %4: %5</translation>
    </message>
    <message>
        <source>&amp;Revisar</source>
        <translation>&amp;Review</translation>
    </message>
    <message>
        <source>Revisar la partida</source>
        <translation>Review the game</translation>
    </message>
    <message>
        <source>&amp;Continuar</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>Cierra los resultados; luego se pregunta si jugar de nuevo</source>
        <translation>Closes the results; then you are asked whether to play again</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>side: points</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ZelboFrm</name>
    <message>
        <source>Mensajes del juego</source>
        <translation>Game messages</translation>
    </message>
    <message>
        <source>No se puede cargar la imagen de fondo %1</source>
        <translation>Cannot load the background picture %1</translation>
    </message>
    <message>
        <source>No hay programa elegido: elígelo en Opciones</source>
        <translation>No program chosen: choose one in Options</translation>
    </message>
    <message>
        <source>Ahora se muestra la mesa moderna</source>
        <translation>The modern table is shown now</translation>
    </message>
    <message>
        <source>Ahora se muestra la mesa clásica</source>
        <translation>The classic table is shown now</translation>
    </message>
    <message>
        <source>Sonidos activados</source>
        <translation>Sounds on</translation>
    </message>
    <message>
        <source>Sonidos desactivados</source>
        <translation>Sounds off</translation>
    </message>
</context>
<context>
    <name>ZelboGame</name>
    <message>
        <source>Error leyendo archivo</source>
        <translation>Error reading file</translation>
    </message>
</context>
<context>
    <name>classPlayer</name>
    <message>
        <source>Desbordamiento: %1 no cabe en los puntos</source>
        <translation>Overflow: %1 does not fit in the points</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Juego de naipes contra la CPU.</source>
        <translation>A card game against the CPU.</translation>
    </message>
    <message>
        <source>Empieza la partida número N (del 1 al %1).</source>
        <translation>Starts game number N (1 to %1).</translation>
    </message>
    <message>
        <source>zelbo: --partida espera un número del 1 al %1
</source>
        <translation>zelbo: --partida expects a number from 1 to %1
</translation>
    </message>
    <message>
        <source>zelbo: el juego ya está abierto y no responde
</source>
        <translation>zelbo: the game is already open and does not answer
</translation>
    </message>
    <message>
        <source>El juego ya está abierto en esta sesión, pero no responde. Ciérralo, o termina su proceso, y vuelve a abrirlo.</source>
        <translation>The game is already open in this session, but it does not answer. Close it, or end its process, and open it again.</translation>
    </message>
</context>
<context>
    <name>preferenciasfrm</name>
    <message>
        <source>Opciones</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Escritorio</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Opciones de escritorio</source>
        <translation>Desktop options</translation>
    </message>
    <message>
        <source>Juego</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Opciones de la partida</source>
        <translation>Game options</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Vuelve a las preferencias de fábrica</source>
        <translation>Go back to the factory preferences</translation>
    </message>
    <message>
        <source>Nivel de la CPU</source>
        <translation>CPU level</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Difícil</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>&amp;Nivel de la CPU:</source>
        <translation>CPU &amp;level:</translation>
    </message>
    <message>
        <source>Un nivel nuevo se aplica desde la próxima partida.</source>
        <translation>A new level applies from the next game on.</translation>
    </message>
    <message>
        <source>Velocidad de la CPU</source>
        <translation>CPU speed</translation>
    </message>
    <message>
        <source>Lenta</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Rápida</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Sin pausas</source>
        <translation>No pauses</translation>
    </message>
    <message>
        <source>&amp;Velocidad de la CPU:</source>
        <translation>CPU &amp;speed:</translation>
    </message>
    <message>
        <source>&amp;Animaciones</source>
        <translation>&amp;Animations</translation>
    </message>
    <message>
        <source>Animaciones</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>Carta</source>
        <translation>Card</translation>
    </message>
    <message>
        <source>(por defecto)</source>
        <translation>(default)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Haz clic para elegir el color de fondo</source>
        <translation>Click to choose the background color</translation>
    </message>
    <message>
        <source>Aplicacion de fondo</source>
        <translation>Background application</translation>
    </message>
    <message>
        <source>(ninguno)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No se pudo guardar el nivel de la CPU.</source>
        <translation>The CPU level could not be saved.</translation>
    </message>
    <message>
        <source>Este cambio tendra efecto cuando reinicie el juego</source>
        <translation>This change takes effect when you restart the game</translation>
    </message>
    <message>
        <source>Esta operacion tendra efecto cuando reinicie el juego</source>
        <translation>This operation takes effect when you restart the game</translation>
    </message>
    <message>
        <source>(*.exe);;(*.bat);;(*.com);;Todos (*.*)</source>
        <translation>(*.exe);;(*.bat);;(*.com);;All (*.*)</translation>
    </message>
    <message>
        <source>Programas (*);;Todos (*)</source>
        <translation>Programs (*);;All (*)</translation>
    </message>
    <message>
        <source>Imagenes (*.jpg *.bmp)</source>
        <translation>Images (*.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Páginas de opciones</source>
        <translation>Option pages</translation>
    </message>
    <message>
        <source>&amp;Reverso</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Reverso de las cartas</source>
        <translation>Card back</translation>
    </message>
    <message>
        <source>Color de fondo</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>&amp;Fondo</source>
        <translation>Back&amp;ground</translation>
    </message>
    <message>
        <source>Aplicación de fondo</source>
        <translation>Background application</translation>
    </message>
    <message>
        <source>Experto</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Mostrar &amp;probabilidad de ganar</source>
        <translation>Show the &amp;chance of winning</translation>
    </message>
    <message>
        <source>Mostrar probabilidad de ganar</source>
        <translation>Show the chance of winning</translation>
    </message>
    <message>
        <source>Avisarme de los &amp;errores</source>
        <translation>Warn me of &amp;mistakes</translation>
    </message>
    <message>
        <source>Avisarme de los errores</source>
        <translation>Warn me of mistakes</translation>
    </message>
    <message>
        <source>Mesa</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Clásica</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Moderna</source>
        <translation>Modern</translation>
    </message>
    <message>
        <source>&amp;Mesa:</source>
        <translation>&amp;Table:</translation>
    </message>
    <message>
        <source>Cartas</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>Aspecto de las cartas</source>
        <translation>How the cards look</translation>
    </message>
    <message>
        <source>&amp;Sonidos del juego</source>
        <translation>Game soun&amp;ds</translation>
    </message>
    <message>
        <source>Sonidos del juego</source>
        <translation>Game sounds</translation>
    </message>
</context>
</TS>
