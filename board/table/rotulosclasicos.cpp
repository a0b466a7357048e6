// SPDX-License-Identifier: GPL-3.0-or-later

#include "rotulosclasicos.h"

#include "lugaresclasicos.h"
#include "etiquetaguardada.h"
#include "planotwips.h"

#include <QFrame>
#include <QLabel>
#include <iterator>

namespace LC = LugaresClasicos;

namespace {
const QString kFuenteTitulo = QStringLiteral("font-weight: bold;");
} // namespace

RotulosClasicos::RotulosClasicos(QWidget &tablero, PlanoTwips &plano)
    : m_tablero(tablero)
    , m_plano(plano)
{
    crearEtiquetas();
    crearMarcadores();
}

RotulosClasicos::~RotulosClasicos()
{
    while (!m_propios.empty())
        m_propios.pop_back();
}

QLabel *RotulosClasicos::etiqueta(const QString &texto, const QString &estilo, qreal puntos,
                                  QRect twips)
{
    auto *e = new EtiquetaGuardada(texto, &m_tablero);
    m_propios.emplace_back(e);
    e->setStyleSheet(estilo);
    m_plano.colocar(e, twips, puntos);
    return e;
}

QLabel *RotulosClasicos::etiquetaAjustable(const QString &texto, const QString &estilo,
                                           qreal puntos, QPoint esquina)
{
    auto *e = etiqueta(texto, estilo, puntos, QRect(esquina, QSize(1, 1)));
    m_plano.ajustable(e, esquina);
    return e;
}

void RotulosClasicos::crearEtiquetas()
{
    const QString borde = QStringLiteral("border: 1px solid black; font-weight: bold;");
    m_cartel = etiqueta({}, QStringLiteral("background: #C0C0FF;") + borde, 12, LC::kCartel);
    m_cartel->setAlignment(Qt::AlignCenter);
    m_cartel->setWordWrap(true);
    etiqueta(tr("Puntajes"), borde, 12, LC::kPuntajes)->setAlignment(Qt::AlignCenter);
    const QString titulo = QStringLiteral("background: #FFFF80; font-style: italic;") + borde;
    etiqueta(tr("Cpu"), titulo, 8.25, LC::kTituloCpu);
    m_nombreHumano = etiqueta(tr("Humano"), titulo, 8.25, LC::kTituloHumano);
    const QString contador
        = QStringLiteral("background: white; font-weight: bold; padding: 0 2px;");
    m_contp1
        = etiquetaAjustable({}, contador + QStringLiteral("color: #404040;"), 9.75, LC::kContp1);
    m_contp2 = etiquetaAjustable({}, contador + QStringLiteral("color: black;"), 9.75, LC::kContp2);
    m_contp1->setAlignment(Qt::AlignCenter);
    m_contp2->setAlignment(Qt::AlignCenter);
    etiquetaAjustable(tr(" Monton CPU"), kFuenteTitulo, 8.25, LC::kMontonCpu);
    etiquetaAjustable(tr("Tu Monton"), kFuenteTitulo, 8.25, LC::kTuMonton);
    const QString pie = QStringLiteral("color: #F0F0E0;");
    etiquetaAjustable(tr("Zelbo, un juego de naipes para una persona"), pie, 8.25, LC::kCredito);
    etiquetaAjustable(tr("Sugerencias: zelbo@example.org"), pie, 8.25, LC::kContacto);
}

void RotulosClasicos::crearMarcadores()
{
    const QString estilo
        = QStringLiteral("background: white; color: black; border: 1px solid black;"
                         "font-weight: bold; font-style: italic;");
    for (std::size_t i = 0; i < std::size(LC::kFrame); ++i) {
        auto *marco = new QFrame(&m_tablero);
        m_propios.emplace_back(marco);
        marco->setStyleSheet(QStringLiteral("background: #E0E0E0;"));
        m_plano.colocar(marco, LC::kFrame[i]);
        auto *puntaje = new EtiquetaGuardada({}, marco);
        puntaje->setStyleSheet(estilo);
        puntaje->setAlignment(Qt::AlignCenter);
        m_plano.enMarco(puntaje, LC::kPuntaje);
        (i == 0 ? m_puntajep1 : m_puntajep2) = puntaje;
    }
}
