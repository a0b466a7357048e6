// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// moc reads every header a file includes, and this one holds the whole of Qt Core and Qt Test:
// a test class needs none of it to be read by moc.
#ifndef Q_MOC_RUN
#include <QtTest>
#endif

#if defined(QT_WIDGETS_LIB)
#include <QApplication>
#endif

#include <functional>
#include <map>
#include <string>

// One program holds the Qt Test classes of an area; CTest runs it once per class,
// `tst_engine TestDeal [Qt Test's options]`, so that a failure still names the class and
// the check, and each class runs in a process of its own as before.
class ProgramaDePruebas
{
public:
    using Prueba = std::function<int(int argc, char *argv[])>;

    // Called by the ZELBO_TEST_*MAIN macros below, once per class, before main.
    static bool anotar(const char *clase, Prueba prueba);
    // Runs the class named by argv[1] with the remaining options; without one, or with an
    // unknown name, lists the classes and fails.
    static int ejecutar(int argc, char *argv[]);

private:
    static std::map<std::string, Prueba> &clases();
};

// The application each kind of test runs in, as Qt Test's own QTEST_*MAIN gives it.
#if defined(QT_WIDGETS_LIB)
using AplicacionDePrueba = QApplication;
#elif defined(QT_GUI_LIB)
using AplicacionDePrueba = QGuiApplication;
#else
using AplicacionDePrueba = QCoreApplication;
#endif

#define ZELBO_TEST_WRAPPER(TestObject, ...)                                                        \
    namespace {                                                                                    \
    int ejecutar##TestObject(int argc, char *argv[])                                               \
    {                                                                                              \
        __VA_ARGS__                                                                                \
        TestObject tc;                                                                             \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }                                                                                              \
    [[maybe_unused]] const bool anotada##TestObject                                                \
        = ProgramaDePruebas::anotar(#TestObject, ejecutar##TestObject);                            \
    }

#define ZELBO_TEST_APP(Aplicacion)                                                                 \
    Aplicacion app(argc, argv);                                                                    \
    app.setAttribute(Qt::AA_Use96Dpi, true);

// In place of QTEST_MAIN, QTEST_GUILESS_MAIN and QTEST_APPLESS_MAIN.
#define ZELBO_TEST_MAIN(TestObject)                                                                \
    ZELBO_TEST_WRAPPER(TestObject, ZELBO_TEST_APP(AplicacionDePrueba))
#define ZELBO_TEST_GUILESS_MAIN(TestObject)                                                        \
    ZELBO_TEST_WRAPPER(TestObject, ZELBO_TEST_APP(QCoreApplication))
#define ZELBO_TEST_APPLESS_MAIN(TestObject) ZELBO_TEST_WRAPPER(TestObject)
