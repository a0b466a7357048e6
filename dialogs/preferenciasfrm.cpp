// SPDX-License-Identifier: GPL-3.0-or-later

#include "preferenciasfrm.h"

#include "ajustesjuego.h"
#include "clicklabel.h"
#include "colorvalue.h"
#include "dialogservice.h"
#include "listaconvalor.h"
#include "pathlabel.h"
#include "velocidadcpu.h"
#include "zelbogame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

namespace {
constexpr int kAnchoRuta = 320;
} // namespace

preferenciasfrm::preferenciasfrm(ZelboGame &juego, AjustesJuego &ajustes, DialogService &dialogos,
                                 QWidget *parent, PaginaCartas::Muestras muestras)
    : QDialog(parent)
    , m_juego(juego)
    , m_dialogos(dialogos)
    , m_ajustes(ajustes)
    , m_nombreCpuAlAbrir(juego.estado().jugadorCpu.nombre())
    , m_nombreHumanoAlAbrir(juego.estado().jugadorHumano.nombre())
    , m_alAbrir(juego.preferencias())
    , m_nivelAlAbrir(m_ajustes.nivel())
{
    setWindowTitle(tr("Opciones"));
    // A window of fixed size: a title and a close box, nothing to minimize or maximize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);

    m_tbsOptions = new QTabWidget(this);
    m_tbsOptions->setObjectName(QStringLiteral("tbsOptions"));
    m_tbsOptions->setAccessibleName(tr("Páginas de opciones"));
    const int pestana = m_tbsOptions->addTab(crearEscritorio(), tr("Escritorio"));
    m_tbsOptions->setTabToolTip(pestana, tr("Opciones de escritorio"));
    m_tbsOptions->tabBar()->setTabData(pestana, QStringLiteral("Group1"));
    const int pestanaJuego = m_tbsOptions->addTab(crearJuego(), tr("Juego"));
    m_tbsOptions->setTabToolTip(pestanaJuego, tr("Opciones de la partida"));
    m_tbsOptions->tabBar()->setTabData(pestanaJuego, QStringLiteral("Group2"));
    m_cartas = new PaginaCartas(m_ajustes, std::move(muestras));
    const int pestanaCartas = m_tbsOptions->addTab(m_cartas, tr("Cartas"));
    m_tbsOptions->setTabToolTip(pestanaCartas, tr("Aspecto de las cartas"));
    m_tbsOptions->installEventFilter(this);

    auto *principal = new QVBoxLayout(this);
    principal->addWidget(m_tbsOptions);
    principal->addLayout(crearBotones());
    principal->setSizeConstraint(QLayout::SetFixedSize);

    ValoresActuales();
    centrarEnPantalla();
}

QWidget *preferenciasfrm::crearEscritorio()
{
    auto *pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("picOptions0"));
    auto *columna = new QVBoxLayout(pagina);
    columna->addWidget(crearCarta());
    columna->addWidget(crearColor());
    columna->addWidget(crearAplicacion());
    columna->addLayout(crearMesa());

    auto *command1 = new QPushButton(tr("Default"), pagina);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setAutoDefault(false);
    command1->setToolTip(tr("Vuelve a las preferencias de fábrica"));
    connect(command1, &QPushButton::clicked, this, &preferenciasfrm::Command1_Click);
    auto *fila = new QHBoxLayout;
    fila->addStretch();
    fila->addWidget(command1);
    columna->addLayout(fila);
    columna->addStretch();
    return pagina;
}

// The settings of play, kept in the user's settings; they take effect with "Aceptar".
QWidget *preferenciasfrm::crearJuego()
{
    auto *pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("picOptions1"));
    auto *filas = new QFormLayout(pagina);
    agregarNivel(*filas);
    agregarVelocidad(*filas);
    agregarAyudas(*filas);
    return pagina;
}

void preferenciasfrm::agregarNivel(QFormLayout &filas)
{
    m_nivel = new ListaConValor(tr("Nivel de la CPU"));
    m_nivel->setObjectName(QStringLiteral("cboNivel"));
    m_nivel->addItem(tr("Normal"), NivelesCpu::clave(NivelCpu::Normal));
    m_nivel->addItem(tr("Difícil"), NivelesCpu::clave(NivelCpu::Dificil));
    m_nivel->addItem(tr("Experto"), NivelesCpu::clave(NivelCpu::Experto));
    auto *etiqueta = new QLabel(tr("&Nivel de la CPU:"));
    etiqueta->setBuddy(m_nivel);
    filas.addRow(etiqueta, m_nivel);
    auto *nota = new QLabel(tr("Un nivel nuevo se aplica desde la próxima partida."));
    nota->setObjectName(QStringLiteral("lblNivelNota"));
    // Tied to the level list, the note is not one of the window's loose words, which a screen
    // reader says with the window's name before each choice a list tells.
    nota->setBuddy(m_nivel);
    nota->setWordWrap(true);
    filas.addRow(nota);
}

