// SPDX-License-Identifier: GPL-3.0-or-later

#include "raton.h"

#include "disposicionclasica.h"
#include "mesa.h"
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

QWidget *Raton::controlEn(Mesa &mesa, QPoint punto)
{
    QWidget *control = mesa.childAt(punto);
    return control ? control : &mesa;
}

void Raton::clicEn(Mesa &mesa, QWidget *control, QPoint punto, Qt::MouseButton boton,
                   bool doble)
{
    const QPoint local = control->mapFrom(&mesa, punto);
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

void Raton::soltarEn(Mesa &mesa, int slot, const QWidget *lugar)
{
    mesa.soltar(centro(lugar), slot);
}

void Raton::soltarEnFondo(Mesa &mesa, int slot)
{
    // Below the table's first row and left of the hands: only felt there.
    const auto &clasica = dynamic_cast<const DisposicionClasica &>(mesa.disposicion());
    mesa.soltar(clasica.escala().punto(QPoint(3000, 6800)), slot);
}

void Raton::arrastrar(Mesa &mesa, QPoint desde, QPoint hasta)
{
    QWidget *control = controlEn(mesa, desde);
    QPointer<QWidget> vivo(control);
    QTest::mousePress(control, Qt::LeftButton, {}, control->mapFrom(&mesa, desde));
    const auto *ventana = qobject_cast<const ZelboFrm *>(mesa.window());
    if (!vivo || (ventana && ventana->terminado()))
        return;
    const QList<CardPicture *> mano = mesa.imagenes(GrupoImagen::cartap2img);
    const auto carta = std::find(mano.begin(), mano.end(), control);
    if (carta != mano.end())
        mesa.soltar(hasta, static_cast<int>(carta - mano.begin()));
    else
        QTest::mouseRelease(control, Qt::LeftButton, {}, control->mapFrom(&mesa, hasta));
}
