// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zelboview.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A view that shows nothing and records every call the game makes of it.
// Optionally it writes each call into an event log shared with FakeDialogs,
// so a test can check the order of what the player sees.
class FakeView : public ZelboView
{
public:
    struct Resalte
    {
        Imagen imagen;
        int milisegundos = 0;
    };
    struct Resultado
    {
        QString nombre;
        int num1 = 0;
        int num2 = 0;
        ResultadoDeMano::Ganador ganador = ResultadoDeMano::Ganador::Empate;
    };

    void UpdateForm() override;
    bool cargarReverso(const QString &ruta) override;
    void aplicarColorFondo(qint32 color) override;
    void mostrarVentana() override;
    void setCartel(const Cartel &cartel) override;
    void mostrarResultadoMano(const ResultadoDeMano &resultado) override;
    void mostrarPuntajes(int cpu, int humano) override;
    void mostrarNombreJugador(const QString &nombre) override;
    // Records the move, in words too, and each beat that enlarges a picture, as a pause of
    // the board would show it.
    void mostrarTurnoCpu(const Jugada &jugada, const GameState &antes,
                         std::function<void()> listo) override;
    void prepararResultados() override;
    void Dialogo(const QString &nombre, int num1, int num2, ResultadoDeMano::Ganador ganador,
                 std::function<void()> alCerrar) override;
    bool iniciarPrograma(const QString &lineaDeOrdenes) override;
    void Salir(int estado) override;

    // Until this is called every card back loads.
    void setReversosCargables(const QSet<QString> &rutas) { m_reversosCargables = rutas; }
    void setRegistro(QStringList *registro) { m_registro = registro; }
    // Called at every board refresh, after it was counted.
    void setAlActualizar(std::function<void()> f) { m_alActualizar = std::move(f); }
    // Called at every caption change, after it was recorded.
    void setAlCartel(std::function<void(const QString &)> f) { m_alCartel = std::move(f); }
    // Called at every highlight pause, after it was recorded.
    void setAlResaltar(std::function<void()> f) { m_alResaltar = std::move(f); }
    // Called when a hand's result is shown, after it was recorded.
    void setAlContar(std::function<void(const ResultadoDeMano &)> f) { m_alContar = std::move(f); }

    int actualizaciones() const { return m_actualizaciones; }
    const QStringList &carteles() const { return m_carteles; }
    const QList<Resalte> &resaltes() const { return m_resaltes; }
    // The CPU's moves as chosen, and told in words from the position before each.
    const QList<Jugada> &jugadasCpu() const { return m_jugadasCpu; }
    const QStringList &frasesCpu() const { return m_frasesCpu; }
    // The pauses as "group(index) ms", in order.
    QStringList resaltesTexto() const;
    const QList<Resultado> &resultados() const { return m_resultados; }
    const QList<QPair<int, int>> &contadores() const { return m_contadores; }
    const QList<ResultadoDeMano> &resultadosMano() const { return m_resultadosMano; }
    const QStringList &reversosPedidos() const { return m_reversosPedidos; }
    const QStringList &programasIniciados() const { return m_programas; }
    std::optional<int> salida() const { return m_salida; }
    int ventanasMostradas() const { return m_ventanasMostradas; }
    // What the heading over the human's score was set to, in order.
    const QStringList &nombresMostrados() const { return m_nombres; }
    // The background colours applied, in order.
    const QList<qint32> &coloresAplicados() const { return m_colores; }

    // Forgets what was recorded (the settings stay).
    void limpiar();

    static QString texto(const Imagen &imagen);

private:
    void registrar(const QString &evento);

    int m_actualizaciones = 0;
    QStringList m_carteles;
    QList<Resalte> m_resaltes;
    QList<Jugada> m_jugadasCpu;
    QStringList m_frasesCpu;
    QList<Resultado> m_resultados;
    QList<QPair<int, int>> m_contadores;
    QList<ResultadoDeMano> m_resultadosMano;
    QStringList m_reversosPedidos;
    QStringList m_programas;
    QStringList m_nombres;
    QList<qint32> m_colores;
    std::optional<int> m_salida;
    int m_ventanasMostradas = 0;
    std::optional<QSet<QString>> m_reversosCargables;
    QStringList *m_registro = nullptr;
    std::function<void()> m_alActualizar;
    std::function<void(const QString &)> m_alCartel;
    std::function<void()> m_alResaltar;
    std::function<void(const ResultadoDeMano &)> m_alContar;
};
