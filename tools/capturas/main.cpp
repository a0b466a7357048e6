// SPDX-License-Identifier: GPL-3.0-or-later

// zelbo-capturas DATOS DESTINO: pictures of the real game for the help pages, in
// DESTINO/es and DESTINO/en, taken offscreen from the build folder DATOS. The
// files of those games live in a home of their own, removed at the end; their
// settings are kept nowhere.

#include "capturador.h"
#include "idiomadeljuego.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

bool capturarEn(IdiomaDelJuego::Idioma idioma, const QString &datos, const QString &destino)
{
    IdiomaDelJuego traduccion;
    traduccion.instalar(idioma, datos + QStringLiteral("/translations"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Capturador capturador(datos, destino);
    if (capturador.capturar())
        return true;
    std::fprintf(stderr, "zelbo-capturas: %s\n", qPrintable(capturador.error()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: zelbo-capturas DATA_DIR OUTPUT_DIR\n", stderr);
        return 2;
    }
    QTemporaryDir casa;
    if (!casa.isValid())
        return 1;
    for (const char *variable : { "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                                  "XDG_STATE_HOME", "XDG_RUNTIME_DIR" })
        qputenv(variable, casa.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString datos = QString::fromLocal8Bit(argv[1]);
    const QString destino = QString::fromLocal8Bit(argv[2]);
    const bool hecho
        = capturarEn(IdiomaDelJuego::Idioma::Espanol, datos, destino + QStringLiteral("/es"))
        && capturarEn(IdiomaDelJuego::Idioma::Ingles, datos, destino + QStringLiteral("/en"));
    return hecho ? 0 : 1;
}
