// SPDX-License-Identifier: GPL-3.0-or-later

#include "zelbogame.h"

#include "pista.h"
#include "seleccion.h"

#include <utility>

using Botones = DialogService::Botones;
using Icono = DialogService::Icono;
using Respuesta = DialogService::Respuesta;

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
    , m_guardia(vista, dialogos)
    , m_historia(m_estado, azar)
    , m_turnos(m_estado, vista, dialogos, azar, m_guardia, m_historia,
               [this] {
                   if (m_conservada)
                       m_conservada->partidaCerrada();
                   SaveProperty();
                   Salir();
               })
    , m_preguntas(dialogos)
{
    m_turnos.setOtraPartida([this] { empezarPartida(std::nullopt); });
    m_turnos.setAlEsperar([this] { return cerrarAplazado(); });
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
    m_guardia.ejecutar([this] {
        if (!reanudar())
            empezarPartida(m_partidaInicial);
    });
}

// A game: the level asked for, its number, then the first hand.
void ZelboGame::empezarPartida(std::optional<int> numero)
{
    m_turnos.cpu().usarNivel(m_fuenteDeNivel ? m_fuenteDeNivel() : NivelCpu::Normal);
    if (!numero && m_sorteo)
        numero = 1 + static_cast<int>(m_sorteo->next() * kMaxPartida);
    if (numero) {
        m_numeroPartida = *numero;
        m_azar.sembrar(static_cast<std::uint64_t>(*numero));
    }
    m_historia.nuevaPartida(m_numeroPartida);
    NuevoJuego();
}

