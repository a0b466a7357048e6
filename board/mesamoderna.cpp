// SPDX-License-Identifier: GPL-3.0-or-later

#include "mesamoderna.h"

#include "cardpicture.h"
#include "escala.h"
#include "focovisible.h"
#include "gamestate.h"
#include "mazo.h"
#include "panelpuntos.h"
#include "resultadosenmesa.h"
#include "resumenenmesa.h"
#include "sombrasdemesa.h"

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

MesaModerna::MesaModerna(PictureCache &cache, QWidget *parent)
    : Mesa(parent)
    , m_sombras(new SombrasDeMesa(*this))
{
    crearCartas(cache);
    crearRotulos();
    enlazar();
    new FocoVisible(*this);
}

void MesaModerna::crearCartas(PictureCache &cache)
{
    const auto crear = [this, &cache](GrupoImagen grupo, int i) {
        auto *imagen = new CardPicture(Imagen { grupo, i }, cache, this);
        imagen->hide();
        m_sombras->seguir(imagen);
        return imagen;
    };
    for (int i = 0; i < 3; ++i) {
        const auto n = static_cast<std::size_t>(i);
        m_cpu.at(n) = crear(GrupoImagen::cartap1img, i);
        m_cubiertas.at(n) = crear(GrupoImagen::cartap1img, i);
        m_cubiertas.at(n)->setCubierta(true);
        m_cpu.at(n)->setTapadaPor(m_cubiertas.at(n));
        m_mano.at(n) = crear(GrupoImagen::cartap2img, i);
        m_mano.at(n)->setToolTip(tr("Clic para marcarla; arrástrala para jugarla"));
        m_mano.at(n)->setArrastrable(true);
        m_mano.at(n)->setCursor(Qt::OpenHandCursor);
        m_mano.at(n)->setFocusPolicy(Qt::StrongFocus);
    }
    for (int i = 0; i < Mazo::kCartas; ++i) {
        CardPicture *carta = crear(GrupoImagen::mesaimg, i);
        carta->setCursor(Qt::PointingHandCursor);
        carta->setFocusPolicy(Qt::StrongFocus);
        m_mesa.append(carta);
    }
    for (int i = 0; i < 2; ++i) {
        CardPicture *monton = crear(GrupoImagen::montonimg, i);
        monton->setFocusPolicy(Qt::StrongFocus);
        monton->setCursor(Qt::PointingHandCursor);
        m_montones.at(static_cast<std::size_t>(i)) = monton;
    }
    m_montones[0]->setToolTip(tr("Montón de la CPU"));
    m_montones[1]->setToolTip(tr("Tu montón: clic para marcarlo"));
}

void MesaModerna::crearRotulos()
{
    for (QLabel *&insignia : m_insignias) {
        insignia = new QLabel(QStringLiteral("0"), this);
        insignia->setAlignment(Qt::AlignCenter);
        insignia->setStyleSheet(QStringLiteral("background: rgb(30, 30, 30); color: white;"
                                               " border: 2px solid white; border-radius: 10px;"
                                               " font-weight: bold; padding: 0 4px;"));
    }
    m_panel = new PanelPuntos(this);
    m_resumen = new ResumenEnMesa(this);
    m_resultados = new ResultadosEnMesa(this);
    m_aviso = new QLabel(this);
    m_aviso->setAlignment(Qt::AlignCenter);
    m_aviso->setWordWrap(true);
    m_aviso->setStyleSheet(QStringLiteral("background: rgba(20, 20, 20, 215); color: white;"
                                          " border-radius: 10px; padding: 8px 16px;"));
    m_aviso->hide();
    m_finAviso = new QTimer(this);
    m_finAviso->setSingleShot(true);
    m_finAviso->setInterval(kAvisoMs);
    connect(m_finAviso, &QTimer::timeout, m_aviso, &QWidget::hide);
    m_levantar = new QPushButton(tr("Levantar"), this);
    m_levantar->setToolTip(tr("Levanta las cartas marcadas con la carta marcada de tu mano"));
    m_levantar->setStyleSheet(
        QStringLiteral("QPushButton { background: rgb(245, 240, 225); color: rgb(30, 60, 30);"
                       " border: none; border-radius: 8px; font-weight: bold; }"
                       "QPushButton:hover { background: white; }"
                       "QPushButton:focus { border: 2px solid rgb(255, 196, 0); }"));
}

void MesaModerna::enlazar()
{
    const auto pulsar = [this](CardPicture *imagen) {
        connect(imagen, &CardPicture::clicked, this,
                [this, imagen] { emit cartaPulsada(imagen->imagen()); });
    };
    for (CardPicture *imagen : std::as_const(m_mesa))
        pulsar(imagen);
    for (CardPicture *imagen : m_mano)
        pulsar(imagen);
    pulsar(m_montones[0]);
    // The own pile takes its mark on the pile itself.
    connect(m_montones[1], &CardPicture::clicked, this, [this] {
        emit marcaPulsada({ GrupoImagen::montonimg, 1 });
    });
    connect(m_levantar, &QPushButton::clicked, this, &Mesa::levantarPulsado);
}

