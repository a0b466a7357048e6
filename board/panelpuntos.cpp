// SPDX-License-Identifier: GPL-3.0-or-later

#include "panelpuntos.h"

#include <QGridLayout>
#include <QLabel>
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
    columna->addWidget(m_cartel);
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

void PanelPuntos::ajustar(int alto)
{
    QFont fuente = font();
    fuente.setPixelSize(std::max(9, alto / 6));
    for (QLabel *etiqueta : findChildren<QLabel *>())
        etiqueta->setFont(fuente);
    fuente.setPixelSize(std::max(9, alto / 8));
    m_cartel->setFont(fuente);
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
