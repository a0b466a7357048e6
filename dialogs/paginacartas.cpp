// SPDX-License-Identifier: GPL-3.0-or-later

#include "paginacartas.h"

#include "ajustesjuego.h"
#include "listaconvalor.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <utility>

PaginaCartas::PaginaCartas(AjustesJuego &ajustes, Muestras muestras, QWidget *parent)
    : QWidget(parent)
    , m_ajustes(ajustes)
    , m_muestras(std::move(muestras))
{
    setObjectName(QStringLiteral("picOptions2"));
    auto *filas = new QFormLayout;
    filas->addRow(tr("Es&tilo de las caras:"), crearEstilo());
    filas->addRow(tr("Reverso &incluido:"), crearReverso());
    auto *regla = new QLabel(tr("El reverso incluido se muestra mientras no haya una imagen "
                                "propia en «Reverso», en la página Escritorio; si la hay, se "
                                "muestra esa imagen."));
    regla->setObjectName(QStringLiteral("lblReglaReverso"));
    regla->setWordWrap(true);
    filas->addRow(regla);

    auto *fila = new QHBoxLayout;
    m_muestraCara = crearMuestra(tr("Muestra de la cara"));
    m_muestraReverso = crearMuestra(tr("Muestra del reverso"));
    fila->addStretch();
    fila->addWidget(m_muestraCara);
    fila->addWidget(m_muestraReverso);
    fila->addStretch();

    auto *columna = new QVBoxLayout(this);
    columna->addLayout(filas);
    columna->addLayout(fila);
    columna->addStretch();
    mostrarMuestras();
}

QComboBox *PaginaCartas::crearEstilo()
{
    m_estilo = new ListaConValor(tr("Estilo de las caras"), this);
    m_estilo->setObjectName(QStringLiteral("estiloCaras"));
    m_estilo->addItem(tr("Moderno"), QVariant::fromValue(EstiloCaras::Moderno));
    m_estilo->addItem(tr("Tradicional"), QVariant::fromValue(EstiloCaras::Tradicional));
    m_estilo->setCurrentIndex(m_estilo->findData(QVariant::fromValue(m_ajustes.caras())));
    connect(m_estilo, &QComboBox::currentIndexChanged, this, &PaginaCartas::mostrarMuestras);
    return m_estilo;
}

QComboBox *PaginaCartas::crearReverso()
{
    m_reverso = new ListaConValor(tr("Reverso incluido"), this);
    m_reverso->setObjectName(QStringLiteral("reversoIncluido"));
    m_reverso->addItem(tr("Granate"), QVariant::fromValue(ReversoIncluido::Granate));
    m_reverso->addItem(tr("Azul"), QVariant::fromValue(ReversoIncluido::Azul));
    m_reverso->addItem(tr("Verde"), QVariant::fromValue(ReversoIncluido::Verde));
    m_reverso->setCurrentIndex(m_reverso->findData(QVariant::fromValue(m_ajustes.reverso())));
    connect(m_reverso, &QComboBox::currentIndexChanged, this, &PaginaCartas::mostrarMuestras);
    return m_reverso;
}

QLabel *PaginaCartas::crearMuestra(const QString &nombre)
{
    auto *muestra = new QLabel(this);
    muestra->setFixedSize(kTamanoMuestra);
    muestra->setAccessibleName(nombre);
    return muestra;
}

void PaginaCartas::mostrarMuestras()
{
    if (m_muestras.cara)
        mostrar(*m_muestraCara, m_muestras.cara(estilo()));
    if (m_muestras.reverso)
        mostrar(*m_muestraReverso, m_muestras.reverso(reverso()));
}

// Decoded at the size it shows on this screen, so it is as sharp as the board's cards.
void PaginaCartas::mostrar(QLabel &muestra, const QString &ruta) const
{
    const qreal razon = devicePixelRatioF();
    QPixmap imagen(ruta);
    if (!imagen.isNull()) {
        imagen = imagen.scaled(kTamanoMuestra * razon, Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
        imagen.setDevicePixelRatio(razon);
    }
    muestra.setPixmap(imagen);
}

EstiloCaras PaginaCartas::estilo() const
{
    return m_estilo->currentData().value<EstiloCaras>();
}

ReversoIncluido PaginaCartas::reverso() const
{
    return m_reverso->currentData().value<ReversoIncluido>();
}

void PaginaCartas::aceptar()
{
    // Unchanged, nothing is written: the file keeps no default it did not hold.
    if (estilo() != m_ajustes.caras())
        m_ajustes.setCaras(estilo());
    if (reverso() != m_ajustes.reverso())
        m_ajustes.setReverso(reverso());
}

void PaginaCartas::porDefecto()
{
    m_estilo->setCurrentIndex(
        m_estilo->findData(QVariant::fromValue(AjustesJuego::kCaras.porDefecto)));
    m_reverso->setCurrentIndex(
        m_reverso->findData(QVariant::fromValue(AjustesJuego::kReverso.porDefecto)));
}
