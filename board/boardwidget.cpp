#include "boardwidget.h"

#include "boardlayout.h"
#include "cardpicture.h"
#include "markbox.h"

#include <QDragEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>

namespace BL = BoardLayout;

namespace {
const QString kFuenteTitulo = QStringLiteral("font-weight: bold;");
} // namespace

BoardWidget::BoardWidget(PictureCache &cache, QWidget *parent)
    : QWidget(parent)
{
    setAcceptDrops(true);
    crearCartas(cache);
    crearMarcas();
    crearEtiquetas();
    crearMarcadores();
    LevantarBtn = new QPushButton(QStringLiteral("Levantar"), this);
    LevantarBtn->setToolTip(QStringLiteral("Click para levantar"));
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
    ordenarCapas();
}

void BoardWidget::crearCartas(PictureCache &cache)
{
    const auto crear = [this, &cache](GrupoImagen grupo, int i, QRect twips) {
        auto *imagen = new CardPicture(Imagen { grupo, i }, cache, this);
        imagen->hide();
        colocar(imagen, twips);
        return imagen;
    };
    for (int i = 0; i < static_cast<int>(cartap1img.size()); ++i) {
        cartap1img.at(i) = crear(GrupoImagen::cartap1img, i, BL::kCartaCpu[i]);
        cartap1img.at(i)->setToolTip(QStringLiteral("Cartas de la Cpu"));
        Image1.at(i) = crear(GrupoImagen::cartap1img, i, BL::kReverso[i]);
        cartap2img.at(i) = crear(GrupoImagen::cartap2img, i, BL::kCartaHumano[i]);
        cartap2img.at(i)->setToolTip(QStringLiteral("Click derecho o arrastrar"));
        cartap2img.at(i)->setArrastrable(true);
        cartap2img.at(i)->setCursor(Qt::OpenHandCursor);
    }
    for (int i = 0; i < static_cast<int>(mesaimg.size()); ++i) {
        mesaimg.at(i) = crear(GrupoImagen::mesaimg, i, BL::kMesa[i]);
        mesaimg.at(i)->setToolTip(QStringLiteral("Click izquierdo "));
        mesaimg.at(i)->setCursor(Qt::PointingHandCursor);
    }
    for (int i = 0; i < static_cast<int>(montonimg.size()); ++i)
        montonimg.at(i) = crear(GrupoImagen::montonimg, i, BL::kMonton[i]);
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
    auto *e = new QLabel(texto, this);
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
    etiqueta(QStringLiteral("Puntajes"), borde, 12, BL::kPuntajes)->setAlignment(Qt::AlignCenter);
    const QString titulo = QStringLiteral("background: #FFFF80; font-style: italic;") + borde;
    etiqueta(QStringLiteral("Cpu"), titulo, 8.25, BL::kTituloCpu);
    Label2 = etiqueta(QStringLiteral("Humano"), titulo, 8.25, BL::kTituloHumano);
    const QString contador
        = QStringLiteral("background: white; font-weight: bold; padding: 0 2px;");
    Contp1Lbl
        = etiquetaAjustable({}, contador + QStringLiteral("color: #404040;"), 9.75, BL::kContp1);
    Contp2lbl
        = etiquetaAjustable({}, contador + QStringLiteral("color: black;"), 9.75, BL::kContp2);
    Contp1Lbl->setAlignment(Qt::AlignCenter);
    Contp2lbl->setAlignment(Qt::AlignCenter);
    etiquetaAjustable(QStringLiteral(" Monton CPU"), kFuenteTitulo, 8.25, BL::kMontonCpu);
    etiquetaAjustable(QStringLiteral("Tu Monton"), kFuenteTitulo, 8.25, BL::kTuMonton);
    const QString pie = QStringLiteral("color: #F0F0E0;");
    etiquetaAjustable(QStringLiteral("Zelbo, un juego de naipes para una persona"), pie, 8.25,
                      BL::kCredito);
    etiquetaAjustable(QStringLiteral("Sugerencias: zelbo@example.org"), pie, 8.25, BL::kContacto);
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
        auto *puntaje = new QLabel(marco);
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

void BoardWidget::setFondo(const QPixmap &fondo)
{
    m_fondo = fondo;
    escalarFondo();
    update();
}

// Scaled once per size, not at every repaint under the cards.
void BoardWidget::escalarFondo()
{
    const QRect tablero = m_escala.rect(QRect(0, 0, BL::kAncho, BL::kAlto));
    m_fondoEscalado = m_fondo.isNull() || tablero.isEmpty()
            ? QPixmap()
            : m_fondo.scaled(tablero.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void BoardWidget::setColorFondo(const QColor &color)
{
    m_colorFondo = color;
    update();
}

void BoardWidget::resaltar(CardPicture *imagen, bool grande)
{
    for (const Colocado &c : std::as_const(m_colocados)) {
        if (c.control != imagen)
            continue;
        const int extra = grande ? BL::kResalte : 0;
        imagen->setGeometry(m_escala.rect(c.twips.adjusted(0, 0, extra, extra)));
        if (grande)
            imagen->raise();
        else
            ordenarCapas();
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
        c.control->setGeometry(m_escala.rect(c.twips));
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
    const int icono = std::max(16, m_escala.px(BL::kToolbar.height()) / 2);
    Toolbar1->setIconSize(QSize(icono, icono));
    for (const auto &par : std::as_const(m_ajustables))
        ajustar(par.first);
    ajustar(Cartellbl);
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
    escalarFondo();
    recolocar();
}

void BoardWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_colorFondo);
    p.drawPixmap(m_escala.punto(QPoint(0, 0)), m_fondoEscalado);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 20), std::max(1, m_escala.px(45)), Qt::SolidLine, Qt::RoundCap));
    for (const BL::Linea &linea : BL::kLineas)
        p.drawLine(m_escala.punto(linea.desde), m_escala.punto(linea.hasta));
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
    if (!debajo)
        emit soltadaEnFondo(slot);
    else if (debajo == montonimg[0] || debajo == montonimg[1])
        emit soltadaEnMonton(slot);
    // Any other control takes the drop and does nothing with it.
}
