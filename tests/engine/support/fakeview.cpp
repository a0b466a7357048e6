// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakeview.h"

#include "frasejugada.h"

void FakeView::registrar(const QString &evento)
{
    if (m_registro)
        m_registro->append(evento);
}

void FakeView::UpdateForm()
{
    ++m_actualizaciones;
    registrar(QStringLiteral("UpdateForm"));
    if (m_alActualizar)
        m_alActualizar();
}

bool FakeView::cargarReverso(const QString &ruta)
{
    m_reversosPedidos.append(ruta);
    return !m_reversosCargables || m_reversosCargables->contains(ruta);
}

void FakeView::aplicarColorFondo(qint32 color)
{
    m_colores.append(color);
}

void FakeView::mostrarVentana()
{
    ++m_ventanasMostradas;
}

void FakeView::setCartel(const Cartel &cartel)
{
    const QString &texto = cartel.texto;
    m_carteles.append(texto);
    registrar(QStringLiteral("cartel ") + texto);
    if (m_alCartel)
        m_alCartel(texto);
}

void FakeView::mostrarResultadoMano(const ResultadoDeMano &resultado)
{
    m_contadores.append({ resultado.cpu, resultado.humano });
    m_resultadosMano.append(resultado);
    registrar(QStringLiteral("contadores %1 %2").arg(resultado.cpu).arg(resultado.humano));
    if (m_alContar)
        m_alContar(resultado);
}

void FakeView::mostrarPuntajes(int cpu, int humano)
{
    registrar(QStringLiteral("puntajes %1 %2").arg(cpu).arg(humano));
}

void FakeView::mostrarNombreJugador(const QString &nombre)
{
    m_nombres.append(nombre);
}

void FakeView::mostrarTurnoCpu(const Jugada &jugada, const GameState &antes,
                               std::function<void()> listo)
{
    m_jugadasCpu.append(jugada);
    m_frasesCpu.append(FraseJugada::cpu(antes, jugada));
    for (const PlanTurnoCpu::Paso &paso : PlanTurnoCpu::de(jugada)) {
        if (!paso.imagen)
            continue;
        m_resaltes.append({ *paso.imagen, paso.milisegundos });
        registrar(QStringLiteral("resaltar ") + texto(*paso.imagen));
        if (m_alResaltar)
            m_alResaltar();
    }
    listo();
}

void FakeView::prepararResultados() { }

void FakeView::Dialogo(const QString &nombre, int num1, int num2, ResultadoDeMano::Ganador ganador,
                       std::function<void()> alCerrar)
{
    m_resultados.append({ nombre, num1, num2, ganador });
    registrar(QStringLiteral("Dialogo %1 %2 %3").arg(nombre).arg(num1).arg(num2));
    alCerrar();
}

bool FakeView::iniciarPrograma(const QString &lineaDeOrdenes)
{
    m_programas.append(lineaDeOrdenes);
    return false;
}

void FakeView::Salir(int estado)
{
    m_salida = estado;
    registrar(QStringLiteral("Salir %1").arg(estado));
}

QStringList FakeView::resaltesTexto() const
{
    QStringList lista;
    for (const Resalte &r : m_resaltes)
        lista.append(texto(r.imagen) + QLatin1Char(' ') + QString::number(r.milisegundos));
    return lista;
}

void FakeView::limpiar()
{
    m_actualizaciones = 0;
    m_carteles.clear();
    m_resaltes.clear();
    m_jugadasCpu.clear();
    m_frasesCpu.clear();
    m_resultados.clear();
    m_contadores.clear();
    m_reversosPedidos.clear();
    m_programas.clear();
    m_nombres.clear();
    m_colores.clear();
    m_salida.reset();
    m_ventanasMostradas = 0;
}

QString FakeView::texto(const Imagen &imagen)
{
    QString grupo;
    switch (imagen.grupo) {
    case GrupoImagen::cartap1img:
        grupo = QStringLiteral("cartap1img");
        break;
    case GrupoImagen::cartap2img:
        grupo = QStringLiteral("cartap2img");
        break;
    case GrupoImagen::mesaimg:
        grupo = QStringLiteral("mesaimg");
        break;
    case GrupoImagen::montonimg:
        grupo = QStringLiteral("montonimg");
        break;
    }
    return QStringLiteral("%1(%2)").arg(grupo).arg(imagen.indice);
}
