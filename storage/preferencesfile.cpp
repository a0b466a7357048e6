// SPDX-License-Identifier: GPL-3.0-or-later

#include "preferencesfile.h"

#include "atomicsave.h"
#include "itemfileerror.h"
#include "itemreader.h"
#include "itemwriter.h"
#include "regularfile.h"
#include "storagelog.h"

#include <QFile>

bool PreferencesFile::read(QIODevice &device, PreferenceValues &values, QString *reason)
{
    ItemReader reader(device);
    try {
        values.nombreCpu = reader.readText();
        values.nombreHumano = reader.readText();
        values.aplicacion = reader.readText();
        values.colorFondo = reader.readInt32();
        values.reverso = reader.readText();
    } catch (const ItemFileError &e) {
        if (reason) {
            *reason = ItemFileError::reason(reader, e);
        }
        return false;
    }
    return true;
}

void PreferencesFile::write(QIODevice &device, const PreferenceValues &values)
{
    ItemWriter writer(device);
    writer.writeText(values.nombreCpu);
    writer.writeText(values.nombreHumano);
    writer.writeText(values.aplicacion);
    writer.writeNumber(values.colorFondo);
    writer.writeText(values.reverso);
    if (!writer.ok()) {
        throw ItemFileError(QStringLiteral("the preferences could not be written"));
    }
}

bool PreferencesFile::load(const QString &path, PreferenceValues &values, QString *reason)
{
    QString why;
    QFile file(path);
    bool ok = false;
    if (RegularFile::openForReading(file, &why)) {
        ok = read(file, values, &why);
    }
    if (!ok) {
        qCWarning(lcStorage).noquote() << QStringLiteral("%1: %2").arg(path, why);
    }
    if (reason) {
        *reason = why;
    }
    return ok;
}

bool PreferencesFile::save(const QString &path, const PreferenceValues &values)
{
    return AtomicSave::save(path, [&values](QIODevice &device) { write(device, values); });
}
