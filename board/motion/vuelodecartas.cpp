// SPDX-License-Identifier: GPL-3.0-or-later

#include "vuelodecartas.h"

#include "cardpicture.h"
#include "picturecache.h"
#include "reversopropio.h"
#include "tiras.h"

#include <QEasingCurve>
#include <QPaintEvent>
#include <QPainter>
#include <QVariantAnimation>
#include <algorithm>
#include <memory>

VueloDeCartas::VueloDeCartas(PictureCache &cache, QWidget *tablero)
    : QWidget(tablero)
    , m_cache(cache)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void VueloDeCartas::volar(Vuelo vuelo, int milisegundos)
{
    quitar(vuelo.carta);
    for (const Oculta &o : std::as_const(vuelo.ocultas)) {
        if (o.imagen)
            o.imagen->mostrarMientrasVuela(o.mientras);
    }
    auto *animacion = new QVariantAnimation(this);
    animacion->setDuration(std::max(1, milisegundos));
    animacion->setEasingCurve(QEasingCurve::OutCubic);
    animacion->setStartValue(QRectF(vuelo.desde));
    animacion->setEndValue(QRectF(vuelo.hasta));
    const QRect inicio = vuelo.desde;
    m_vuelos.append({ std::move(vuelo), animacion });
    auto ultima = std::make_shared<QRect>(inicio);
    connect(animacion, &QVariantAnimation::valueChanged, this, [this, ultima](const QVariant &v) {
        const QRectF ahora = v.toRectF();
        alAvanzar(*ultima, ahora);
        *ultima = ahora.toAlignedRect();
    });
    connect(animacion, &QVariantAnimation::finished, this,
            [this, animacion] { alLlegar(animacion); });
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update(conSombra(inicio));
    animacion->start();
}

// Only the strip the card leaves and the one it covers are painted again.
void VueloDeCartas::alAvanzar(const QRect &antes, const QRectF &ahora)
{
    update(conSombra(antes).united(conSombra(ahora)));
}

void VueloDeCartas::alLlegar(QVariantAnimation *animacion)
{
    const auto it = std::find_if(m_vuelos.begin(), m_vuelos.end(), [animacion](const EnCurso &e) {
        return e.animacion == animacion;
    });
    if (it == m_vuelos.end())
        return;
    const Vuelo vuelo = it->vuelo;
    m_vuelos.erase(it);
    animacion->deleteLater();
    descubrir(vuelo);
    update(conSombra(vuelo.hasta));
    if (m_vuelos.isEmpty()) {
        hide();
        emit aterrizado();
    }
}

void VueloDeCartas::descubrir(const Vuelo &vuelo)
{
    for (const Oculta &o : vuelo.ocultas) {
        if (o.imagen)
            o.imagen->mostrarMientrasVuela(std::nullopt);
    }
}

void VueloDeCartas::quitar(CardId carta)
{
    for (auto it = m_vuelos.begin(); it != m_vuelos.end(); ++it) {
        if (it->vuelo.carta != carta)
            continue;
        QVariantAnimation *animacion = it->animacion;
        update(conSombra(posicion(carta)));
        descubrir(it->vuelo);
        m_vuelos.erase(it);
        animacion->stop();
        animacion->deleteLater();
        // The last card in the air gone: whoever waits for the landing waits no more.
        if (m_vuelos.isEmpty()) {
            hide();
            emit aterrizado();
        }
        return;
    }
}

const VueloDeCartas::Vuelo *VueloDeCartas::vuelo(CardId carta) const
{
    for (const EnCurso &e : m_vuelos) {
        if (e.vuelo.carta == carta)
            return &e.vuelo;
    }
    return nullptr;
}

QRectF VueloDeCartas::posicion(CardId carta) const
{
    for (const EnCurso &e : m_vuelos) {
        if (e.vuelo.carta == carta)
            return e.animacion->currentValue().toRectF();
    }
    return {};
}

QRegion VueloDeCartas::zona() const
{
    QRegion zona;
    for (const EnCurso &e : m_vuelos)
        zona += conSombra(e.animacion->currentValue().toRectF());
    return zona;
}

void VueloDeCartas::terminar()
{
    if (m_vuelos.isEmpty())
        return;
    const QList<EnCurso> vuelos = std::exchange(m_vuelos, {});
    for (const EnCurso &e : vuelos) {
        e.animacion->stop();
        e.animacion->deleteLater();
        descubrir(e.vuelo);
    }
    hide();
    emit aterrizado();
}

void VueloDeCartas::irA(int milisegundos)
{
    for (const EnCurso &e : std::as_const(m_vuelos)) {
        e.animacion->pause();
        e.animacion->setCurrentTime(std::min(milisegundos, e.animacion->duration() - 1));
    }
}

// Lifted off the felt, a card's shadow falls further than at rest.
qreal VueloDeCartas::caida(qreal ancho)
{
    return std::max(1.0, ancho * 0.05);
}

QRect VueloDeCartas::conSombra(const QRectF &carta)
{
    const int m = SombraDeCarta::margen(caida(carta.width()));
    return carta.toAlignedRect().adjusted(-m, -m, m, m);
}

void VueloDeCartas::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    // Cards that vanish under a pile go first: the pile's new top covers them.
    for (const bool aterriza : { false, true }) {
        for (const EnCurso &e : std::as_const(m_vuelos)) {
            if (e.vuelo.aterriza == aterriza)
                pintarVuelo(p, e.vuelo, e.animacion->currentValue().toRectF(), event->region());
        }
    }
}

void VueloDeCartas::pintarVuelo(QPainter &p, const Vuelo &vuelo, const QRectF &r,
                                const QRegion &pintada)
{
    const QPixmap imagen = m_cache.imagen(vuelo.ruta, vuelo.hasta.size(), devicePixelRatioF());
    // A card of its final size flies on whole pixels: each frame is then a
    // plain copy of the finished card, with no scaling to pay for.
    const QRect aqui(r.topLeft().toPoint(), r.size().toSize());
    m_sombra.pintar(p, aqui, caida(r.width()), pintada);
    if (imagen.isNull()) {
        p.save();
        p.setClipRect(aqui);
        ReversoPropio::pintar(p, QRectF(aqui));
        p.restore();
    } else if (aqui.size() == vuelo.hasta.size()) {
        Tiras::dibujar(p, aqui.topLeft(), imagen);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(r, imagen, QRectF(imagen.rect()));
    }
}
