// SPDX-License-Identifier: GPL-3.0-or-later

#include "programadepruebas.h"
#include "winnerdialogfrm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestWinnerDialogFrm : public QObject
{
    Q_OBJECT

private slots:
    void resultFillsTheThreeLabels();
    void wordsAndBoxesSayWhichSideWon_data();
    void wordsAndBoxesSayWhichSideWon();
    void dialogoOpensModalAndTellsItsClose();
    void tabReadsTheWordsThenLeadsOn();
    void buttonsStayClearOfTheWords_data();
    void buttonsStayClearOfTheWords();
    void longNameStaysInsideTheWindow();
    void backgroundMustLoad_data();
    void backgroundMustLoad();
    void backgroundPictureIsPainted();

private:
    static QString texto(const WinnerDialogFrm &ventana, const char *nombre);
};

QString TestWinnerDialogFrm::texto(const WinnerDialogFrm &ventana, const char *nombre)
{
    const auto *label = ventana.findChild<QLabel *>(QLatin1String(nombre));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(nombre));
}

void TestWinnerDialogFrm::resultFillsTheThreeLabels()
{
    WinnerDialogFrm ventana(QStringLiteral("/nonexistent"));
    QCOMPARE(ventana.windowTitle(), QStringLiteral("Resultados"));
    ventana.mostrarResultado(QStringLiteral("Bruno"), 3, 1, ResultadoDeMano::Ganador::Humano);
    QCOMPARE(texto(ventana, "Label1"), QStringLiteral("Ganador Bruno"));
    QCOMPARE(texto(ventana, "Label2"), QStringLiteral("3"));
    QCOMPARE(texto(ventana, "Label3"), QStringLiteral("1"));

    // The same window shows the next game's result, nothing of the last.
    ventana.mostrarResultado(QStringLiteral("Cpu"), 3, 0, ResultadoDeMano::Ganador::Cpu);
    QCOMPARE(texto(ventana, "Label1"), QStringLiteral("Ganador Cpu"));
    QCOMPARE(texto(ventana, "Label3"), QStringLiteral("0"));
}

void TestWinnerDialogFrm::wordsAndBoxesSayWhichSideWon_data()
{
    QTest::addColumn<ResultadoDeMano::Ganador>("ganador");
    QTest::addColumn<QString>("veredicto");
    QTest::addColumn<QString>("izquierda");
    QTest::addColumn<QString>("derecha");
    const QString cpu = QStringLiteral("Puntos de la CPU");
    const QString humano = QStringLiteral("Tus puntos");
    QTest::newRow("the CPU won") << ResultadoDeMano::Ganador::Cpu
                                 << QStringLiteral("La CPU gana la partida") << cpu << humano;
    QTest::newRow("the player won") << ResultadoDeMano::Ganador::Humano
                                    << QStringLiteral("Has ganado la partida") << humano << cpu;
}

// Both sides are called "Player" until the player picks a name: the caption
// alone read "Ganador Player 3 1" after a loss, and was taken for a win.
void TestWinnerDialogFrm::wordsAndBoxesSayWhichSideWon()
{
    QFETCH(ResultadoDeMano::Ganador, ganador);
    QFETCH(QString, veredicto);
    QFETCH(QString, izquierda);
    QFETCH(QString, derecha);

    WinnerDialogFrm ventana(QStringLiteral("/nonexistent"));
    // The other side's result first: nothing of it may stay.
    const auto otro = ganador == ResultadoDeMano::Ganador::Cpu ? ResultadoDeMano::Ganador::Humano
                                                               : ResultadoDeMano::Ganador::Cpu;
    ventana.mostrarResultado(QStringLiteral("Player"), 3, 2, otro);
    ventana.mostrarResultado(QStringLiteral("Player"), 3, 1, ganador);
    ventana.show();
    QCOMPARE(texto(ventana, "Label1"), QStringLiteral("Ganador Player"));
    QCOMPARE(texto(ventana, "lblVeredicto"), veredicto);
    QCOMPARE(texto(ventana, "lblLado2"), izquierda);
    QCOMPARE(texto(ventana, "lblLado3"), derecha);

    const QRect dentro(0, 0, WinnerDialogFrm::kAncho, WinnerDialogFrm::kAlto);
    for (const char *caja : { "Frame1", "Frame2" }) {
        const auto *frame = ventana.findChild<QWidget *>(QLatin1String(caja));
        QVERIFY(frame);
        for (const char *rotulo : { "Label1", "lblVeredicto", "lblLado2", "lblLado3" }) {
            const auto *label = ventana.findChild<QLabel *>(QLatin1String(rotulo));
            QVERIFY2(label->isVisible() && dentro.contains(label->geometry()), rotulo);
            QVERIFY2(!label->geometry().intersects(frame->geometry()), rotulo);
        }
    }
    // A screen reader names each score by its side, as the words under it do,
    // and says its figure.
    const auto *puntos2 = ventana.findChild<QLabel *>(QStringLiteral("Label2"));
    const auto *puntos3 = ventana.findChild<QLabel *>(QStringLiteral("Label3"));
    QCOMPARE(puntos2->accessibleName(), izquierda + QStringLiteral(": 3"));
    QCOMPARE(puntos3->accessibleName(), derecha + QStringLiteral(": 1"));
    QCOMPARE(puntos2->text(), QStringLiteral("3"));
    QCOMPARE(puntos3->text(), QStringLiteral("1"));
}

