// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutfrm.h"

#include "dialogservice.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace {

constexpr int kIcono = 48;

QPixmap iconoPrograma(const QString &programDir)
{
    QPixmap icono(programDir + QStringLiteral("/icons/zelbo48.png"));
    if (icono.isNull())
        icono = QApplication::windowIcon().pixmap(kIcono, kIcono);
    if (!icono.isNull() && icono.size() != QSize(kIcono, kIcono))
        icono = icono.scaled(kIcono, kIcono, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return icono;
}

QFrame *linea(const QColor &color)
{
    auto *l = new QFrame;
    l->setFixedHeight(1);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, color);
    l->setPalette(p);
    return l;
}

} // namespace

Aboutfrm::Aboutfrm(const QString &programDir, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Acerca de %1").arg(DialogService::kTitulo));
    // A window of fixed size: a title and a close box, nothing to minimize or maximize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    auto *lblDisclaimer = new QLabel(tr("Hecho con cariño por el equipo de Zelbo"));
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    auto *label1 = new QLabel(tr("contacto: zelbo@example.org"));
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *cmdOK = new QPushButton(tr("Aceptar"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(96);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdOK);

    auto *columna = new QVBoxLayout(this);
    columna->setContentsMargins(16, 16, 16, 12);
    columna->addWidget(crearCabecera(programDir));
    columna->addSpacing(12);
    columna->addWidget(crearSeparador());
    columna->addSpacing(8);
    columna->addWidget(lblDisclaimer);
    columna->addWidget(label1);
    columna->addSpacing(12);
    columna->addLayout(botones);
    columna->setSizeConstraint(QLayout::SetFixedSize);
    cmdOK->setFocus();
}

QWidget *Aboutfrm::crearCabecera(const QString &programDir)
{
    auto *cabecera = new QWidget;
    auto *picIcon = new QLabel(cabecera);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFixedSize(kIcono, kIcono);
    picIcon->setPixmap(iconoPrograma(programDir));

    auto *lblTitle = new QLabel(QStringLiteral("Zelbomar"), cabecera);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont grande = lblTitle->font();
    grande.setPointSize(18);
    grande.setBold(true);
    lblTitle->setFont(grande);
    auto *lblVersion = new QLabel(textoVersion(QCoreApplication::applicationVersion()), cabecera);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    auto *textos = new QVBoxLayout;
    textos->addWidget(lblTitle);
    textos->addWidget(lblVersion);
    textos->addStretch();
    auto *fila = new QHBoxLayout(cabecera);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(16);
    fila->addWidget(picIcon, 0, Qt::AlignTop);
    fila->addLayout(textos, 1);
    return cabecera;
}

// An etched line: grey, with a white one just under it.
QWidget *Aboutfrm::crearSeparador()
{
    auto *separador = new QWidget;
    auto *gris = linea(QColor(0x80, 0x80, 0x80));
    gris->setObjectName(QStringLiteral("Line1_0"));
    auto *blanca = linea(Qt::white);
    blanca->setObjectName(QStringLiteral("Line1_1"));
    auto *lineas = new QVBoxLayout(separador);
    lineas->setContentsMargins(0, 0, 0, 0);
    lineas->setSpacing(0);
    lineas->addWidget(gris);
    lineas->addWidget(blanca);
    separador->setMinimumWidth(320);
    return separador;
}

QString Aboutfrm::textoVersion(const QString &version)
{
    const QVersionNumber numero = QVersionNumber::fromString(version);
    return tr("Versión %1.%2.%3")
        .arg(numero.majorVersion())
        .arg(numero.minorVersion())
        .arg(numero.microVersion());
}

void Aboutfrm::mostrar(const QString &programDir, QWidget *parent)
{
    Aboutfrm ventana(programDir, parent);
    ventana.exec();
}