void preferenciasfrm::agregarVelocidad(QFormLayout &filas)
{
    m_velocidad = new ListaConValor(tr("Velocidad de la CPU"));
    m_velocidad->setObjectName(QStringLiteral("velocidadCpu"));
    const std::pair<VelocidadCpu, QString> velocidades[] = {
        { VelocidadCpu::Lenta, tr("Lenta") },
        { VelocidadCpu::Normal, tr("Normal") },
        { VelocidadCpu::Rapida, tr("Rápida") },
        { VelocidadCpu::SinPausas, tr("Sin pausas") },
    };
    for (const auto &[velocidad, texto] : velocidades)
        m_velocidad->addItem(texto, VelocidadesCpu::clave(velocidad));
    m_velocidad->setCurrentIndex(
        m_velocidad->findData(VelocidadesCpu::clave(m_ajustes.velocidad())));
    filas.addRow(tr("&Velocidad de la CPU:"), m_velocidad);
    m_animaciones = new QCheckBox(tr("&Animaciones"));
    m_animaciones->setObjectName(QStringLiteral("animaciones"));
    m_animaciones->setAccessibleName(tr("Animaciones"));
    m_animaciones->setChecked(m_ajustes.animaciones());
    filas.addRow(m_animaciones);
    m_sonido = new QCheckBox(tr("&Sonidos del juego"));
    m_sonido->setObjectName(QStringLiteral("sonido"));
    m_sonido->setAccessibleName(tr("Sonidos del juego"));
    m_sonido->setChecked(m_ajustes.sonido());
    filas.addRow(m_sonido);
}

void preferenciasfrm::agregarAyudas(QFormLayout &filas)
{
    m_probabilidad = new QCheckBox(tr("Mostrar &probabilidad de ganar"));
    m_probabilidad->setObjectName(QStringLiteral("probabilidad"));
    m_probabilidad->setAccessibleName(tr("Mostrar probabilidad de ganar"));
    m_probabilidad->setChecked(m_ajustes.probabilidad());
    filas.addRow(m_probabilidad);
    m_tutor = new QCheckBox(tr("Avisarme de los &errores"));
    m_tutor->setObjectName(QStringLiteral("tutor"));
    m_tutor->setAccessibleName(tr("Avisarme de los errores"));
    m_tutor->setChecked(m_ajustes.tutor());
    filas.addRow(m_tutor);
}

// The table the game is shown on, applied with "Aceptar".
QLayout *preferenciasfrm::crearMesa()
{
    m_mesa = new ListaConValor(tr("Mesa"));
    m_mesa->setObjectName(QStringLiteral("mesa"));
    m_mesa->addItem(tr("Clásica"), QVariant::fromValue(TipoMesa::Clasica));
    m_mesa->addItem(tr("Moderna"), QVariant::fromValue(TipoMesa::Moderna));
    m_mesa->setCurrentIndex(m_mesa->findData(QVariant::fromValue(m_ajustes.mesa())));
    auto *filas = new QFormLayout;
    filas->addRow(tr("&Mesa:"), m_mesa);
    return filas;
}

void preferenciasfrm::juegoPorDefecto()
{
    m_mesa->setCurrentIndex(m_mesa->findData(QVariant::fromValue(TipoMesa::Clasica)));
    m_velocidad->setCurrentIndex(
        m_velocidad->findData(VelocidadesCpu::clave(VelocidadCpu::Normal)));
    m_animaciones->setChecked(true);
    m_sonido->setChecked(AjustesJuego::kSonido.porDefecto);
    m_probabilidad->setChecked(AjustesJuego::kProbabilidad.porDefecto);
    m_tutor->setChecked(AjustesJuego::kTutor.porDefecto);
    m_cartas->porDefecto();
}

