// SPDX-License-Identifier: GPL-3.0-or-later

#include "zelbogame.h"

#include "legalidad.h"
#include "pista.h"
#include "planturnocpu.h"
#include "seleccion.h"
#include "soltarenmesa.h"
#include "zelboerror.h"
#include "zelbomod.h"

#include <utility>

using Botones = DialogService::Botones;
using Icono = DialogService::Icono;
using Respuesta = DialogService::Respuesta;

namespace {
constexpr int kCartas = Mazo::kCartas;
// Past this many dealt cards the last round is being played.
constexpr int kUltimaRonda = 34;
} // namespace

QString ZelboGame::cartelUltimaRonda()
{
    return tr("Ultima ronda");
}

ZelboGame::ZelboGame(const QString &programDir, ZelboView &vista, DialogService &dialogos,
                     RandomSource &azar, AjustesJuego &ajustes, ArchivoDePropiedades archivo)
    : ZelboGame(Ubicaciones::junto(programDir), vista, dialogos, azar, ajustes, archivo)
{
}

ZelboGame::ZelboGame(Ubicaciones lugares, ZelboView &vista, DialogService &dialogos,
                     RandomSource &azar, AjustesJuego &ajustes, ArchivoDePropiedades archivo)
    : m_lugares(std::move(lugares))
    , m_vista(vista)
    , m_dialogos(dialogos)
    , m_azar(azar)
    , m_cacheMazo(m_lugares.datos())
    , m_preferencias(m_estado, vista, dialogos, ajustes,
                     archivo == ArchivoDePropiedades::Usar
                         ? m_lugares.delUsuario(QStringLiteral("lastprop.dat"))
                         : QString())
    , m_partidas(dialogos)
    , m_finDeMano(m_estado, vista, dialogos,
                  [this] {
                      if (m_conservada)
                          m_conservada->partidaCerrada();
                      SaveProperty();
                      Salir();
                  })
    , m_historia(m_estado, azar)
{
    m_finDeMano.setAlTerminar(
        [this] {
            if (m_conservada)
                m_conservada->manoTerminada(m_estado);
        },
        [this] {
            if (m_conservada)
                m_conservada->partidaTerminada(m_estado);
        });
}

// Every entry point and every step that comes back later runs through here: a
// failure is shown and ends the program with status 1; once it has ended, nothing runs.
template<class Procedimiento> void ZelboGame::ejecutar(const Procedimiento &procedimiento)
{
    if (m_terminado)
        return;
    try {
        procedimiento();
    } catch (const ZelboError &e) {
        fallo(e.text());
    } catch (const std::exception &e) {
        fallo(QString::fromLocal8Bit(e.what()));
    }
}

template<class Paso> auto ZelboGame::despues(Paso paso)
{
    return [this, paso](auto &&...valores) { this->ejecutar([&] { paso(valores...); }); };
}

void ZelboGame::fallo(const QString &texto)
{
    m_dialogos.mensaje(texto, DialogService::kTitulo, Botones::Ok, Icono::Critico);
    m_terminado = true;
    m_estadoSalida = 1;
    m_vista.Salir(1);
}

void ZelboGame::aviso(const QString &texto)
{
    m_dialogos.mensaje(texto, DialogService::kTitulo, Botones::Ok, Icono::Ninguno);
}

void ZelboGame::avisoDeJugada(const QString &texto)
{
    if (!m_vista.avisoDeJugada(texto))
        aviso(texto);
}

void ZelboGame::iniciar()
{
    // The records are members, created with the game; a start only deals, unless the
    // game kept from the last run goes on.
    ejecutar([this] {
        if (!reanudar())
            empezarPartida(m_partidaInicial);
    });
}

// A game: the level asked for, its number, then the first hand.
void ZelboGame::empezarPartida(std::optional<int> numero)
{
    usarNivel(m_fuenteDeNivel ? m_fuenteDeNivel() : NivelCpu::Normal);
    if (!numero && m_sorteo)
        numero = 1 + static_cast<int>(m_sorteo->next() * kMaxPartida);
    if (numero) {
        m_numeroPartida = *numero;
        m_azar.sembrar(static_cast<std::uint64_t>(*numero));
    }
    m_historia.nuevaPartida(m_numeroPartida);
    NuevoJuego();
}

