// SPDX-License-Identifier: GPL-3.0-or-later

#include "zelbofrm.h"

#include "ajustesjuego.h"
#include "animadortablero.h"
#include "anunciador.h"
#include "aspectoenmesa.h"
#include "ayudastablero.h"
#include "carasdelmazo.h"
#include "cardpicture.h"
#include "colorvalue.h"
#include "compasescpu.h"
#include "electorenhilo.h"
#include "elementodemenu.h"
#include "entradademesa.h"
#include "escala.h"
#include "findemanoenventana.h"
#include "frasejugada.h"
#include "guardadeentrada.h"
#include "lineadeordenes.h"
#include "lugaresclasicos.h"
#include "mandodemostracion.h"
#include "menudelabarra.h"
#include "mesa.h"
#include "mododeventana.h"
#include "nombresaccesibles.h"
#include "notadearchivos.h"
#include "notatutor.h"
#include "primeravista.h"
#include "seguimientopartida.h"
#include "sonidosdeljuego.h"
#include "tecladotablero.h"
#include "ventanasdeljuego.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

ZelboFrm::ZelboFrm(const QString &programDir, DialogService &dialogos, RandomSource &azar,
                   Pausa &pausa, AjustesJuego &ajustes)
    : ZelboFrm(Ubicaciones::junto(programDir), dialogos, azar, pausa, ajustes)
{
}

// The window reads its pictures, help and backgrounds from the data folder.
ZelboFrm::ZelboFrm(const Ubicaciones &lugares, DialogService &dialogos, RandomSource &azar,
                   Pausa &pausa, AjustesJuego &ajustes)
    : m_programDir(lugares.datos())
    , m_dialogos(dialogos)
    , m_ajustes(ajustes)
    , m_caras(std::make_unique<CarasDelMazo>(m_cache, m_dialogos, m_programDir))
    , m_juego(lugares, *this, m_dialogos, azar, ajustes)
{
    setWindowTitle(QStringLiteral("Zelbomar"));
    auto *mesa = new Mesa(m_cache, this);
    m_mesa = mesa;
    setCentralWidget(mesa);
    m_anunciador = std::make_unique<Anunciador>(*statusBar());
    m_dialogos.setPorDecir([this] { return m_anunciador->conPendiente(QString()); });
    statusBar()->setAccessibleDescription(tr("Mensajes del juego"));
    m_notaDeArchivos = new NotaDeArchivos(*statusBar(), *m_anunciador);
    m_nombres = std::make_unique<NombresAccesibles>(*mesa);
    QAccessible::installFactory(&NombresAccesibles::fabrica);
    QAccessible::installFactory(&ElementoDeMenu::fabrica);
    QAccessible::installFactory(&MenuDeLaBarra::fabrica);
    m_teclado = new TecladoTablero(
        *mesa, m_juego, *m_anunciador,
        [this](const std::function<void(ZelboGame &)> &accion) { jugar(accion); }, this);
    installEventFilter(m_teclado);
    m_animador = new AnimadorTablero(*mesa, m_cache, ajustes, this);
    m_compases = new CompasesCpu(
        *mesa, *m_animador, pausa, ajustes,
        [this](const Marcas &marcas) {
            GameState mostrado = m_juego.estado();
            mostrado.marcas = marcas;
            mostrarMarcas(mostrado);
        },
        this);
    m_seguimiento = new SeguimientoPartida(*this, *mesa);
    m_primeraVista = new PrimeraVista(*mesa);
    // Un-maximized, the window shows the board at scale 1.
    resize(qRound(LugaresClasicos::kAncho / Escala::kTwipsPorPixel),
           qRound(LugaresClasicos::kAlto / Escala::kTwipsPorPixel) + menuBar()->sizeHint().height()
               + statusBar()->sizeHint().height());
    m_ventanas
        = std::make_unique<VentanasDelJuego>(m_programDir, m_juego, ajustes, m_dialogos, *this);
    m_demostracion = new MandoDemostracion(
        { *mesa, *m_anunciador, *m_animador, pausa, ajustes }, m_juego, m_dialogos, *statusBar(),
        [this] { volverDeDemostracion(); }, this);
    m_finDeMano
        = std::make_unique<FinDeManoEnVentana>(m_programDir, *m_anunciador, *m_ventanas, *this);
    m_sonidos = std::make_unique<SonidosDelJuego>(
        ajustes, *this, m_programDir + QStringLiteral("/sonidos"), lugares.modulos());
    crearMenus();
    m_entrada = new EntradaDeMesa(*this, m_juego, *m_anunciador, m_cache);
    m_entrada->conectar(*mesa);
    m_finDeMano->conectar(*mesa);
    m_ayudas = std::make_unique<AyudasTablero>(m_juego, ajustes, *mesa, *statusBar(), *m_anunciador,
                                               [this] { deshacermnu_Click(); });
    m_teclado->lectura().setBarra(m_ayudas->barra());
    aplicarMesa();
    aplicarAspecto();
    connect(&m_ajustes, &AjustesJuego::cambiado, this, &ZelboFrm::aplicarAspecto);
    // Input between moves first puts every card in its place, then is handled.
    auto *guarda = new GuardaDeEntrada(
        *this, [this] { return !m_juego.esperaAlJugador() && !terminado(); },
        [this] { m_animador->terminar(); });
    guarda->setLibre([this](const QObject *objeto) {
        if (m_mesa->enVeloAbierto(qobject_cast<const QWidget *>(objeto)))
            return true;
        // A panel waiting for the player leaves the menus and their shortcuts working, as a
        // window over the table does; a command for the game is taken when the game can.
        return m_mesa->enVeloAbierto(QApplication::focusWidget())
            && (qobject_cast<const QMenuBar *>(objeto) || qobject_cast<const QAction *>(objeto));
    });
}

