// SPDX-License-Identifier: GPL-3.0-or-later

#include "notatutor.h"

#include "boardwidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
// In the board's twips: from its left edge to the Levantar button, over the
// credits, below the lowest table card.
constexpr QRect kLugar { 120, 7380, 5640, 960 };
} // namespace

NotaTutor::NotaTutor(std::function<void()> deshacer, BoardWidget &tablero)
    : QFrame(tablero.window())
    , m_tablero(tablero)
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
    m_cerrar->setFixedWidth(m_cerrar->sizeHint().height());
    for (QPushButton *boton : { m_deshacer, m_cerrar })
        boton->setFocusPolicy(Qt::NoFocus);
    auto *fila = new QHBoxLayout(this);
    fila->addWidget(m_texto, 1);
    fila->addWidget(m_deshacer);
    fila->addWidget(m_cerrar);
    connect(m_deshacer, &QPushButton::clicked, this, std::move(deshacer));
    connect(m_cerrar, &QPushButton::clicked, this, &QWidget::hide);
    tablero.installEventFilter(this);
    hide();
}

void NotaTutor::mostrar(const QString &texto)
{
    m_texto->setText(texto);
    show();
    colocar();
}

QString NotaTutor::texto() const
{
    return m_texto->text();
}

// The board works out its scale as it handles the resize, after this filter.
bool NotaTutor::eventFilter(QObject *objeto, QEvent *event)
{
    if (objeto == &m_tablero && event->type() == QEvent::Resize && isVisible())
        QMetaObject::invokeMethod(this, &NotaTutor::colocar, Qt::QueuedConnection);
    return QFrame::eventFilter(objeto, event);
}

// A child of the window over the board, not of the board, whose cards and labels
// are raised above its other children as they change.
void NotaTutor::colocar()
{
    const QPoint esquina = m_tablero.mapTo(parentWidget(), QPoint(0, 0));
    setGeometry(m_tablero.escala().rect(kLugar).translated(esquina));
    raise();
}