void ZelboGame::usarNivel(NivelCpu nivel)
{
    if (nivel != m_nivel) {
        m_electorNivel = NivelesCpu::crearElector(nivel);
        m_nivel = nivel;
    }
}

void ZelboGame::elegirPartida(int numero)
{
    ejecutar([this, numero] {
        abandonar();
        m_estado.ReiniciarMano();
        m_estado.numeroDeMano = 1;
        m_estado.jugadorCpu.a_puntos(0);
        m_estado.jugadorHumano.a_puntos(0);
        // From nothing, as at the program's start, so the number alone makes the game.
        m_estado.ultimoEnLevantar = Lado::Nadie;
        empezarPartida(numero);
    });
}

void ZelboGame::elegirpartidamnu_Click()
{
    std::optional<int> numero;
    ejecutar([this, &numero] {
        const QString pregunta = tr("Número de la partida (del 1 al %1):").arg(kMaxPartida);
        const std::optional<QString> texto = m_dialogos.pedirTexto(pregunta, tr("Elegir partida"));
        if (!texto)
            return;
        bool ok = false;
        const int n = texto->trimmed().toInt(&ok);
        if (ok && n >= 1 && n <= kMaxPartida)
            numero = n;
        else
            aviso(tr("«%1» no es un número de partida: escribe un número entero "
                     "del 1 al %2.")
                      .arg(texto->trimmed())
                      .arg(kMaxPartida));
    });
    if (numero)
        elegirPartida(*numero);
}

void ZelboGame::deshacer()
{
    ejecutar([this] {
        if (m_historia.deshacer())
            volverAlTurno();
    });
}

void ZelboGame::rehacer()
{
    ejecutar([this] {
        if (m_historia.rehacer())
            volverAlTurno();
    });
}

// A human turn taken back or forward to: shown as the turn it was.
void ZelboGame::volverAlTurno()
{
    UpdateForm();
    m_vista.setCartel(m_estado.cartasRepartidas > 34 ? m_cartelUltimaRonda : cartelHumano());
    // Kept as it is now, with its hand: a restart goes on from the position taken back.
    if (m_conservada)
        m_conservada->turnoHumano(m_estado);
}

// A damaged preferences file is told first, over the shown window; the deal waits for
// the box to close.
void ZelboGame::NuevoJuego()
{
    m_esperaAlJugador = false;
    if (!m_preferencias.leer()) {
        m_vista.mostrarVentana();
        m_dialogos.abrirMensaje(Propiedades::textoDeArchivoDanado(), Propiedades::tituloDeError(),
                                Botones::Ok, Icono::Critico, {},
                                despues([this](Respuesta) { repartirPartida(); }));
        return;
    }
    m_vista.mostrarVentana();
    repartirPartida();
}

void ZelboGame::repartirPartida()
{
    m_estado.primerReparto = true;
    m_estado.cartasRepartidas = 0;
    m_estado.turno = static_cast<Lado>(static_cast<int>(2 * m_azar.next() + 1));
    prepararPartida();
    SiguienteTurno();
}

void ZelboGame::prepararPartida()
{
    m_vista.prepararResultados();
    m_cacheMazo.cargar(m_estado.mazo);
    CargarReversos();
}

// The kept game, when the player takes it up: the board as it was left, the human to play.
bool ZelboGame::reanudar()
{
    if (!m_conservada)
        return false;
    // A game chosen by its number replaces the kept one without a question.
    const std::optional<KeptGame> guardada = m_conservada->alIniciar(!m_partidaInicial);
    if (!guardada)
        return false;
    m_preferencias.cargar();
    prepararPartida();
    if (!m_conservada->reanudar(m_estado, *guardada)) {
        aviso(tr("Error leyendo archivo"));
        m_conservada->partidaCerrada();
        return false;
    }
    // The kept game goes on at the level it was started with.
    usarNivel(NivelesCpu::deClave(guardada->nivelCpu).value_or(NivelCpu::Normal));
    m_numeroPartida = static_cast<int>(guardada->numeroPartida);
    m_historia.registro().nuevaPartida(m_numeroPartida);
    m_historia.reanudar(guardada->deshacer);
    // A side file of an earlier release does not say what the heading showed: the
    // player's name, as that release showed it.
    m_nombreEnMarcador = guardada->nombreEnMarcador.value_or(m_estado.jugadorHumano.nombre());
    m_vista.mostrarVentana();
    if (!m_nombreEnMarcador.isEmpty())
        m_vista.mostrarNombreJugador(m_nombreEnMarcador);
    UpdateForm();
    m_vista.setCartel(cartelHumano());
    if (m_estado.cartasRepartidas > 34)
        m_vista.setCartel(m_cartelUltimaRonda);
    esperarAlJugador();
    return true;
}

