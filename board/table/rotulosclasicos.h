// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

class PlanoTwips;
class QLabel;
class QWidget;

// The classic board's words: the turn sign, the headings, the pile counters,
// the scores in their frames and the credits at its foot, each placed on the
// board's plan. They are gone with it.
class RotulosClasicos
{
    Q_DECLARE_TR_FUNCTIONS(RotulosClasicos)

public:
    RotulosClasicos(QWidget &tablero, PlanoTwips &plano);
    ~RotulosClasicos();

    QLabel *cartel() const { return m_cartel; }
    QLabel *contp1() const { return m_contp1; }
    QLabel *contp2() const { return m_contp2; }
    QLabel *nombreHumano() const { return m_nombreHumano; }
    QLabel *puntajep1() const { return m_puntajep1; }
    QLabel *puntajep2() const { return m_puntajep2; }

private:
    void crearEtiquetas();
    void crearMarcadores();
    QLabel *etiqueta(const QString &texto, const QString &estilo, qreal puntos, QRect twips);
    QLabel *etiquetaAjustable(const QString &texto, const QString &estilo, qreal puntos,
                              QPoint esquina);

    QWidget &m_tablero;
    PlanoTwips &m_plano;
    QLabel *m_cartel = nullptr;
    QLabel *m_contp1 = nullptr;
    QLabel *m_contp2 = nullptr;
    QLabel *m_nombreHumano = nullptr;
    QLabel *m_puntajep1 = nullptr;
    QLabel *m_puntajep2 = nullptr;
    std::vector<std::unique_ptr<QWidget>> m_propios;
};
