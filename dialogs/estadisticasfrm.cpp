// SPDX-License-Identifier: GPL-3.0-or-later

#include "estadisticasfrm.h"

#include "dialogservice.h"
#include "graficopartidas.h"
#include "idiomadeljuego.h"
#include "listaconvalor.h"
#include "statistics.h"
#include "statisticsfile.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kSinDatos = QStringLiteral("—");

QLabel *etiquetaConCompanero(const QString &texto, QWidget *companero)
{
    auto *etiqueta = new QLabel(texto);
    etiqueta->setBuddy(companero);
    return etiqueta;
}

// "Ganadas" as it reads inside a phrase: "Manos, ganadas".
QString primeraMinuscula(const QString &texto)
{
    return texto.left(1).toLower() + texto.mid(1);
}

QString porcentaje(const StatsRecord &r)
{
    const std::optional<double> parte = r.shareWon();
    if (!parte)
        return kSinDatos;
    return QCoreApplication::translate("EstadisticasFrm", "%1 %")
        .arg(IdiomaDelJuego::cifras().toString(*parte * 100, 'f', 0));
}

QLabel *leyenda(const QString &texto, GameResult resultado)
{
    auto *etiqueta = new QLabel(QStringLiteral("<span style=\"color:%1\">■</span> %2")
                                    .arg(GraficoPartidas::color(resultado).name(), texto));
    etiqueta->setTextFormat(Qt::RichText);
    return etiqueta;
}

} // namespace

EstadisticasFrm::EstadisticasFrm(Statistics &estadisticas, const StatisticsFile &archivo,
                                 DialogService &dialogos, QWidget *parent)
    : QDialog(parent)
    , m_estadisticas(estadisticas)
    , m_archivo(archivo)
    , m_dialogos(dialogos)
{
    setWindowTitle(tr("Estadísticas"));
    auto *columna = new QVBoxLayout(this);
    columna->addLayout(crearSeleccion());
    auto *grupos = new QHBoxLayout;
    grupos->addWidget(
        crearGrupo(tr("Partidas"),
                   { { QStringLiteral("partidas"), tr("Jugadas:") },
                     { QStringLiteral("ganadas"), tr("Ganadas:") },
                     { QStringLiteral("perdidas"), tr("Perdidas:") },
                     { QStringLiteral("abandonadas"), tr("Abandonadas:") },
                     { QStringLiteral("porcentaje"), tr("Porcentaje de victorias:") },
                     { QStringLiteral("racha_actual"), tr("Racha actual de victorias:") },
                     { QStringLiteral("racha_mas_larga"), tr("Racha más larga:") } }));
    grupos->addWidget(
        crearGrupo(tr("Manos"),
                   { { QStringLiteral("manos_ganadas"), tr("Ganadas:") },
                     { QStringLiteral("manos_perdidas"), tr("Perdidas:") },
                     { QStringLiteral("manos_empatadas"), tr("Empatadas:") },
                     { QStringLiteral("manos_abandonadas"), tr("Abandonadas:") },
                     { QStringLiteral("mayor_monton"), tr("Mayor montón de una mano ganada:") } }));
    columna->addLayout(grupos);

    columna->addWidget(crearUltimas());
    columna->addLayout(crearBotones());

    llenarJugadores();
    mostrar();
    connect(m_jugador, &QComboBox::currentIndexChanged, this, &EstadisticasFrm::mostrar);
    connect(m_nivel, &QComboBox::currentIndexChanged, this, &EstadisticasFrm::mostrar);
    m_jugador->setFocus();
}

QGroupBox *EstadisticasFrm::crearUltimas()
{
    auto *ultimas = new QGroupBox(tr("Últimas %1 partidas").arg(StatsRecord::kLastGames));
    auto *columnaUltimas = new QVBoxLayout(ultimas);
    m_grafico = new GraficoPartidas;
    m_grafico->setObjectName(QStringLiteral("grafico"));
    columnaUltimas->addWidget(m_grafico);
    auto *leyendas = new QHBoxLayout;
    leyendas->addWidget(leyenda(tr("Ganada"), GameResult::Won));
    leyendas->addWidget(leyenda(tr("Perdida"), GameResult::Lost));
    leyendas->addWidget(leyenda(tr("Abandonada"), GameResult::Abandoned));
    leyendas->addStretch();
    columnaUltimas->addLayout(leyendas);
    return ultimas;
}

QLayout *EstadisticasFrm::crearSeleccion()
{
    m_jugador = new ListaConValor(tr("Jugador"));
    m_jugador->setObjectName(QStringLiteral("cboJugador"));
    m_jugador->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_nivel = new ListaConValor(tr("Nivel de la CPU"));
    m_nivel->setObjectName(QStringLiteral("cboNivel"));
    m_nivel->addItem(tr("Todos los niveles"), QString());
    m_nivel->addItem(tr("Normal"), Statistics::kNormal);
    m_nivel->addItem(tr("Difícil"), Statistics::kDificil);

    auto *fila = new QHBoxLayout;
    fila->addWidget(etiquetaConCompanero(tr("&Jugador:"), m_jugador));
    fila->addWidget(m_jugador);
    fila->addSpacing(16);
    fila->addWidget(etiquetaConCompanero(tr("&Nivel de la CPU:"), m_nivel));
    fila->addWidget(m_nivel);
    fila->addStretch();
    return fila;
}

