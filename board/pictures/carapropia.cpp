// SPDX-License-Identifier: GPL-3.0-or-later

#include "carapropia.h"

#include "cardgeometry.h"
#include "cardstyles.h"
#include "suitstyle.h"

#include <QPainter>
#include <algorithm>
#include <optional>

namespace {
// The suit as the card set spells it ("oros", "copas" ...), which is how the pictures are named.
std::optional<Palo> paloDe(const QString &palo)
{
    for (Palo p : SuitStyle::all) {
        if (SuitStyle::name(p) == palo)
            return p;
    }
    return std::nullopt;
}

bool numeroConocido(int numero)
{
    constexpr int kNumeros[] = { 1, 2, 3, 4, 5, 6, 7, 10, 11, 12 };
    return std::find(std::begin(kNumeros), std::end(kNumeros), numero) != std::end(kNumeros);
}
} // namespace

CaraPropia::CaraPropia()
    : m_caras(m_emblemas)
{
}

QImage CaraPropia::dibujar(std::int16_t numero, const QString &palo, QSize tamano,
                           const QString &carpeta) const
{
    const std::optional<Palo> conocido = paloDe(palo);
    if (!conocido || !numeroConocido(numero) || tamano.isEmpty())
        return {};
    QImage cara(tamano, QImage::Format_RGB32);
    const FaceStyle estilo = CardStyles::fromFolder(carpeta).value_or(FaceStyle::Modern);
    cara.fill(CardStyles::faceColour(estilo));
    QPainter pintor(&cara);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.scale(qreal(tamano.width()) / CardGeometry::size.width(),
                 qreal(tamano.height()) / CardGeometry::size.height());
    m_caras.paint(pintor, *conocido, numero, estilo);
    return cara;
}