QList<CardPicture *> MesaModerna::imagenes(GrupoImagen grupo) const
{
    const auto lista = [](const auto &imagenes) {
        return QList<CardPicture *>(imagenes.begin(), imagenes.end());
    };
    switch (grupo) {
    case GrupoImagen::cartap1img:
        return lista(m_cpu);
    case GrupoImagen::cartap2img:
        return lista(m_mano);
    case GrupoImagen::mesaimg:
        return m_mesa;
    case GrupoImagen::montonimg:
        break;
    }
    return lista(m_montones);
}

QList<CardPicture *> MesaModerna::cubiertas() const
{
    return QList<CardPicture *>(m_cubiertas.begin(), m_cubiertas.end());
}

void MesaModerna::mostrarEstado(const GameState &e)
{
    mostrarLista(e, e.lamesa, m_mesa);
    mostrarLista(e, e.player1, imagenes(GrupoImagen::cartap1img));
    for (int i = 0; i < 3; ++i)
        m_cubiertas.at(static_cast<std::size_t>(i))->setVisible(i < e.player1.count());
    mostrarLista(e, e.player2, imagenes(GrupoImagen::cartap2img));
    const CardList *pilas[] = { &e.player1Lev, &e.player2Lev };
    for (std::size_t i = 0; i < 2; ++i) {
        const CardList &pila = *pilas[i];
        if (!pila.isEmpty())
            m_montones.at(i)->setRuta(e.carta(pila.at(0)).imagen());
        m_montones.at(i)->setVisible(!pila.isEmpty());
        m_cuentas.at(i) = static_cast<int>(pila.count());
    }
    m_panel->setNombres(e.jugadorCpu.nombre(), e.jugadorHumano.nombre());
    m_enMesa = std::min(static_cast<int>(e.lamesa.count()), static_cast<int>(m_mesa.size()));
    recolocar();
    update();
}

void MesaModerna::mostrarMarcas(const Marcas &marcas)
{
    m_marcas = marcas;
    for (std::size_t i = 0; i < m_mano.size(); ++i)
        m_mano.at(i)->setMarcada(marcas.Checkp2.at(i));
    for (int i = 0; i < static_cast<int>(m_mesa.size()); ++i)
        m_mesa.at(i)->setMarcada(i < Marcas::kMesa
                                 && marcas.CheckMesa.at(static_cast<std::size_t>(i)));
    for (std::size_t i = 0; i < m_montones.size(); ++i)
        m_montones.at(i)->setMarcada(marcas.CheckMonton.at(i));
    recolocar();
}

QWidget *MesaModerna::veloAbierto() const
{
    if (m_resumen->isVisible())
        return m_resumen;
    if (m_resultados->isVisible())
        return m_resultados;
    return nullptr;
}

void MesaModerna::mostrarCartel(const QString &texto)
{
    m_panel->setCartel(texto);
}

void MesaModerna::mostrarTurno(Lado lado)
{
    m_panel->setTurno(lado);
}

bool MesaModerna::mostrarAviso(const QString &texto)
{
    m_aviso->setText(texto);
    const int ancho = std::min(width() * 2 / 3, std::max(width() / 3, m_aviso->sizeHint().width()));
    m_aviso->resize(ancho, m_aviso->heightForWidth(ancho));
    // Between the table and the hand, where the player looks after a move.
    const QRect mano = m_lugares.mano[1];
    m_aviso->move((width() - ancho) / 2,
                  std::max(0, mano.top() - m_lugares.alzada - m_aviso->height()));
    m_aviso->show();
    m_aviso->raise();
    m_finAviso->start();
    return true;
}

void MesaModerna::mostrarContadores(int cpu, int humano)
{
    m_insignias[0]->setText(QString::number(cpu));
    m_insignias[1]->setText(QString::number(humano));
    recolocar();
}

void MesaModerna::mostrarPuntajes(int cpu, int humano)
{
    m_panel->setPuntos(cpu, humano);
}

void MesaModerna::mostrarNombreJugador(const QString &nombre)
{
    m_panel->setNombres(m_panel->nombre(Lado::Cpu)->text(), nombre);
}

void MesaModerna::setReverso(const QString &ruta)
{
    for (CardPicture *cubierta : m_cubiertas)
        cubierta->setRuta(ruta);
}

void MesaModerna::setFondo(const QString &ruta)
{
    m_fondo.setRuta(ruta);
    update();
}

void MesaModerna::setColorFondo(const QColor &color)
{
    m_fondo.setColor(color);
    update();
}

QWidget *MesaModerna::rotulo(Rotulo rotulo) const
{
    switch (rotulo) {
    case Rotulo::Cartel:
        return m_panel->cartel();
    case Rotulo::ContadorCpu:
        return m_insignias[0];
    case Rotulo::ContadorHumano:
        return m_insignias[1];
    case Rotulo::PuntajeCpu:
        return m_panel->puntos(Lado::Cpu);
    case Rotulo::PuntajeHumano:
        break;
    }
    return m_panel->puntos(Lado::Humano);
}