QGroupBox *EstadisticasFrm::crearGrupo(const QString &titulo,
                                       const QList<std::pair<QString, QString>> &filas)
{
    auto *grupo = new QGroupBox(titulo);
    auto *formulario = new QFormLayout(grupo);
    for (const auto &[clave, texto] : filas) {
        auto *valor = new QLabel;
        valor->setObjectName(clave);
        m_nombresDeCifras.insert(clave,
                                 tr("%1, %2").arg(titulo, primeraMinuscula(texto.chopped(1))));
        valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valor->setMinimumWidth(valor->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        formulario->addRow(texto, valor);
        m_cifras.insert(clave, valor);
    }
    return grupo;
}

QLayout *EstadisticasFrm::crearBotones()
{
    auto *reiniciar = new QPushButton(tr("&Reiniciar estadísticas"));
    reiniciar->setObjectName(QStringLiteral("cmdReiniciar"));
    reiniciar->setAccessibleName(tr("Reiniciar estadísticas"));
    reiniciar->setAutoDefault(false);
    connect(reiniciar, &QPushButton::clicked, this, &EstadisticasFrm::reiniciar);
    auto *cerrar = new QPushButton(tr("&Cerrar"));
    cerrar->setObjectName(QStringLiteral("cmdCerrar"));
    cerrar->setAccessibleName(tr("Cerrar"));
    cerrar->setDefault(true);
    connect(cerrar, &QPushButton::clicked, this, &QDialog::accept);
    auto *fila = new QHBoxLayout;
    fila->addWidget(reiniciar);
    fila->addStretch();
    fila->addWidget(cerrar);
    return fila;
}

QString EstadisticasFrm::cifra(const QString &clave) const
{
    const QLabel *valor = m_cifras.value(clave);
    return valor ? valor->text() : QString();
}

void EstadisticasFrm::llenarJugadores()
{
    const QString elegido = m_jugador->currentData().toString();
    {
        const QSignalBlocker bloqueo(m_jugador);
        m_jugador->clear();
        m_jugador->addItem(tr("Todos los jugadores"), QString());
        for (const QString &nombre : m_estadisticas.players())
            m_jugador->addItem(nombre, nombre);
        m_jugador->setCurrentIndex(qMax(0, m_jugador->findData(elegido)));
    }
    m_jugador->describir();
}

void EstadisticasFrm::mostrar()
{
    const StatsRecord r = m_estadisticas.record(m_jugador->currentData().toString(),
                                                m_nivel->currentData().toString());
    const QList<std::pair<QString, int>> numeros {
        { QStringLiteral("partidas"), r.partidas },
        { QStringLiteral("ganadas"), r.ganadas },
        { QStringLiteral("perdidas"), r.perdidas },
        { QStringLiteral("abandonadas"), r.abandonadas },
        { QStringLiteral("manos_ganadas"), r.manosGanadas },
        { QStringLiteral("manos_perdidas"), r.manosPerdidas },
        { QStringLiteral("manos_empatadas"), r.manosEmpatadas },
        { QStringLiteral("manos_abandonadas"), r.manosAbandonadas },
        { QStringLiteral("racha_actual"), r.rachaActual },
        { QStringLiteral("racha_mas_larga"), r.rachaMasLarga },
    };
    for (const auto &[clave, numero] : numeros)
        ponerCifra(clave, QString::number(numero));
    ponerCifra(QStringLiteral("porcentaje"), porcentaje(r));
    ponerCifra(QStringLiteral("mayor_monton"),
               r.manosGanadas > 0 ? QString::number(r.mayorMonton) : kSinDatos);
    m_grafico->setResultados(r.ultimas);
}

// A screen reader reads the figure with what it counts, e.g. "Manos, ganadas: 7".
void EstadisticasFrm::ponerCifra(const QString &clave, const QString &texto)
{
    QLabel *valor = m_cifras.value(clave);
    valor->setText(texto);
    valor->setAccessibleName(tr("%1: %2").arg(m_nombresDeCifras.value(clave), texto));
}

void EstadisticasFrm::reiniciar()
{
    // Nothing can be undone here: Enter, Esc and the close box keep the figures.
    OpcionesMensaje opciones;
    opciones.noPorDefecto = true;
    opciones.escapeEsNo = true;
    const auto respuesta = m_dialogos.mensaje(
        tr("¿Borrar las estadísticas de todos los jugadores? No se podrán recuperar."),
        tr("Reiniciar estadísticas"), DialogService::Botones::YesNo, DialogService::Icono::Pregunta,
        opciones);
    if (respuesta != DialogService::Respuesta::Yes)
        return;
    m_estadisticas.clear();
    if (!m_archivo.save(m_estadisticas)) {
        m_dialogos.mensaje(tr("No se pudieron guardar las estadísticas."), DialogService::kTitulo,
                           DialogService::Botones::Ok, DialogService::Icono::Critico);
    }
    llenarJugadores();
    mostrar();
}
