// SPDX-License-Identifier: GPL-3.0-or-later

#include "disposicionclasica.h"

#include "barraclasica.h"
#include "cardpicture.h"
#include "lugaresclasicos.h"
#include "lugarresalte.h"
#include "markbox.h"
#include "tiras.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace LC = LugaresClasicos;

namespace {
const QString kFuenteTitulo = QStringLiteral("font-weight: bold;");
// From the board's left edge to the Levantar button, over the credits, below the
// lowest table card.
constexpr QRect kLugarNota { 120, 7380, 5640, 960 };
} // namespace

DisposicionClasica::DisposicionClasica(Mesa &mesa)
    : Disposicion(mesa)
{
    // The felt covers every pixel: nothing behind the board is painted.
    mesa.setAttribute(Qt::WA_OpaquePaintEvent);
}

DisposicionClasica::~DisposicionClasica() = default;

int DisposicionClasica::lugaresMesa() const
{
    return static_cast<int>(m_mesaimg.size());
}

void DisposicionClasica::montar()
{
    tomarCartas();
    crearMarcas();
    m_rotulos = std::make_unique<RotulosClasicos>(mesa(), m_plano);
    crearBotones();
    enlazarMarcas();
    // Later controls lie above earlier ones: each CPU card under its cover,
    // every mark and label above the cards.
    m_plano.ordenarCapas();
}

void DisposicionClasica::tomarCartas()
{
    const auto tomar = [this](GrupoImagen grupo, int i, QRect twips, const QString &ayuda) {
        CardPicture *imagen = mesa().imagen({ grupo, i });
        imagen->setToolTip(ayuda);
        m_plano.colocar(imagen, twips);
        return imagen;
    };
    const QList<CardPicture *> cubiertas = mesa().cubiertas();
    for (int i = 0; i < static_cast<int>(m_cartap1img.size()); ++i) {
        const auto n = static_cast<std::size_t>(i);
        m_cartap1img.at(n) = tomar(GrupoImagen::cartap1img, i, LC::kCartaCpu[i], tr("Cartas de la Cpu"));
        m_image1.at(n) = cubiertas.at(i);
        m_plano.colocar(m_image1.at(n), LC::kReverso[i]);
        m_cartap2img.at(n)
            = tomar(GrupoImagen::cartap2img, i, LC::kCartaHumano[i], tr("Click derecho o arrastrar"));
    }
    for (int i = 0; i < static_cast<int>(m_mesaimg.size()); ++i)
        m_mesaimg.at(static_cast<std::size_t>(i))
            = tomar(GrupoImagen::mesaimg, i, LC::kMesa[i], tr("Click izquierdo "));
    for (int i = 0; i < static_cast<int>(m_montonimg.size()); ++i)
        m_montonimg.at(static_cast<std::size_t>(i))
            = tomar(GrupoImagen::montonimg, i, LC::kMonton[i], {});
    m_montonimg[0]->setCursor(Qt::PointingHandCursor);
    m_montonimg[1]->unsetCursor();
}

void DisposicionClasica::crearMarcas()
{
    const auto crear = [this](QRect twips, bool activa) {
        auto *marca = propio(new MarkBox(&mesa()));
        marca->setEnabled(activa);
        m_plano.colocar(marca, twips);
        return marca;
    };
    for (std::size_t i = 0; i < m_checkp2.size(); ++i)
        m_checkp2.at(i) = crear(LC::kCheckp2[i], true);
    for (std::size_t i = 0; i < m_checkMesa.size(); ++i)
        m_checkMesa.at(i) = crear(LC::kCheckMesa[i], false);
    m_checkMonton[0] = crear(LC::kCheckMonton[0], false);
    m_checkMonton[1] = crear(LC::kCheckMonton[1], true);
}

void DisposicionClasica::crearBotones()
{
    m_levantar = propio(new QPushButton(tr("Levantar"), &mesa()));
    m_levantar->setToolTip(tr("Click para levantar"));
    // Without a description of its own the button would be described by the mouse's tip.
    m_levantar->setAccessibleDescription(
        tr("Levanta las cartas marcadas con la carta marcada de tu mano"));
    m_levantar->setStyleSheet(kFuenteTitulo);
    m_plano.colocar(m_levantar, LC::kLevantar, 8.25);
    connect(m_levantar, &QPushButton::clicked, &mesa(), &Mesa::levantarPulsado);
    m_toolbar = propio(new BarraClasica(&mesa()));
    m_plano.colocar(m_toolbar, LC::kToolbar, 7.5);
}

void DisposicionClasica::setOrdenes(const QList<QAction *> &barra, QAction *correr)
{
    Q_UNUSED(correr)
    m_toolbar->addActions(barra);
}

void DisposicionClasica::mostrarMarcas(const Marcas &m)
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

void DisposicionClasica::mostrarCartel(const QString &texto)
{
    m_rotulos->cartel()->setText(texto);
    ajustar(m_rotulos->cartel());
}

void DisposicionClasica::mostrarContadores(int cpu, int humano)
{
    m_rotulos->contp1()->setText(QString::number(cpu));
    m_rotulos->contp2()->setText(QString::number(humano));
    ajustar(m_rotulos->contp1());
    ajustar(m_rotulos->contp2());
}

