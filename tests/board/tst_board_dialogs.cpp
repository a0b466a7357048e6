// SPDX-License-Identifier: GPL-3.0-or-later

#include "estadisticasfrm.h"
#include "keptgamestats.h"
#include "programadepruebas.h"
#include "qtdialogservice.h"
#include "statistics.h"
#include "statisticsfile.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs the given steps on the first dialog of type T once it is open, from
// inside its own event loop, as a player would.
template<class T> void alAbrirse(std::function<void(T *)> pasos)
{
    QTimer::singleShot(0, qApp, [pasos] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *dialogo = qobject_cast<T *>(w); dialogo && dialogo->isVisible()) {
                pasos(dialogo);
                return;
            }
        }
        alAbrirse<T>(pasos); // not shown yet
    });
}

} // namespace

// The real dialogs: how a box can be answered, and what a save dialog returns.
class TstBoardDialogs : public QObject
{
    Q_OBJECT

private slots:
    void yesNoQuestionIsAnsweredOnlyByItsButtons_data();
    void yesNoQuestionIsAnsweredOnlyByItsButtons();
    void okCancelQuestionTakesEscAsCancel();
    void continuingQuestionTakesEnterAsYes();
    void clearingStatisticsTakesEnterEscAndCloseAsNo_data();
    void clearingStatisticsTakesEnterEscAndCloseAsNo();
    void informativeTextGoesUnderTheText();
    void savedGameNameGetsTheFilesExtension_data();
    void savedGameNameGetsTheFilesExtension();
    void nameBoxReadsItsQuestionWithTheField_data();
    void nameBoxReadsItsQuestionWithTheField();
    void noticeClosesWithEnterOrEsc_data();
    void noticeClosesWithEnterOrEsc();
};

void TstBoardDialogs::yesNoQuestionIsAnsweredOnlyByItsButtons_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("boton");
    QTest::addColumn<DialogService::Respuesta>("respuesta");
    QTest::newRow("Sí") << QMessageBox::Yes << DialogService::Respuesta::Yes;
    QTest::newRow("No") << QMessageBox::No << DialogService::Respuesta::No;
}

// Esc and the close box used to count as No, which ends the program.
void TstBoardDialogs::yesNoQuestionIsAnsweredOnlyByItsButtons()
{
    QFETCH(QMessageBox::StandardButton, boton);
    QFETCH(DialogService::Respuesta, respuesta);

    QtDialogService dialogos;
    bool sigueAbierta = false;
    alAbrirse<QMessageBox>([&sigueAbierta, boton](QMessageBox *caja) {
        QTest::keyClick(caja, Qt::Key_Escape);
        caja->close();
        sigueAbierta = caja->isVisible();
        caja->button(boton)->click();
    });
    const auto r
        = dialogos.mensaje(QStringLiteral("¿Jugar de nuevo?"), QStringLiteral("Fin de Juego"),
                           DialogService::Botones::YesNo, DialogService::Icono::Pregunta);
    QVERIFY(sigueAbierta);
    QCOMPARE(r, respuesta);
}

void TstBoardDialogs::okCancelQuestionTakesEscAsCancel()
{
    QtDialogService dialogos;
    alAbrirse<QMessageBox>([](QMessageBox *caja) { QTest::keyClick(caja, Qt::Key_Escape); });
    QCOMPARE(dialogos.mensaje(QStringLiteral("¿Salir del juego?"), QStringLiteral("Salir"),
                              DialogService::Botones::OkCancel, DialogService::Icono::Ninguno),
             DialogService::Respuesta::Cancel);
    alAbrirse<QMessageBox>([](QMessageBox *caja) { caja->close(); });
    QCOMPARE(dialogos.mensaje(QStringLiteral("¿Terminar con el juego actual?"),
                              QStringLiteral("Abrir juego"), DialogService::Botones::OkCancel,
                              DialogService::Icono::Ninguno),
             DialogService::Respuesta::Cancel);
}

