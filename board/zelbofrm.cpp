// SPDX-License-Identifier: GPL-3.0-or-later

#include "zelbofrm.h"

#include "aboutfrm.h"
#include "animadortablero.h"
#include "anunciador.h"
#include "ayudastablero.h"
#include "boardlayout.h"
#include "boardwidget.h"
#include "cardpicture.h"
#include "colorvalue.h"
#include "compasescpu.h"
#include "escala.h"
#include "estadisticasfrm.h"
#include "frasejugada.h"
#include "guardadeentrada.h"
#include "helpwindow.h"
#include "markbox.h"
#include "nombresaccesibles.h"
#include "pensadorenhilo.h"
#include "preferenciasfrm.h"
#include "seguimientopartida.h"
#include "soltarenmesa.h"
#include "tecladotablero.h"
#include "winnerdialogfrm.h"
#include "zelboerror.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

ZelboFrm::ZelboFrm(const QString &programDir, DialogService &dialogos, RandomSource &azar,
                   Pausa &pausa)
    : ZelboFrm(Ubicaciones::junto(programDir), dialogos, azar, pausa)
{
}

// The window reads its pictures, help and backgrounds from the data folder.
ZelboFrm::ZelboFrm(const Ubicaciones &lugares, DialogService &dialogos, RandomSource &azar,
                   Pausa &pausa)
    : m_programDir(lugares.datos())
    , m_dialogos(dialogos)
    , m_tablero(new BoardWidget(m_cache, this))
    , m_juego(lugares, *this, dialogos, azar)
{
    setWindowTitle(QStringLiteral("Zelbomar"));
    setCentralWidget(m_tablero);
    m_anunciador = std::make_unique<Anunciador>(*statusBar());
    statusBar()->setAccessibleDescription(tr("Mensajes del juego"));
    m_nombres = std::make_unique<NombresAccesibles>(*m_tablero);
    QAccessible::installFactory(&NombresAccesibles::fabrica);
    QAccessible::installFactory(&Anunciador::fabrica);
    m_teclado = new TecladoTablero(
        *m_tablero, m_juego, *m_anunciador,
        [this](const std::function<void(ZelboGame &)> &accion) { jugar(accion); }, this);
    installEventFilter(m_teclado);
    m_animador = new AnimadorTablero(*m_tablero, m_cache, this);
    m_compases = new CompasesCpu(
        *m_tablero, *m_animador, pausa,
        [this](const Marcas &marcas) {
            GameState mostrado = m_juego.estado();
            mostrado.marcas = marcas;
            mostrarMarcas(mostrado);
        },
        this);
    m_seguimiento = new SeguimientoPartida(*this, *m_tablero);
    // Un-maximized, the window shows the board at scale 1.
    resize(qRound(BoardLayout::kAncho / Escala::kTwipsPorPixel),
           qRound(BoardLayout::kAlto / Escala::kTwipsPorPixel) + menuBar()->sizeHint().height()
               + statusBar()->sizeHint().height());
    m_menus = std::make_unique<MenusVentana>(*this, ordenesDeMenu());
    m_menus->crearMenus(*m_teclado, *m_seguimiento->accionHistorial());
    m_menus->crearBarra(*m_tablero->Toolbar1, m_programDir + QStringLiteral("/icons"));
    conectarTablero();
    m_ayudas
        = std::make_unique<AyudasTablero>(m_juego, *m_tablero, *statusBar(), *m_anunciador,
                                          [this] { jugar([](ZelboGame &j) { j.deshacer(); }); });
    // Input between moves first puts every card in its place, then is handled.
    new GuardaDeEntrada(
        *this, [this] { return !m_juego.esperaAlJugador() && !terminado(); },
        [this] { m_animador->terminar(); });
}

ZelboFrm::~ZelboFrm() = default;

void ZelboFrm::pensarEnHilo()
{
    m_pensador = std::make_unique<PensadorEnHilo>();
    m_juego.setPensador(*m_pensador);
}

bool ZelboFrm::Form_Load()
{
    const QString fondo = m_programDir + QStringLiteral("/zelbofond.jpg");
    // A good header says nothing of the body: the felt is read through here, at
    // a small size, and decoded at the size the window shows it when first painted.
    if (!PictureCache::legible(fondo)) {
        m_dialogos.mensaje(tr("No se puede cargar la imagen de fondo %1").arg(fondo),
                           DialogService::kTitulo, DialogService::Botones::Ok,
                           DialogService::Icono::Critico);
        m_falloAlCargar = true;
        return false;
    }
    m_tablero->setFondo(fondo);
    m_juego.iniciar();
    return !terminado();
}