void ZelboGame::setConservada(PartidaConservada *conservada)
{
    m_conservada = conservada;
    if (!m_conservada)
        return;
    m_conservada->setNumeroPartida([this] { return qint64 { m_numeroPartida }; });
    m_conservada->setDeshacer([this] { return m_historia.aBytes(); });
    m_conservada->setNombreEnMarcador([this] { return m_nombreEnMarcador; });
}

void ZelboGame::jugadaHumana()
{
    if (m_conservada)
        m_conservada->jugadaHumana(m_estado);
}

// Another game replaces the one in progress: it ends here, abandoned, and is kept no more.
// The new one is kept once the human moves in it.
void ZelboGame::abandonar()
{
    if (m_conservada)
        m_conservada->abandonar();
}

void ZelboGame::CargarReversos()
{
    m_preferencias.cargarReverso(m_lugares.dato(QStringLiteral("dibujo.jpg")));
}

void ZelboGame::Salir()
{
    m_terminado = true;
    m_estadoSalida = 0;
    m_vista.Salir(0);
}

void ZelboGame::nuevomnu_Click()
{
    ejecutar([this] {
        if (m_conservada)
            m_conservada->manoAbandonada(m_estado);
        m_historia.olvidar();
        m_estado.ReiniciarMano();
        NuevoJuego();
    });
}

void ZelboGame::salirmnu_Click()
{
    ejecutar([this] {
        const Respuesta r = m_dialogos.mensaje(tr("¿Salir del juego?"), tr("Salir"),
                                               Botones::OkCancel, Icono::Ninguno);
        if (r == Respuesta::Ok) {
            if (m_conservada)
                m_conservada->alSalir(m_estado);
            SaveProperty();
            Salir();
        }
    });
}

void ZelboGame::ejecutarAplicacion()
{
    // The view tells the player of a program it cannot find or start; the game goes on.
    ejecutar([this] { m_vista.iniciarPrograma(m_preferencias.valores().aplicacion); });
}

// A close asked for during a move waits for it: it is carried out once the player is
// to play again.
void ZelboGame::Form_Terminate()
{
    if (!m_esperaAlJugador) {
        m_cierrePedido = true;
        return;
    }
    ejecutar([this] {
        if (m_conservada)
            m_conservada->alSalir(m_estado);
        SaveProperty();
        Salir();
    });
}

void ZelboGame::SiguienteTurno()
{
    m_esperaAlJugador = false;
    const GameState &e = m_estado;
    if (e.player1.isEmpty() && e.player2.isEmpty()) {
        if (e.cartasRepartidas == kCartas) {
            // A move that ends the hand gets no reply to wait for.
            m_porRevisar.reset();
            if (m_vista.finDeManoEnTablero()) {
                ContarPuntajes();
                return;
            }
            m_dialogos.abrirMensaje(m_contandoPuntajes, DialogService::kTitulo, Botones::Ok,
                                    Icono::Ninguno, {},
                                    despues([this](Respuesta) { ContarPuntajes(); }));
            return;
        }
        Repartir();
    }
    darTurno();
}

void ZelboGame::ContarPuntajes()
{
    m_historia.registro().finDeMano(m_estado);
    m_finDeMano.ContarPuntajes(despues([this](bool otraPartida) {
        if (otraPartida) {
            empezarPartida(std::nullopt);
            return;
        }
        Repartir();
        darTurno();
    }));
}

void ZelboGame::Repartir()
{
    GameState &e = m_estado;
    if (e.primerReparto)
        m_historia.registro().nuevaMano();
    Zelbomod::Repartir(e.lamesa, e.player1, e.player2, e.mazo, kCartas, e.cartasRepartidas,
                       e.primerReparto, 3, 3, 4, m_azar);
    UpdateForm();
}

