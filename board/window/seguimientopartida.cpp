// SPDX-License-Identifier: GPL-3.0-or-later

#include "seguimientopartida.h"

#include "cardpicture.h"
#include "mesa.h"
#include "zelbogame.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QStatusBar>
#include <algorithm>

SeguimientoPartida::SeguimientoPartida(QMainWindow &ventana, Mesa &mesa)
    : QObject(&ventana)
    , m_mesa(&mesa)
    , m_dock(new QDockWidget(tr("Historial"), &ventana))
    , m_lista(new QListWidget(m_dock))
    , m_numero(new QLabel(&ventana))
{
    m_dock->setObjectName(QStringLiteral("historial"));
    m_dock->setAccessibleName(tr("Historial de la partida"));
    m_lista->setAccessibleName(tr("Jugadas de la partida"));
    m_lista->setAccessibleDescription(
        tr("Cada jugada de los dos jugadores, la más reciente al final"));
    m_lista->setWordWrap(true);
    m_lista->setMinimumWidth(260);
    m_dock->setWidget(m_lista);
    ventana.addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
    // Read as it shows, "Partida 12": a name of its own would hide the number.
    m_numero->setObjectName(QStringLiteral("numeroDePartida"));
    ventana.statusBar()->addPermanentWidget(m_numero);
    QAction *mostrar = m_dock->toggleViewAction();
    mostrar->setText(tr("Historial"));
    mostrar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    // The list takes the focus when the dock opens, so the keyboard reaches it.
    connect(mostrar, &QAction::toggled, this, [this](bool visible) {
        if (!visible)
            return;
        m_lista->scrollToBottom();
        m_lista->setFocus();
    });
}

QAction *SeguimientoPartida::accionHistorial() const
{
    return m_dock->toggleViewAction();
}

void SeguimientoPartida::cpuJugo(const Jugada &jugada, const GameState &antes)
{
    m_cpu.clear();
    m_manoCpu = antes.numeroDeMano;
    m_cpu.push_back(antes.player1.at(jugada.carta));
    if (jugada.tipo == Jugada::Tipo::LevantarMonton) {
        for (const CardId c : antes.player2Lev)
            m_cpu.push_back(c);
    }
    for (const int lugar : jugada.mesa)
        m_cpu.push_back(antes.lamesa.at(lugar));
}

void SeguimientoPartida::olvidarCpu(const GameState &estado)
{
    m_cpu.clear();
    senalar(estado);
}

void SeguimientoPartida::actualizar(const ZelboGame &juego)
{
    const int numero = juego.numeroPartida();
    m_numero->setText(numero > 0 ? tr("Partida %1").arg(numero) : QString());
    const QStringList &lineas = juego.historial();
    if (!lineas.isSharedWith(m_mostradas))
        mostrar(lineas);
    senalar(juego.estado());
}

void SeguimientoPartida::mostrar(const QStringList &lineas)
{
    // The history grows at its end and shrinks there on undo; the lines above
    // stay, the very same texts: comparing them costs little, where reading
    // them back from the list's items cost more than painting the board.
    qsizetype comunes = 0;
    const qsizetype ambas = std::min(m_mostradas.size(), lineas.size());
    while (comunes < ambas && m_mostradas.at(comunes) == lineas.at(comunes))
        ++comunes;
    while (m_lista->count() > comunes)
        delete m_lista->takeItem(m_lista->count() - 1);
    for (qsizetype i = comunes; i < lineas.size(); ++i) {
        auto *linea = new QListWidgetItem(lineas.at(i), m_lista);
        // Headings of games and hands, and results, stand out from the moves.
        if (lineas.at(i).startsWith(tr("Mano", "first word of a hand's lines in the history"))
            || lineas.at(i).startsWith(
                tr("Partida", "first word of a game's lines in the history"))) {
            QFont negrita = linea->font();
            negrita.setBold(true);
            linea->setFont(negrita);
        }
    }
    m_mostradas = lineas;
    // Scrolling lays out every line again: only for new lines, and only where
    // they can be seen (the dock scrolls down when it opens).
    if (lineas.size() > comunes && m_dock->isVisible())
        m_lista->scrollToBottom();
}

void SeguimientoPartida::senalar(const GameState &estado)
{
    // A new deal reuses the cards of the hand before: the CPU's last move of
    // that hand would otherwise outline the cards that come back on the table.
    if (estado.numeroDeMano != m_manoCpu)
        m_cpu.clear();
    const auto delCpu
        = [this](CardId c) { return std::find(m_cpu.begin(), m_cpu.end(), c) != m_cpu.end(); };
    const QList<CardPicture *> mesa = m_mesa->imagenes(GrupoImagen::mesaimg);
    for (int i = 0; i < static_cast<int>(mesa.size()); ++i)
        mesa.at(i)->setSenalada(i < estado.lamesa.count() && delCpu(estado.lamesa.at(i)));
    const QList<CardPicture *> montones = m_mesa->imagenes(GrupoImagen::montonimg);
    montones.at(0)->setSenalada(!estado.player1Lev.isEmpty() && delCpu(estado.player1Lev.at(0)));
    montones.at(1)->setSenalada(false);
}
