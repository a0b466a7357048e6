// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "programadepruebas.h"
#include "raton.h"
#include "revisionfrm.h"
#include "winnerdialogfrm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

RevisionFrm *revisionAbierta()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *revision = qobject_cast<RevisionFrm *>(w);
        if (revision && revision->isVisible())
            return revision;
    }
    return nullptr;
}

QAction *accionRevisar(ZelboFrm &ventana)
{
    for (QAction *a : ventana.findChildren<QAction *>()) {
        if (a->text() == QStringLiteral("Re&visar la partida…"))
            return a;
    }
    return nullptr;
}

} // namespace

// The review window as the player reaches it: from the Juego menu and from the results.
class TstBoardRevision : public QObject
{
    Q_OBJECT

private slots:
    void menuReviewsTheMovesPlayedSoFar();
    void revisarOfTheResultsWindowReviewsTheGameJustEnded();
};

// Ctrl+R during the game: the moves played so far, both sides.
void TstBoardRevision::menuReviewsTheMovesPlayedSoFar()
{
    BoardFixture f(4);
    QVERIFY(f.iniciar());
    f.ventana().show();
    QVERIFY(QTest::qWaitForWindowActive(&f.ventana()));
    QAction *revisar = accionRevisar(f.ventana());
    QVERIFY(revisar);
    QCOMPARE(revisar->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    Raton::soltarEnFondo(f.mesa(), 0);
    QVERIFY(f.esperarTurno());
    const auto jugadas = f.ventana().juego().jugadasDeLaPartida().jugadas();
    QVERIFY(jugadas.size() >= 2);
    QTest::keyClick(&f.ventana(), Qt::Key_R, Qt::ControlModifier);
    RevisionFrm *revision = revisionAbierta();
    QVERIFY(revision);
    QTRY_VERIFY_WITH_TIMEOUT(revision->terminada(), 20000);
    QCOMPARE(revision->revisiones().size(), jugadas.size());
    revision->close();
}

// The last hand played out: "Revisar" of the results window opens the review over it, of
// the game that ended, before "¿Jugar de nuevo?" starts the next.
void TstBoardRevision::revisarOfTheResultsWindowReviewsTheGameJustEnded()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::terceraManoDelHumano()));
    int revisadas = -1;
    QTimer mirar;
    connect(&mirar, &QTimer::timeout, &f.ventana(), [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *resultados = qobject_cast<WinnerDialogFrm *>(w);
            if (!resultados || !resultados->isVisible())
                continue;
            RevisionFrm *revision = resultados->findChild<RevisionFrm *>();
            if (!revision) {
                resultados->findChild<QAbstractButton *>(QStringLiteral("cmdRevisar"))->click();
                continue;
            }
            if (!revision->terminada())
                continue;
            revisadas = static_cast<int>(revision->revisiones().size());
            revision->close();
            resultados->close();
        }
    });
    mirar.start(5);
    Raton::soltarEnFondo(f.mesa(), 0);
    QVERIFY(f.esperarTurno());
    QVERIFY(revisadas >= 1);
    QVERIFY(f.dialogos().textos().contains(QStringLiteral("¿Jugar de nuevo?")));
}

ZELBO_TEST_MAIN(TstBoardRevision)
#include "tst_board_revision.moc"