ZelboFrm::~ZelboFrm() = default;

// Every menu item and toolbar button runs one of the window's event handlers; the
// toolbar lies on the table, and "Mesa moderna" switches the table through the settings.
void ZelboFrm::crearMenus()
{
    MenusVentana::Ordenes ordenes
        = m_ventanas->ordenes([this](MenusVentana::OrdenDelJuego orden) { (this->*orden)(); },
                              [this](const QString &clave) { Toolbar1_ButtonClick(clave); });
    ordenes.demostracion = [this] { m_demostracion->alternar(); };
    m_menus = std::make_unique<MenusVentana>(*this, std::move(ordenes));
    m_menus->crearMenus(*m_teclado, *m_seguimiento->accionHistorial());
    const QList<QAction *> barra = m_menus->crearBarra(m_programDir + QStringLiteral("/icons"));
    m_mesa->setOrdenes(barra, m_menus->correr());
    connect(m_menus->mesaModerna(), &QAction::triggered, this, [this](bool moderna) {
        m_ajustes.setMesa(moderna ? TipoMesa::Moderna : TipoMesa::Clasica);
        // The menu has closed: what the toggle did is said.
        m_anunciador->avisar(moderna ? tr("Ahora se muestra la mesa moderna")
                                     : tr("Ahora se muestra la mesa clásica"));
    });
    connect(&m_ajustes, &AjustesJuego::cambiado, this, &ZelboFrm::aplicarMesa);
    m_modo = std::make_unique<ModoDeVentana>(*this, m_ajustes, *m_anunciador,
                                             *m_menus->pantallaCompleta());
    connect(m_menus->sonido(), &QAction::triggered, this, [this](bool activo) {
        m_ajustes.setSonido(activo);
        m_anunciador->avisar(activo ? tr("Sonidos activados") : tr("Sonidos desactivados"));
    });
    // Opciones turns the sounds on and off too.
    const auto marcarSonido = [this] { m_menus->sonido()->setChecked(m_ajustes.sonido()); };
    connect(&m_ajustes, &AjustesJuego::cambiado, this, marcarSonido);
    marcarSonido();
}

