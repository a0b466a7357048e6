#include "vuelodecartas.h"

#include "cardpicture.h"
#include "picturecache.h"
#include "reversopropio.h"

#include <QEasingCurve>
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
    update(inicio.adjusted(-8, -8, 8, 8));
    animacion->start();
}

// Only the strip the card leaves and the one it covers are painted again.
void VueloDeCartas::alAvanzar(const QRect &antes, const QRectF &ahora)
{
    update(antes.united(ahora.toAlignedRect()).adjusted(-8, -8, 8, 8));
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
    update(vuelo.hasta.adjusted(-8, -8, 8, 8));
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
        update(posicion(carta).toAlignedRect().adjusted(-8, -8, 8, 8));
        descubrir(it->vuelo);
        m_vuelos.erase(it);
        animacion->stop();
        animacion->deleteLater();
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
        zona += e.animacion->currentValue().toRectF().toAlignedRect().adjusted(-8, -8, 8, 8);
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

void VueloDeCartas::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Cards that vanish under a pile go first: the pile's new top covers them.
    for (const bool aterriza : { false, true }) {
        for (const EnCurso &e : std::as_const(m_vuelos)) {
            if (e.vuelo.aterriza == aterriza)
                pintarVuelo(p, e.vuelo, e.animacion->currentValue().toRectF());
        }
    }
}

void VueloDeCartas::pintarVuelo(QPainter &p, const Vuelo &vuelo, const QRectF &r)
{
    const QPixmap imagen = m_cache.imagen(vuelo.ruta, vuelo.hasta.size());
    const qreal radio = CardPicture::radio(r.width());
    // Lifted off the felt: a soft shadow a little further away than at rest.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(r.translated(r.width() * 0.04, r.width() * 0.06), radio, radio);
    p.save();
    p.translate(r.topLeft());
    const QSizeF lado = imagen.isNull() ? QSizeF(r.size()) : QSizeF(imagen.size());
    p.scale(r.width() / lado.width(), r.height() / lado.height());
    const QRectF carta(QPointF(0, 0), lado);
    if (imagen.isNull()) {
        p.setClipRect(carta);
        ReversoPropio::pintar(p, carta);
    } else {
        p.setBrush(imagen);
        p.setPen(QPen(QColor(0, 0, 0, 110), 1.0));
        const qreal rl = CardPicture::radio(lado.width());
        p.drawRoundedRect(carta.adjusted(0.5, 0.5, -0.5, -0.5), rl, rl);
    }
    p.restore();
}