void TestWinnerDialogFrm::dialogoOpensModalAndTellsItsClose()
{
    QWidget tablero;
    tablero.show();
    WinnerDialogFrm ventana(QStringLiteral("/nonexistent"), &tablero);
    QSignalSpy cerrada(&ventana, &QDialog::finished);
    ventana.Dialogo(QStringLiteral("Ana"), 3, 2, ResultadoDeMano::Ganador::Humano);
    // Shown and modal to the board, without a loop of its own: the call is back at once.
    QVERIFY(ventana.isVisible());
    QCOMPARE(ventana.windowModality(), Qt::WindowModal);
    QCOMPARE(texto(ventana, "Label1"), QStringLiteral("Ganador Ana"));
    // A player leaves with the close box or Esc; Revisar asks for the review.
    auto *boton = ventana.findChild<QAbstractButton *>(QStringLiteral("cmdRevisar"));
    QVERIFY(boton);
    QSignalSpy revisar(&ventana, &WinnerDialogFrm::revisarPedido);
    boton->click();
    QCOMPARE(revisar.count(), 1);
    QVERIFY(!boton->accessibleName().isEmpty());
    QCOMPARE(cerrada.count(), 0);
    QTest::keyClick(&ventana, Qt::Key_Escape);
    QCOMPARE(cerrada.count(), 1);
    QVERIFY(!ventana.isVisible());
    QCOMPARE(texto(ventana, "Label2"), QStringLiteral("3"));
    QCOMPARE(texto(ventana, "Label3"), QStringLiteral("2"));
}

