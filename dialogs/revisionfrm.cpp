// SPDX-License-Identifier: GPL-3.0-or-later

#include "revisionfrm.h"

#include "frasejugada.h"
#include "graficochance.h"
#include "textosrevision.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>
#include <span>

namespace {

// The rows of the hands' headings carry no move.
constexpr int kSinJugada = -1;

QString frase(const JugadaAnotada &j)
{
    return j.lado == Lado::Cpu ? FraseJugada::cpu(j.antes, j.jugada)
                               : FraseJugada::humano(j.antes, j.jugada);
}

QLabel *etiquetaDe(const QString &texto, QWidget *companero)
{
    auto *etiqueta = new QLabel(texto);
    etiqueta->setBuddy(companero);
    return etiqueta;
}

} // namespace

RevisionFrm::RevisionFrm(std::vector<JugadaAnotada> jugadas, int muestras, NivelCpu nivel,
                         QWidget *parent)
    : QDialog(parent)
    , m_jugadas(std::move(jugadas))
    , m_revisor(muestras, nivel)
    , m_lista(new QListWidget)
    , m_grafico(new GraficoChance)
    , m_resumen(new QLabel)
{
    setWindowTitle(tr("Revisión de la partida"));
    auto *columna = new QVBoxLayout(this);
    columna->addLayout(crearProgreso());
    m_lista->setAccessibleName(tr("Jugadas de la partida"));
    m_lista->setWordWrap(true);
    m_lista->setAlternatingRowColors(true);
    columna->addWidget(etiquetaDe(tr("&Jugadas:"), m_lista));
    columna->addWidget(m_lista, 1);
    columna->addWidget(
        etiquetaDe(tr("Tu &probabilidad de ganar a lo largo de la partida:"), m_grafico));
    m_grafico->setFocusPolicy(Qt::StrongFocus);
    columna->addWidget(m_grafico);
    m_resumen->setWordWrap(true);
    m_resumen->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_resumen->setFocusPolicy(Qt::StrongFocus);
    columna->addWidget(m_resumen);
    columna->addLayout(crearBotones());
    resize(640, 560);

    llenarLista();
    mostrarResumen(tr("Revisando la partida…"));
    revisarDesde(0);
}

RevisionFrm::~RevisionFrm() = default;

QLayout *RevisionFrm::crearProgreso()
{
    auto *fila = new QHBoxLayout;
    m_progreso = new QProgressBar;
    m_progreso->setAccessibleName(tr("Progreso de la revisión"));
    m_progreso->setRange(0, static_cast<int>(m_jugadas.size()));
    m_progreso->setValue(0);
    m_progreso->setFormat(tr("%v de %m jugadas"));
    m_cancelar = new QPushButton(tr("&Cancelar"));
    m_cancelar->setAccessibleName(tr("Cancelar la revisión"));
    connect(m_cancelar, &QPushButton::clicked, this, &RevisionFrm::cancelar);
    fila->addWidget(m_progreso, 1);
    fila->addWidget(m_cancelar);
    return fila;
}

QLayout *RevisionFrm::crearBotones()
{
    auto *copiar = new QPushButton(tr("C&opiar"));
    copiar->setObjectName(QStringLiteral("copiar"));
    copiar->setAccessibleName(tr("Copiar la revisión"));
    copiar->setAutoDefault(false);
    auto *cerrar = new QPushButton(tr("Ce&rrar"));
    cerrar->setObjectName(QStringLiteral("cerrar"));
    cerrar->setAccessibleName(tr("Cerrar"));
    cerrar->setAutoDefault(false);
    connect(copiar, &QPushButton::clicked, this, &RevisionFrm::copiar);
    connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
    auto *fila = new QHBoxLayout;
    fila->addStretch();
    fila->addWidget(copiar);
    fila->addWidget(cerrar);
    return fila;
}

