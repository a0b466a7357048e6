// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardwidget.h"

#include "boardlayout.h"
#include "cardpicture.h"
#include "focovisible.h"
#include "gamestate.h"
#include "lugarresalte.h"
#include "markbox.h"
#include "planotwips.h"
#include "sombrasdemesa.h"
#include "tiras.h"

#include <QFrame>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace BL = BoardLayout;

namespace {
const QString kFuenteTitulo = QStringLiteral("font-weight: bold;");
// From the board's left edge to the Levantar button, over the credits, below the
// lowest table card.
constexpr QRect kLugarNota { 120, 7380, 5640, 960 };
} // namespace

BoardWidget::BoardWidget(PictureCache &cache, QWidget *parent)
    : Mesa(parent)
    , m_sombras(new SombrasDeMesa(*this))
{
    // The felt covers every pixel: nothing behind the board is painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    crearCartas(cache);
    crearMarcas();
    m_rotulos = std::make_unique<RotulosClasicos>(*this, m_plano);
    crearBotones();
    enlazarMarcas();
    enlazarPulsaciones();
    ordenarCapas();
    new FocoVisible(*this);
}

void BoardWidget::crearBotones()
{
    m_levantar = new QPushButton(tr("Levantar"), this);
    m_levantar->setToolTip(tr("Click para levantar"));
    m_levantar->setStyleSheet(kFuenteTitulo);
    m_plano.colocar(m_levantar, BL::kLevantar, 8.25);
    m_toolbar = new BarraClasica(this);
    m_plano.colocar(m_toolbar, BL::kToolbar, 7.5);
}

void BoardWidget::crearCartas(PictureCache &cache)
{
    const auto crear = [this, &cache](GrupoImagen grupo, int i, QRect twips) {
        auto *imagen = new CardPicture(Imagen { grupo, i }, cache, this);
        imagen->hide();
        m_sombras->seguir(imagen);
        m_plano.colocar(imagen, twips);
        return imagen;
    };
    for (int i = 0; i < static_cast<int>(m_cartap1img.size()); ++i) {
        m_cartap1img.at(i) = crear(GrupoImagen::cartap1img, i, BL::kCartaCpu[i]);
        m_cartap1img.at(i)->setToolTip(tr("Cartas de la Cpu"));
        m_image1.at(i) = crear(GrupoImagen::cartap1img, i, BL::kReverso[i]);
        m_image1.at(i)->setCubierta(true);
        m_cartap1img.at(i)->setTapadaPor(m_image1.at(i));
        m_cartap2img.at(i) = crear(GrupoImagen::cartap2img, i, BL::kCartaHumano[i]);
        m_cartap2img.at(i)->setToolTip(tr("Click derecho o arrastrar"));
        m_cartap2img.at(i)->setArrastrable(true);
        m_cartap2img.at(i)->setCursor(Qt::OpenHandCursor);
        m_cartap2img.at(i)->setFocusPolicy(Qt::StrongFocus);
    }
    for (int i = 0; i < static_cast<int>(m_mesaimg.size()); ++i) {
        m_mesaimg.at(i) = crear(GrupoImagen::mesaimg, i, BL::kMesa[i]);
        m_mesaimg.at(i)->setToolTip(tr("Click izquierdo "));
        m_mesaimg.at(i)->setCursor(Qt::PointingHandCursor);
        m_mesaimg.at(i)->setFocusPolicy(Qt::StrongFocus);
    }
    for (int i = 0; i < static_cast<int>(m_montonimg.size()); ++i) {
        m_montonimg.at(i) = crear(GrupoImagen::montonimg, i, BL::kMonton[i]);
        m_montonimg.at(i)->setFocusPolicy(Qt::StrongFocus);
    }
    m_montonimg[0]->setCursor(Qt::PointingHandCursor);
}

void BoardWidget::crearMarcas()
{
    const auto crear = [this](QRect twips, bool activa) {
        auto *marca = new MarkBox(this);
        marca->setEnabled(activa);
        m_plano.colocar(marca, twips);
        return marca;
    };
    for (std::size_t i = 0; i < m_checkp2.size(); ++i)
        m_checkp2.at(i) = crear(BL::kCheckp2[i], true);
    for (std::size_t i = 0; i < m_checkMesa.size(); ++i)
        m_checkMesa.at(i) = crear(BL::kCheckMesa[i], false);
    m_checkMonton[0] = crear(BL::kCheckMonton[0], false);
    m_checkMonton[1] = crear(BL::kCheckMonton[1], true);
}

QList<CardPicture *> BoardWidget::imagenes(GrupoImagen grupo) const
{
    const auto lista = [](const auto &imagenes) {
        return QList<CardPicture *>(imagenes.begin(), imagenes.end());
    };
    switch (grupo) {
    case GrupoImagen::cartap1img:
        return lista(m_cartap1img);
    case GrupoImagen::cartap2img:
        return lista(m_cartap2img);
    case GrupoImagen::mesaimg:
        return lista(m_mesaimg);
    case GrupoImagen::montonimg:
        break;
    }
    return lista(m_montonimg);
}

