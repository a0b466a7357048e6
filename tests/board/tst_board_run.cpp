// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakedialogs.h"
#include "lineadeordenes.h"
#include "programadepruebas.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Orden = LineaDeOrdenes::Orden;
Q_DECLARE_METATYPE(std::optional<Orden>)

namespace {

// A program that leaves a file beside itself when it runs.
bool crearPrograma(const QString &ruta)
{
    QFile f(ruta);
    const QByteArray guion = "#!/bin/sh\ntouch \"$(dirname \"$0\")/iniciado\"\n";
    return f.open(QIODevice::WriteOnly) && f.write(guion) == guion.size()
        && f.setPermissions(f.permissions() | QFileDevice::ExeUser);
}

} // namespace

// What the toolbar's "Run" starts from the text Opciones stored, and what the
// player is told when there is nothing it may start.
class TstBoardRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lineStartsOnlyTheProgramItNames_data();
    void lineStartsOnlyTheProgramItNames();
    void programThatCannotRunIsToldAndNothingStarts_data();
    void programThatCannotRunIsToldAndNothingStarts();

private:
    QString ruta(const QString &nombre) const { return m_carpeta.filePath(nombre); }

    QTemporaryDir m_carpeta;
};

void TstBoardRun::initTestCase()
{
    QVERIFY(QDir(m_carpeta.path()).mkdir(QStringLiteral("mi programa")));
    QVERIFY(crearPrograma(ruta(QStringLiteral("mi"))));
    QVERIFY(crearPrograma(ruta(QStringLiteral("mi programa/lanzar.sh"))));
    QFile nota(ruta(QStringLiteral("nota.txt")));
    QVERIFY(nota.open(QIODevice::WriteOnly));
}

void TstBoardRun::lineStartsOnlyTheProgramItNames_data()
{
    QTest::addColumn<QString>("linea");
    QTest::addColumn<std::optional<Orden>>("orden");

    const QString lanzar = ruta(QStringLiteral("mi programa/lanzar.sh"));
    QTest::newRow("a picked path with blanks") << lanzar << std::optional(Orden { lanzar, {} });
    QTest::newRow("a picked path gone, its first word a program")
        << ruta(QStringLiteral("mi otro/lanzar.sh")) << std::optional<Orden>();
    QTest::newRow("a path in quotes, then its arguments")
        << QStringLiteral("\"%1\" -v \"dos palabras\"").arg(lanzar)
        << std::optional(Orden { lanzar, { "-v", "dos palabras" } });
    QTest::newRow("a path not in quotes, then words")
        << ruta(QStringLiteral("mi -v")) << std::optional<Orden>();
    QTest::newRow("a name on the PATH, then its arguments")
        << QStringLiteral("sh -c \"exit 0\"")
        << std::optional(
               Orden { QStandardPaths::findExecutable(QStringLiteral("sh")), { "-c", "exit 0" } });
    QTest::newRow("a name found nowhere")
        << QStringLiteral("zelbo-ningun-programa -v") << std::optional<Orden>();
    QTest::newRow("blanks only") << QStringLiteral("  ") << std::optional<Orden>();
}

void TstBoardRun::lineStartsOnlyTheProgramItNames()
{
    QFETCH(QString, linea);
    QFETCH(std::optional<Orden>, orden);

    const std::optional<Orden> dada = LineaDeOrdenes::orden(linea);
    QCOMPARE(dada.has_value(), orden.has_value());
    if (orden) {
        QCOMPARE(dada->programa, orden->programa);
        QCOMPARE(dada->argumentos, orden->argumentos);
    }
}

void TstBoardRun::programThatCannotRunIsToldAndNothingStarts_data()
{
    QTest::addColumn<QString>("linea");
    QTest::addColumn<QString>("aviso");

    const QString ida = ruta(QStringLiteral("mi otro/lanzar.sh"));
    const QString nota = ruta(QStringLiteral("nota.txt"));
    QTest::newRow("gone") << ida << QStringLiteral("No se encuentra el programa ") + ida;
    QTest::newRow("not a program")
        << nota << QStringLiteral("No se puede iniciar el programa ") + nota;
}

void TstBoardRun::programThatCannotRunIsToldAndNothingStarts()
{
    QFETCH(QString, linea);
    QFETCH(QString, aviso);

    FakeDialogs dialogos;
    QVERIFY(!LineaDeOrdenes::iniciar(linea, dialogos));
    QCOMPARE(dialogos.mensajes().size(), 1);
    QVERIFY(dialogos.mensajes().first().esAviso(aviso, DialogService::Icono::Critico));
    // "mi" beside the gone folder would have left its file by now.
    QTest::qWait(500);
    QVERIFY(!QFile::exists(ruta(QStringLiteral("iniciado"))));
}

ZELBO_TEST_GUILESS_MAIN(TstBoardRun)
#include "tst_board_run.moc"
