// SPDX-License-Identifier: GPL-3.0-or-later

#include "cachemazo.h"

#include "cargarmazo.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

CacheMazo::CacheMazo(const QString &programDir)
    : m_programDir(programDir)
    , m_rutaLocal(QFile::encodeName(programDir + QStringLiteral("/naipe40.db")))
{
}

std::optional<CacheMazo::Identidad> CacheMazo::identidad() const
{
#ifdef Q_OS_UNIX
    struct stat datos
    {
    };
    if (::stat(m_rutaLocal.constData(), &datos) != 0)
        return std::nullopt;
    return Identidad { static_cast<std::uint64_t>(datos.st_dev),
                       static_cast<std::uint64_t>(datos.st_ino),
                       static_cast<std::int64_t>(datos.st_size),
                       static_cast<std::int64_t>(datos.st_mtim.tv_sec) * 1'000'000'000
                           + datos.st_mtim.tv_nsec };
#else
    const QFileInfo info(QFile::decodeName(m_rutaLocal));
    if (!info.exists())
        return std::nullopt;
    const auto nacido
        = static_cast<std::uint64_t>(info.fileTime(QFileDevice::FileBirthTime).toMSecsSinceEpoch());
    return Identidad { 0, nacido, info.size(),
                       info.lastModified().toMSecsSinceEpoch() * 1'000'000 };
#endif
}

bool CacheMazo::cargar(Mazo &mazo)
{
    const std::optional<Identidad> ahora = identidad();
    if (ahora && ahora == m_leida && m_entregado == &mazo) {
        mazo.olvidarRepartidas();
        return false;
    }
    m_leida.reset();
    m_entregado = nullptr;
    CargarMazo(mazo, m_programDir);
    m_leida = ahora;
    m_entregado = &mazo;
    return true;
}
