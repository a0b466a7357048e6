// SPDX-License-Identifier: GPL-3.0-or-later

#include "etiquetaguardada.h"

#include "lienzo.h"

#include <QPainter>

EtiquetaGuardada::EtiquetaGuardada(const QString &texto, QWidget *parent)
    : QLabel(texto, parent)
{
}

EtiquetaGuardada::~EtiquetaGuardada() = default;

void EtiquetaGuardada::paintEvent(QPaintEvent *)
{
    const Aspecto ahora = aspecto();
    if (m_dibujo.isNull() || !(ahora == m_aspecto))
        dibujar(ahora);
    QPainter(this).drawPixmap(0, 0, m_dibujo);
}

EtiquetaGuardada::Aspecto EtiquetaGuardada::aspecto() const
{
    return { text(),       size(),      devicePixelRatioF(), font(), palette().cacheKey(),
             styleSheet(), alignment(), wordWrap(),          isEnabled() };
}

// A label cannot paint itself into a picture while it is being painted; its
// twin, never shown, can. The styled background and frame come with the text,
// as on the screen.
void EtiquetaGuardada::dibujar(const Aspecto &aspecto)
{
    if (!m_gemela) {
        m_gemela = std::make_unique<QLabel>();
        m_gemela->setAttribute(Qt::WA_DontShowOnScreen);
    }
    QLabel &gemela = *m_gemela;
    gemela.setStyleSheet(aspecto.estilo);
    gemela.setFont(aspecto.fuente);
    gemela.setPalette(palette());
    gemela.setAlignment(aspecto.alineacion);
    gemela.setWordWrap(aspecto.ajustaLineas);
    gemela.setEnabled(aspecto.activa);
    gemela.setText(aspecto.texto);
    gemela.resize(aspecto.tamano);
    m_dibujo = Lienzo::transparente(aspecto.tamano, aspecto.razon);
    gemela.render(&m_dibujo, QPoint(), QRegion(), {});
    m_aspecto = aspecto;
}
