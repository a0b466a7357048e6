// SPDX-License-Identifier: GPL-3.0-or-later

#include "notatutor.h"

#include "mesa.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

NotaTutor::NotaTutor(std::function<void()> deshacer, Mesa &mesa)
    : QFrame(mesa.window())
    , m_mesa(&mesa)
    , m_fila(new QBoxLayout(QBoxLayout::LeftToRight, this))
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
    auto *botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(m_deshacer);
    botones->addWidget(m_cerrar);
    m_fila->addWidget(m_texto, 1);
    m_fila->addLayout(botones);
    connect(m_deshacer, &QPushButton::clicked, this, std::move(deshacer));
    connect(m_cerrar, &QPushButton::clicked, this, &QWidget::hide);
    seguir(mesa);
    hide();
}

void NotaTutor::seguir(Mesa &mesa)
{
    mesa.installEventFilter(this);
    connect(&mesa, &Mesa::lugarNotaTutorCambiado, this, [this] {
        if (isVisible())
            colocar();
    });
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

// The table works out its places as it handles the resize, after this filter.
bool NotaTutor::eventFilter(QObject *objeto, QEvent *event)
{
    if (objeto == m_mesa && event->type() == QEvent::Resize && isVisible())
        QMetaObject::invokeMethod(this, &NotaTutor::colocar, Qt::QueuedConnection);
    return QFrame::eventFilter(objeto, event);
}

// A child of the window over the table, not of the table, whose cards and labels
// are raised above its other children as they change.
void NotaTutor::colocar()
{
    // Below this width the words would stand a few to a line beside the buttons.
    constexpr int kAnchoEnFila = 420;
    const QRect lugar = m_mesa->lugarNotaTutor();
    m_fila->setDirection(lugar.width() < kAnchoEnFila ? QBoxLayout::TopToBottom
                                                      : QBoxLayout::LeftToRight);
    const int alto = std::min(lugar.height(), m_fila->totalHeightForWidth(lugar.width()));
    const QRect nota(lugar.left(), lugar.bottom() + 1 - alto, lugar.width(), alto);
    setGeometry(nota.translated(m_mesa->mapTo(parentWidget(), QPoint(0, 0))));
    raise();
}