QList<CardPicture *> BoardWidget::cubiertas() const
{
    return QList<CardPicture *>(m_image1.begin(), m_image1.end());
}

void BoardWidget::mostrarEstado(const GameState &e)
{
    mostrarLista(e, e.lamesa, imagenes(GrupoImagen::mesaimg));
    mostrarLista(e, e.player1, imagenes(GrupoImagen::cartap1img));
    for (int i = 0; i < static_cast<int>(m_image1.size()); ++i)
        m_image1.at(static_cast<std::size_t>(i))->setVisible(i < e.player1.count());
    mostrarLista(e, e.player2, imagenes(GrupoImagen::cartap2img));
    // A pile shows its top card only.
    for (std::size_t i = 0; i < m_montonimg.size(); ++i) {
        const CardList &pila = i == 0 ? e.player1Lev : e.player2Lev;
        if (!pila.isEmpty())
            m_montonimg.at(i)->setRuta(e.carta(pila.at(0)).imagen());
        m_montonimg.at(i)->setVisible(!pila.isEmpty());
    }
}

void BoardWidget::mostrarMarcas(const Marcas &m)
{
    // Each box shows the mark of its place; both arrays have the same size.
    const auto mostrar = [](const auto &cajas, const auto &marcas) {
        for (std::size_t i = 0; i < cajas.size(); ++i)
            cajas.at(i)->setChecked(marcas.at(i));
    };
    mostrar(m_checkp2, m.Checkp2);
    mostrar(m_checkMesa, m.CheckMesa);
    mostrar(m_checkMonton, m.CheckMonton);
}

void BoardWidget::mostrarCartel(const QString &texto)
{
    m_rotulos->cartel()->setText(texto);
    ajustar(m_rotulos->cartel());
}

void BoardWidget::mostrarContadores(int cpu, int humano)
{
    m_rotulos->contp1()->setText(QString::number(cpu));
    m_rotulos->contp2()->setText(QString::number(humano));
    ajustar(m_rotulos->contp1());
    ajustar(m_rotulos->contp2());
}

void BoardWidget::mostrarPuntajes(int cpu, int humano)
{
    m_rotulos->puntajep1()->setText(QString::number(cpu));
    m_rotulos->puntajep2()->setText(QString::number(humano));
}

void BoardWidget::mostrarNombreJugador(const QString &nombre)
{
    m_rotulos->nombreHumano()->setText(nombre);
    m_rotulos->nombreHumano()->setToolTip(nombre); // a long name does not fit its heading
}

void BoardWidget::setReverso(const QString &ruta)
{
    for (CardPicture *cubierta : m_image1)
        cubierta->setRuta(ruta);
}

QWidget *BoardWidget::rotulo(Rotulo rotulo) const
{
    switch (rotulo) {
    case Rotulo::Cartel:
        return m_rotulos->cartel();
    case Rotulo::ContadorCpu:
        return m_rotulos->contp1();
    case Rotulo::ContadorHumano:
        return m_rotulos->contp2();
    case Rotulo::PuntajeCpu:
        return m_rotulos->puntajep1();
    case Rotulo::PuntajeHumano:
        break;
    }
    return m_rotulos->puntajep2();
}

QWidget *BoardWidget::marca(const Imagen &lugar) const
{
    const auto i = static_cast<std::size_t>(lugar.indice);
    switch (lugar.grupo) {
    case GrupoImagen::cartap2img:
        return m_checkp2.at(i);
    case GrupoImagen::mesaimg:
        return m_checkMesa.at(i);
    case GrupoImagen::montonimg:
        return m_checkMonton.at(i);
    case GrupoImagen::cartap1img:
        break;
    }
    return nullptr;
}

void BoardWidget::setFondo(const QString &ruta)
{
    m_fondo.setRuta(ruta);
    update();
}

void BoardWidget::setColorFondo(const QColor &color)
{
    m_fondo.setColor(color);
    update();
}

void BoardWidget::enlazarMarcas()
{
    const auto enlazar = [this](MarkBox *marca, CardPicture *carta) {
        connect(marca, &MarkBox::toggled, this,
                [this, carta](bool marcada) { marcar(carta, marcada); });
    };
    for (std::size_t i = 0; i < m_checkp2.size(); ++i)
        enlazar(m_checkp2.at(i), m_cartap2img.at(i));
    for (std::size_t i = 0; i < m_checkMesa.size(); ++i)
        enlazar(m_checkMesa.at(i), m_mesaimg.at(i));
    for (std::size_t i = 0; i < m_checkMonton.size(); ++i)
        enlazar(m_checkMonton.at(i), m_montonimg.at(i));
}