// The side to play gets the turn: the CPU plays at once, the human is waited for.
void ZelboGame::darTurno()
{
    GameState &e = m_estado;
    if (e.turno == Lado::Cpu) {
        m_vista.setCartel(m_cartelCpu);
        e.turno = Lado::Humano;
        TurnoCpu();
        return;
    }
    if (e.turno != Lado::Humano)
        return;
    m_vista.setCartel(cartelHumano());
    e.turno = Lado::Cpu;
    m_porRevisar.reset();
    m_historia.anotarTurnoHumano();
    if (m_conservada)
        m_conservada->turnoHumano(e);
    // The last round's sign names nobody; it stays while the human is to play.
    if (e.cartasRepartidas > kUltimaRonda)
        m_vista.setCartel(m_cartelUltimaRonda);
    esperarAlJugador();
}

// Every move is done: the game rests until the player's next move, or carries out
// the close asked for meanwhile.
void ZelboGame::esperarAlJugador()
{
    m_esperaAlJugador = true;
    if (m_cierrePedido) {
        m_cierrePedido = false;
        Form_Terminate();
        return;
    }
    m_vista.turnoDelJugador();
}

// Built again only when the name changed: the caption is shown at every turn.
// The name kept here shares its text with the player's until the name is
// changed, so the same text is told without comparing the letters.
const QString &ZelboGame::cartelHumano()
{
    const QString &nombre = m_estado.jugadorHumano.nombre();
    const bool mismo = m_nombreEnCartel.constData() == nombre.constData()
        && m_nombreEnCartel.size() == nombre.size();
    if (m_cartelHumano.isEmpty() || (!mismo && m_nombreEnCartel != nombre)) {
        m_nombreEnCartel = nombre;
        m_cartelHumano = tr("Juega %1").arg(m_nombreEnCartel);
    }
    return m_cartelHumano;
}

// Every move ends here: each move and turn starts with no table or hand card
// marked, and a pile mark goes with its pile.
void ZelboGame::UpdateForm()
{
    Seleccion::LimpiarSeleccion(m_estado.marcas);
    if (m_estado.player1Lev.isEmpty())
        m_estado.marcas.CheckMonton[0] = false;
    if (m_estado.player2Lev.isEmpty())
        m_estado.marcas.CheckMonton[1] = false;
    m_vista.UpdateForm();
}

void ZelboGame::TirarCarta(int slot, CardList &mano)
{
    if (&mano == &m_estado.player2)
        jugadaHumana();
    m_estado.lamesa.append(mano.at(slot));
    mano.removeAt(slot);
    UpdateForm();
    SiguienteTurno();
}

void ZelboGame::TirarAlMonton(const Imagen &fuente)
{
    const bool humano = fuente.grupo == GrupoImagen::cartap2img;
    CardList &mano = humano ? m_estado.player2 : m_estado.player1;
    CardList &monton = humano ? m_estado.player2Lev : m_estado.player1Lev;
    if (humano)
        jugadaHumana();
    monton.insert(0, mano.at(fuente.indice));
    mano.removeAt(fuente.indice);
    UpdateForm();
    SiguienteTurno();
}

// The human's lift, as the marks make it.
void ZelboGame::Levantar()
{
    jugadaHumana();
    Captura::Levantar(m_estado, Lado::Humano);
    UpdateForm();
    SiguienteTurno();
}

void ZelboGame::marcar(GrupoMarca grupo, int indice)
{
    if (const auto rechazo = Seleccion::MarcarCarta(m_estado, grupo, indice, Lado::Humano))
        avisoDeJugada(*rechazo);
}

// Kept for the tutor only while there is one.
void ZelboGame::anotarJugadaHumana(const Jugada &jugada)
{
    if (m_tutor)
        m_porRevisar.emplace(m_estado, jugada);
}

// The tutor, when there is one, has its say on the human's move first.
void ZelboGame::TurnoCpu()
{
    // A mark the human put on the own pile must not steer the CPU's choice.
    m_estado.marcas.CheckMonton[1] = false;
    if (m_tutor && m_porRevisar) {
        const auto [antes, jugada] = *std::exchange(m_porRevisar, std::nullopt);
        m_tutor->revisar(antes, jugada, despues([this] { pensarCpu(); }));
        return;
    }
    pensarCpu();
}

