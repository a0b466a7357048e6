// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkeydriver.h"
#include "partidasdeprueba.h"
#include "programadepruebas.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTest>

// Random input to the real main window. However the player clicks, drags,
// types, resizes and answers, every card stays in exactly one place and the
// dealt count is right, no window is left open, and nothing crashes.
//   ZELBO_MONKEY_EVENTS  how many events (20000; 4000 in the sanitizer build)
//   ZELBO_MONKEY_SEED    the seed (1); a failure names it, so the run can be repeated
class TstBoardMonkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomInputKeepsEveryCardInOnePlace();
};

void TstBoardMonkey::initTestCase()
{
    // The damaged saves and pictures are refused by the thousand, and the offscreen
    // platform warns at every window raised or sized; the log would drown the result.
    QLoggingCategory::setFilterRules(
        QStringLiteral("zelbo.*.warning=false\ndefault.warning=false\nqt.*.warning=false"));
}

void TstBoardMonkey::randomInputKeepsEveryCardInOnePlace()
{
    bool ok = false;
    int eventos = qEnvironmentVariableIntValue("ZELBO_MONKEY_EVENTS", &ok);
    if (!ok || eventos <= 0)
        eventos = partidasDePrueba(20000);
    quint64 semilla = qEnvironmentVariable("ZELBO_MONKEY_SEED").toULongLong(&ok);
    if (!ok)
        semilla = 1;
    qInfo("monkey: seed %llu, %d events", static_cast<unsigned long long>(semilla), eventos);

    QElapsedTimer reloj;
    reloj.start();
    MonkeyDriver mono(semilla);
    for (int i = 1; i <= eventos; ++i) {
        const QString falta = mono.paso();
        QVERIFY2(falta.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events: %4")
                                .arg(semilla)
                                .arg(i)
                                .arg(falta, mono.historia())));
    }
    const double segundos = static_cast<double>(reloj.elapsed()) / 1000;
    qInfo("monkey: seed %llu, %d events, %d programs, %.1f s, %.0f events/s",
          static_cast<unsigned long long>(semilla), eventos, mono.inicios(), segundos,
          eventos / std::max(segundos, 0.001));
    qInfo("monkey: windows opened: %s", qPrintable(mono.ventanasVistas()));
    QVERIFY(mono.inicios() >= 1);
}

ZELBO_TEST_MAIN(TstBoardMonkey)
#include "tst_board_monkey.moc"
