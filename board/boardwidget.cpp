// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardwidget.h"

#include "boardlayout.h"
#include "cardpicture.h"
#include "etiquetaguardada.h"
#include "focovisible.h"
#include "lugarresalte.h"
#include "markbox.h"
#include "tiras.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace BL = BoardLayout;

namespace {
const QString kFuenteTitulo = QStringLiteral("font-weight: bold;");
// A marked card is lifted this much above its place.
constexpr int kAlzada = 90;
} // namespace

BoardWidget::BoardWidget(PictureCache &cache, QWidget *parent)
    : QWidget(parent)
{
    // The felt covers every pixel: nothing behind the board is painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
    crearCartas(cache);
    crearMarcas();
    crearEtiquetas();
    crearMarcadores();
    LevantarBtn = new QPushButton(tr("Levantar"), this);
    LevantarBtn->setToolTip(tr("Click para levantar"));
    LevantarBtn->setStyleSheet(kFuenteTitulo);
    colocar(LevantarBtn, BL::kLevantar, 8.25);
    Toolbar1 = new QToolBar(this);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setMovable(false);
    // Three captioned buttons share a narrow strip: no room to spare on padding.
    Toolbar1->setStyleSheet(QStringLiteral("QToolBar { border: none; background: transparent;"
                                           " spacing: 0; padding: 0; }"
                                           "QToolButton { padding: 0; margin: 0; color: white; }"
                                           "QToolButton:hover, QToolButton:pressed {"
                                           " background: rgba(0, 0, 0, 70); border: none;"
                                           " border-radius: 4px; }"));
    colocar(Toolbar1, BL::kToolbar, 7.5);
    enlazarMarcas();
    ordenarCapas();
    new FocoVisible(*this);
}

void BoardWidget::crearCartas(PictureCache &cache)
{
    const auto crear = [this, &cache](GrupoImagen grupo, int i, QRect twips) {
        auto *imagen = new CardPicture(Imagen { grupo, i }, cache, this);
        imagen->hide();
        imagen->installEventFilter(this);
        connect(imagen, &CardPicture::sombraCambiada, this,
                [this, imagen] { update(conSombra(imagen->geometry())); });
        colocar(imagen, twips);
        return imagen;
    };
    for (int i = 0; i < static_cast<int>(cartap1img.size()); ++i) {
        cartap1img.at(i) = crear(GrupoImagen::cartap1img, i, BL::kCartaCpu[i]);
        cartap1img.at(i)->setToolTip(tr("Cartas de la Cpu"));
        Image1.at(i) = crear(GrupoImagen::cartap1img, i, BL::kReverso[i]);
        Image1.at(i)->setCubierta(true);
        cartap2img.at(i) = crear(GrupoImagen::cartap2img, i, BL::kCartaHumano[i]);
        cartap2img.at(i)->setToolTip(tr("Click derecho o arrastrar"));
        cartap2img.at(i)->setArrastrable(true);
        cartap2img.at(i)->setCursor(Qt::OpenHandCursor);
        cartap2img.at(i)->setFocusPolicy(Qt::StrongFocus);
    }
    for (int i = 0; i < static_cast<int>(mesaimg.size()); ++i) {
        mesaimg.at(i) = crear(GrupoImagen::mesaimg, i, BL::kMesa[i]);
        mesaimg.at(i)->setToolTip(tr("Click izquierdo "));
        mesaimg.at(i)->setCursor(Qt::PointingHandCursor);
        mesaimg.at(i)->setFocusPolicy(Qt::StrongFocus);
    }
    for (int i = 0; i < static_cast<int>(montonimg.size()); ++i) {
        montonimg.at(i) = crear(GrupoImagen::montonimg, i, BL::kMonton[i]);
        montonimg.at(i)->setFocusPolicy(Qt::StrongFocus);
    }
    montonimg[0]->setCursor(Qt::PointingHandCursor);
}

void BoardWidget::crearMarcas()
{
    const auto crear = [this](QRect twips, bool activa) {
        auto *marca = new MarkBox(this);
        marca->setEnabled(activa);
        colocar(marca, twips);
        return marca;
    };
    for (std::size_t i = 0; i < Checkp2.size(); ++i)
        Checkp2.at(i) = crear(BL::kCheckp2[i], true);
    for (std::size_t i = 0; i < CheckMesa.size(); ++i)
        CheckMesa.at(i) = crear(BL::kCheckMesa[i], false);
    CheckMonton[0] = crear(BL::kCheckMonton[0], false);
    CheckMonton[1] = crear(BL::kCheckMonton[1], true);
}