// Orca heard "Revisar la partida" and nothing else: each line of words, each
// score with its figure and each button are reached by Tab, and Enter goes on
// to the question that follows.
void TestWinnerDialogFrm::tabReadsTheWordsThenLeadsOn()
{
    QWidget tablero;
    tablero.show();
    WinnerDialogFrm ventana(QStringLiteral("/nonexistent"), &tablero);
    QSignalSpy cerrada(&ventana, &QDialog::finished);
    QSignalSpy revisar(&ventana, &WinnerDialogFrm::revisarPedido);
    ventana.Dialogo(QStringLiteral("Ana"), 3, 1, ResultadoDeMano::Ganador::Humano);
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    auto leido = [] {
        return QAccessible::queryAccessibleInterface(QApplication::focusWidget())
            ->text(QAccessible::Name);
    };
    QCOMPARE(leido(), QStringLiteral("Continuar"));
    QVERIFY(!QApplication::focusWidget()->accessibleDescription().isEmpty());
    QStringList oidos;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        oidos << leido();
    }
    QCOMPARE(oidos,
             QStringList({ "Ganador Ana", "Has ganado la partida", "Tus puntos: 3",
                           "Puntos de la CPU: 1", "Revisar la partida", "Continuar" }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(cerrada.count(), 1);
    QCOMPARE(ventana.result(), int(QDialog::Accepted));
    QCOMPARE(revisar.count(), 0);
}

void TestWinnerDialogFrm::buttonsStayClearOfTheWords_data()
{
    QTest::addColumn<qreal>("puntos");
    for (const qreal puntos : { 7.0, 9.0, 11.0, 16.0, 24.0 })
        QTest::addRow("system font of %g points", puntos) << puntos;
}

// "Revisar" sat over the verdict's purple line, and a large system font
// pushed the side's names out of their boxes.
void TestWinnerDialogFrm::buttonsStayClearOfTheWords()
{
    QFETCH(qreal, puntos);
    const QFont antes = QApplication::font();
    QFont fuente = antes;
    fuente.setPointSizeF(puntos);
    QApplication::setFont(fuente);
    WinnerDialogFrm ventana(QStringLiteral("/nonexistent"));
    QApplication::setFont(antes);
    ventana.mostrarResultado(QStringLiteral("Ana"), 3, 2, ResultadoDeMano::Ganador::Cpu);
    ventana.show();

    const QRect picture(0, 0, WinnerDialogFrm::kAncho, WinnerDialogFrm::kAlto);
    QList<QRect> ocupados;
    for (const char *nombre : { "Label1", "lblVeredicto", "lblLado2", "lblLado3" }) {
        const auto *label = ventana.findChild<QLabel *>(QLatin1String(nombre));
        QVERIFY2(picture.contains(label->geometry()), nombre);
        const int ancho = QFontMetrics(label->font()).horizontalAdvance(label->text());
        QVERIFY2(ancho <= label->contentsRect().width(), nombre);
        ocupados << label->geometry();
    }
    for (const char *nombre : { "cmdRevisar", "cmdContinuar" }) {
        const auto *boton = ventana.findChild<QAbstractButton *>(QLatin1String(nombre));
        QVERIFY2(boton && boton->isVisible(), nombre);
        QVERIFY2(ventana.rect().contains(boton->geometry()), nombre);
        QVERIFY2(!boton->geometry().intersects(picture), nombre);
        QVERIFY2(boton->width() >= boton->sizeHint().width(), nombre);
        for (const QRect &otro : ocupados)
            QVERIFY2(!boton->geometry().intersects(otro), nombre);
        ocupados << boton->geometry();
    }
}

void TestWinnerDialogFrm::longNameStaysInsideTheWindow()
{
    WinnerDialogFrm ventana(QStringLiteral("/nonexistent"));
    const QString nombre(60, QLatin1Char('W'));
    ventana.mostrarResultado(nombre, 3, 0, ResultadoDeMano::Ganador::Humano);
    const auto *label = ventana.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label->geometry().right() < WinnerDialogFrm::kAncho);
    QVERIFY(label->text().startsWith(QStringLiteral("Ganador ")));
    QCOMPARE(label->toolTip(), QStringLiteral("Ganador ") + nombre);
}

void TestWinnerDialogFrm::backgroundMustLoad_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<bool>("carga");
    QImage imagen(40, 30, QImage::Format_RGB32);
    imagen.fill(Qt::darkCyan);
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        imagen.save(&buffer, "JPG");
    }
    QTest::newRow("picture") << jpeg << true;
    QTest::newRow("damaged") << jpeg.left(jpeg.size() / 3) << false;
    QTest::newRow("not a picture") << QByteArray("Zelbo") << false;
    QTest::newRow("missing") << QByteArray() << false;
}

void TestWinnerDialogFrm::backgroundMustLoad()
{
    QFETCH(QByteArray, contenido);
    QFETCH(bool, carga);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!contenido.isEmpty()) {
        QFile fichero(WinnerDialogFrm::rutaFondo(dir.path()));
        QVERIFY(fichero.open(QIODevice::WriteOnly));
        fichero.write(contenido);
    }
    QCOMPARE(WinnerDialogFrm::puedeCargar(dir.path()), carga);
}

void TestWinnerDialogFrm::backgroundPictureIsPainted()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage fondo(100, 60, QImage::Format_RGB32);
    fondo.fill(QColor(0, 200, 0));
    QVERIFY(fondo.save(WinnerDialogFrm::rutaFondo(dir.path()), "PNG"));

    WinnerDialogFrm ventana(dir.path());
    ventana.mostrarResultado(QStringLiteral("Ana"), 3, 1, ResultadoDeMano::Ganador::Humano);
    const QImage pantalla = ventana.grab().toImage();
    // Bottom left corner of the picture: no label or box there, only the picture.
    QCOMPARE(QColor(pantalla.pixel(5, WinnerDialogFrm::kAlto - 5)), QColor(0, 200, 0));
}

ZELBO_TEST_MAIN(TestWinnerDialogFrm)
#include "tst_winnerdialogfrm.moc"
