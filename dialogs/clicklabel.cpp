// SPDX-License-Identifier: GPL-3.0-or-later

#include "clicklabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <utility>

namespace {

// To a screen reader the label is the button it acts as: pressed by its action,
// described by what it shows rather than by the mouse's tool tip.
class ClickLabelAccesible : public QAccessibleWidget
{
public:
    explicit ClickLabelAccesible(ClickLabel *etiqueta)
        : QAccessibleWidget(etiqueta, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Description || !widget()->accessibleDescription().isEmpty())
            return QAccessibleWidget::text(t);
        return static_cast<const ClickLabel *>(widget())->text();
    }

    QStringList actionNames() const override { return { pressAction() }; }

    void doAction(const QString &accion) override
    {
        if (accion == pressAction())
            emit static_cast<ClickLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *accesible(const QString &, QObject *objeto)
{
    auto *etiqueta = qobject_cast<ClickLabel *>(objeto);
    return etiqueta ? new ClickLabelAccesible(etiqueta) : nullptr;
}

} // namespace

ClickLabel::ClickLabel(QWidget *parent)
    : QLabel(parent)
{
    [[maybe_unused]] static const bool instalada = (QAccessible::installFactory(accesible), true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pulsado = true;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    // As with a button, letting go outside the label takes the click back.
    const bool dentro = rect().contains(event->position().toPoint());
    const bool pulsado = std::exchange(m_pulsado, false);
    event->accept();
    if (pulsado && dentro)
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            event->accept();
            emit clicked();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect opcion;
    opcion.initFrom(this);
    opcion.rect = contentsRect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, opcion);
}