// The controls that take clicks speak for the table.
void BoardWidget::enlazarPulsaciones()
{
    const auto pulsar = [this](CardPicture *imagen) {
        connect(imagen, &CardPicture::clicked, this,
                [this, imagen] { emit cartaPulsada(imagen->imagen()); });
    };
    for (CardPicture *imagen : m_mesaimg)
        pulsar(imagen);
    for (CardPicture *imagen : m_cartap2img)
        pulsar(imagen);
    pulsar(m_montonimg[0]);
    for (int i = 0; i < static_cast<int>(m_checkp2.size()); ++i)
        connect(m_checkp2.at(static_cast<std::size_t>(i)), &MarkBox::clicked, this, [this, i] {
            emit marcaPulsada({ GrupoImagen::cartap2img, i });
        });
    connect(m_checkMonton[1], &MarkBox::clicked, this, [this] {
        emit marcaPulsada({ GrupoImagen::montonimg, 1 });
    });
    connect(m_levantar, &QPushButton::clicked, this, &Mesa::levantarPulsado);
}

void BoardWidget::marcar(CardPicture *carta, bool marcada)
{
    carta->setMarcada(marcada);
    m_plano.devolver(carta);
}

// What an enlarged card must leave in sight: every label, the scores and the toolbar.
QList<QRect> BoardWidget::rotulos() const
{
    QList<QRect> rotulos { m_toolbar->geometry() };
    for (const QFrame *f : findChildren<QFrame *>(Qt::FindDirectChildrenOnly)) {
        if (f->isVisible())
            rotulos.append(f->geometry());
    }
    return rotulos;
}

void BoardWidget::resaltar(CardPicture *imagen, bool grande)
{
    const QRect twips = m_plano.twips(imagen);
    if (twips.isEmpty())
        return;
    if (!grande) {
        m_plano.devolver(imagen);
        m_plano.ordenarCapas();
        return;
    }
    const QSize tamano = m_plano.tamanoCarta(twips.adjusted(0, 0, BL::kResalte, BL::kResalte));
    imagen->setGeometry(LugarResalte::elegir(m_plano.lugar(imagen), tamano,
                                             escala().rect(QRect(0, 0, BL::kAncho, BL::kAlto)),
                                             rotulos()));
    imagen->raise();
}

void BoardWidget::ajustar(QLabel *etiqueta)
{
    m_plano.ajustar(etiqueta);
    if (etiqueta == m_rotulos->cartel()) {
        // Wraps its words and grows downwards to fit them.
        const QRect r = escala().rect(BL::kCartel);
        m_rotulos->cartel()->setGeometry(
            r.x(), r.y(), r.width(),
            std::max(r.height(), m_rotulos->cartel()->heightForWidth(r.width())));
    }
}

void BoardWidget::recolocar()
{
    m_plano.recolocar();
    m_toolbar->ajustar(escala().rect(BL::kToolbar).size());
    ajustar(m_rotulos->cartel());
}

void BoardWidget::ordenarCapas()
{
    // Later controls lie above earlier ones: each CPU card under its cover,
    // every mark and label above the cards.
    m_plano.ordenarCapas();
}

void BoardWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_plano.setEscala(Escala::paraTamano(width(), height()));
    // The shadows fall further on a larger board.
    m_sombras->setCaida(std::max(1.0, escala().factor() * 3));
    recolocar();
    QList<QSize> tamanos;
    for (const CardPicture *cara :
         { m_mesaimg[0], m_cartap2img[0], m_montonimg[0], m_montonimg[1] }) {
        if (!tamanos.contains(cara->size()))
            tamanos.append(cara->size());
    }
    emit cartasRedimensionadas(tamanos, devicePixelRatioF());
}

void BoardWidget::paintEvent(QPaintEvent *event)
{
    // Only the part that changed is painted: a refresh changes a few cards,
    // and the felt alone covers the whole window.
    QPainter p(this);
    const QPixmap &fondo = m_fondo.de(size(), devicePixelRatioF(), escala());
    const qreal razon = fondo.devicePixelRatio();
    // Piece by piece of the region: a copy of its bounding box would cross its
    // gaps on every row, in as many pieces as the engine shares out.
    for (const QRect &zona : event->region()) {
        const QRectF fuente(zona.x() * razon, zona.y() * razon, zona.width() * razon,
                            zona.height() * razon);
        Tiras::dibujar(p, zona, fondo, fuente.toRect());
    }
    m_sombras->pintar(p, event->region());
}

void BoardWidget::soltar(QPoint punto, int slot)
{
    QWidget *debajo = childAt(punto);
    // An empty pile hides its picture, but its place still takes the card.
    for (CardPicture *monton : m_montonimg) {
        if (!debajo && monton->geometry().contains(punto))
            debajo = monton;
    }
    const auto enMesa = std::find(m_mesaimg.begin(), m_mesaimg.end(), debajo);
    if (!debajo)
        emit soltadaEnFondo(slot);
    else if (debajo == m_montonimg[0] || debajo == m_montonimg[1])
        emit soltadaEnMonton(slot);
    else if (enMesa != m_mesaimg.end())
        emit soltadaEnMesa(slot, static_cast<int>(enMesa - m_mesaimg.begin()));
    else
        emit soltadaSinEfecto(slot); // any other control takes the drop and does nothing
}

QRect BoardWidget::lugarNotaTutor() const
{
    return escala().rect(kLugarNota);
}