void preferenciasfrm::aceptarJuego()
{
    const auto velocidad = VelocidadesCpu::deClave(m_velocidad->currentData().toString());
    m_ajustes.setVelocidad(velocidad.value_or(VelocidadCpu::Normal));
    m_ajustes.setAnimaciones(m_animaciones->isChecked());
    // Stored once the player turns them on, never before.
    if (m_probabilidad->isChecked() != m_ajustes.probabilidad())
        m_ajustes.setProbabilidad(m_probabilidad->isChecked());
    if (m_tutor->isChecked() != m_ajustes.tutor())
        m_ajustes.setTutor(m_tutor->isChecked());
    if (m_sonido->isChecked() != m_ajustes.sonido())
        m_ajustes.setSonido(m_sonido->isChecked());
    // Unchanged, the table is not written: the file keeps no default it did not hold.
    const auto mesa = m_mesa->currentData().value<TipoMesa>();
    if (mesa != m_ajustes.mesa())
        m_ajustes.setMesa(mesa);
}

QGroupBox *preferenciasfrm::crearCarta()
{
    auto *frame2 = new QGroupBox(tr("Carta"));
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto *label9 = new QLabel(tr("&Reverso"), frame2);
    label9->setObjectName(QStringLiteral("Label9"));
    m_label8 = new PathLabel(tr("(por defecto)"), frame2);
    m_label8->setObjectName(QStringLiteral("Label8"));
    m_label8->setMinimumWidth(kAnchoRuta);
    m_label8->setAccessibleName(tr("Reverso de las cartas"));
    label9->setBuddy(m_label8);
    connect(m_label8, &ClickLabel::clicked, this, &preferenciasfrm::Label8_Click);

    auto *fila = new QHBoxLayout(frame2);
    fila->addWidget(label9);
    fila->addWidget(m_label8, 1);
    return frame2;
}

QGroupBox *preferenciasfrm::crearColor()
{
    auto *frame1 = new QGroupBox(tr("Color"));
    frame1->setObjectName(QStringLiteral("Frame1"));
    m_label1 = new ClickLabel(frame1);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFixedSize(64, 24);
    m_label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_label1->setAutoFillBackground(true);
    m_label1->setToolTip(tr("Haz clic para elegir el color de fondo"));
    m_label1->setAccessibleName(tr("Color de fondo"));
    connect(m_label1, &ClickLabel::clicked, this, &preferenciasfrm::Label1_Click);
    auto *label2 = new QLabel(tr("&Fondo"), frame1);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setBuddy(m_label1);

    auto *fila = new QHBoxLayout(frame1);
    fila->addWidget(m_label1);
    fila->addWidget(label2, 1);
    return frame1;
}

QGroupBox *preferenciasfrm::crearAplicacion()
{
    m_frame3 = new QGroupBox(tr("Aplicacion de fondo"));
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    m_frame3->installEventFilter(this);
    m_label5 = new PathLabel(tr("(ninguno)"), m_frame3);
    m_label5->setObjectName(QStringLiteral("Label5"));
    m_label5->setMinimumWidth(kAnchoRuta);
    m_label5->setAccessibleName(tr("Aplicación de fondo"));
    connect(m_label5, &ClickLabel::clicked, this, &preferenciasfrm::Label5_Click);

    auto *fila = new QHBoxLayout(m_frame3);
    fila->addWidget(m_label5);
    return m_frame3;
}

