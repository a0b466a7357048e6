// SPDX-License-Identifier: GPL-3.0-or-later

#include "testgame.h"

#include "savedgamefile.h"

using namespace Naipes;

TestGame::TestGame(std::uint64_t semilla)
    : m_azar(semilla)
    , m_juego(m_dir.path(), m_vista, m_dialogos, m_azar, m_ajustes)
{
    m_valido = m_dir.isValid() && m_dir.escribirPreferencias(kCpu, kHumano);
    m_vista.setRegistro(&m_registro);
    m_dialogos.setRegistro(&m_registro);
    m_vista.setAlActualizar([this] { m_fotos.append(m_juego.estado()); });
}

void TestGame::iniciar()
{
    m_juego.iniciar();
    m_iniciado = true;
}

bool TestGame::cargar(const Posicion &posicion)
{
    if (!m_iniciado)
        iniciar();
    const QString fichero = m_dir.ruta(QStringLiteral("posicion.dat"));
    const bool ok = SavedGameFile::save(fichero, posicion.partida()) && m_juego.CargarJuego(fichero)
        && estado().turno == Lado::Cpu;
    limpiar();
    return ok;
}

bool TestGame::hacerUltimoEnLevantar(Lado quien)
{
    Posicion p;
    if (quien == Lado::Humano) {
        // The human lifts oros(2) with oros(1); the CPU's espadas matches nothing.
        p.humano = { oros(1), copas(1) };
        p.cpu = { espadas(1) };
        p.mesa = { oros(2), bastos(1) };
        p.pilaCpu = { copas(2) };
        p.pilaHumano = { bastos(2) };
        p.tamPilaCpu = 5;
        p.tamPilaHumano = 6;
        if (!cargar(p))
            return false;
        m_juego.pulsar({ GrupoImagen::cartap2img, 0 });
        m_juego.pulsar({ GrupoImagen::mesaimg, 0 });
        m_juego.intentar(Intento::levantar());
    } else {
        // The human puts oros on the own pile; the CPU lifts espadas(2) with espadas(1).
        p.humano = { oros(1) };
        p.cpu = { espadas(1) };
        p.mesa = { espadas(2), bastos(1) };
        p.pilaCpu = { copas(2) };
        p.pilaHumano = { bastos(2) };
        p.tamPilaCpu = 6;
        p.tamPilaHumano = 6;
        if (!cargar(p))
            return false;
        m_juego.intentar(Intento::alMonton(0));
    }
    const bool ok = estado().ultimoEnLevantar == quien && !m_juego.terminado();
    limpiar();
    return ok;
}

void TestGame::limpiar()
{
    m_vista.limpiar();
    m_dialogos.limpiar();
    m_registro.clear();
    m_fotos.clear();
}

std::optional<GameState> TestGame::mostradoAntesDe(const QString &evento) const
{
    const qsizetype i = m_registro.indexOf(evento);
    const qsizetype refrescos
        = i < 0 ? 0 : m_registro.mid(0, i).count(QStringLiteral("UpdateForm"));
    if (refrescos == 0)
        return std::nullopt;
    return m_fotos.at(refrescos - 1);
}

std::optional<GameState> TestGame::mostradoTrasDe(const QString &evento) const
{
    const qsizetype i = m_registro.indexOf(evento);
    const qsizetype refrescos = m_registro.mid(0, i).count(QStringLiteral("UpdateForm"));
    if (i < 0 || refrescos >= m_fotos.size())
        return std::nullopt;
    return m_fotos.at(refrescos);
}