void ZelboFrm::traerAlFrente()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    QWidget *frente = QApplication::activeModalWidget();
    if (!frente)
        frente = this;
    frente->raise();
    frente->activateWindow();
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

bool ZelboFrm::terminado() const
{
    return m_falloAlCargar || m_juego.terminado();
}

int ZelboFrm::estadoSalida() const
{
    return m_falloAlCargar ? 1 : m_juego.estadoSalida();
}

MenusVentana::Ordenes ZelboFrm::ordenesDeMenu()
{
    MenusVentana::Ordenes ordenes;
    ordenes.juego = [this](MenusVentana::OrdenDelJuego orden) {
        jugar([orden](ZelboGame &j) { (j.*orden)(); });
    };
    ordenes.opciones = [this] { abrirOpciones(); };
    ordenes.ayuda = [this] { abrirAyuda(); };
    ordenes.acercaDe = [this] { abrirAcercaDe(); };
    ordenes.estadisticas = [this] { abrirEstadisticas(); };
    return ordenes;
}

void ZelboFrm::conectarTablero()
{
    BoardWidget &t = *m_tablero;
    // Every face at the new sizes before the next refresh, so no refresh waits on a decode.
    connect(&t, &BoardWidget::cartasRedimensionadas, this,
            [this](const QList<QSize> &tamanos, qreal razon) {
                QStringList caras;
                for (int carta = 1; carta <= Mazo::kCartas; ++carta)
                    caras.append(rutaDe(static_cast<CardId>(carta)));
                m_cache.precargar(caras, tamanos, razon);
                m_cache.precargar({ m_tablero->Image1[0]->ruta() },
                                  tamanos + QList<QSize> { m_tablero->Image1[0]->size() }, razon);
            });
    // Any button: a left click on a hand card that did not become a drag marks it too.
    const auto alClic = [this](CardPicture *imagen, auto orden) {
        connect(imagen, &CardPicture::clicked, this, [this, imagen, orden] {
            jugar([&](ZelboGame &j) { (j.*orden)(imagen->imagen().indice); });
        });
    };
    for (CardPicture *imagen : t.mesaimg)
        alClic(imagen, &ZelboGame::mesaimg_Click);
    for (CardPicture *imagen : t.cartap2img)
        alClic(imagen, &ZelboGame::cartap2img_Click);
    alClic(t.montonimg[0], &ZelboGame::montonimg_Click);
    for (int i = 0; i < static_cast<int>(t.Checkp2.size()); ++i)
        connect(t.Checkp2.at(i), &MarkBox::clicked, this,
                [this, i] { jugar([i](ZelboGame &j) { j.Checkp2_Click(i); }); });
    connect(t.CheckMonton[1], &MarkBox::clicked, this,
            [this] { jugar([](ZelboGame &j) { j.CheckMonton_Click(1); }); });
    connect(t.LevantarBtn, &QPushButton::clicked, this,
            [this] { jugar([](ZelboGame &j) { j.LevantarBtn_Click(); }); });
    connect(&t, &BoardWidget::soltadaEnFondo, this,
            [this](int slot) { jugar([slot](ZelboGame &j) { j.Form_DragDrop(slot); }); });
    connect(&t, &BoardWidget::soltadaEnMonton, this,
            [this](int slot) { jugar([slot](ZelboGame &j) { j.montonimg_DragDrop(slot); }); });
    connect(&t, &BoardWidget::soltadaEnMesa, this, [this](int slot, int lugar) {
        const GameState &e = m_juego.estado();
        if (!m_juego.esperaAlJugador() || slot >= e.player2.count() || lugar >= e.lamesa.count())
            return;
        if (!SoltarEnMesa::jugada(e, slot, lugar))
            m_anunciador->decir(SoltarEnMesa::porQueNo(e, slot, lugar));
        jugar([slot, lugar](ZelboGame &j) { j.mesaimg_DragDrop(slot, lugar); });
    });
    connect(&t, &BoardWidget::soltadaSinEfecto, this, [this] {
        if (m_juego.esperaAlJugador())
            m_anunciador->decir(
                tr("Ahí no se deja una carta: suéltala en la mesa, sobre una carta de su palo o en "
                   "un montón"));
    });
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
    m_ayudas->turnoDelJugador();
    mostrarMarcas();
    m_seguimiento->actualizar(m_juego);
    m_menus->deshacer()->setEnabled(m_juego.puedeDeshacer());
    m_menus->rehacer()->setEnabled(m_juego.puedeRehacer());
}

