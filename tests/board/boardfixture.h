// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ajustesdeprueba.h"
#include "disposicionclasica.h"
#include "disposicionmoderna.h"
#include "fakedialogs.h"
#include "mersennerandom.h"
#include "mesa.h"
#include "pausa.h"
#include "posicion.h"
#include "testprogramdir.h"
#include "zelbofrm.h"

#include <QList>
#include <QTimer>
#include <functional>
#include <memory>

// A pause that waits for nothing and lets a test look at the board meanwhile.
class FakePausa : public Pausa
{
public:
    void esperar(int milisegundos, std::function<void()> luego) override
    {
        m_esperas.append(milisegundos);
        if (m_durante)
            m_durante();
        luego();
    }
    void setDurante(std::function<void()> durante) { m_durante = std::move(durante); }
    void limpiar() { m_esperas.clear(); }
    const QList<int> &esperas() const { return m_esperas; }

private:
    QList<int> m_esperas;
    std::function<void()> m_durante;
};

// Settings of the test's own that choose the table a window started over them shows.
class MesaElegida : public AjustesDePrueba
{
public:
    explicit MesaElegida(TipoMesa mesa) { setMesa(mesa); }
};

// What the modern table shows at a hand's end and at the game's end, answered as
// the player does while it lives: the summary dismissed with Enter, the results
// answered with Sí or No pressed by Enter.
class RespondeEnMesa : public QObject
{
public:
    RespondeEnMesa(ZelboFrm &ventana, bool otraPartida);

    int resumenes() const { return m_resumenes; }
    int resultados() const { return m_resultados; }

private:
    void responder();

    ZelboFrm &m_ventana;
    bool m_otraPartida;
    QTimer m_reloj;
    int m_resumenes = 0;
    int m_resultados = 0;
};

// The real main window over a program directory of its own: the card set and
// plain stand-in pictures for every card, the card back and both backgrounds. The
// player's settings are the fixture's own unless the test hands its own in, which must
// outlive the fixture.
class BoardFixture
{
public:
    explicit BoardFixture(std::uint64_t semilla = 1, const QStringList &sinArchivos = {});
    explicit BoardFixture(AjustesJuego &ajustes, std::uint64_t semilla = 1);

    ZelboFrm &ventana() { return *m_ventana; }
    // The window's table, and its layout: the classic one (which the table
    // must show), or the modern one (null while the classic shows).
    Mesa &mesa() const { return *m_ventana->findChild<Mesa *>(); }
    DisposicionClasica &clasica() const;
    DisposicionModerna *moderna() const;
    const GameState &estado() { return m_ventana->juego().estado(); }
    FakeDialogs &dialogos() { return m_dialogos; }
    FakePausa &pausa() { return m_pausa; }
    AjustesJuego &ajustes() { return m_ajustes; }
    const TestProgramDir &dir() const { return m_dir; }

    // Starts the program, and waits as a desktop does for the board to be painted; false when
    // it ended at once.
    bool iniciar();
    // Waits for a window started by the test to paint its board; false when it did not in time.
    static bool verTablero(ZelboFrm &ventana);
    // Every window in sight but the main one, and the modal one if any: none
    // while the modern table tells the hand's end and the results.
    QList<QWidget *> otrasVentanas() const;
    // Runs the event loop until the game waits for the player's move again (a
    // window of the game shown meanwhile closed by the test) or the program ended;
    // false when neither came in time.
    bool esperarTurno();
    // Puts the position into the running game as the player opens a saved
    // game, then forgets the pauses and dialogs recorded so far.
    bool cargar(const Posicion &posicion);
    // The picture file of card number n.
    QString rutaCarta(int n) const;
    // Another main window over the same program directory and settings, with its own
    // dialogs, chance and pause: a program started again.
    std::unique_ptr<ZelboFrm> otraVentana(DialogService &dialogos, RandomSource &azar,
                                          Pausa &pausa) const;

private:
    BoardFixture(AjustesJuego *ajustes, std::uint64_t semilla, const QStringList &sinArchivos);
    void crearImagenes(const QStringList &sinArchivos);

    AjustesDePrueba m_propios;
    AjustesJuego &m_ajustes;
    TestProgramDir m_dir;
    FakeDialogs m_dialogos;
    FakePausa m_pausa;
    MersenneRandom m_azar;
    std::unique_ptr<ZelboFrm> m_ventana;
};
