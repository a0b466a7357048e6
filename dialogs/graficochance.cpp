// SPDX-License-Identifier: GPL-3.0-or-later

#include "graficochance.h"

#include "idiomadeljuego.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

// Room above and below the line, as much as half a line of the scale's words and more.
constexpr int kMargen = 14;
// Room on the left for the scale's words, clear of the line.
constexpr int kEscala = 44;

// Where a chance stands in a chart this high.
double alturaDe(double chance, int alto)
{
    return kMargen + (alto - 2.0 * kMargen) * (100.0 - std::clamp(chance, 0.0, 100.0)) / 100.0;
}

QString porcentaje(double x)
{
    return QCoreApplication::translate("GraficoChance", "%1 %")
        .arg(IdiomaDelJuego::cifras().toString(x, 'f', 0));
}

} // namespace

GraficoChance::GraficoChance(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Gráfico de tu probabilidad de ganar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    describir();
}

void GraficoChance::setChances(const QList<double> &chances)
{
    m_chances = chances;
    describir();
    update();
}

QPointF GraficoChance::punto(int indice) const
{
    const double ancho = width() - kEscala - kMargen;
    const double paso
        = m_chances.size() > 1 ? ancho / static_cast<double>(m_chances.size() - 1) : 0.0;
    return { kEscala + indice * paso, alturaDe(m_chances.value(indice), height()) };
}

QSize GraficoChance::sizeHint() const
{
    return { 480, 120 };
}

QSize GraficoChance::minimumSizeHint() const
{
    return { 200, 80 };
}

void GraficoChance::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), palette().base());
    pintor.setPen(palette().color(QPalette::Mid));
    pintor.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_chances.isEmpty()) {
        pintor.setPen(palette().color(QPalette::PlaceholderText));
        pintor.drawText(rect(), Qt::AlignCenter, tr("Todavía no hay jugadas revisadas."));
        return;
    }
    pintor.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    pintor.drawLine(kEscala, height() / 2, width() - kMargen, height() / 2);
    pintor.setPen(palette().color(QPalette::PlaceholderText));
    const auto rotulo = [&pintor, this](double chance) {
        const int alto = fontMetrics().height();
        const QRect caja(0, qRound(alturaDe(chance, height())) - alto / 2, kEscala - 6, alto);
        pintor.drawText(caja, Qt::AlignRight | Qt::AlignVCenter, porcentaje(chance));
    };
    rotulo(100);
    rotulo(50);
    rotulo(0);
    pintor.setRenderHint(QPainter::Antialiasing);
    QPainterPath linea(punto(0));
    for (int i = 1; i < m_chances.size(); ++i)
        linea.lineTo(punto(i));
    pintor.setPen(QPen(palette().color(QPalette::Highlight), 2));
    pintor.drawPath(linea);
}

void GraficoChance::describir()
{
    if (m_chances.isEmpty()) {
        setAccessibleDescription(tr("Todavía no hay jugadas revisadas."));
        return;
    }
    const auto [menor, mayor] = std::ranges::minmax(m_chances);
    setAccessibleDescription(tr("Empieza en %1, termina en %2; la más alta, %3; la más baja, %4.")
                                 .arg(porcentaje(m_chances.first()), porcentaje(m_chances.last()),
                                      porcentaje(mayor), porcentaje(menor)));
}