void DisposicionClasica::mostrarPuntajes(int cpu, int humano)
{
    m_rotulos->puntajep1()->setText(QString::number(cpu));
    m_rotulos->puntajep2()->setText(QString::number(humano));
}

void DisposicionClasica::mostrarNombreJugador(const QString &nombre)
{
    m_rotulos->nombreHumano()->setText(nombre);
    m_rotulos->nombreHumano()->setToolTip(nombre); // a long name does not fit its heading
}

QWidget *DisposicionClasica::rotulo(Mesa::Rotulo rotulo) const
{
    switch (rotulo) {
    case Mesa::Rotulo::Cartel:
        return m_rotulos->cartel();
    case Mesa::Rotulo::ContadorCpu:
        return m_rotulos->contp1();
    case Mesa::Rotulo::ContadorHumano:
        return m_rotulos->contp2();
    case Mesa::Rotulo::PuntajeCpu:
        return m_rotulos->puntajep1();
    case Mesa::Rotulo::PuntajeHumano:
        break;
    }
    return m_rotulos->puntajep2();
}

QWidget *DisposicionClasica::marca(const Imagen &lugar) const
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

void DisposicionClasica::enlazarMarcas()
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
    for (int i = 0; i < static_cast<int>(m_checkp2.size()); ++i)
        connect(m_checkp2.at(static_cast<std::size_t>(i)), &MarkBox::clicked, this, [this, i] {
            emit mesa().marcaPulsada({ GrupoImagen::cartap2img, i });
        });
    connect(m_checkMonton[1], &MarkBox::clicked, this, [this] {
        emit mesa().marcaPulsada({ GrupoImagen::montonimg, 1 });
    });
}

void DisposicionClasica::marcar(CardPicture *carta, bool marcada)
{
    carta->setMarcada(marcada);
    m_plano.devolver(carta);
}

// What an enlarged card must leave in sight: every label, the scores and the toolbar.
QList<QRect> DisposicionClasica::rotulos() const
{
    QList<QRect> rotulos { m_toolbar->geometry() };
    for (const QFrame *f : mesa().findChildren<QFrame *>(Qt::FindDirectChildrenOnly)) {
        if (f->isVisible())
            rotulos.append(f->geometry());
    }
    return rotulos;
}

void DisposicionClasica::resaltar(CardPicture *imagen, bool grande)
{
    const QRect twips = m_plano.twips(imagen);
    if (twips.isEmpty())
        return;
    if (!grande) {
        m_plano.devolver(imagen);
        m_plano.ordenarCapas();
        return;
    }
    const QSize tamano = m_plano.tamanoCarta(twips.adjusted(0, 0, LC::kResalte, LC::kResalte));
    imagen->setGeometry(LugarResalte::elegir(m_plano.lugar(imagen), tamano,
                                             escala().rect(QRect(0, 0, LC::kAncho, LC::kAlto)),
                                             rotulos()));
    imagen->raise();
}

void DisposicionClasica::ajustar(QLabel *etiqueta)
{
    m_plano.ajustar(etiqueta);
    if (etiqueta == m_rotulos->cartel()) {
        // Wraps its words and grows downwards to fit them.
        const QRect r = escala().rect(LC::kCartel);
        m_rotulos->cartel()->setGeometry(
            r.x(), r.y(), r.width(),
            std::max(r.height(), m_rotulos->cartel()->heightForWidth(r.width())));
    }
}

qreal DisposicionClasica::caidaSombra() const
{
    return std::max(1.0, Escala::paraTamano(mesa().width(), mesa().height()).factor() * 3);
}

QList<QSize> DisposicionClasica::redimensionar()
{
    m_plano.setEscala(Escala::paraTamano(mesa().width(), mesa().height()));
    m_plano.recolocar();
    m_toolbar->ajustar(escala().rect(LC::kToolbar).size());
    ajustar(m_rotulos->cartel());
    QList<QSize> tamanos;
    for (const CardPicture *cara :
         { m_mesaimg[0], m_cartap2img[0], m_montonimg[0], m_montonimg[1] }) {
        if (!tamanos.contains(cara->size()))
            tamanos.append(cara->size());
    }
    return tamanos;
}

void DisposicionClasica::pintar(QPainter &p, const QRegion &zona)
{
    // Only the part that changed is painted: a refresh changes a few cards,
    // and the felt alone covers the whole window.
    const QPixmap &fondo = m_fondo.de(mesa().size(), mesa().devicePixelRatioF(), escala());
    const qreal razon = fondo.devicePixelRatio();
    // Piece by piece of the region: a copy of its bounding box would cross its
    // gaps on every row, in as many pieces as the engine shares out.
    for (const QRect &parte : zona) {
        const QRectF fuente(parte.x() * razon, parte.y() * razon, parte.width() * razon,
                            parte.height() * razon);
        Tiras::dibujar(p, parte, fondo, fuente.toRect());
    }
}

bool DisposicionClasica::enMonton(QPoint punto) const
{
    return std::any_of(m_montonimg.begin(), m_montonimg.end(),
                       [punto](const CardPicture *m) { return m->geometry().contains(punto); });
}

QRect DisposicionClasica::lugarNotaTutor() const
{
    return escala().rect(kLugarNota);
}
