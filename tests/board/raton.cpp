// SPDX-License-Identifier: GPL-3.0-or-later

#include "raton.h"

#include "boardwidget.h"
#include "cardpicture.h"
#include "zelbofrm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <algorithm>

QPoint Raton::centro(const QWidget *control)
{
    return control->geometry().center();
}

QWidget *Raton::controlEn(BoardWidget &tablero, QPoint punto)
{
    QWidget *control = tablero.childAt(punto);
    return control ? control : &tablero;
}

void Raton::clicEn(BoardWidget &tablero, QWidget *control, QPoint punto, Qt::MouseButton boton,
                   bool doble)
{
    const QPoint local = control->mapFrom(&tablero, punto);
    if (doble)
        QTest::mouseDClick(control, boton, {}, local);
    else
        QTest::mouseClick(control, boton, {}, local);
}

void Raton::dobleClic(QWidget *control, Qt::MouseButton boton)
{
    const QPoint punto = control->rect().center();
    QTest::mousePress(control, boton, {}, punto);
    QTest::mouseRelease(control, boton, {}, punto);
    QMouseEvent doble(QEvent::MouseButtonDblClick, punto, control->mapToGlobal(punto), boton, boton,
                      {});
    QApplication::sendEvent(control, &doble);
    QTest::mouseRelease(control, boton, {}, punto);
}

void Raton::soltarEn(BoardWidget &tablero, int slot, const QWidget *lugar)
{
    tablero.soltar(centro(lugar), slot);
}

void Raton::soltarEnFondo(BoardWidget &tablero, int slot)
{
    // Below the table's first row and left of the hands: only felt there.
    tablero.soltar(tablero.escala().punto(QPoint(3000, 6800)), slot);
}

void Raton::arrastrar(BoardWidget &tablero, QPoint desde, QPoint hasta)
{
    QWidget *control = controlEn(tablero, desde);
    QPointer<QWidget> vivo(control);
    QTest::mousePress(control, Qt::LeftButton, {}, control->mapFrom(&tablero, desde));
    const auto *ventana = qobject_cast<const ZelboFrm *>(tablero.window());
    if (!vivo || (ventana && ventana->terminado()))
        return;
    const auto carta = std::find(tablero.cartap2img().begin(), tablero.cartap2img().end(), control);
    if (carta != tablero.cartap2img().end())
        tablero.soltar(hasta, static_cast<int>(carta - tablero.cartap2img().begin()));
    else
        QTest::mouseRelease(control, Qt::LeftButton, {}, control->mapFrom(&tablero, hasta));
}