QLabel *BoardWidget::etiqueta(const QString &texto, const QString &estilo, qreal puntos,
                              QRect twips)
{
    auto *e = new EtiquetaGuardada(texto, this);
    e->setStyleSheet(estilo);
    colocar(e, twips, puntos);
    return e;
}

QLabel *BoardWidget::etiquetaAjustable(const QString &texto, const QString &estilo, qreal puntos,
                                       QPoint esquina)
{
    auto *e = etiqueta(texto, estilo, puntos, QRect(esquina, QSize(1, 1)));
    m_ajustables.append({ e, esquina });
    return e;
}

void BoardWidget::crearEtiquetas()
{
    const QString borde = QStringLiteral("border: 1px solid black; font-weight: bold;");
    Cartellbl = etiqueta({}, QStringLiteral("background: #C0C0FF;") + borde, 12, BL::kCartel);
    Cartellbl->setAlignment(Qt::AlignCenter);
    Cartellbl->setWordWrap(true);
    etiqueta(tr("Puntajes"), borde, 12, BL::kPuntajes)->setAlignment(Qt::AlignCenter);
    const QString titulo = QStringLiteral("background: #FFFF80; font-style: italic;") + borde;
    etiqueta(tr("Cpu"), titulo, 8.25, BL::kTituloCpu);
    Label2 = etiqueta(tr("Humano"), titulo, 8.25, BL::kTituloHumano);
    const QString contador
        = QStringLiteral("background: white; font-weight: bold; padding: 0 2px;");
    Contp1Lbl
        = etiquetaAjustable({}, contador + QStringLiteral("color: #404040;"), 9.75, BL::kContp1);
    Contp2lbl
        = etiquetaAjustable({}, contador + QStringLiteral("color: black;"), 9.75, BL::kContp2);
    Contp1Lbl->setAlignment(Qt::AlignCenter);
    Contp2lbl->setAlignment(Qt::AlignCenter);
    etiquetaAjustable(tr(" Monton CPU"), kFuenteTitulo, 8.25, BL::kMontonCpu);
    etiquetaAjustable(tr("Tu Monton"), kFuenteTitulo, 8.25, BL::kTuMonton);
    const QString pie = QStringLiteral("color: #F0F0E0;");
    etiquetaAjustable(tr("Zelbo, un juego de naipes para una persona"), pie, 8.25, BL::kCredito);
    etiquetaAjustable(tr("Sugerencias: zelbo@example.org"), pie, 8.25, BL::kContacto);
}

void BoardWidget::crearMarcadores()
{
    const QString estilo
        = QStringLiteral("background: white; color: black; border: 1px solid black;"
                         "font-weight: bold; font-style: italic;");
    for (std::size_t i = 0; i < std::size(BL::kFrame); ++i) {
        auto *marco = new QFrame(this);
        marco->setStyleSheet(QStringLiteral("background: #E0E0E0;"));
        colocar(marco, BL::kFrame[i]);
        auto *puntaje = new EtiquetaGuardada({}, marco);
        puntaje->setStyleSheet(estilo);
        puntaje->setAlignment(Qt::AlignCenter);
        m_enMarco.append({ puntaje, BL::kPuntaje });
        (i == 0 ? Puntajep1Lbl : Puntajep2Lbl) = puntaje;
    }
}

void BoardWidget::colocar(QWidget *control, QRect twips, qreal puntos)
{
    m_colocados.append({ control, twips, puntos });
}

CardPicture *BoardWidget::imagen(const Imagen &imagen) const
{
    const auto i = static_cast<std::size_t>(imagen.indice);
    switch (imagen.grupo) {
    case GrupoImagen::cartap1img:
        return cartap1img.at(i);
    case GrupoImagen::cartap2img:
        return cartap2img.at(i);
    case GrupoImagen::mesaimg:
        return mesaimg.at(i);
    case GrupoImagen::montonimg:
        break;
    }
    return montonimg.at(i);
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
    for (std::size_t i = 0; i < Checkp2.size(); ++i)
        enlazar(Checkp2.at(i), cartap2img.at(i));
    for (std::size_t i = 0; i < CheckMesa.size(); ++i)
        enlazar(CheckMesa.at(i), mesaimg.at(i));
    for (std::size_t i = 0; i < CheckMonton.size(); ++i)
        enlazar(CheckMonton.at(i), montonimg.at(i));
}

