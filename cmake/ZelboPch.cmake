# Precompiled headers: the Qt and standard headers that nearly every file of a target includes,
# parsed once instead of once per file. Only targets of several files gain.
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

# Options of the test programs that their precompiled header is made with too: line tables are
# what a test's backtrace and a sanitizer's report need; the libraries under test keep their full
# debug information.
set(ZELBO_TEST_OPTIONS $<$<CONFIG:RelWithDebInfo>:-g1>)

# Clang writes the headers' times into a precompiled header, and reads the headers again from
# the folder it was made in. Made without the times and with the headers inside it, the header
# is the same whatever the folder, so the compiler cache serves it, and every object made with
# it, to a clone in another folder, even once the first clone is gone.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(ZELBO_PCH_RELOCATABLE "SHELL:-Xclang -fno-pch-timestamp" "SHELL:-Xclang -fmodules-embed-all-files")
endif()

# Each kind's header is made once, by a target of its own that holds one empty file and links
# only the kind's Qt modules, and every target of the kind reuses it (their own Qt modules add
# definitions that these headers never read).
function(zelbo_precompile target kind)
    if(NOT ZELBO_PCH)
        return()
    endif()
    zelbo_pch_donante(donante ${kind} ${ARGN})
    target_precompile_headers(${target} REUSE_FROM ${donante})
endfunction()

# Instruments a library of <kind> for libFuzzer's coverage (-fsanitize=fuzzer-no-link); clang
# wants the header it reuses made with the same option.
function(zelbo_fuzz_coverage target kind)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
    if(ZELBO_PCH)
        zelbo_pch_donante(donante ${kind} FUZZED)
        set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM ${donante})
    endif()
endfunction()

# The target that makes the header of <kind> [TEST] [FUZZED], made on first use.
function(zelbo_pch_donante out kind)
    set(headers ${ZELBO_PCH_${kind}})
    set(modulos Qt6::Core)
    if(kind STREQUAL "WIDGETS")
        list(APPEND modulos Qt6::Widgets)
    endif()
    set(donante zelbo_pch_${kind})
    if("TEST" IN_LIST ARGN)
        list(APPEND headers ${ZELBO_PCH_TEST})
        list(APPEND modulos Qt6::Test)
        string(APPEND donante _test)
    endif()
    if("FUZZED" IN_LIST ARGN)
        string(APPEND donante _fuzzed)
    endif()
    string(TOLOWER ${donante} donante)
    if(NOT TARGET ${donante})
        set(vacio ${CMAKE_BINARY_DIR}/pch/${donante}.cpp)
        file(CONFIGURE OUTPUT ${vacio} CONTENT "// The precompiled header's own target.\n")
        add_library(${donante} OBJECT ${vacio})
        target_link_libraries(${donante} PRIVATE ${modulos})
        zelbo_warnings(${donante})
        if("TEST" IN_LIST ARGN)
            target_compile_options(${donante} PRIVATE ${ZELBO_TEST_OPTIONS})
        endif()
        if("FUZZED" IN_LIST ARGN)
            target_compile_options(${donante} PRIVATE -fsanitize=fuzzer-no-link)
        endif()
        target_compile_options(${donante} PRIVATE ${ZELBO_PCH_RELOCATABLE})
        target_precompile_headers(${donante} PRIVATE ${headers})
    endif()
    set(${out} ${donante} PARENT_SCOPE)
endfunction()
