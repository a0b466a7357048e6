// SPDX-License-Identifier: GPL-3.0-or-later

#include "modulosonido.h"
#include "reproductorqt.h"

extern "C" Q_DECL_EXPORT ReproductorSonidos *zelbo_nuevoReproductor(const QString &carpeta,
                                                                    QObject &padre)
{
    return new ReproductorQt(carpeta, padre);
}