void ZelboFrm::elegirEnHilo()
{
    m_enEspera = std::make_unique<ElectorEnHilo>();
    m_juego.setElectorEnEspera(*m_enEspera);
    m_demostracion->elegirEnHilo();
}

QString ZelboFrm::rutaFondo(const QString &programDir)
{
    return programDir + QStringLiteral("/zelbofond.jpg");
}

std::unique_ptr<ComprobacionAnticipada> ZelboFrm::comprobarFondo(const Ubicaciones &lugares)
{
    return std::make_unique<ComprobacionAnticipada>(rutaFondo(lugares.datos()));
}

void ZelboFrm::setFondoComprobado(std::unique_ptr<ComprobacionAnticipada> fondo)
{
    m_fondo = std::move(fondo);
}

bool ZelboFrm::Form_Load()
{
    if (!m_fondo)
        m_fondo = std::make_unique<ComprobacionAnticipada>(rutaFondo(m_programDir));
    const QString &fondo = m_fondo->ruta();
    // A good header says nothing of the body: the felt is read through (at a small size, while
    // the program started), and decoded at the size the window shows it when first painted.
    if (!m_fondo->legible()) {
        m_dialogos.mensaje(tr("No se puede cargar la imagen de fondo %1").arg(fondo),
                           DialogService::kTitulo, DialogService::Botones::Ok,
                           DialogService::Icono::Critico);
        m_falloAlCargar = true;
        return false;
    }
    m_mesa->setFondo(fondo);
    m_juego.iniciar();
    return !terminado();
}

void ZelboFrm::traerAlFrente()
{
    m_ventanas->traerAlFrente();
}

void ZelboFrm::pedirPartida(int numero)
{
    constexpr int kReintentoMs = 200;
    if (terminado())
        return;
    if (!m_juego.esperaAlJugador() || QApplication::activeModalWidget()) {
        QTimer::singleShot(kReintentoMs, this, [this, numero] { pedirPartida(numero); });
        return;
    }
    jugar([numero](ZelboGame &j) { j.elegirPartida(numero); });
}

// The player's moves and commands, taken only while the game waits for them.
void ZelboFrm::jugar(const std::function<void(ZelboGame &)> &accion)
{
    if (!m_juego.esperaAlJugador() || terminado())
        return;
    m_anunciador->olvidarJugadaCpu();
    m_seguimiento->olvidarCpu(m_juego.estado());
    accion(m_juego);
    if (m_juego.esperaAlJugador())
        turnoDelJugador();
}

void ZelboFrm::turnoDelJugador()
{
    m_mesa->mostrarTurno(Lado::Humano);
    m_ayudas->turnoDelJugador();
    mostrarMarcas();
    m_seguimiento->actualizar(m_juego);
    m_menus->deshacer()->setEnabled(m_juego.puedeDeshacer());
    m_menus->rehacer()->setEnabled(m_juego.puedeRehacer());
}

void ZelboFrm::jugadaVigente(const QString &frase)
{
    m_anunciador->jugadaVigente(frase);
}

// The modern table tells a mistake on the table and in the status bar, with no box.
bool ZelboFrm::avisoDeJugada(const QString &texto)
{
    m_sonidos->rechazo();
    if (!m_mesa->mostrarAviso(texto))
        return false;
    m_anunciador->decir(texto);
    return true;
}

void ZelboFrm::UpdateForm()
{
    const GameState &e = m_juego.estado();
    m_caras->revisar(e.mazo);
    m_ayudas->tableroCambiado();
    mostrarPuntajes(e.jugadorCpu.puntos(), e.jugadorHumano.puntos());
    m_mesa->mostrarContadores(e.player1Lev.count(), e.player2Lev.count());
    m_mesa->mostrarEstado(e);
    mostrarCorrer();
    mostrarMarcas();
    m_animador->refrescado(e);
    m_teclado->ajustarFoco();
    m_anunciador->jugadaHecha();
    m_seguimiento->actualizar(m_juego);
}

