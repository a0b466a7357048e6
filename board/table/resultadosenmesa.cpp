// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultadosenmesa.h"

#include "winnerdialogfrm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

ResultadosEnMesa::ResultadosEnMesa(QWidget *mesa)
    : VeloDeMesa(mesa)
    , m_ganador(linea(1.7, true))
    , m_veredicto(linea(1.2))
    , m_pregunta(linea(1.3, true))
    , m_si(boton(tr("Sí"), tr("Sí, jugar de nuevo")))
    , m_no(boton(tr("No"), tr("No, salir del juego")))
    , m_revisar(boton(tr("&Revisar"), tr("Revisar la partida")))
{
    setObjectName(QStringLiteral("resultados"));
    setAccessibleName(tr("Resultados"));
    m_ganador->setStyleSheet(QStringLiteral("color: rgb(255, 214, 90);"));
    contenido()->addWidget(m_ganador);
    contenido()->addWidget(m_veredicto);
    auto *puntos = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        const auto n = static_cast<std::size_t>(i);
        m_puntos.at(n) = linea(3.0, true);
        m_lados.at(n) = linea(0.9);
        m_lados.at(n)->setBuddy(m_puntos.at(n));
        puntos->addWidget(m_puntos.at(n), 0, i);
        puntos->addWidget(m_lados.at(n), 1, i);
    }
    contenido()->addLayout(puntos);
    m_pregunta->setText(tr("¿Jugar de nuevo?"));
    contenido()->addWidget(m_pregunta);
    auto *botones = new QHBoxLayout;
    for (QPushButton *b : { m_si, m_no, m_revisar })
        botones->addWidget(b);
    contenido()->addLayout(botones);
    connect(m_si, &QPushButton::clicked, this, [this] { responder(true); });
    connect(m_no, &QPushButton::clicked, this, [this] { responder(false); });
    connect(m_revisar, &QPushButton::clicked, this, &ResultadosEnMesa::revisarPedido);
}

QPushButton *ResultadosEnMesa::boton(const QString &texto, const QString &nombreAccesible)
{
    auto *b = new QPushButton(texto, tarjeta());
    b->setAccessibleName(nombreAccesible);
    b->setAutoDefault(true);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setStyleSheet(
        QStringLiteral("QPushButton { background: rgb(245, 240, 225); color: rgb(30, 60, 30);"
                       " border: 3px solid transparent; border-radius: 8px; font-weight: bold;"
                       " padding: 0.3em 1em; min-width: 3em; }"
                       "QPushButton:hover { background: white; }"
                       "QPushButton:focus { border: 3px solid rgb(255, 196, 0); }"));
    b->installEventFilter(this);
    escalar(b, 1.1, true);
    return b;
}

void ResultadosEnMesa::mostrar(const QString &nombre, int num1, int num2,
                               ResultadoDeMano::Ganador ganador,
                               std::function<void(bool otraPartida)> alResponder)
{
    const bool ganaHumano = ganador == ResultadoDeMano::Ganador::Humano;
    m_ganador->setText(WinnerDialogFrm::textoGanador(nombre));
    m_veredicto->setText(WinnerDialogFrm::veredicto(ganaHumano));
    m_puntos[0]->setNum(num1);
    m_puntos[1]->setNum(num2);
    m_lados[0]->setText(WinnerDialogFrm::nombreDePuntos(ganaHumano));
    m_lados[1]->setText(WinnerDialogFrm::nombreDePuntos(!ganaHumano));
    for (std::size_t i = 0; i < 2; ++i)
        m_puntos.at(i)->setAccessibleName(m_lados.at(i)->text());
    setAccessibleDescription(WinnerDialogFrm::resumenDe(m_veredicto->text(), m_lados[0]->text(),
                                                        num1, m_lados[1]->text(), num2)
                             + QLatin1Char(' ') + m_pregunta->text());
    m_alResponder = std::move(alResponder);
    abrir();
    m_si->setFocus(Qt::OtherFocusReason);
}

QStringList ResultadosEnMesa::textos() const
{
    QStringList textos;
    for (const QLabel *l :
         { m_ganador, m_veredicto, m_puntos[0], m_lados[0], m_puntos[1], m_lados[1], m_pregunta })
        textos.append(l->text());
    return textos;
}

void ResultadosEnMesa::responder(bool otraPartida)
{
    if (!isVisible())
        return;
    hide();
    if (const auto alResponder = std::exchange(m_alResponder, {}))
        alResponder(otraPartida);
}

// Enter, Space and Esc on a button are its own, not a menu's shortcut; Esc does nothing.
bool ResultadosEnMesa::eventFilter(QObject *objeto, QEvent *event)
{
    const bool tecla
        = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (tecla && qobject_cast<QPushButton *>(objeto)) {
        auto *k = static_cast<QKeyEvent *>(event);
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (event->type() == QEvent::ShortcutOverride)
                k->accept();
            break;
        case Qt::Key_Escape:
            k->accept();
            return event->type() == QEvent::KeyPress;
        default:
            break;
        }
    }
    return VeloDeMesa::eventFilter(objeto, event);
}

// Tab goes round the three buttons and stays on the card.
bool ResultadosEnMesa::focusNextPrevChild(bool next)
{
    const std::array<QPushButton *, 3> orden { m_si, m_no, m_revisar };
    auto actual = std::find(orden.begin(), orden.end(), focusWidget());
    const auto i = actual == orden.end() ? 0 : actual - orden.begin();
    const auto siguiente = (i + (next ? 1 : 2)) % 3;
    orden.at(static_cast<std::size_t>(siguiente))
        ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