// A pile's thickness in pixels: it grows with its cards.
int MesaModerna::grosor(int i) const
{
    return std::min(m_cuentas.at(static_cast<std::size_t>(i)) / kCartasPorCapa,
                    m_lugares.carta.height() / 8);
}

// The pile's top card lies on its stack, raised when the pile is marked.
QRect MesaModerna::lugarMonton(int i) const
{
    const auto n = static_cast<std::size_t>(i);
    const int alzada = m_marcas.CheckMonton.at(n) ? m_lugares.alzada : 0;
    return m_lugares.montones.at(n).translated(0, -grosor(i) - alzada);
}

void MesaModerna::recolocar()
{
    m_lugares = DisposicionModerna::calcular(size(), m_enMesa);
    const DisposicionModerna &d = m_lugares;
    const auto alzar
        = [&d](const QRect &r, bool marcada) { return marcada ? r.translated(0, -d.alzada) : r; };
    for (std::size_t i = 0; i < 3; ++i) {
        m_cpu.at(i)->setGeometry(d.cpu.at(i));
        m_cubiertas.at(i)->setGeometry(d.cpu.at(i));
        m_cubiertas.at(i)->raise();
        m_mano.at(i)->setGeometry(alzar(d.mano.at(i), m_marcas.Checkp2.at(i)));
    }
    const QRect ultimo = d.mesa.isEmpty() ? QRect(rect().center(), d.carta) : d.mesa.last();
    for (int i = 0; i < static_cast<int>(m_mesa.size()); ++i) {
        CardPicture *carta = m_mesa.at(i);
        carta->setGeometry(alzar(i < d.mesa.size() ? d.mesa.at(i) : ultimo, carta->marcada()));
        // Each card lies over the one before it, so every corner shows.
        carta->raise();
    }
    for (int i = 0; i < 2; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const QRect lugar = lugarMonton(i);
        m_montones.at(n)->setGeometry(lugar);
        QLabel *insignia = m_insignias.at(n);
        insignia->adjustSize();
        const int alto = std::max(20, d.carta.height() / 6);
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
    emit lugarNotaTutorCambiado();
}

void MesaModerna::resaltar(CardPicture *imagen, bool grande)
{
    if (!grande) {
        recolocar();
        return;
    }
    const QRect lugar = imagen->geometry();
    QRect mayor(QPoint(), lugar.size() * 4 / 3);
    mayor.moveCenter(lugar.center());
    // Inside the window, whatever the card's place.
    mayor.moveLeft(std::clamp(mayor.left(), 0, std::max(0, width() - mayor.width())));
    mayor.moveTop(std::clamp(mayor.top(), 0, std::max(0, height() - mayor.height())));
    imagen->setGeometry(mayor);
    imagen->raise();
}

void MesaModerna::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_sombras->setCaida(std::max(1.0, height() / 250.0));
    recolocar();
    QList<QSize> tamanos { m_lugares.carta };
    if (!m_lugares.cartaMesa.isEmpty() && m_lugares.cartaMesa != m_lugares.carta)
        tamanos.append(m_lugares.cartaMesa);
    emit cartasRedimensionadas(tamanos, devicePixelRatioF());
}

void MesaModerna::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QPixmap &fondo
        = m_fondo.de(size(), devicePixelRatioF(), Escala::paraTamano(width(), height()));
    const qreal razon = fondo.devicePixelRatio();
    for (const QRect &zona : event->region()) {
        const QRectF fuente(zona.x() * razon, zona.y() * razon, zona.width() * razon,
                            zona.height() * razon);
        p.drawPixmap(zona, fondo, fuente.toRect());
    }
    p.setRenderHint(QPainter::Antialiasing);
    pintarMonton(p, 0);
    pintarMonton(p, 1);
    m_sombras->pintar(p, event->region());
}

// An empty pile shows its place; a pile shows the edges of the cards under its top.
void MesaModerna::pintarMonton(QPainter &p, int i) const
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

void MesaModerna::soltar(QPoint punto, int slot)
{
    QWidget *debajo = childAt(punto);
    const auto enMesa = std::find(m_mesa.begin(), m_mesa.end(), debajo);
    bool enMonton = debajo == m_montones[0] || debajo == m_montones[1];
    for (const QRect &lugar : m_lugares.montones)
        enMonton = enMonton || (!debajo && lugar.contains(punto));
    if (enMonton)
        emit soltadaEnMonton(slot);
    else if (enMesa != m_mesa.end())
        emit soltadaEnMesa(slot, static_cast<int>(enMesa - m_mesa.begin()));
    else if (!debajo)
        emit soltadaEnFondo(slot);
    else
        emit soltadaSinEfecto(slot);
}
