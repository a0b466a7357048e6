// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boardfixture.h"
#include "idiomadeljuego.h"
#include "keptgamekeeper.h"
#include "randomdialogs.h"

#include <QMap>
#include <QPointer>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

// Random input to the real main window: clicks, right-clicks and double-clicks
// at any point of the board, drags from one point dropped at another, keys,
// menu and toolbar commands, window sizes, the close box. Dialogs answer at
// random, the game's own windows (results, options, statistics, About) are
// closed or played with at random. When the program ends, a new one starts over
// the same folders, as the player starts it again: it offers the kept game,
// reads the statistics, and plays at a level, a CPU speed and in a language
// drawn anew. Everything comes from one seed, so a run can be repeated.
class MonkeyDriver : public QObject
{
public:
    explicit MonkeyDriver(quint64 semilla);
    ~MonkeyDriver() override;

    // One event. Empty when everything is sound afterwards; else the fault.
    QString paso();
    // What the last events were, newest last, for a failure report.
    QString historia() const { return m_historia.join(QStringLiteral("; ")); }
    int inicios() const { return m_inicios; }
    // How many of each of the game's own windows were opened, e.g. "WinnerDialogFrm 12".
    QString ventanasVistas() const;

private:
    void arrancar();
    void crearArchivos();
    void elegirAjustes();
    QString comprobar() const;
    void anotar(const QString &evento);
    QPoint puntoAlAzar();
    void clic();
    void arrastre();
    void tecla();
    void orden();
    void tamano();
    void atenderModal();
    int alAzar(int n) { return static_cast<int>(m_azar.bounded(n)); }

    QRandomGenerator m_azar;
    BoardFixture m_fixture;
    QTemporaryDir m_partidas;
    RandomDialogs m_dialogos;
    FakePausa m_pausa;
    std::unique_ptr<MersenneRandom> m_azarDelJuego;
    std::unique_ptr<IdiomaDelJuego> m_idioma;
    std::unique_ptr<KeptGameKeeper> m_conservada;
    std::unique_ptr<ZelboFrm> m_ventana;
    QTimer m_modales;
    QStringList m_historia;
    int m_inicios = 0;
    QPointer<QWidget> m_ultimoModal;
    QMap<QString, int> m_vistas;
};
