#include "preferencesfile.h"

#include "atomicsave.h"
#include "itemfileerror.h"
#include "itemreader.h"
#include "itemwriter.h"

#include <QFile>

bool PreferencesFile::read(QIODevice &device, PreferenceValues &values)
{
    try {
        ItemReader reader(device);
        values.nombreCpu = reader.readText();
        values.nombreHumano = reader.readText();
        values.aplicacion = reader.readText();
        values.colorFondo = reader.readInt32();
        values.reverso = reader.readText();
    } catch (const ItemFileError &) {
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

bool PreferencesFile::load(const QString &path, PreferenceValues &values)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return read(file, values);
}

bool PreferencesFile::save(const QString &path, const PreferenceValues &values)
{
    return AtomicSave::save(path, [&values](QIODevice &device) { write(device, values); });
}
