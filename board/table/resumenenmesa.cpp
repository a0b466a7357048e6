// SPDX-License-Identifier: GPL-3.0-or-later

#include "resumenenmesa.h"

#include "focovisible.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

namespace {
// A key that only changes the next one, or that belongs to a menu command, is no answer.
bool esRespuesta(const QKeyEvent &tecla)
{
    constexpr Qt::KeyboardModifiers kDeOrden
        = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !FocoVisible::soloModificador(tecla) && !(tecla.modifiers() & kDeOrden);
}
} // namespace

ResumenEnMesa::ResumenEnMesa(QWidget *mesa)
    : VeloDeMesa(mesa)
{
    setObjectName(QStringLiteral("resumenDeMano"));
    setAccessibleName(tr("Resumen de la mano"));
    setFocusPolicy(Qt::StrongFocus);
    QLabel *titulo = linea(0.9);
    titulo->setText(tr("Contando puntajes"));
    titulo->setStyleSheet(QStringLiteral("color: rgb(210, 210, 190);"));
    m_veredicto = linea(1.6, true);
    m_cartas = linea(1.0);
    contenido()->addWidget(titulo);
    contenido()->addWidget(m_veredicto);
    contenido()->addWidget(m_cartas);
    auto *tabla = new QGridLayout;
    tabla->setHorizontalSpacing(24);
    contenido()->addLayout(tabla);
    const auto poner = [this, tabla](const QString &texto, int fila, int columna) {
        QLabel *l = linea(1.1, fila == 0 || columna == 0);
        l->setText(texto);
        tabla->addWidget(l, fila, columna);
        return l;
    };
    poner(tr("CPU"), 0, 1);
    poner(tr("Tú"), 0, 2);
    poner(tr("Cartas"), 1, 0);
    poner(tr("Puntos"), 2, 0);
    m_cartasCpu = poner({}, 1, 1);
    m_cartasHumano = poner({}, 1, 2);
    m_puntosCpu = poner({}, 2, 1);
    m_puntosHumano = poner({}, 2, 2);
    QLabel *seguir = linea(0.85);
    m_seguir = seguir;
    seguir->setText(tr("Pulsa una tecla o haz clic para seguir"));
    seguir->setStyleSheet(QStringLiteral("color: rgb(255, 214, 90);"));
    contenido()->addWidget(seguir);
}

void ResumenEnMesa::mostrar(const ResumenDeMano &resumen, const QString &descripcion,
                            std::function<void()> alCerrar)
{
    m_veredicto->setText(resumen.veredicto);
    m_cartas->setText(resumen.cartas);
    m_cartasCpu->setNum(resumen.resultado.cpu);
    m_cartasHumano->setNum(resumen.resultado.humano);
    m_puntosCpu->setNum(resumen.puntosCpu);
    m_puntosHumano->setNum(resumen.puntosHumano);
    // What the card says last, the way on, is heard last.
    setAccessibleDescription(descripcion + QStringLiteral(". ") + m_seguir->text());
    m_alCerrar = std::move(alCerrar);
    abrir();
    setFocus(Qt::OtherFocusReason);
}

void ResumenEnMesa::cerrar()
{
    if (!isVisible())
        return;
    hide();
    if (const auto alCerrar = std::exchange(m_alCerrar, {}))
        alCerrar();
}

QStringList ResumenEnMesa::textos() const
{
    QStringList textos;
    for (const QLabel *l : tarjeta()->findChildren<QLabel *>())
        textos.append(l->text());
    return textos;
}

// Any key, Tab and Escape too, comes here rather than to a menu's shortcut.
bool ResumenEnMesa::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto *tecla = static_cast<QKeyEvent *>(event);
        if (esRespuesta(*tecla)) {
            tecla->accept();
            if (event->type() == QEvent::KeyPress)
                cerrar();
            return true;
        }
    }
    return VeloDeMesa::event(event);
}

void ResumenEnMesa::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    cerrar();
}