QHBoxLayout *preferenciasfrm::crearBotones()
{
    auto *cmdOK = new QPushButton(tr("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &preferenciasfrm::cmdOK_Click);
    auto *cmdCancel = new QPushButton(tr("Cancelar"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &preferenciasfrm::reject);

    auto *fila = new QHBoxLayout;
    fila->addStretch();
    fila->addWidget(cmdOK);
    fila->addWidget(cmdCancel);
    return fila;
}

void preferenciasfrm::centrarEnPantalla()
{
    adjustSize();
    const QRect pantalla = screen()->geometry();
    move(pantalla.x() + (pantalla.width() - width()) / 2,
         pantalla.y() + (pantalla.height() - height()) / 2);
}

void preferenciasfrm::aviso(const QString &texto)
{
    m_dialogos.mensaje(texto, DialogService::kTitulo, DialogService::Botones::Ok,
                       DialogService::Icono::Ninguno);
}

void preferenciasfrm::ValoresActuales()
{
    const Preferencias &actuales = m_juego.preferencias();
    m_color = actuales.colorFondo;
    mostrarColor();
    m_label5->setRuta(actuales.aplicacion);
    m_label8->setRuta(actuales.reverso);
    m_nivel->setCurrentIndex(m_nivel->findData(NivelesCpu::clave(m_ajustes.nivel())));
}

NivelCpu preferenciasfrm::nivelElegido() const
{
    return NivelesCpu::deClave(m_nivel->currentData().toString()).value_or(NivelCpu::Normal);
}

void preferenciasfrm::guardarNivel(NivelCpu nivel)
{
    // The level is stored once the player picks one, never before.
    if (m_ajustes.nivel() != nivel && !m_ajustes.setNivel(nivel))
        m_dialogos.mensaje(tr("No se pudo guardar el nivel de la CPU."), DialogService::kTitulo,
                           DialogService::Botones::Ok, DialogService::Icono::Critico);
}

void preferenciasfrm::mostrarColor()
{
    QPalette paleta = m_label1->palette();
    paleta.setColor(QPalette::Window, ColorValue::toQColor(m_color, palette()));
    m_label1->setPalette(paleta);
}

void preferenciasfrm::Label1_Click()
{
    // A cancelled colour dialog reports the colour it started with.
    m_color = m_dialogos.elegirColor(m_color);
    mostrarColor();
}

void preferenciasfrm::Label5_Click()
{
    const QString fichero = m_dialogos.archivoParaAbrir(tr(kFiltroProgramas));
    // A cancelled dialog keeps the program chosen before.
    if (!fichero.isEmpty())
        m_label5->setRuta(fichero);
}

void preferenciasfrm::Frame3_Click()
{
    Label5_Click();
}

void preferenciasfrm::Label8_Click()
{
    const QString fichero = m_dialogos.archivoParaAbrir(tr(kFiltroImagenes));
    if (fichero.isEmpty())
        return;
    m_label8->setRuta(fichero);
    aviso(tr("Este cambio tendra efecto cuando reinicie el juego"));
}

void preferenciasfrm::Command1_Click()
{
    // Acts on the game at once; a damaged file has already been reported by
    // the game, with the values read before the fault in force.
    const bool leido
        = m_juego.LoadProperty(m_juego.ubicaciones().dato(QStringLiteral("pordefect.dat")));
    guardarNivel(NivelCpu::Normal);
    ValoresActuales();
    juegoPorDefecto();
    if (leido)
        aviso(tr("Esta operacion tendra efecto cuando reinicie el juego"));
}

void preferenciasfrm::cmdOK_Click()
{
    Preferencias nuevas;
    nuevas.aplicacion = m_label5->ruta();
    nuevas.colorFondo = m_color;
    nuevas.reverso = m_label8->ruta();
    m_juego.aceptarPreferencias(nuevas);
    guardarNivel(nivelElegido());
    aceptarJuego();
    m_cartas->aceptar();
    accept();
}

void preferenciasfrm::reject()
{
    m_juego.restaurarPreferencias(m_nombreCpuAlAbrir, m_nombreHumanoAlAbrir, m_alAbrir);
    guardarNivel(m_nivelAlAbrir);
    QDialog::reject();
}

// Ctrl+Tab moves to the next tab, round to the first; Ctrl with Shift and Tab
// is not a key of this window. True when the key was a Ctrl+Tab of either kind.
bool preferenciasfrm::teclaDePestana(const QKeyEvent &tecla)
{
    const bool tab = tecla.key() == Qt::Key_Tab || tecla.key() == Qt::Key_Backtab;
    if (!tab || !(tecla.modifiers() & Qt::ControlModifier))
        return false;
    if (tecla.key() == Qt::Key_Tab && tecla.modifiers() == Qt::ControlModifier) {
        const int siguiente = m_tbsOptions->currentIndex() + 1;
        m_tbsOptions->setCurrentIndex(siguiente < m_tbsOptions->count() ? siguiente : 0);
    }
    return true;
}

void preferenciasfrm::keyPressEvent(QKeyEvent *event)
{
    if (teclaDePestana(*event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool preferenciasfrm::eventFilter(QObject *objeto, QEvent *event)
{
    if (objeto == m_tbsOptions && event->type() == QEvent::KeyPress)
        return teclaDePestana(*static_cast<QKeyEvent *>(event));
    if (objeto != m_frame3)
        return QDialog::eventFilter(objeto, event);

    // A click anywhere on the frame "Aplicacion de fondo" chooses the program too.
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        m_frame3Pulsado = true;
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const auto *raton = static_cast<QMouseEvent *>(event);
        const bool dentro = m_frame3->rect().contains(raton->position().toPoint());
        if (std::exchange(m_frame3Pulsado, false) && dentro)
            Frame3_Click();
        return true;
    }
    return false;
}
