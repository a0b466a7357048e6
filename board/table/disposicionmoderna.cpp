// SPDX-License-Identifier: GPL-3.0-or-later

#include "disposicionmoderna.h"

#include "cardpicture.h"
#include "escala.h"
#include "gamestate.h"
#include "mazo.h"
#include "panelpuntos.h"
#include "resultadosenmesa.h"
#include "resumenenmesa.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {
// Cards in a pile for each pixel of its thickness, at most an eighth of a card.
constexpr int kCartasPorCapa = 3;
// How long a message stays over the table.
constexpr int kAvisoMs = 3500;
} // namespace

DisposicionModerna::DisposicionModerna(Mesa &mesa)
    : Disposicion(mesa)
{
    mesa.setAttribute(Qt::WA_OpaquePaintEvent, false);
}

int DisposicionModerna::lugaresMesa() const
{
    return Mazo::kCartas;
}

void DisposicionModerna::montar()
{
    tomarCartas();
    crearRotulos();
    crearLevantar();
}

void DisposicionModerna::tomarCartas()
{
    for (CardPicture *carta : mesa().imagenes(GrupoImagen::cartap1img))
        carta->setToolTip({});
    for (CardPicture *carta : mesa().imagenes(GrupoImagen::cartap2img))
        carta->setToolTip(tr("Clic para marcarla; arrástrala para jugarla"));
    for (CardPicture *carta : mesa().imagenes(GrupoImagen::mesaimg))
        carta->setToolTip({});
    const QList<CardPicture *> montones = mesa().imagenes(GrupoImagen::montonimg);
    for (CardPicture *monton : montones)
        monton->setCursor(Qt::PointingHandCursor);
    montones[0]->setToolTip(tr("Montón de la CPU"));
    montones[1]->setToolTip(tr("Tu montón: clic para marcarlo"));
    // The own pile takes its mark on the pile itself.
    connect(montones[1], &CardPicture::clicked, this, [this] {
        emit mesa().marcaPulsada({ GrupoImagen::montonimg, 1 });
    });
}

void DisposicionModerna::crearRotulos()
{
    for (QLabel *&insignia : m_insignias) {
        insignia = propio(new QLabel(QStringLiteral("0"), &mesa()));
        insignia->setAlignment(Qt::AlignCenter);
        insignia->setStyleSheet(QStringLiteral("background: rgb(30, 30, 30); color: white;"
                                               " border: 2px solid white; border-radius: 10px;"
                                               " font-weight: bold; padding: 0 4px;"));
    }
    m_panel = propio(new PanelPuntos(&mesa()));
    m_resumen = propio(new ResumenEnMesa(&mesa()));
    m_resultados = propio(new ResultadosEnMesa(&mesa()));
    connect(m_resultados, &ResultadosEnMesa::revisarPedido, &mesa(), &Mesa::revisarPedido);
    m_aviso = propio(new QLabel(&mesa()));
    m_aviso->setAlignment(Qt::AlignCenter);
    m_aviso->setWordWrap(true);
    m_aviso->setStyleSheet(QStringLiteral("background: rgba(20, 20, 20, 215); color: white;"
                                          " border-radius: 10px; padding: 8px 16px;"));
    m_aviso->hide();
    m_finAviso = new QTimer(this);
    m_finAviso->setSingleShot(true);
    m_finAviso->setInterval(kAvisoMs);
    connect(m_finAviso, &QTimer::timeout, m_aviso, &QWidget::hide);
}

void DisposicionModerna::crearLevantar()
{
    m_levantar = propio(new QPushButton(tr("Levantar"), &mesa()));
    m_levantar->setToolTip(tr("Levanta las cartas marcadas con la carta marcada de tu mano"));
    m_levantar->setStyleSheet(
        QStringLiteral("QPushButton { background: rgb(245, 240, 225); color: rgb(30, 60, 30);"
                       " border: none; border-radius: 8px; font-weight: bold; }"
                       "QPushButton:hover { background: white; }"
                       "QPushButton:focus { border: 2px solid rgb(255, 196, 0); }"));
    connect(m_levantar, &QPushButton::clicked, &mesa(), &Mesa::levantarPulsado);
}

void DisposicionModerna::setOrdenes(const QList<QAction *> &barra, QAction *correr)
{
    Q_UNUSED(barra)
    if (correr)
        m_panel->setCorrer(correr);
}

void DisposicionModerna::mostrarCorrer(bool hayPrograma)
{
    m_panel->mostrarCorrer(hayPrograma);
}

void DisposicionModerna::mostrarResumen(const ResumenDeMano &resumen, const QString &palabras,
                                        std::function<void()> alCerrar)
{
    m_resumen->mostrar(resumen, palabras, std::move(alCerrar));
}

QString DisposicionModerna::mostrarResultados(const QString &nombre, int num1, int num2,
                                              ResultadoDeMano::Ganador ganador,
                                              std::function<void(bool otraPartida)> alResponder)
{
    m_resultados->mostrar(nombre, num1, num2, ganador, std::move(alResponder));
    return m_resultados->descripcion();
}

