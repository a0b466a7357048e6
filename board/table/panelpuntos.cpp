// SPDX-License-Identifier: GPL-3.0-or-later

#include "panelpuntos.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Only the row itself: its labels keep their own look.
const QString kFila = QStringLiteral(".QWidget { background: transparent; border-radius: 6px; }");
const QString kFilaEnTurno
    = QStringLiteral(".QWidget { background: rgba(255, 214, 90, 70); border-radius: 6px;"
                     " border: 2px solid rgb(255, 214, 90); }");
} // namespace

PanelPuntos::PanelPuntos(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("panelPuntos"));
    setStyleSheet(
        QStringLiteral("#panelPuntos { background: rgba(0, 0, 0, 110);"
                       " border-radius: 10px; }"
                       "QLabel { color: white; background: transparent; border: none; }"));
    auto *columna = new QVBoxLayout(this);
    columna->setContentsMargins(8, 6, 8, 6);
    columna->setSpacing(3);
    m_cpu = crearFila(tr("CPU"));
    m_humano = crearFila(tr("Tú"));
    columna->addWidget(m_cpu.fondo);
    columna->addWidget(m_humano.fondo);
    m_cartel = new QLabel(this);
    m_cartel->setAlignment(Qt::AlignCenter);
    m_cartel->setStyleSheet(QStringLiteral("color: rgb(255, 230, 160);"));
    auto *pie = new QHBoxLayout;
    pie->setSpacing(6);
    pie->addWidget(m_cartel, 1);
    m_correr = new QToolButton(this);
    m_correr->setObjectName(QStringLiteral("correr"));
    m_correr->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_correr->setFocusPolicy(Qt::StrongFocus);
    m_correr->setStyleSheet(
        QStringLiteral("QToolButton { background: rgb(245, 240, 225); color: rgb(30, 60, 30);"
                       " border: 2px solid transparent; border-radius: 6px; font-weight: bold;"
                       " padding: 0 6px; }"
                       "QToolButton:hover { background: white; }"
                       "QToolButton:focus { border-color: rgb(255, 196, 0); }"));
    m_correr->installEventFilter(this);
    m_correr->hide();
    pie->addWidget(m_correr);
    columna->addLayout(pie);
    setTurno(Lado::Humano);
}

PanelPuntos::Fila PanelPuntos::crearFila(const QString &lado)
{
    Fila f;
    f.fondo = new QWidget(this);
    f.fondo->setAttribute(Qt::WA_StyledBackground);
    auto *fila = new QGridLayout(f.fondo);
    fila->setContentsMargins(6, 1, 6, 1);
    f.lado = new QLabel(lado, f.fondo);
    f.lado->setStyleSheet(QStringLiteral("color: rgb(200, 220, 200); font-weight: bold;"));
    f.nombre = new QLabel(f.fondo);
    f.puntos = new QLabel(QStringLiteral("0"), f.fondo);
    f.puntos->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f.puntos->setStyleSheet(QStringLiteral("font-weight: bold;"));
    fila->addWidget(f.lado, 0, 0);
    fila->addWidget(f.nombre, 0, 1);
    fila->addWidget(f.puntos, 0, 2);
    fila->setColumnStretch(1, 1);
    return f;
}

void PanelPuntos::setNombres(const QString &cpu, const QString &humano)
{
    m_cpu.nombre->setText(cpu);
    m_humano.nombre->setText(humano);
    m_humano.nombre->setToolTip(humano);
}

void PanelPuntos::setPuntos(int cpu, int humano)
{
    m_cpu.puntos->setText(QString::number(cpu));
    m_humano.puntos->setText(QString::number(humano));
}

void PanelPuntos::setTurno(Lado lado)
{
    m_turno = lado;
    m_cpu.fondo->setStyleSheet(lado == Lado::Cpu ? kFilaEnTurno : kFila);
    m_humano.fondo->setStyleSheet(lado == Lado::Humano ? kFilaEnTurno : kFila);
}

void PanelPuntos::setCartel(const QString &texto)
{
    m_cartel->setText(texto);
}

void PanelPuntos::setCorrer(QAction *correr)
{
    m_correr->setDefaultAction(correr);
    m_correr->setAccessibleName(tr("Correr el programa elegido en Opciones"));
}

void PanelPuntos::mostrarCorrer(bool hayPrograma)
{
    m_correr->setVisible(hayPrograma && m_correr->defaultAction());
}

bool PanelPuntos::eventFilter(QObject *objeto, QEvent *event)
{
    const bool tecla
        = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (objeto != m_correr || !tecla)
        return QFrame::eventFilter(objeto, event);
    auto *k = static_cast<QKeyEvent *>(event);
    const int clave = k->key();
    if (clave != Qt::Key_Space && clave != Qt::Key_Return && clave != Qt::Key_Enter)
        return false;
    k->accept();
    if (event->type() == QEvent::ShortcutOverride)
        return true;
    m_correr->click();
    return true;
}

void PanelPuntos::ajustar(int alto)
{
    QFont fuente = font();
    fuente.setPixelSize(std::max(9, alto / 6));
    for (QLabel *etiqueta : findChildren<QLabel *>())
        etiqueta->setFont(fuente);
    fuente.setPixelSize(std::max(9, alto / 8));
    m_cartel->setFont(fuente);
    m_correr->setFont(fuente);
    m_correr->setIconSize(QSize(fuente.pixelSize(), fuente.pixelSize()));
}

QLabel *PanelPuntos::puntos(Lado lado) const
{
    return fila(lado).puntos;
}

QLabel *PanelPuntos::nombre(Lado lado) const
{
    return fila(lado).nombre;
}

bool PanelPuntos::resaltado(Lado lado) const
{
    return m_turno == lado;
}