// The continuing question keeps Sí as the answer to Enter.
void TstBoardDialogs::continuingQuestionTakesEnterAsYes()
{
    QtDialogService dialogos;
    alAbrirse<QMessageBox>([](QMessageBox *caja) { QTest::keyClick(caja, Qt::Key_Return); });
    QCOMPARE(dialogos.mensaje(QStringLiteral("¿Continuar la partida anterior?"),
                              QStringLiteral("Zelbo"), DialogService::Botones::YesNo,
                              DialogService::Icono::Pregunta),
             DialogService::Respuesta::Yes);
}

void TstBoardDialogs::clearingStatisticsTakesEnterEscAndCloseAsNo_data()
{
    QTest::addColumn<QString>("gesto");
    QTest::addColumn<bool>("borra");
    for (const char *gesto : { "Enter", "Esc", "close" })
        QTest::newRow(gesto) << QString::fromLatin1(gesto) << false;
    QTest::newRow("Sí") << QStringLiteral("Sí") << true;
}

// Clearing every player's figures cannot be undone: a player who presses Enter
// or Esc, or closes the box, keeps them.
void TstBoardDialogs::clearingStatisticsTakesEnterEscAndCloseAsNo()
{
    QFETCH(QString, gesto);
    QFETCH(bool, borra);

    QTemporaryDir carpeta;
    QVERIFY(carpeta.isValid());
    const StatisticsFile archivo(carpeta.path());
    Statistics estadisticas;
    KeptGameStats partida(QStringLiteral("Ana"), Statistics::kNormal);
    partida.moveMade();
    partida.handEnded(1, 24, 16);
    QVERIFY(estadisticas.commit(partida, GameResult::Won));
    QtDialogService dialogos;
    EstadisticasFrm ventana(estadisticas, archivo, dialogos);

    QString pregunta;
    bool sigueAbierta = true;
    alAbrirse<QMessageBox>([&](QMessageBox *caja) {
        pregunta = caja->text();
        if (gesto == QLatin1String("Enter"))
            QTest::keyClick(caja, Qt::Key_Return);
        else if (gesto == QLatin1String("Esc"))
            QTest::keyClick(caja, Qt::Key_Escape);
        else if (gesto == QLatin1String("close"))
            caja->close();
        else
            caja->button(QMessageBox::Yes)->click();
        sigueAbierta = caja->isVisible();
        if (sigueAbierta) // refused the gesture: let the test go on
            caja->button(QMessageBox::No)->click();
    });
    ventana.findChild<QPushButton *>(QStringLiteral("cmdReiniciar"))->click();

    QVERIFY(pregunta.startsWith(QStringLiteral("¿Borrar las estadísticas")));
    QVERIFY(!sigueAbierta);
    QCOMPARE(estadisticas.isEmpty(), borra);
}

// The words not heard yet name the box, so a screen reader says them before its text; the box
// shows only its own.
void TstBoardDialogs::informativeTextGoesUnderTheText()
{
    QtDialogService dialogos;
    QString texto;
    QString informativo;
    QString nombre;
    alAbrirse<QMessageBox>([&](QMessageBox *caja) {
        texto = caja->text();
        informativo = caja->informativeText();
        nombre = QAccessible::queryAccessibleInterface(caja)->text(QAccessible::Name);
        caja->accept();
    });
    OpcionesMensaje opciones;
    opciones.informativo = QStringLiteral("23 cartas contra 17");
    opciones.antes = QStringLiteral("La CPU tira el As de espadas a la mesa");
    dialogos.mensaje(QStringLiteral("Cpu gana la mano"), DialogService::kTitulo,
                     DialogService::Botones::Ok, DialogService::Icono::Ninguno, opciones);
    QCOMPARE(texto, QStringLiteral("Cpu gana la mano"));
    QCOMPARE(informativo, QStringLiteral("23 cartas contra 17"));
    QCOMPARE(nombre, opciones.antes);
}

void TstBoardDialogs::savedGameNameGetsTheFilesExtension_data()
{
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("guardado");
    QTest::newRow("no extension") << QStringLiteral("partida") << QStringLiteral("partida.dat");
    QTest::newRow("with .dat") << QStringLiteral("partida.dat") << QStringLiteral("partida.dat");
    QTest::newRow("another extension")
        << QStringLiteral("partida.sav") << QStringLiteral("partida.sav");
    QTest::newRow("blanks and accents")
        << QStringLiteral("mi partida de León") << QStringLiteral("mi partida de León.dat");
}

