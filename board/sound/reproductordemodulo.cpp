// SPDX-License-Identifier: GPL-3.0-or-later

#include "reproductordemodulo.h"

#include "boardlog.h"
#include "modulosonido.h"

#include <QLibrary>
#include <utility>

ReproductorDeModulo::ReproductorDeModulo(const QString &carpetaModulo,
                                         const QString &carpetaSonidos, QObject &padre)
    : m_carpetaModulo(carpetaModulo)
    , m_carpetaSonidos(carpetaSonidos)
    , m_padre(padre)
{
}

ReproductorDeModulo::~ReproductorDeModulo() = default;

void ReproductorDeModulo::tocar(Sonido sonido)
{
    cargar();
    if (m_reproductor)
        m_reproductor->tocar(sonido);
}

// The module stays loaded to the program's end: its effects live under padre.
void ReproductorDeModulo::cargar()
{
    if (std::exchange(m_intentado, true))
        return;
    QLibrary modulo(m_carpetaModulo + QLatin1Char('/') + QLatin1String(ModuloSonido::kArchivo));
    const auto fabrica
        = reinterpret_cast<ModuloSonido::Fabrica>(modulo.resolve(ModuloSonido::kFabrica));
    if (!fabrica) {
        qCWarning(lcBoard) << "sin sonido:" << modulo.errorString();
        return;
    }
    m_reproductor.reset(fabrica(m_carpetaSonidos, m_padre));
}