// The other layout takes over the game as it stands, with its marks and the
// card that has the focus.
void ZelboFrm::aplicarMesa()
{
    const TipoMesa tipo = m_ajustes.mesa();
    m_menus->mesaModerna()->setChecked(tipo == TipoMesa::Moderna);
    if (tipo == m_mesa->tipo())
        return;
    m_mesa->setTipo(tipo);
    mostrarTodo();
}

// Everything the table shows, at once.
void ZelboFrm::mostrarTodo()
{
    const GameState &e = m_juego.estado();
    m_mesa->mostrarPuntajes(e.jugadorCpu.puntos(), e.jugadorHumano.puntos());
    m_mesa->mostrarContadores(e.player1Lev.count(), e.player2Lev.count());
    m_mesa->mostrarNombreJugador(e.jugadorHumano.nombre());
    m_mesa->mostrarEstado(e);
    m_mesa->mostrarCartel(m_cartel);
    m_mesa->mostrarTurno(m_juego.esperaAlJugador() ? Lado::Humano : Lado::Cpu);
    m_nombres->turno(m_cartel);
    mostrarCorrer();
    mostrarMarcas();
    m_seguimiento->actualizar(m_juego);
}

// The player's game, untouched by the demonstration, shown again as it stands.
void ZelboFrm::volverDeDemostracion()
{
    mostrarTodo();
    m_teclado->ajustarFoco();
    turnoDelJugador();
}

void ZelboFrm::mostrarMarcas()
{
    mostrarMarcas(m_juego.estado());
}

// The marks of the state, or of a copy of it with those the CPU's beats add.
void ZelboFrm::mostrarMarcas(const GameState &mostrado)
{
    m_mesa->mostrarMarcas(mostrado.marcas);
    m_nombres->actualizar(mostrado);
}

// Called at every new game: pictures that could not be read are tried again
// then, so a file the player put back shows without a restart.
bool ZelboFrm::cargarReverso(const QString &ruta)
{
    m_cache.olvidarFallidas();
    if (!m_cache.renovar(ruta))
        return false;
    m_reversoPedido = ruta;
    aplicarAspecto();
    return true;
}

void ZelboFrm::aplicarAspecto()
{
    if (m_cache.setCarpetaDeCaras(AspectoEnMesa::carpetaDeCaras(m_ajustes.caras()))) {
        for (CardPicture *carta : findChildren<CardPicture *>())
            carta->update();
    }
    if (m_reversoPedido.isEmpty())
        return;
    // The game's own back of another colour that cannot be read leaves the default one.
    const QString reverso
        = AspectoEnMesa::reverso(m_reversoPedido, m_programDir, m_ajustes.reverso());
    m_mesa->setReverso(reverso == m_reversoPedido || m_cache.renovar(reverso) ? reverso
                                                                              : m_reversoPedido);
}

void ZelboFrm::aplicarColorFondo(qint32 color)
{
    m_mesa->setColorFondo(ColorValue::toQColor(color, palette()));
    // Given with every change of the preferences: the program set may have changed too.
    mostrarCorrer();
}

void ZelboFrm::mostrarCorrer()
{
    m_mesa->mostrarCorrer(!m_juego.preferencias().aplicacion.trimmed().isEmpty());
}

void ZelboFrm::mostrarVentana()
{
    if (!isVisible())
        m_modo->mostrar();
}

void ZelboFrm::setCartel(const Cartel &cartel)
{
    m_cartel = cartel.texto;
    m_mesa->mostrarCartel(cartel.texto);
    m_nombres->turno(cartel.texto);
    // The sign does not say who plays the last round; the status bar does.
    const GameState &e = m_juego.estado();
    if (cartel.ultimaRonda)
        m_anunciador->ultimaRonda(m_juego.juega() == Lado::Cpu ? e.jugadorCpu.nombre()
                                                               : e.jugadorHumano.nombre());
    else
        m_anunciador->turno(cartel.texto, e.cartasRepartidas < Mazo::kCartas);
}

