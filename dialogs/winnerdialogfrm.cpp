// SPDX-License-Identifier: GPL-3.0-or-later

#include "winnerdialogfrm.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

// Twips to pixels at scale 1.
constexpr int px(int twips)
{
    return twips / 15;
}

QFont fuenteNombre()
{
    QFont f; // the system's sans-serif
    f.setPointSizeF(13.5);
    return f;
}

// The purple and white of the winner's name, for every line of words on the picture.
void pintarComoNombre(QLabel *label)
{
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor(0x80, 0, 0x80));
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
}

// The system's font, smaller if need be for the longest of textos to fit in ancho.
QFont fuenteQueCabe(QFont fuente, int ancho, const QStringList &textos)
{
    constexpr int margen = 4;
    auto cabe = [&] {
        const QFontMetrics fm(fuente);
        return std::all_of(textos.begin(), textos.end(), [&](const QString &texto) {
            return fm.horizontalAdvance(texto) + margen <= ancho;
        });
    };
    while (!cabe() && fuente.pointSizeF() > 6)
        fuente.setPointSizeF(fuente.pointSizeF() - 0.5);
    return fuente;
}

QFont fuentePuntos()
{
    QFont f;
    f.setFamilies({ QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("DejaVu Sans") });
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(48);
    f.setBold(true);
    return f;
}

} // namespace

WinnerDialogFrm::WinnerDialogFrm(const QString &programDir, QWidget *parent)
    : QDialog(parent)
    , m_fondo(rutaFondo(programDir))
    , m_label1(new QLabel(this))
    , m_label2(crearPuntos(px(600), QStringLiteral("Frame1"), QStringLiteral("Label2")))
    , m_label3(crearPuntos(px(3360), QStringLiteral("Frame2"), QStringLiteral("Label3")))
    , m_veredicto(new QLabel(this))
    , m_lado2(crearRotulo(QStringLiteral("lblLado2"), m_label2))
    , m_lado3(crearRotulo(QStringLiteral("lblLado3"), m_label3))
    , m_revisar(new QPushButton(tr("&Revisar"), this))
    , m_continuar(new QPushButton(tr("&Continuar"), this))
{
    setWindowTitle(tr("Resultados"));
    // A window of fixed size: a title and a close box, nothing to minimize or maximize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(fuenteNombre());
    m_label1->setContentsMargins(3, 0, 3, 0);
    pintarComoNombre(m_label1);
    m_label1->move(px(3000), px(240));

    // Under the scores, across the window.
    m_veredicto->setObjectName(QStringLiteral("lblVeredicto"));
    m_veredicto->setFont(fuenteNombre());
    m_veredicto->setAlignment(Qt::AlignCenter);
    pintarComoNombre(m_veredicto);
    const int arriba = m_lado2->geometry().bottom() + 6;
    m_veredicto->setGeometry(m_lado2->x(), arriba, m_lado3->geometry().right() - m_lado2->x() + 1,
                             m_veredicto->sizeHint().height());

    m_revisar->setObjectName(QStringLiteral("cmdRevisar"));
    m_revisar->setAccessibleName(tr("Revisar la partida"));
    m_revisar->setAutoDefault(false);
    connect(m_revisar, &QPushButton::clicked, this, &WinnerDialogFrm::revisarPedido);
    m_continuar->setObjectName(QStringLiteral("cmdContinuar"));
    m_continuar->setAccessibleDescription(
        tr("Cierra los resultados; luego se pregunta si jugar de nuevo"));
    m_continuar->setDefault(true);
    connect(m_continuar, &QPushButton::clicked, this, &QDialog::accept);
    colocarBotones();
    ordenarTabulador();
}

// Right-aligned in a row of their own under the picture, which keeps its words
// clear whatever the size of the system's font.
void WinnerDialogFrm::colocarBotones()
{
    constexpr int margen = 6;
    m_revisar->adjustSize();
    m_continuar->adjustSize();
    const int alto = qMax(m_revisar->height(), m_continuar->height());
    const int y = kAlto + margen;
    int x = kAncho - margen;
    for (QPushButton *boton : { m_continuar, m_revisar }) {
        x -= boton->width();
        boton->setGeometry(x, y, boton->width(), alto);
        x -= margen;
    }
    setFixedSize(kAncho, y + alto + margen);
}