void TstBoardDialogs::savedGameNameGetsTheFilesExtension()
{
    QFETCH(QString, tecleado);
    QFETCH(QString, guardado);

    QTemporaryDir carpeta;
    QVERIFY(carpeta.isValid());
    const QString escrito = carpeta.filePath(tecleado);
    QtDialogService dialogos;
    alAbrirse<QFileDialog>([escrito](QFileDialog *dialogo) {
        auto *nombre = dialogo->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!nombre) {
            dialogo->reject();
            return;
        }
        nombre->setText(escrito);
        QTest::keyClick(nombre, Qt::Key_Return);
    });
    QCOMPARE(dialogos.archivoParaGuardar(QStringLiteral("Archivos (*.dat)")),
             carpeta.filePath(guardado));
}

void TstBoardDialogs::nameBoxReadsItsQuestionWithTheField_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("respuesta"); // null: cancelled
    QTest::newRow("Intro") << int(Qt::Key_Return) << QStringLiteral("Bruno");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << QString();
}

// The field of the name box has the focus and its question for a name, so a
// screen reader says what to type; Intro takes the name, Esc keeps the old one.
void TstBoardDialogs::nameBoxReadsItsQuestionWithTheField()
{
    QFETCH(int, tecla);
    QFETCH(QString, respuesta);

    QtDialogService dialogos;
    QString nombre;
    bool conCompanero = false;
    bool conFoco = false;
    bool aceptarPorDefecto = false;
    alAbrirse<QInputDialog>([&](QInputDialog *caja) {
        auto *campo = caja->findChild<QLineEdit *>();
        nombre = QAccessible::queryAccessibleInterface(campo)->text(QAccessible::Name);
        for (QLabel *etiqueta : caja->findChildren<QLabel *>())
            conCompanero = conCompanero || etiqueta->buddy() == campo;
        conFoco = caja->focusWidget() == campo;
        auto *botones = caja->findChild<QDialogButtonBox *>();
        aceptarPorDefecto = botones && botones->button(QDialogButtonBox::Ok)->isDefault();
        QTest::keyClicks(campo, QStringLiteral("Bruno"));
        QTest::keyClick(campo, static_cast<Qt::Key>(tecla));
    });
    const std::optional<QString> texto
        = dialogos.pedirTexto(QStringLiteral("Nuevo Nick"), QStringLiteral("player"));
    QCOMPARE(nombre, QStringLiteral("Nuevo Nick"));
    QVERIFY(conCompanero);
    QVERIFY(conFoco);
    QVERIFY(aceptarPorDefecto);
    QCOMPARE(texto.has_value(), !respuesta.isNull());
    QCOMPARE(texto.value_or(QString()), respuesta);
}

void TstBoardDialogs::noticeClosesWithEnterOrEsc_data()
{
    QTest::addColumn<int>("tecla");
    QTest::newRow("Intro") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

// A notice has nothing to cancel: either key closes it.
void TstBoardDialogs::noticeClosesWithEnterOrEsc()
{
    QFETCH(int, tecla);
    QtDialogService dialogos;
    bool sigueAbierta = true;
    alAbrirse<QMessageBox>([&](QMessageBox *caja) {
        QTest::keyClick(caja, static_cast<Qt::Key>(tecla));
        sigueAbierta = caja->isVisible();
        if (sigueAbierta)
            caja->accept();
    });
    QCOMPARE(dialogos.mensaje(QStringLiteral("No se pudo guardar el nivel de la CPU."),
                              DialogService::kTitulo, DialogService::Botones::Ok,
                              DialogService::Icono::Critico),
             DialogService::Respuesta::Ok);
    QVERIFY(!sigueAbierta);
}

ZELBO_TEST_MAIN(TstBoardDialogs)
#include "tst_board_dialogs.moc"