void ZelboFrm::mostrarResultadoMano(const ResultadoDeMano &resultado)
{
    m_mesa->mostrarContadores(resultado.cpu, resultado.humano);
    m_sonidos->finDeMano(resultado);
    m_finDeMano->manoContada(resultado);
}

void ZelboFrm::mostrarPuntajes(int cpu, int humano)
{
    m_finDeMano->puntajes(cpu, humano, m_juego.estado().jugadorHumano.nombre());
    m_mesa->mostrarPuntajes(cpu, humano);
}

void ZelboFrm::mostrarNombreJugador(const QString &nombre)
{
    m_mesa->mostrarNombreJugador(nombre);
}

void ZelboFrm::mostrarTurnoCpu(const Jugada &jugada, const GameState &antes,
                               std::function<void()> listo)
{
    // The CPU that opens the first hand plays once the board is on the screen, so that its move
    // is seen.
    m_primeraVista->cuandoSeVea([this, jugada, antes, listo = std::move(listo)]() mutable {
        m_anunciador->jugadaCpu(FraseJugada::cpu(antes, jugada));
        m_seguimiento->cpuJugo(jugada, antes);
        m_mesa->mostrarTurno(Lado::Cpu);
        // The move's sound comes as it is carried out, after the beats that show it.
        m_compases->tocar(PlanTurnoCpu::de(jugada), antes.marcas,
                          [this, tipo = jugada.tipo, listo = std::move(listo)] {
                              m_sonidos->jugada(tipo);
                              listo();
                          });
    });
}

void ZelboFrm::mostrarJugadaHumano(const Jugada &jugada, const GameState &antes)
{
    m_anunciador->jugadaHumano(FraseJugada::humano(antes, jugada));
    m_sonidos->jugada(jugada.tipo);
}

void ZelboFrm::jugadaDeshecha(const QString &frase)
{
    m_anunciador->deshecha(frase);
}

void ZelboFrm::jugadaRehecha(const QString &frase)
{
    m_anunciador->rehecha(frase);
}

void ZelboFrm::repartido(bool primero)
{
    m_teclado->lectura().repartido(primero);
    m_sonidos->reparto();
}

// Every game, and every hand dealt anew by "Nuevo", is prepared here.
void ZelboFrm::prepararResultados()
{
    m_ayudas->manoNueva();
    m_teclado->partidaNueva();
    m_finDeMano->comprobar();
}

void ZelboFrm::Dialogo(const QString &nombre, int num1, int num2, ResultadoDeMano::Ganador ganador,
                       std::function<void()> alCerrar)
{
    m_sonidos->finDePartida(ganador);
    m_finDeMano->ventanaDeResultados(nombre, num1, num2, ganador, std::move(alCerrar));
}

bool ZelboFrm::finDeManoEnTablero() const
{
    return m_mesa->finDeManoEnMesa();
}

void ZelboFrm::resumenDeMano(const ResumenDeMano &resumen, std::function<void()> alCerrar)
{
    m_ayudas->nota().hide();
    m_finDeMano->resumenEnMesa(*m_mesa, resumen, m_juego.estado().jugadorHumano.nombre(),
                               std::move(alCerrar));
}

void ZelboFrm::resultadosEnTablero(const QString &nombre, int num1, int num2,
                                   ResultadoDeMano::Ganador ganador,
                                   std::function<void(bool otraPartida)> alResponder)
{
    m_sonidos->finDePartida(ganador);
    m_finDeMano->resultadosEnMesa(*m_mesa, nombre, num1, num2, ganador, std::move(alResponder));
}

