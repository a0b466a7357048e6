// SPDX-License-Identifier: GPL-3.0-or-later

#include "notatutor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
// The share of the board's width the note takes at most.
constexpr double kAnchoMaximo = 0.6;
constexpr int kMargen = 8;
} // namespace

NotaTutor::NotaTutor(std::function<void()> deshacer, QWidget *parent)
    : QFrame(parent)
    , m_texto(new QLabel(this))
    , m_deshacer(new QPushButton(tr("Deshacer (Ctrl+Z)"), this))
    , m_cerrar(new QPushButton(QStringLiteral("×"), this))
{
    setObjectName(QStringLiteral("notaTutor"));
    setAccessibleName(tr("Aviso de error"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    m_texto->setWordWrap(true);
    m_texto->setForegroundRole(QPalette::ToolTipText);
    m_deshacer->setObjectName(QStringLiteral("notaTutorDeshacer"));
    m_cerrar->setObjectName(QStringLiteral("notaTutorCerrar"));
    m_cerrar->setAccessibleName(tr("Cerrar el aviso"));
    m_cerrar->setToolTip(tr("Cerrar el aviso"));
    for (QPushButton *boton : { m_deshacer, m_cerrar })
        boton->setFocusPolicy(Qt::NoFocus);
    auto *fila = new QHBoxLayout(this);
    fila->addWidget(m_texto, 1);
    fila->addWidget(m_deshacer);
    fila->addWidget(m_cerrar);
    connect(m_deshacer, &QPushButton::clicked, this, std::move(deshacer));
    connect(m_cerrar, &QPushButton::clicked, this, &QWidget::hide);
    parent->installEventFilter(this);
    hide();
}

void NotaTutor::mostrar(const QString &texto)
{
    m_texto->setText(texto);
    colocar();
    show();
    raise();
}

QString NotaTutor::texto() const
{
    return m_texto->text();
}

bool NotaTutor::eventFilter(QObject *objeto, QEvent *event)
{
    if (objeto == parentWidget() && event->type() == QEvent::Resize && isVisible())
        colocar();
    return QFrame::eventFilter(objeto, event);
}

// Centred at the top of the board, over the CPU's hand.
void NotaTutor::colocar()
{
    const QWidget &tablero = *parentWidget();
    const int ancho = qRound(tablero.width() * kAnchoMaximo);
    setFixedWidth(ancho);
    adjustSize();
    move((tablero.width() - ancho) / 2, kMargen);
}