QString ZelboFrm::rutaDe(CardId carta) const
{
    return m_juego.estado().carta(carta).imagen();
}

void ZelboFrm::mostrarLista(const CardList &lista, auto &imagenes)
{
    // A list longer than its places shows the first ones only.
    for (int i = 0; i < static_cast<int>(imagenes.size()); ++i) {
        CardPicture *imagen = imagenes.at(static_cast<std::size_t>(i));
        if (i < lista.count())
            imagen->setRuta(rutaDe(lista.at(i)));
        imagen->setVisible(i < lista.count());
    }
}

void ZelboFrm::UpdateForm()
{
    const GameState &e = m_juego.estado();
    BoardWidget &t = *m_tablero;
    m_ayudas->tableroCambiado();
    mostrarPuntajes(e.jugadorCpu.puntos(), e.jugadorHumano.puntos());
    mostrarContadores(e.player1Lev.count(), e.player2Lev.count());
    mostrarLista(e.lamesa, t.mesaimg);
    mostrarLista(e.player1, t.cartap1img);
    for (int i = 0; i < static_cast<int>(t.Image1.size()); ++i)
        t.Image1.at(i)->setVisible(i < e.player1.count());
    mostrarLista(e.player2, t.cartap2img);
    for (int i = 0; i < static_cast<int>(t.montonimg.size()); ++i) {
        const CardList &pila = i == 0 ? e.player1Lev : e.player2Lev;
        if (!pila.isEmpty())
            t.montonimg.at(i)->setRuta(rutaDe(pila.at(0)));
        t.montonimg.at(i)->setVisible(!pila.isEmpty());
    }
    mostrarMarcas();
    m_animador->refrescado(e);
    m_teclado->ajustarFoco();
    m_anunciador->jugadaHecha();
    m_seguimiento->actualizar(m_juego);
}

void ZelboFrm::mostrarMarcas()
{
    mostrarMarcas(m_juego.estado());
}

// The marks of the state, or of a copy of it with those the CPU's beats add.
void ZelboFrm::mostrarMarcas(const GameState &mostrado)
{
    const Marcas &m = mostrado.marcas;
    BoardWidget &t = *m_tablero;
    // Each box shows the mark of its place; both arrays have the same size.
    const auto mostrar = [](const auto &cajas, const auto &marcas) {
        for (std::size_t i = 0; i < cajas.size(); ++i)
            cajas.at(i)->setChecked(marcas.at(i));
    };
    mostrar(t.Checkp2, m.Checkp2);
    mostrar(t.CheckMesa, m.CheckMesa);
    mostrar(t.CheckMonton, m.CheckMonton);
    m_nombres->actualizar(mostrado);
}

// Called at every new game: pictures that could not be read are tried again
// then, so a file the player put back shows without a restart.
bool ZelboFrm::cargarReverso(const QString &ruta)
{
    m_cache.olvidarFallidas();
    if (!m_cache.renovar(ruta))
        return false;
    for (CardPicture *cubierta : m_tablero->Image1)
        cubierta->setRuta(ruta);
    return true;
}

void ZelboFrm::aplicarColorFondo(qint32 color)
{
    m_tablero->setColorFondo(ColorValue::toQColor(color, palette()));
}

void ZelboFrm::mostrarVentana()
{
    if (!isVisible())
        showMaximized();
}

void ZelboFrm::setCartel(const QString &texto)
{
    m_tablero->Cartellbl->setText(texto);
    m_tablero->ajustar(m_tablero->Cartellbl);
    m_nombres->turno(texto);
    // The sign does not say who plays the last round; the status bar does.
    const GameState &e = m_juego.estado();
    if (texto == ZelboGame::cartelUltimaRonda())
        m_anunciador->ultimaRonda(e.turno == Lado::Humano ? e.jugadorCpu.nombre()
                                                          : e.jugadorHumano.nombre());
    else
        m_anunciador->turno(texto, e.cartasRepartidas < Mazo::kCartas);
}