// The words in reading order, then the buttons; the window opens on Continuar.
void WinnerDialogFrm::ordenarTabulador()
{
    const QList<QWidget *> orden {
        m_label1, m_veredicto, m_label2, m_label3, m_revisar, m_continuar
    };
    for (QWidget *palabras : orden.first(4)) {
        palabras->setFocusPolicy(Qt::TabFocus);
        palabras->installEventFilter(this);
    }
    for (qsizetype i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
    m_continuar->setFocus();
}

// The focus shows on the words as their colours swapped, which leaves their
// place and size as they are.
bool WinnerDialogFrm::eventFilter(QObject *objeto, QEvent *event)
{
    auto *palabras = qobject_cast<QLabel *>(objeto);
    if (palabras && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QPalette p = palabras->palette();
        const QColor fondo = p.color(palabras->backgroundRole());
        p.setColor(palabras->backgroundRole(), p.color(palabras->foregroundRole()));
        p.setColor(palabras->foregroundRole(), fondo);
        palabras->setPalette(p);
    }
    return QDialog::eventFilter(objeto, event);
}

// The side's name right under its score box.
QLabel *WinnerDialogFrm::crearRotulo(const QString &nombre, QLabel *puntos)
{
    auto *rotulo = new QLabel(this);
    rotulo->setObjectName(nombre);
    rotulo->setAlignment(Qt::AlignCenter);
    pintarComoNombre(rotulo);
    const QWidget *caja = puntos->parentWidget();
    rotulo->setFont(fuenteQueCabe(rotulo->font(), caja->width(),
                                  { nombreDePuntos(true), nombreDePuntos(false) }));
    rotulo->setGeometry(caja->x(), caja->geometry().bottom() + 4, caja->width(),
                        rotulo->sizeHint().height());
    rotulo->setBuddy(puntos);
    return rotulo;
}

QLabel *WinnerDialogFrm::crearPuntos(int left, const QString &nombreCaja,
                                     const QString &nombreEtiqueta)
{
    auto *caja = new QFrame(this);
    caja->setObjectName(nombreCaja);
    caja->setAutoFillBackground(true);
    QPalette p = caja->palette();
    p.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    caja->setPalette(p);
    caja->setGeometry(left, px(960), px(2175), px(1815));

    auto *label = new QLabel(caja);
    label->setObjectName(nombreEtiqueta);
    label->setFont(fuentePuntos());
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Button);
    label->setForegroundRole(QPalette::ButtonText);
    label->setGeometry(px(360), px(360), px(1455), px(1215));
    return label;
}

QString WinnerDialogFrm::rutaFondo(const QString &programDir)
{
    return programDir + QStringLiteral("/winfond.jpg");
}

bool WinnerDialogFrm::puedeCargar(const QString &programDir)
{
    QImageReader lector(rutaFondo(programDir));
    return !lector.read().isNull();
}

void WinnerDialogFrm::mostrarResultado(const QString &nombre, int num1, int num2,
                                       ResultadoDeMano::Ganador ganador)
{
    const QString texto = textoGanador(nombre);
    // The label grows with the name up to the window's edge; a longer name is
    // shortened on screen and shown whole in the tool tip.
    const QMargins margenes = m_label1->contentsMargins();
    const int disponible = kAncho - m_label1->x() - margenes.right();
    const QFontMetrics fm(m_label1->font());
    const QString mostrado
        = fm.elidedText(texto, Qt::ElideRight, disponible - margenes.left() - margenes.right());
    m_label1->setText(mostrado);
    m_label1->setToolTip(mostrado == texto ? QString() : texto);
    m_label1->adjustSize();
    m_label1->resize(qMin(m_label1->width(), disponible), m_label1->height());

    m_label2->setNum(num1);
    m_label3->setNum(num2);
    mostrarLados(ganador == ResultadoDeMano::Ganador::Humano);
}

QString WinnerDialogFrm::textoGanador(const QString &nombre)
{
    return tr("Ganador %1").arg(nombre);
}

QString WinnerDialogFrm::veredicto(bool ganaHumano)
{
    return ganaHumano ? tr("Has ganado la partida") : tr("La CPU gana la partida");
}

QString WinnerDialogFrm::nombreDePuntos(bool delHumano)
{
    return delHumano ? tr("Tus puntos") : tr("Puntos de la CPU");
}

QString WinnerDialogFrm::resumenDe(const QString &veredicto, const QString &lado1, int num1,
                                   const QString &lado2, int num2)
{
    return tr("%1. %2: %3, %4: %5")
        .arg(veredicto, lado1, QString::number(num1), lado2, QString::number(num2));
}

// The winner's points are on the left: each box is named after whose they are.
void WinnerDialogFrm::mostrarLados(bool ganaHumano)
{
    m_veredicto->setText(veredicto(ganaHumano));
    m_lado2->setText(nombreDePuntos(ganaHumano));
    m_lado3->setText(nombreDePuntos(!ganaHumano));
    // A screen reader reads a label's name only: the side and its figure.
    m_label2->setAccessibleName(
        tr("%1: %2", "side: points").arg(m_lado2->text(), m_label2->text()));
    m_label3->setAccessibleName(
        tr("%1: %2", "side: points").arg(m_lado3->text(), m_label3->text()));
    setAccessibleDescription(resumen());
}

QString WinnerDialogFrm::resumen() const
{
    return resumenDe(m_veredicto->text(), m_lado2->text(), m_label2->text().toInt(),
                     m_lado3->text(), m_label3->text().toInt());
}

void WinnerDialogFrm::Dialogo(const QString &nombre, int num1, int num2,
                              ResultadoDeMano::Ganador ganador)
{
    mostrarResultado(nombre, num1, num2, ganador);
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    open();
}

void WinnerDialogFrm::paintEvent(QPaintEvent *event)
{
    if (m_fondo.isNull()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(0, 0, kAncho, kAlto), m_fondo);
}
