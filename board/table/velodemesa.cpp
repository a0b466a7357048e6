// SPDX-License-Identifier: GPL-3.0-or-later

#include "velodemesa.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// The card's base letter size is this fraction of the table's height, within bounds.
constexpr int kAltoPorLetra = 40;
constexpr int kLetraMinima = 11;
constexpr int kLetraMaxima = 44;
} // namespace

VeloDeMesa::VeloDeMesa(QWidget *mesa)
    : QWidget(mesa)
    , m_tarjeta(new QFrame(this))
    , m_contenido(new QVBoxLayout(m_tarjeta))
{
    m_tarjeta->setObjectName(QStringLiteral("tarjeta"));
    m_tarjeta->setStyleSheet(
        QStringLiteral("QFrame#tarjeta { background: rgb(24, 28, 24);"
                       " border: 2px solid rgba(255, 255, 255, 110); border-radius: 14px; }"
                       "QLabel { color: white; }"));
    auto *centro = new QVBoxLayout(this);
    centro->addWidget(m_tarjeta, 0, Qt::AlignCenter);
    mesa->installEventFilter(this);
    hide();
}

void VeloDeMesa::abrir()
{
    setGeometry(parentWidget()->rect());
    ajustarLetras();
    show();
    raise();
}

QLabel *VeloDeMesa::linea(qreal tamano, bool negrita)
{
    auto *etiqueta = new QLabel(m_tarjeta);
    etiqueta->setAlignment(Qt::AlignCenter);
    etiqueta->setWordWrap(true);
    escalar(etiqueta, tamano, negrita);
    return etiqueta;
}

void VeloDeMesa::escalar(QWidget *control, qreal tamano, bool negrita)
{
    m_letras.append({ control, tamano, negrita });
}

void VeloDeMesa::ajustarLetras()
{
    const auto &mesa = *parentWidget();
    const int base = std::clamp(mesa.height() / kAltoPorLetra, kLetraMinima, kLetraMaxima);
    for (const Letra &letra : std::as_const(m_letras)) {
        QFont fuente = letra.control->font();
        fuente.setPixelSize(std::max(kLetraMinima, qRound(base * letra.tamano)));
        fuente.setBold(letra.negrita);
        letra.control->setFont(fuente);
    }
    const int margen = base;
    m_contenido->setContentsMargins(margen * 2, margen, margen * 2, margen);
    m_contenido->setSpacing(base / 2);
    m_tarjeta->setMaximumWidth(std::max(200, mesa.width() - 2 * margen));
    m_tarjeta->setMinimumWidth(std::min(mesa.width() - 2 * margen, base * 28));
}

// The veil follows the table's size.
bool VeloDeMesa::eventFilter(QObject *objeto, QEvent *event)
{
    if (objeto == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        ajustarLetras();
    }
    return QWidget::eventFilter(objeto, event);
}

void VeloDeMesa::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 0, 110));
}

void VeloDeMesa::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ajustarLetras();
}
