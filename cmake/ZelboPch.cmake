# Precompiled headers: the Qt and standard headers that nearly every file of a target includes,
# parsed once for the target instead of once per file. Only targets of several files gain.
#   zelbo_precompile(<target> CORE|WIDGETS [TEST])   CORE for targets without widgets;
#                                                    TEST adds Qt Test and its usual companions

option(ZELBO_PCH "Precompile the headers most files include" ON)

set(ZELBO_PCH_CORE
    <QByteArray> <QCoreApplication> <QHash> <QList> <QObject> <QString> <QStringList>
    <algorithm> <array> <cstdint> <functional> <memory> <optional> <utility> <vector>)
set(ZELBO_PCH_WIDGETS ${ZELBO_PCH_CORE}
    <QApplication> <QLabel> <QPainter> <QPixmap> <QTimer> <QWidget>)
# Every test class includes <QtTest> (programadepruebas.h), which brings the whole of Qt Test
# and of Qt Core: parsed once here, it takes a third off the compile of a test file.
set(ZELBO_PCH_TEST <QDir> <QFile> <QTemporaryDir> <QTest> <QtTest>)

function(zelbo_precompile target kind)
    if(NOT ZELBO_PCH)
        return()
    endif()
    set(headers ${ZELBO_PCH_${kind}})
    if("TEST" IN_LIST ARGN)
        list(APPEND headers ${ZELBO_PCH_TEST})
    endif()
    target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