// The CPU chooses, off the window's thread when a thinker is set; its move is told,
// shown beat by beat, then carried out.
void ZelboGame::pensarCpu()
{
    ElectorJugada &elector = m_electorFijo ? *m_electorFijo : *m_electorNivel;
    if (m_pensador) {
        m_pensador->pensar(elector, m_estado, Lado::Cpu,
                           despues([this](const Jugada &jugada) { mostrarJugadaCpu(jugada); }));
        return;
    }
    Jugada jugada;
    elector.elegirEn(m_estado, Lado::Cpu, jugada);
    mostrarJugadaCpu(jugada);
}

void ZelboGame::mostrarJugadaCpu(const Jugada &jugada)
{
    if (!Legalidad::esLegal(m_estado, jugada, Lado::Cpu))
        throw ZelboError(tr("La CPU eligió una jugada no válida."));
    m_historia.registro().jugadaCpu(m_estado, jugada);
    m_vista.jugadaCpu(jugada, m_estado);
    m_vista.mostrarTurnoCpu(PlanTurnoCpu::de(jugada),
                            despues([this, jugada] { jugarCpu(jugada); }));
}

void ZelboGame::jugarCpu(const Jugada &jugada)
{
    switch (jugada.tipo) {
    case Jugada::Tipo::AlMonton:
        TirarAlMonton(Imagen { GrupoImagen::cartap1img, jugada.carta });
        break;
    case Jugada::Tipo::LevantarMonton:
    case Jugada::Tipo::LevantarMesa:
        Captura::Levantar(m_estado, jugada, Lado::Cpu);
        UpdateForm();
        SiguienteTurno();
        break;
    case Jugada::Tipo::Tirar:
        TirarCarta(jugada.carta, m_estado.player1);
        break;
    }
}

void ZelboGame::mesaimg_Click(int indice)
{
    ejecutar([this, indice] {
        if (indice < m_estado.lamesa.count() && indice < Marcas::kMesa)
            marcar(GrupoMarca::CheckMesa, indice);
    });
}

void ZelboGame::cartap2img_Click(int indice)
{
    ejecutar([this, indice] {
        if (indice < m_estado.player2.count())
            marcar(GrupoMarca::Checkp2, indice);
    });
}

void ZelboGame::montonimg_Click(int indice)
{
    ejecutar([this, indice] {
        if (indice == 0 && !m_estado.player1Lev.isEmpty())
            marcar(GrupoMarca::CheckMonton, 0);
    });
}

void ZelboGame::Checkp2_Click(int indice)
{
    if (!m_terminado && indice >= 0 && indice < Marcas::kMano)
        m_estado.marcas.Checkp2.at(static_cast<std::size_t>(indice)) ^= true;
}

void ZelboGame::CheckMonton_Click(int indice)
{
    // Only the box over the human's own pile takes clicks.
    if (!m_terminado && indice == 1)
        m_estado.marcas.CheckMonton[1] ^= true;
}

void ZelboGame::LevantarBtn_Click()
{
    ejecutar([this] {
        if (const auto rechazo = Seleccion::ValidarLevantar(m_estado))
            avisoDeJugada(*rechazo);
        else {
            const Jugada jugada = RegistroDeJugadas::levantamiento(m_estado);
            m_historia.registro().jugadaHumano(m_estado, jugada);
            anotarJugadaHumana(jugada);
            Levantar();
        }
    });
}

// The hand card alone is laid, with the own pile marked it goes there; marks
// of a lift, or no single hand card, go to Levantar and its checks.
void ZelboGame::jugarMarcas()
{
    ejecutar([this] {
        const std::optional<int> slot = Seleccion::unicaMarcada(m_estado);
        const bool levantar = Seleccion::marcasDeLevantar(m_estado);
        const bool alMonton = m_estado.marcas.CheckMonton[1];
        if (!slot || (levantar && !alMonton))
            LevantarBtn_Click();
        else if (levantar)
            avisoDeJugada(Seleccion::montonYLevantar());
        else if (alMonton)
            montonimg_DragDrop(*slot);
        else
            Form_DragDrop(*slot);
    });
}

