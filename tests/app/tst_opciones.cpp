// SPDX-License-Identifier: GPL-3.0-or-later

#include "programadepruebas.h"
#include "rutadeprueba.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The real program's options, run where no display can be reached: a terminal over ssh, a
// build machine. Each must answer and end without opening a window.
class TestOpciones : public QObject
{
    Q_OBJECT

private slots:
    void ayudaYVersionSinPantalla_data();
    void ayudaYVersionSinPantalla();
    void ayudaEnIngles();
    void partidaNoValidaSinPantalla_data();
    void partidaNoValidaSinPantalla();
    void cadaOpcionEstaEnLasPaginasDeManual();

private:
    struct Salida
    {
        int estado = -1;
        QString salida;
        QString errores;
    };
    static Salida ejecutar(const QStringList &argumentos, const QString &idioma = {});
    static QStringList opcionesDeLaAyuda();
};

// The program with no display at all: no X11 or Wayland server, no platform asked for.
TestOpciones::Salida TestOpciones::ejecutar(const QStringList &argumentos, const QString &idioma)
{
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char *variable : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE",
                                  "LC_ALL", "LC_MESSAGES", "LANG" })
        entorno.remove(QString::fromLatin1(variable));
    entorno.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    if (!idioma.isEmpty())
        entorno.insert(QStringLiteral("LANGUAGE"), idioma);
    QProcess zelbo;
    zelbo.setProcessEnvironment(entorno);
    zelbo.start(rutaDePrueba("ZELBO_PROGRAMA"), argumentos);
    Salida salida;
    if (!zelbo.waitForFinished(20000)) {
        zelbo.kill();
        zelbo.waitForFinished();
        return salida;
    }
    if (zelbo.exitStatus() == QProcess::NormalExit)
        salida.estado = zelbo.exitCode();
    salida.salida = QString::fromUtf8(zelbo.readAllStandardOutput());
    salida.errores = QString::fromUtf8(zelbo.readAllStandardError());
    return salida;
}

// "-h", "--help", "--partida", ...: every name in the option column of --help.
QStringList TestOpciones::opcionesDeLaAyuda()
{
    const Salida ayuda = ejecutar({ QStringLiteral("--help") });
    QStringList opciones;
    static const QRegularExpression fila(QStringLiteral("^  (-\\S.*?)(  |$)"));
    static const QRegularExpression nombre(QStringLiteral("--?[a-z][a-z-]*"));
    for (const QString &linea : ayuda.salida.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch enFila = fila.match(linea);
        if (!enFila.hasMatch())
            continue;
        for (const QRegularExpressionMatch &m : nombre.globalMatch(enFila.captured(1)))
            opciones << m.captured();
    }
    return opciones;
}

void TestOpciones::ayudaYVersionSinPantalla_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QStringList>("textos");
    const QStringList ayuda { QStringLiteral("-h, --help"), QStringLiteral("-v, --version"),
                              QStringLiteral("--help-all"), QStringLiteral("--partida <N>") };
    QTest::newRow("--help") << QStringList { QStringLiteral("--help") } << ayuda;
    QTest::newRow("-h") << QStringList { QStringLiteral("-h") } << ayuda;
    // Qt's options for the window system come from the QApplication, started offscreen.
    QTest::newRow("--help-all") << QStringList { QStringLiteral("--help-all") }
                                << (ayuda + QStringList { QStringLiteral("platform") });
    const QStringList version { QStringLiteral("Zelbo " ZELBO_VERSION) };
    QTest::newRow("--version") << QStringList { QStringLiteral("--version") } << version;
    QTest::newRow("-v") << QStringList { QStringLiteral("-v") } << version;
    QTest::newRow("--version after --partida")
        << QStringList { QStringLiteral("--partida"), QStringLiteral("5"),
                         QStringLiteral("--version") }
        << version;
}

void TestOpciones::ayudaYVersionSinPantalla()
{
    QFETCH(QStringList, argumentos);
    QFETCH(QStringList, textos);
    const Salida salida = ejecutar(argumentos);
    QVERIFY2(salida.estado == 0, qPrintable(salida.errores));
    for (const QString &texto : textos)
        QVERIFY2(salida.salida.contains(texto),
                 qPrintable(texto + QStringLiteral(" missing in:\n") + salida.salida));
}

void TestOpciones::ayudaEnIngles()
{
    const Salida salida = ejecutar({ QStringLiteral("--help") }, QStringLiteral("en"));
    QCOMPARE(salida.estado, 0);
    QVERIFY2(salida.salida.contains(QStringLiteral("Starts game number N (1 to 999999).")),
             qPrintable(salida.salida));
}

void TestOpciones::partidaNoValidaSinPantalla_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<int>("estado");
    QTest::addColumn<QString>("mensaje");
    const QString partida = QStringLiteral("--partida");
    const QString fueraDeRango = QStringLiteral("--partida espera un número del 1 al 999999");
    QTest::newRow("zero") << QStringList { partida, QStringLiteral("0") } << 2 << fueraDeRango;
    QTest::newRow("past the last")
        << QStringList { partida, QStringLiteral("1000000") } << 2 << fueraDeRango;
    QTest::newRow("not a number") << QStringList { partida, QStringLiteral("siete") } << 2
                                  << fueraDeRango;
    QTest::newRow("no number") << QStringList { partida } << 1 << QStringLiteral("--partida");
}

void TestOpciones::partidaNoValidaSinPantalla()
{
    QFETCH(QStringList, argumentos);
    QFETCH(int, estado);
    QFETCH(QString, mensaje);
    const Salida salida = ejecutar(argumentos);
    QCOMPARE(salida.estado, estado);
    QVERIFY2(salida.errores.contains(mensaje), qPrintable(salida.errores));
    QVERIFY2(!salida.errores.contains(QStringLiteral("display")), qPrintable(salida.errores));
}

// A new option must be explained in both manual pages, Spanish and English.
void TestOpciones::cadaOpcionEstaEnLasPaginasDeManual()
{
    const QStringList opciones = opcionesDeLaAyuda();
    QVERIFY(opciones.contains(QStringLiteral("--partida")));
    QVERIFY(opciones.contains(QStringLiteral("-h")));
    for (const QString &pagina :
         { rutaDePrueba("ZELBO_MANPAGE_ES"), rutaDePrueba("ZELBO_MANPAGE_EN") }) {
        QFile archivo(pagina);
        QVERIFY2(archivo.open(QIODevice::ReadOnly), qPrintable(pagina));
        // In roff a minus sign is written "\-".
        const QString texto = QString::fromUtf8(archivo.readAll())
                                  .replace(QStringLiteral("\\-"), QStringLiteral("-"));
        for (const QString &opcion : opciones) {
            const QRegularExpression escrita(QStringLiteral("(?<![a-z-])")
                                             + QRegularExpression::escape(opcion)
                                             + QStringLiteral("(?![a-z-])"));
            QVERIFY2(texto.contains(escrita),
                     qPrintable(opcion + QStringLiteral(" not in ") + pagina));
        }
    }
}

ZELBO_TEST_GUILESS_MAIN(TestOpciones)
#include "tst_opciones.moc"