void ZelboFrm::mostrarResultadoMano(const ResultadoDeMano &resultado)
{
    mostrarContadores(resultado.cpu, resultado.humano);
    m_manoPorDecir = resultado;
}

void ZelboFrm::mostrarContadores(int cpu, int humano)
{
    m_tablero->Contp1Lbl->setText(QString::number(cpu));
    m_tablero->Contp2lbl->setText(QString::number(humano));
    m_tablero->ajustar(m_tablero->Contp1Lbl);
    m_tablero->ajustar(m_tablero->Contp2lbl);
}

void ZelboFrm::mostrarPuntajes(int cpu, int humano)
{
    // The first scores after a hand are that hand's: the box that told it is closed.
    if (m_manoPorDecir) {
        m_anunciador->finDeMano(*m_manoPorDecir, m_juego.estado().jugadorHumano.nombre(), cpu,
                                humano);
        m_manoPorDecir.reset();
    }
    m_tablero->Puntajep1Lbl->setText(QString::number(cpu));
    m_tablero->Puntajep2Lbl->setText(QString::number(humano));
}

void ZelboFrm::mostrarNombreJugador(const QString &nombre)
{
    m_tablero->Label2->setText(nombre);
    m_tablero->Label2->setToolTip(nombre); // a long name does not fit its heading
}

void ZelboFrm::mostrarTurnoCpu(const PlanTurnoCpu &plan, std::function<void()> listo)
{
    m_compases->tocar(plan, m_juego.estado().marcas, std::move(listo));
}

void ZelboFrm::jugadaCpu(const Jugada &jugada, const GameState &antes)
{
    m_anunciador->jugadaCpu(FraseJugada::cpu(antes, jugada));
    m_seguimiento->cpuJugo(jugada, antes);
}

void ZelboFrm::prepararResultados()
{
    m_ayudas->manoNueva();
    if (!WinnerDialogFrm::puedeCargar(m_programDir))
        throw ZelboError(
            tr("No se puede cargar la imagen %1").arg(WinnerDialogFrm::rutaFondo(m_programDir)));
}

void ZelboFrm::Dialogo(const QString &nombre, int num1, int num2, ResultadoDeMano::Ganador ganador,
                       std::function<void()> alCerrar)
{
    // Orca reads the window's description, the winner and both scores, as it opens.
    auto *resultados = new WinnerDialogFrm(m_programDir, this);
    connect(resultados, &QDialog::finished, this, [resultados, alCerrar = std::move(alCerrar)] {
        resultados->deleteLater();
        alCerrar();
    });
    resultados->Dialogo(nombre, num1, num2, ganador);
}

bool ZelboFrm::iniciarPrograma(const QString &lineaDeOrdenes)
{
    // A picked path may hold blanks: the whole text names the program when
    // such a file exists; otherwise it is a command line.
    if (QFileInfo(lineaDeOrdenes).isFile())
        return QProcess::startDetached(lineaDeOrdenes, {});
    QStringList partes = QProcess::splitCommand(lineaDeOrdenes);
    if (partes.isEmpty())
        return false;
    const QString programa = partes.takeFirst();
    return QProcess::startDetached(programa, partes);
}

void ZelboFrm::Salir(int estado)
{
    m_salido = true;
    if (m_ayuda)
        m_ayuda->close();
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
    // During a move the game carries the close out once the move is done.
    m_juego.Form_Terminate();
}

void ZelboFrm::abrirAyuda()
{
    if (!m_juego.esperaAlJugador())
        return;
    if (!m_ayuda)
        m_ayuda = new HelpWindow(m_programDir, this);
    m_ayuda->mostrar();
}

void ZelboFrm::abrirOpciones()
{
    if (!m_juego.esperaAlJugador())
        return;
    preferenciasfrm opciones(m_juego, m_dialogos, this);
    opciones.exec();
}

void ZelboFrm::abrirEstadisticas()
{
    PartidaConservada *conservada = m_juego.conservada();
    if (!m_juego.esperaAlJugador() || !conservada)
        return;
    EstadisticasFrm ventana(conservada->estadisticas(), conservada->archivoEstadisticas(),
                            m_dialogos, this);
    ventana.exec();
}

void ZelboFrm::abrirAcercaDe()
{
    Aboutfrm::mostrar(m_programDir, this);
}