bool ZelboGame::TieneParaLevantar(int slot)
{
    if (Legalidad::esLegal(m_estado, Jugada { Jugada::Tipo::Tirar, slot, {} }, Lado::Humano))
        return false;
    avisoDeJugada(tr("Tienes cartas para levantar"));
    return true;
}

void ZelboGame::Form_DragDrop(int slot)
{
    ejecutar([this, slot] {
        if (slot < m_estado.player2.count() && !TieneParaLevantar(slot)) {
            const Jugada jugada { Jugada::Tipo::Tirar, slot, {} };
            m_historia.registro().jugadaHumano(m_estado, jugada);
            anotarJugadaHumana(jugada);
            TirarCarta(slot, m_estado.player2);
        }
    });
}

void ZelboGame::montonimg_DragDrop(int slot)
{
    ejecutar([this, slot] {
        if (slot < m_estado.player2.count()) {
            const Jugada jugada { Jugada::Tipo::AlMonton, slot, {} };
            m_historia.registro().jugadaHumano(m_estado, jugada);
            anotarJugadaHumana(jugada);
            TirarAlMonton(Imagen { GrupoImagen::cartap2img, slot });
        }
    });
}

void ZelboGame::mesaimg_DragDrop(int slot, int lugar)
{
    ejecutar([this, slot, lugar] {
        if (slot >= m_estado.player2.count() || lugar >= m_estado.lamesa.count()
            || lugar >= Marcas::kMesa)
            return;
        if (const auto jugada = SoltarEnMesa::jugada(m_estado, slot, lugar)) {
            Pista::marcar(m_estado.marcas, *jugada);
            LevantarBtn_Click();
        }
    });
}

void ZelboGame::marcarJugada(const Jugada &jugada)
{
    if (!m_terminado && jugada.carta < m_estado.player2.count())
        Pista::marcar(m_estado.marcas, jugada);
}

bool ZelboGame::GuardarJuego(const QString &fichero)
{
    return m_partidas.GuardarJuego(m_estado, fichero);
}

bool ZelboGame::CargarJuego(const QString &fichero)
{
    if (!m_partidas.CargarJuego(m_estado, fichero))
        return false;
    // A saved game holds no number, and no hand number: each hand ended gave one point.
    m_numeroPartida = 0;
    m_estado.numeroDeMano = m_estado.jugadorCpu.puntos() + m_estado.jugadorHumano.puntos() + 1;
    m_historia.partidaAbierta();
    return true;
}

void ZelboGame::guardarmnu_Click()
{
    ejecutar([this] {
        const QString fichero = m_dialogos.archivoParaGuardar(tr("Archivos (*.dat)"));
        if (!fichero.isEmpty())
            GuardarJuego(fichero);
    });
}

void ZelboGame::abrirmnu_Click()
{
    ejecutar([this] {
        const Respuesta r
            = m_dialogos.mensaje(tr("¿Terminar con el juego actual?"), tr("Abrir juego"),
                                 Botones::OkCancel, Icono::Ninguno);
        if (r != Respuesta::Ok)
            return;
        const QString fichero = m_dialogos.archivoParaAbrir(tr("Archivos (*.dat)"));
        if (fichero.isEmpty())
            return;
        if (CargarJuego(fichero))
            abandonar();
        UpdateForm();
    });
}

void ZelboGame::nombremnu_Click()
{
    ejecutar([this] {
        const std::optional<QString> nombre
            = m_dialogos.pedirTexto(tr("Nuevo Nick"), QStringLiteral("player"));
        if (!nombre)
            return;
        m_estado.jugadorHumano.a_nombre(*nombre);
        m_nombreEnMarcador = *nombre;
        m_vista.mostrarNombreJugador(*nombre);
        // The human is to play: the turn sign names the new player at once, and in
        // the last round, whose sign names nobody, the status bar does.
        m_vista.setCartel(m_estado.cartasRepartidas > kUltimaRonda ? m_cartelUltimaRonda
                                                                   : cartelHumano());
        // Saved at once, so the next game keeps the name the board shows.
        SaveProperty();
    });
}
