// SPDX-License-Identifier: GPL-3.0-or-later

#include "notadearchivos.h"

#include "anunciador.h"

#include <QStatusBar>

NotaDeArchivos::NotaDeArchivos(QStatusBar &barra, Anunciador &anunciador)
    : QLabel(&barra)
    , m_anunciador(anunciador)
{
    setText(QStringLiteral("⚠ ") + tr("Archivos sin guardar"));
    setAccessibleName(tr("Archivos sin guardar"));
    barra.addPermanentWidget(this);
    hide();
}

void NotaDeArchivos::avisar(const QString &texto)
{
    m_notas << texto;
    const QString todas = m_notas.join(QLatin1Char('\n'));
    setToolTip(todas);
    setAccessibleDescription(todas);
    show();
    m_anunciador.decir(texto);
}
