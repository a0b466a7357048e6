// SPDX-License-Identifier: GPL-3.0-or-later

#include "graficopartidas.h"

#include <QPainter>
#include <QStringList>

namespace {

constexpr int kMargen = 8;
constexpr int kAnchoMinimo = 14;

} // namespace

GraficoPartidas::GraficoPartidas(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Gráfico de las últimas partidas"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    describir();
}

void GraficoPartidas::setResultados(const QList<GameResult> &resultados)
{
    m_resultados = resultados.mid(qMax<qsizetype>(0, resultados.size() - StatsRecord::kLastGames));
    describir();
    update();
}

QColor GraficoPartidas::color(GameResult resultado)
{
    switch (resultado) {
    case GameResult::Won:
        return QColor(0x2e, 0x8b, 0x3a);
    case GameResult::Lost:
        return QColor(0xc6, 0x28, 0x28);
    case GameResult::Abandoned:
        break;
    }
    return QColor(0x8a, 0x8a, 0x8a);
}

QRect GraficoPartidas::barra(int indice) const
{
    const int paso = (width() - 2 * kMargen) / StatsRecord::kLastGames;
    const int ancho = qMax(2, paso * 2 / 3);
    const int x = kMargen + indice * paso + (paso - ancho) / 2;
    const int medio = height() / 2;
    const int alto = medio - kMargen;
    switch (m_resultados.value(indice, GameResult::Abandoned)) {
    case GameResult::Won:
        return { x, kMargen, ancho, alto };
    case GameResult::Lost:
        return { x, medio, ancho, alto };
    case GameResult::Abandoned:
        break;
    }
    return { x, medio - alto / 6, ancho, alto / 3 };
}

QSize GraficoPartidas::sizeHint() const
{
    return { 2 * kMargen + StatsRecord::kLastGames * 22, 110 };
}

QSize GraficoPartidas::minimumSizeHint() const
{
    return { 2 * kMargen + StatsRecord::kLastGames * kAnchoMinimo, 80 };
}

void GraficoPartidas::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), palette().base());
    pintor.setPen(palette().color(QPalette::Mid));
    pintor.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_resultados.isEmpty()) {
        pintor.setPen(palette().color(QPalette::PlaceholderText));
        pintor.drawText(rect(), Qt::AlignCenter, tr("Todavía no hay partidas."));
        return;
    }
    pintor.setPen(palette().color(QPalette::Mid));
    pintor.drawLine(kMargen, height() / 2, width() - kMargen, height() / 2);
    for (int i = 0; i < m_resultados.size(); ++i)
        pintor.fillRect(barra(i), color(m_resultados.at(i)));
}

void GraficoPartidas::describir()
{
    if (m_resultados.isEmpty()) {
        setAccessibleDescription(tr("Todavía no hay partidas."));
        return;
    }
    QStringList nombres;
    for (const GameResult resultado : m_resultados) {
        switch (resultado) {
        case GameResult::Won:
            nombres << tr("ganada");
            break;
        case GameResult::Lost:
            nombres << tr("perdida");
            break;
        case GameResult::Abandoned:
            nombres << tr("abandonada");
            break;
        }
    }
    setAccessibleDescription(
        tr("De la más antigua a la más reciente: %1.").arg(nombres.join(QStringLiteral(", "))));
}