void BoardWidget::marcar(CardPicture *carta, bool marcada)
{
    carta->setMarcada(marcada);
    for (const Colocado &c : std::as_const(m_colocados)) {
        if (c.control == carta)
            carta->setGeometry(lugar(c));
    }
}

QRect BoardWidget::lugar(const Colocado &c) const
{
    const auto *carta = qobject_cast<const CardPicture *>(c.control);
    if (!carta)
        return m_escala.rect(c.twips);
    const int alzada = carta->marcada() ? kAlzada : 0;
    return QRect(m_escala.punto(c.twips.topLeft() - QPoint(0, alzada)), tamanoCarta(c.twips));
}

// Cards of one size in twips show at one size in pixels wherever they lie,
// so each picture is prepared once for all the places of its size.
QSize BoardWidget::tamanoCarta(const QRect &twips) const
{
    return { m_escala.px(twips.width()), m_escala.px(twips.height()) };
}

// What an enlarged card must leave in sight: every label, the scores and the toolbar.
QList<QRect> BoardWidget::rotulos() const
{
    QList<QRect> rotulos { Toolbar1->geometry() };
    for (const QFrame *f : findChildren<QFrame *>(Qt::FindDirectChildrenOnly)) {
        if (f->isVisible())
            rotulos.append(f->geometry());
    }
    return rotulos;
}

void BoardWidget::resaltar(CardPicture *imagen, bool grande)
{
    for (const Colocado &c : std::as_const(m_colocados)) {
        if (c.control != imagen)
            continue;
        if (!grande) {
            imagen->setGeometry(lugar(c));
            ordenarCapas();
            continue;
        }
        const QSize tamano = tamanoCarta(c.twips.adjusted(0, 0, BL::kResalte, BL::kResalte));
        imagen->setGeometry(LugarResalte::elegir(lugar(c), tamano,
                                                 m_escala.rect(QRect(0, 0, BL::kAncho, BL::kAlto)),
                                                 rotulos()));
        imagen->raise();
    }
}

void BoardWidget::ajustar(QLabel *etiqueta)
{
    for (const auto &[e, esquina] : std::as_const(m_ajustables)) {
        if (e == etiqueta) {
            e->adjustSize();
            e->move(m_escala.punto(esquina));
        }
    }
    if (etiqueta == Cartellbl) {
        // Wraps its words and grows downwards to fit them.
        const QRect r = m_escala.rect(BL::kCartel);
        Cartellbl->setGeometry(r.x(), r.y(), r.width(),
                               std::max(r.height(), Cartellbl->heightForWidth(r.width())));
    }
}

void BoardWidget::recolocar()
{
    for (const Colocado &c : std::as_const(m_colocados)) {
        c.control->setGeometry(lugar(c));
        if (c.puntos > 0) {
            QFont fuente = c.control->font();
            fuente.setPointSizeF(m_escala.puntos(c.puntos));
            c.control->setFont(fuente);
        }
    }
    for (const auto &[control, twips] : std::as_const(m_enMarco)) {
        control->setGeometry(m_escala.px(twips.x()), m_escala.px(twips.y()),
                             m_escala.px(twips.width()), m_escala.px(twips.height()));
        QFont fuente = control->font();
        fuente.setPointSizeF(m_escala.puntos(18));
        control->setFont(fuente);
    }
    ajustarBotones();
    for (const auto &par : std::as_const(m_ajustables))
        ajustar(par.first);
    ajustar(Cartellbl);
}

// The three buttons share the toolbar's width evenly at every scale, so none
// is pushed out of it.
void BoardWidget::ajustarBotones()
{
    const QSize caja = m_escala.rect(BL::kToolbar).size();
    const int icono = std::max(8, caja.height() / 2);
    Toolbar1->setIconSize(QSize(icono, icono));
    const QList<QAction *> acciones = Toolbar1->actions();
    for (QAction *accion : acciones) {
        if (QWidget *boton = Toolbar1->widgetForAction(accion)) {
            boton->setFont(Toolbar1->font());
            // The toolbar keeps a pixel of margin round its buttons.
            boton->setFixedSize((caja.width() - 2) / std::max<int>(1, acciones.size()),
                                caja.height() - 2);
        }
    }
    Toolbar1->layout()->activate();
}