void ZelboGame::elegirPartida(int numero)
{
    m_guardia.ejecutar([this, numero] {
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

// A human turn taken back or forward to: shown as the turn it was, then the move
// between the two turns told.
void ZelboGame::volverAlTurno(OrdenDelJuego orden)
{
    const bool deshacer = orden == OrdenDelJuego::Deshacer;
    if (!(deshacer ? m_historia.deshacer() : m_historia.rehacer()))
        return;
    m_turnos.UpdateForm();
    m_vista.jugadaVigente(m_historia.ultimaJugadaCpu());
    m_turnos.cartelDelJugador();
    // Kept as it is now, with its hand: a restart goes on from the position taken back.
    if (m_conservada)
        m_conservada->turnoHumano(m_estado);
    if (deshacer)
        m_vista.jugadaDeshecha(m_historia.jugadaVuelta());
    else
        m_vista.jugadaRehecha(m_historia.jugadaVuelta());
}

// A damaged preferences file is told first, over the shown window; the deal waits for
// the box to close.
void ZelboGame::NuevoJuego()
{
    m_turnos.entreTurnos();
    m_vista.mostrarVentana();
    m_vista.jugadaVigente({});
    if (!m_preferencias.leer()) {
        m_dialogos.abrirMensaje(Propiedades::textoDeArchivoDanado(), Propiedades::tituloDeError(),
                                Botones::Ok, Icono::Critico, {},
                                m_guardia.despues([this](Respuesta) { repartirPartida(); }));
        return;
    }
    repartirPartida();
}

void ZelboGame::repartirPartida()
{
    m_estado.primerReparto = true;
    m_estado.cartasRepartidas = 0;
    m_estado.turno = static_cast<Lado>(static_cast<int>(2 * m_azar.next() + 1));
    prepararPartida();
    m_turnos.SiguienteTurno();
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
    m_turnos.cpu().usarNivel(NivelesCpu::deClave(guardada->nivelCpu).value_or(NivelCpu::Normal));
    m_numeroPartida = static_cast<int>(guardada->numeroPartida);
    m_historia.registro().nuevaPartida(m_numeroPartida);
    m_historia.reanudar(guardada->deshacer);
    // A side file of an earlier release does not say what the heading showed: the
    // player's name, as that release showed it.
    m_nombreEnMarcador = guardada->nombreEnMarcador.value_or(m_estado.jugadorHumano.nombre());
    m_vista.mostrarVentana();
    if (!m_nombreEnMarcador.isEmpty())
        m_vista.mostrarNombreJugador(m_nombreEnMarcador);
    m_turnos.UpdateForm();
    m_vista.jugadaVigente(m_historia.ultimaJugadaCpu());
    m_turnos.reanudar();
    return true;
}

void ZelboGame::setConservada(KeptGameKeeper *conservada)
{
    m_conservada = conservada;
    m_turnos.setConservada(conservada);
    if (!m_conservada)
        return;
    m_conservada->setNumeroPartida([this] { return qint64 { m_numeroPartida }; });
    m_conservada->setDeshacer([this] { return m_historia.aBytes(); });
    m_conservada->setNombreEnMarcador([this] { return m_nombreEnMarcador; });
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
    m_guardia.terminar(0);
}

void ZelboGame::ordenar(OrdenDelJuego orden)
{
    if (orden == OrdenDelJuego::Cerrar && !esperaAlJugador()) {
        m_cierreAplazado = true;
        return;
    }
    m_guardia.ejecutar([this, orden] {
        switch (orden) {
        case OrdenDelJuego::Nuevo:
            return nuevaMano();
        case OrdenDelJuego::Abrir:
            return abrir();
        case OrdenDelJuego::Guardar:
            if (const QString fichero = m_preguntas.archivoParaGuardar(); !fichero.isEmpty())
                GuardarJuego(fichero);
            return;
        case OrdenDelJuego::Nombre:
            return cambiarNombre();
        case OrdenDelJuego::Salir:
            if (m_preguntas.salir())
                cerrar();
            return;
        case OrdenDelJuego::Cerrar:
            return cerrar();
        case OrdenDelJuego::Correr:
            // The view tells the player of a program it cannot find or start; the game goes on.
            m_vista.iniciarPrograma(m_preferencias.valores().aplicacion);
            return;
        case OrdenDelJuego::Deshacer:
        case OrdenDelJuego::Rehacer:
            return volverAlTurno(orden);
        case OrdenDelJuego::ElegirPartida:
            if (const std::optional<int> numero = m_preguntas.numeroDePartida(kMaxPartida))
                elegirPartida(*numero);
            return;
        }
    });
}

bool ZelboGame::cerrarAplazado()
{
    if (!std::exchange(m_cierreAplazado, false))
        return false;
    ordenar(OrdenDelJuego::Cerrar);
    return true;
}

void ZelboGame::nuevaMano()
{
    // The hand left stays in the undo history: Deshacer brings it back as it was.
    if (m_conservada)
        m_conservada->manoAbandonada(m_estado);
    m_estado.ReiniciarMano();
    NuevoJuego();
}

void ZelboGame::cerrar()
{
    if (m_conservada)
        m_conservada->alSalir(m_estado);
    SaveProperty();
    Salir();
}

void ZelboGame::pulsar(const Imagen &carta, Seleccion::MarcasDeMano mano)
{
    m_guardia.ejecutar([this, carta, mano] {
        if (const auto rechazo = Seleccion::pulsar(m_estado, carta, mano))
            avisoDeJugada(*rechazo);
    });
}

void ZelboGame::alternarMarca(const Imagen &lugar)
{
    if (!terminado())
        Seleccion::alternar(m_estado.marcas, lugar);
}

void ZelboGame::intentar(const Intento &intento)
{
    m_guardia.ejecutar([this, intento] {
        const Intento::Desenlace desenlace = intento.resolver(m_estado);
        if (desenlace.rechazo)
            avisoDeJugada(*desenlace.rechazo);
        else if (desenlace.jugada)
            m_turnos.jugarHumano(*desenlace.jugada);
    });
}

void ZelboGame::marcarJugada(const Jugada &jugada)
{
    if (!terminado() && jugada.carta < m_estado.player2.count())
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

void ZelboGame::abrir()
{
    const QString fichero = m_preguntas.archivoParaAbrir();
    if (fichero.isEmpty())
        return;
    if (CargarJuego(fichero)) {
        abandonar();
        m_vista.jugadaVigente({});
    }
    m_turnos.UpdateForm();
}

void ZelboGame::cambiarNombre()
{
    const std::optional<QString> nombre = m_preguntas.nombre();
    if (!nombre)
        return;
    m_estado.jugadorHumano.a_nombre(*nombre);
    m_nombreEnMarcador = *nombre;
    m_vista.mostrarNombreJugador(*nombre);
    // The human is to play: the turn sign names the new player at once, and in
    // the last round, whose sign names nobody, the status bar does.
    m_turnos.cartelDelJugador();
    // Saved at once, so the next game keeps the name the board shows.
    SaveProperty();
}