void DisposicionModerna::mostrarEstado(const GameState &e)
{
    const CardList *pilas[] = { &e.player1Lev, &e.player2Lev };
    for (std::size_t i = 0; i < 2; ++i)
        m_cuentas.at(i) = static_cast<int>(pilas[i]->count());
    m_panel->setNombres(e.jugadorCpu.nombre(), e.jugadorHumano.nombre());
    m_enMesa = std::min(static_cast<int>(e.lamesa.count()), lugaresMesa());
    recolocar();
    mesa().update();
}

void DisposicionModerna::mostrarMarcas(const Marcas &marcas)
{
    m_marcas = marcas;
    const QList<CardPicture *> mano = mesa().imagenes(GrupoImagen::cartap2img);
    for (int i = 0; i < static_cast<int>(mano.size()); ++i)
        mano.at(i)->setMarcada(marcas.Checkp2.at(static_cast<std::size_t>(i)));
    const QList<CardPicture *> cartas = mesa().imagenes(GrupoImagen::mesaimg);
    for (int i = 0; i < static_cast<int>(cartas.size()); ++i)
        cartas.at(i)->setMarcada(i < Marcas::kMesa
                                 && marcas.CheckMesa.at(static_cast<std::size_t>(i)));
    const QList<CardPicture *> montones = mesa().imagenes(GrupoImagen::montonimg);
    for (int i = 0; i < static_cast<int>(montones.size()); ++i)
        montones.at(i)->setMarcada(marcas.CheckMonton.at(static_cast<std::size_t>(i)));
    recolocar();
}

QWidget *DisposicionModerna::veloAbierto() const
{
    if (m_resumen->isVisible())
        return m_resumen;
    if (m_resultados->isVisible())
        return m_resultados;
    return nullptr;
}

void DisposicionModerna::mostrarCartel(const QString &texto)
{
    m_panel->setCartel(texto);
}

void DisposicionModerna::mostrarTurno(Lado lado)
{
    m_panel->setTurno(lado);
}

bool DisposicionModerna::mostrarAviso(const QString &texto)
{
    m_aviso->setText(texto);
    const int w = mesa().width();
    const int ancho = std::min(w * 2 / 3, std::max(w / 3, m_aviso->sizeHint().width()));
    m_aviso->resize(ancho, m_aviso->heightForWidth(ancho));
    // Between the table and the hand, where the player looks after a move.
    const QRect mano = m_lugares.mano[1];
    m_aviso->move((w - ancho) / 2, std::max(0, mano.top() - m_lugares.alzada - m_aviso->height()));
    m_aviso->show();
    m_aviso->raise();
    m_finAviso->start();
    return true;
}

void DisposicionModerna::mostrarContadores(int cpu, int humano)
{
    m_insignias[0]->setText(QString::number(cpu));
    m_insignias[1]->setText(QString::number(humano));
    recolocar();
}

void DisposicionModerna::mostrarPuntajes(int cpu, int humano)
{
    m_panel->setPuntos(cpu, humano);
}

void DisposicionModerna::mostrarNombreJugador(const QString &nombre)
{
    m_panel->setNombres(m_panel->nombre(Lado::Cpu)->text(), nombre);
}

QWidget *DisposicionModerna::rotulo(Mesa::Rotulo rotulo) const
{
    switch (rotulo) {
    case Mesa::Rotulo::Cartel:
        return m_panel->cartel();
    case Mesa::Rotulo::ContadorCpu:
        return m_insignias[0];
    case Mesa::Rotulo::ContadorHumano:
        return m_insignias[1];
    case Mesa::Rotulo::PuntajeCpu:
        return m_panel->puntos(Lado::Cpu);
    case Mesa::Rotulo::PuntajeHumano:
        break;
    }
    return m_panel->puntos(Lado::Humano);
}

// A pile's thickness in pixels: it grows with its cards.
int DisposicionModerna::grosor(int i) const
{
    return std::min(m_cuentas.at(static_cast<std::size_t>(i)) / kCartasPorCapa,
                    m_lugares.carta.height() / 8);
}

// The pile's top card lies on its stack, raised when the pile is marked.
QRect DisposicionModerna::lugarMonton(int i) const
{
    const auto n = static_cast<std::size_t>(i);
    const int alzada = m_marcas.CheckMonton.at(n) ? m_lugares.alzada : 0;
    return m_lugares.montones.at(n).translated(0, -grosor(i) - alzada);
}