bool ZelboFrm::iniciarPrograma(const QString &lineaDeOrdenes)
{
    if (lineaDeOrdenes.trimmed().isEmpty()) {
        m_anunciador->decir(tr("No hay programa elegido: elígelo en Opciones"));
        return false;
    }
    return LineaDeOrdenes::iniciar(lineaDeOrdenes, m_dialogos);
}

void ZelboFrm::Salir(int estado)
{
    m_salido = true;
    m_ventanas->cerrarAyuda();
    m_modo->guardar();
    hide();
    QCoreApplication::exit(estado);
}

void ZelboFrm::closeEvent(QCloseEvent *event)
{
    if (m_salido || terminado()) {
        event->accept();
        return;
    }
    event->ignore();
    Form_Terminate();
}

void ZelboFrm::Form_Terminate()
{
    m_juego.ordenar(OrdenDelJuego::Cerrar);
}

void ZelboFrm::ordenar(OrdenDelJuego orden)
{
    jugar([orden](ZelboGame &j) { j.ordenar(orden); });
}

void ZelboFrm::mesaimg_Click(int indice)
{
    jugar([indice](ZelboGame &j) { j.pulsar({ GrupoImagen::mesaimg, indice }); });
}

void ZelboFrm::cartap2img_Click(int indice)
{
    jugar([indice, mano = m_mesa->marcasDeMano()](ZelboGame &j) {
        j.pulsar({ GrupoImagen::cartap2img, indice }, mano);
    });
}

void ZelboFrm::montonimg_Click(int indice)
{
    jugar([indice](ZelboGame &j) { j.pulsar({ GrupoImagen::montonimg, indice }); });
}

void ZelboFrm::Checkp2_Click(int indice)
{
    jugar([indice](ZelboGame &j) { j.alternarMarca({ GrupoImagen::cartap2img, indice }); });
}

void ZelboFrm::CheckMonton_Click(int indice)
{
    jugar([indice](ZelboGame &j) { j.alternarMarca({ GrupoImagen::montonimg, indice }); });
}

void ZelboFrm::LevantarBtn_Click()
{
    jugar([](ZelboGame &j) { j.intentar(Intento::levantar()); });
}

void ZelboFrm::Form_DragDrop(int slot)
{
    jugar([slot](ZelboGame &j) { j.intentar(Intento::tirar(slot)); });
}

void ZelboFrm::montonimg_DragDrop(int slot)
{
    jugar([slot](ZelboGame &j) { j.intentar(Intento::alMonton(slot)); });
}

void ZelboFrm::mesaimg_DragDrop(int slot, int lugar)
{
    jugar([slot, lugar](ZelboGame &j) { j.intentar(Intento::soltarEnMesa(slot, lugar)); });
}

void ZelboFrm::nuevomnu_Click()
{
    ordenar(OrdenDelJuego::Nuevo);
}

void ZelboFrm::abrirmnu_Click()
{
    ordenar(OrdenDelJuego::Abrir);
}

void ZelboFrm::guardarmnu_Click()
{
    ordenar(OrdenDelJuego::Guardar);
}

void ZelboFrm::nombremnu_Click()
{
    ordenar(OrdenDelJuego::Nombre);
}

void ZelboFrm::salirmnu_Click()
{
    ordenar(OrdenDelJuego::Salir);
}

void ZelboFrm::deshacermnu_Click()
{
    ordenar(OrdenDelJuego::Deshacer);
}

void ZelboFrm::rehacermnu_Click()
{
    ordenar(OrdenDelJuego::Rehacer);
}

void ZelboFrm::elegirpartidamnu_Click()
{
    ordenar(OrdenDelJuego::ElegirPartida);
}

void ZelboFrm::Toolbar1_ButtonClick(const QString &clave)
{
    if (clave == QLatin1String("nuevo"))
        nuevomnu_Click();
    else if (clave == QLatin1String("run"))
        ordenar(OrdenDelJuego::Correr);
    else if (clave == QLatin1String("salir"))
        salirmnu_Click();
}