// Each move in the history's words until its review comes, under its hand's heading.
void RevisionFrm::llenarLista()
{
    int mano = 0;
    for (const JugadaAnotada &j : m_jugadas) {
        if (j.antes.numeroDeMano != mano) {
            mano = j.antes.numeroDeMano;
            auto *titulo = new QListWidgetItem(tr("Mano %1").arg(mano), m_lista);
            QFont negrita = titulo->font();
            negrita.setBold(true);
            titulo->setFont(negrita);
            titulo->setData(Qt::UserRole, kSinJugada);
        }
        auto *fila = new QListWidgetItem(frase(j), m_lista);
        fila->setData(Qt::UserRole, static_cast<int>(m_filas.size()));
        m_filas.push_back(m_lista->count() - 1);
    }
    if (m_lista->count() > 0)
        m_lista->setCurrentRow(0);
    else
        m_lista->addItem(tr("La partida no tiene jugadas todavía."));
}

// Move i off the window's thread, then the next once its review is shown; past
// the last move the review is complete.
void RevisionFrm::revisarDesde(std::size_t i)
{
    m_trabajo.pedir(
        [jugadas = std::span<const JugadaAnotada>(m_jugadas), revisor = m_revisor,
         i](std::stop_token parar) -> std::optional<RevisionJugada> {
            if (i == jugadas.size())
                return std::nullopt;
            return revisor.revisar(jugadas, i, parar);
        },
        [this, i](const std::optional<RevisionJugada> &revision) {
            if (!revision) {
                alTerminar(true);
                return;
            }
            alRevisar(static_cast<int>(i), *revision);
            revisarDesde(i + 1);
        });
}

void RevisionFrm::alRevisar(int indice, const RevisionJugada &revision)
{
    const auto i = static_cast<std::size_t>(indice);
    m_revisiones.push_back(revision);
    QListWidgetItem *fila = m_lista->item(m_filas.at(i));
    fila->setText(TextosRevision::fila(m_jugadas.at(i), revision));
    if (revision.lado == Lado::Humano && revision.clase >= ClaseJugada::Error) {
        QFont negrita = fila->font();
        negrita.setBold(true);
        fila->setFont(negrita);
    }
    m_progreso->setValue(indice + 1);
    mostrarGrafico();
}

void RevisionFrm::mostrarGrafico()
{
    QList<double> chances;
    for (const RevisionJugada &r : m_revisiones) {
        if (chances.isEmpty())
            chances << TextosRevision::chanceHumano(r, false);
        chances << TextosRevision::chanceHumano(r, true);
    }
    m_grafico->setChances(chances);
}

void RevisionFrm::alTerminar(bool completa)
{
    m_terminada = true;
    m_cancelada = !completa;
    m_cancelar->setEnabled(false);
    m_cancelar->hide();
    m_progreso->hide();
    mostrarResumen(resumen());
    emit revisionTerminada();
}

// A screen reader says the summary itself when it takes the focus, not only its name.
void RevisionFrm::mostrarResumen(const QString &texto)
{
    m_resumen->setText(texto);
    m_resumen->setAccessibleName(tr("Resumen: %1").arg(texto));
}

QString RevisionFrm::resumen() const
{
    const QString suma = TextosRevision::resumen(m_revisiones);
    if (!m_cancelada)
        return suma;
    return tr("Revisión cancelada: %1 de %2 jugadas revisadas. %3")
        .arg(m_revisiones.size())
        .arg(m_jugadas.size())
        .arg(suma);
}

void RevisionFrm::cancelar()
{
    if (m_terminada)
        return;
    m_trabajo.cancelar();
    alTerminar(false);
}

QString RevisionFrm::texto() const
{
    QStringList lineas { windowTitle() };
    for (int i = 0; i < m_lista->count(); ++i)
        lineas << m_lista->item(i)->text();
    lineas << m_resumen->text();
    return lineas.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void RevisionFrm::copiar()
{
    QGuiApplication::clipboard()->setText(texto());
}