void DisposicionModerna::recolocar()
{
    m_lugares = LugaresModernos::calcular(mesa().size(), m_enMesa);
    const LugaresModernos &d = m_lugares;
    const QList<CardPicture *> cpu = mesa().imagenes(GrupoImagen::cartap1img);
    const QList<CardPicture *> cubiertas = mesa().cubiertas();
    const QList<CardPicture *> mano = mesa().imagenes(GrupoImagen::cartap2img);
    const QList<CardPicture *> cartas = mesa().imagenes(GrupoImagen::mesaimg);
    const QList<CardPicture *> montones = mesa().imagenes(GrupoImagen::montonimg);
    const auto alzar
        = [&d](const QRect &r, bool marcada) { return marcada ? r.translated(0, -d.alzada) : r; };
    for (int i = 0; i < 3; ++i) {
        const auto n = static_cast<std::size_t>(i);
        cpu.at(i)->setGeometry(d.cpu.at(n));
        cubiertas.at(i)->setGeometry(d.cpu.at(n));
        cubiertas.at(i)->raise();
        mano.at(i)->setGeometry(alzar(d.mano.at(n), m_marcas.Checkp2.at(n)));
    }
    const QRect ultimo = d.mesa.isEmpty() ? QRect(mesa().rect().center(), d.carta) : d.mesa.last();
    for (int i = 0; i < static_cast<int>(cartas.size()); ++i) {
        CardPicture *carta = cartas.at(i);
        carta->setGeometry(alzar(i < d.mesa.size() ? d.mesa.at(i) : ultimo, carta->marcada()));
        // Each card lies over the one before it, so every corner shows.
        carta->raise();
    }
    for (int i = 0; i < 2; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const QRect lugar = lugarMonton(i);
        montones.at(i)->setGeometry(lugar);
        QLabel *insignia = m_insignias.at(n);
        const int alto = std::max(20, d.carta.height() / 6);
        // The digits grow with the badge.
        QFont digitos = insignia->font();
        digitos.setPixelSize(alto * 3 / 5);
        insignia->setFont(digitos);
        insignia->adjustSize();
        insignia->resize(std::max(alto, insignia->width()), alto);
        insignia->move(lugar.right() - insignia->width() * 2 / 3, lugar.top() - alto / 3);
        insignia->raise();
    }
    m_panel->setGeometry(d.panel);
    m_panel->ajustar(d.panel.height());
    m_levantar->setGeometry(d.levantar);
    QFont fuente = m_levantar->font();
    fuente.setPixelSize(std::max(10, d.levantar.height() * 2 / 5));
    m_levantar->setFont(fuente);
    emit mesa().lugarNotaTutorCambiado();
}

void DisposicionModerna::resaltar(CardPicture *imagen, bool grande)
{
    if (!grande) {
        recolocar();
        return;
    }
    const QRect lugar = imagen->geometry();
    QRect mayor(QPoint(), lugar.size() * 4 / 3);
    mayor.moveCenter(lugar.center());
    // Inside the window, whatever the card's place.
    mayor.moveLeft(std::clamp(mayor.left(), 0, std::max(0, mesa().width() - mayor.width())));
    mayor.moveTop(std::clamp(mayor.top(), 0, std::max(0, mesa().height() - mayor.height())));
    imagen->setGeometry(mayor);
    imagen->raise();
}

qreal DisposicionModerna::caidaSombra() const
{
    return std::max(1.0, mesa().height() / 250.0);
}

QList<QSize> DisposicionModerna::redimensionar()
{
    recolocar();
    QList<QSize> tamanos { m_lugares.carta };
    if (!m_lugares.cartaMesa.isEmpty() && m_lugares.cartaMesa != m_lugares.carta)
        tamanos.append(m_lugares.cartaMesa);
    return tamanos;
}

void DisposicionModerna::pintar(QPainter &p, const QRegion &zona)
{
    const QSize tamano = mesa().size();
    const QPixmap &fondo = m_fondo.de(tamano, mesa().devicePixelRatioF(),
                                      Escala::paraTamano(tamano.width(), tamano.height()));
    const qreal razon = fondo.devicePixelRatio();
    for (const QRect &parte : zona) {
        const QRectF fuente(parte.x() * razon, parte.y() * razon, parte.width() * razon,
                            parte.height() * razon);
        p.drawPixmap(parte, fondo, fuente.toRect());
    }
    p.setRenderHint(QPainter::Antialiasing);
    pintarMonton(p, 0);
    pintarMonton(p, 1);
}

// An empty pile shows its place; a pile shows the edges of the cards under its top.
void DisposicionModerna::pintarMonton(QPainter &p, int i) const
{
    const QRect base = m_lugares.montones.at(static_cast<std::size_t>(i));
    const qreal radio = CardPicture::radio(base.width());
    if (m_cuentas.at(static_cast<std::size_t>(i)) == 0) {
        p.setPen(QPen(QColor(255, 255, 255, 120), 2, Qt::DashLine));
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(QRectF(base).adjusted(1, 1, -1, -1), radio, radio);
        return;
    }
    p.setPen(QPen(QColor(120, 110, 90), 1));
    p.setBrush(QColor(250, 246, 235));
    for (int capa = 0; capa < grosor(i); capa += 2)
        p.drawRoundedRect(QRectF(base.translated(0, -capa)), radio, radio);
}

bool DisposicionModerna::enMonton(QPoint punto) const
{
    return std::any_of(m_lugares.montones.begin(), m_lugares.montones.end(),
                       [punto](const QRect &lugar) { return lugar.contains(punto); });
}
