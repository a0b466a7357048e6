// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QMap>

class DialogService;
class GraficoPartidas;
class ListaConValor;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class Statistics;
class StatisticsFile;

// "Estadísticas": the figures of one player, or of all, at one CPU level, or at all,
// with a chart of the last games. "Reiniciar estadísticas" clears every figure of every
// player, after asking, and saves the cleared statistics at once.
class EstadisticasFrm : public QDialog
{
    Q_OBJECT

public:
    EstadisticasFrm(Statistics &estadisticas, const StatisticsFile &archivo,
                    DialogService &dialogos, QWidget *parent = nullptr);

    // The figure shown under this key ("partidas", "porcentaje", "racha_actual" ...).
    QString cifra(const QString &clave) const;

private:
    QGroupBox *crearGrupo(const QString &titulo, const QList<std::pair<QString, QString>> &filas);
    // Shows a figure and names it with its value for a screen reader.
    void ponerCifra(const QString &clave, const QString &texto);
    QLayout *crearSeleccion();
    QGroupBox *crearUltimas();
    QLayout *crearBotones();
    void llenarJugadores();
    void mostrar();
    void reiniciar();

    Statistics &m_estadisticas;
    const StatisticsFile &m_archivo;
    DialogService &m_dialogos;
    ListaConValor *m_jugador = nullptr;
    QComboBox *m_nivel = nullptr;
    GraficoPartidas *m_grafico = nullptr;
    QMap<QString, QLabel *> m_cifras;
    QMap<QString, QString> m_nombresDeCifras; // what each figure counts, "Manos, ganadas"
};
