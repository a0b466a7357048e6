// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "estimadorvictoria.h"
#include "jugadasdelapartida.h"
#include "revisionjugada.h"
#include "revisordejugadas.h"
#include "trabajodefondo.h"

#include <QDialog>
#include <cstddef>
#include <vector>

class GraficoChance;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

// "Revisar la partida": every move of the game, both sides, in the history's
// words, with the human's chance to win the game and the hand before and after
// it, against the CPU's level, the better move
// when there was one, and the class of each of the human's moves; a chart of
// the human's chance across the game and a summary. The moves are reviewed
// off the window's thread, the list filling in as they come, with a progress
// bar and "Cancelar"; "Copiar" puts the review on the clipboard as text.
class RevisionFrm : public QDialog
{
    Q_OBJECT

public:
    // The chances are those against the CPU at nivel.
    explicit RevisionFrm(std::vector<JugadaAnotada> jugadas,
                         int muestras = EstimadorVictoria::kMuestras,
                         NivelCpu nivel = NivelCpu::Normal, QWidget *parent = nullptr);
    ~RevisionFrm() override;

    bool terminada() const { return m_terminada; }
    const std::vector<RevisionJugada> &revisiones() const { return m_revisiones; }
    QListWidget *lista() const { return m_lista; }
    QString resumen() const;
    // The review as "Copiar" puts it on the clipboard.
    QString texto() const;

public slots:
    void copiar();
    void cancelar();

signals:
    void revisionTerminada();

private:
    QLayout *crearProgreso();
    QLayout *crearBotones();
    void llenarLista();
    void revisarDesde(std::size_t i);
    void alRevisar(int indice, const RevisionJugada &revision);
    void alTerminar(bool completa);
    void mostrarGrafico();
    void mostrarResumen(const QString &texto);

    std::vector<JugadaAnotada> m_jugadas; // read by the worker too: never changed
    std::vector<RevisionJugada> m_revisiones; // of the moves reviewed so far, in order
    std::vector<int> m_filas; // each move's row in the list
    RevisorDeJugadas m_revisor;
    QProgressBar *m_progreso = nullptr;
    QPushButton *m_cancelar = nullptr;
    QListWidget *m_lista = nullptr;
    GraficoChance *m_grafico = nullptr;
    QLabel *m_resumen = nullptr;
    bool m_terminada = false;
    bool m_cancelada = false;
    // Declared last, gone first: the move being reviewed is stopped before the
    // moves it reads go.
    TrabajoDeFondo m_trabajo;
};
