// SPDX-License-Identifier: GPL-3.0-or-later

#include "pathlabel.h"

#include <QDir>
#include <QFontMetrics>
#include <utility>

PathLabel::PathLabel(QString textoVacio, QWidget *parent)
    : ClickLabel(parent)
    , m_textoVacio(std::move(textoVacio))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setMargin(3);
    // The text follows the width, never the other way round.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setTextFormat(Qt::PlainText);
    mostrar();
}

void PathLabel::setRuta(const QString &ruta)
{
    m_ruta = ruta;
    mostrar();
}

void PathLabel::resizeEvent(QResizeEvent *event)
{
    ClickLabel::resizeEvent(event);
    mostrar();
}

void PathLabel::mostrar()
{
    QFont fuente = font();
    fuente.setItalic(m_ruta.isEmpty());
    setFont(fuente);
    setForegroundRole(m_ruta.isEmpty() ? QPalette::PlaceholderText : QPalette::Text);
    if (m_ruta.isEmpty()) {
        setText(m_textoVacio);
        setToolTip(tr("Haz clic para elegir un archivo"));
        return;
    }
    const QString nativa = QDir::toNativeSeparators(m_ruta);
    const int ancho = contentsRect().width() - 2 * margin();
    const QString mostrada = QFontMetrics(fuente).elidedText(nativa, Qt::ElideMiddle, ancho);
    setText(mostrada);
    setToolTip(nativa);
}