void BoardWidget::ordenarCapas()
{
    // Later controls lie above earlier ones: each CPU card under its cover,
    // every mark and label above the cards.
    for (const Colocado &c : std::as_const(m_colocados))
        c.control->raise();
}

void BoardWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_escala = Escala::paraTamano(width(), height());
    recolocar();
    QList<QSize> tamanos;
    for (const CardPicture *cara : { mesaimg[0], cartap2img[0], montonimg[0], montonimg[1] }) {
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
    const QPixmap &fondo = m_fondo.de(size(), devicePixelRatioF(), m_escala);
    const qreal razon = fondo.devicePixelRatio();
    // Piece by piece of the region: a copy of its bounding box would cross its
    // gaps on every row, in as many pieces as the engine shares out.
    for (const QRect &zona : event->region()) {
        const QRectF fuente(zona.x() * razon, zona.y() * razon, zona.width() * razon,
                            zona.height() * razon);
        Tiras::dibujar(p, zona, fondo, fuente.toRect());
    }
    pintarSombras(p, event->region());
}

bool BoardWidget::eventFilter(QObject *objeto, QEvent *event)
{
    const auto *carta = qobject_cast<const CardPicture *>(objeto);
    if (!carta)
        return false;
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
        update(conSombra(carta->geometry()));
        break;
    case QEvent::Move:
        update(conSombra(QRect(static_cast<QMoveEvent *>(event)->oldPos(), carta->size())));
        update(conSombra(carta->geometry()));
        break;
    case QEvent::Resize:
        update(conSombra(QRect(carta->pos(), static_cast<QResizeEvent *>(event)->oldSize())));
        update(conSombra(carta->geometry()));
        break;
    default:
        break;
    }
    return false;
}

// How far the cards' shadows fall: further on a larger board.
qreal BoardWidget::caidaSombra() const
{
    return std::max(1.0, m_escala.factor() * 3);
}

// Where a card's shadow may fall: the board repaints it when the card shows,
// hides, moves or changes size.
QRect BoardWidget::conSombra(const QRect &carta) const
{
    const int m = SombraDeCarta::margen(caidaSombra());
    return carta.adjusted(-m, -m, m, m);
}

// Only the shadows in the region: its bounding box would take in nearly every
// card after a move that changed cards at both ends of the board.
void BoardWidget::pintarSombras(QPainter &p, const QRegion &zona)
{
    const qreal caida = caidaSombra();
    for (const auto *carta : findChildren<CardPicture *>(Qt::FindDirectChildrenOnly)) {
        if (carta->isVisible() && !carta->vaciaEnVuelo()
            && zona.intersects(conSombra(carta->geometry())))
            m_sombra.pintar(p, carta->geometry(), caida, zona);
    }
}

namespace {
bool esCarta(const QDropEvent *event)
{
    return event->mimeData()->hasFormat(CardPicture::kTipoArrastre)
        && qobject_cast<CardPicture *>(event->source());
}
} // namespace

void BoardWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (esCarta(event))
        event->acceptProposedAction();
}

void BoardWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (esCarta(event))
        event->acceptProposedAction();
}

void BoardWidget::dropEvent(QDropEvent *event)
{
    if (!esCarta(event))
        return;
    event->acceptProposedAction();
    soltar(event->position().toPoint(),
           event->mimeData()->data(CardPicture::kTipoArrastre).toInt());
}

void BoardWidget::soltar(QPoint punto, int slot)
{
    QWidget *debajo = childAt(punto);
    // An empty pile hides its picture, but its place still takes the card.
    for (CardPicture *monton : montonimg) {
        if (!debajo && monton->geometry().contains(punto))
            debajo = monton;
    }
    const auto enMesa = std::find(mesaimg.begin(), mesaimg.end(), debajo);
    if (!debajo)
        emit soltadaEnFondo(slot);
    else if (debajo == montonimg[0] || debajo == montonimg[1])
        emit soltadaEnMonton(slot);
    else if (enMesa != mesaimg.end())
        emit soltadaEnMesa(slot, static_cast<int>(enMesa - mesaimg.begin()));
    else
        emit soltadaSinEfecto(slot); // any other control takes the drop and does nothing
}
