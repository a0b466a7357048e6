// SPDX-License-Identifier: GPL-3.0-or-later

#include "historialdeshacer.h"

#include "itemfileerror.h"
#include "partidaguardada.h"
#include "savedgamefile.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <algorithm>
#include <utility>

namespace {

const QString kActual = QStringLiteral("actual");
const QString kAzares = QStringLiteral("azares");
const QString kLineas = QStringLiteral("lineas");
const QString kFotos = QStringLiteral("fotos");
const QString kPartida = QStringLiteral("partida");
const QString kTurno = QStringLiteral("turno");
const QString kUltimo = QStringLiteral("ultimo");
const QString kMano = QStringLiteral("mano");
const QString kAzar = QStringLiteral("azar");
const QString kTrasCpu = QStringLiteral("tras_cpu");
// Far above any game's history (a whole game takes a few hundred kilobytes): a larger size
// announced by the bytes is damage, not a history to make room for.
constexpr qsizetype kMaxDescomprimido = 64 * 1024 * 1024;

QByteArray posicion(const GameState &estado)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    try {
        SavedGameFile::write(buffer, PartidaGuardada::desdeEstado(estado));
    } catch (const ItemFileError &) {
        return {};
    }
    return buffer.data().toBase64();
}

std::optional<GameState> posicionDe(const QJsonValue &texto, const GameState &base)
{
    QBuffer buffer;
    buffer.setData(QByteArray::fromBase64(texto.toString().toLatin1()));
    buffer.open(QIODevice::ReadOnly);
    const std::optional<SavedGame> partida = SavedGameFile::read(buffer);
    return partida ? PartidaGuardada::aEstado(base, *partida) : std::nullopt;
}

bool entero(const QJsonValue &valor, int desde, int hasta)
{
    return valor.isDouble() && valor.toDouble() == valor.toInt() && valor.toInt() >= desde
        && valor.toInt() <= hasta;
}

// A side as the history holds it: its number.
std::optional<Lado> ladoDe(const QJsonValue &valor)
{
    if (!valor.isDouble() || valor.toDouble() != valor.toInt())
        return std::nullopt;
    return ladoDeNumero(valor.toInt());
}

QStringList textos(const QJsonArray &lista)
{
    QStringList salida;
    salida.reserve(lista.size());
    for (const QJsonValue &valor : lista)
        salida.append(valor.toString());
    return salida;
}

} // namespace

void HistorialDeshacer::olvidar()
{
    m_fotos.clear();
    m_actual = 0;
}

void HistorialDeshacer::anotar(Foto foto)
{
    if (!m_fotos.empty())
        m_fotos.resize(m_actual + 1);
    // The marks are the board's of the moment, not part of the position.
    foto.estado.marcas = {};
    foto.guardada = posicion(foto.estado);
    m_fotos.push_back(std::move(foto));
    m_actual = m_fotos.size() - 1;
}

const HistorialDeshacer::Foto *HistorialDeshacer::deshacer()
{
    if (!puedeDeshacer())
        return nullptr;
    return &m_fotos.at(--m_actual);
}

const HistorialDeshacer::Foto *HistorialDeshacer::rehacer()
{
    if (!puedeRehacer())
        return nullptr;
    return &m_fotos.at(++m_actual);
}

// The generator's state changes only at deals, and each position's lines begin with the
// lines of the one before: both are written once, the positions refer to them.
QByteArray HistorialDeshacer::aBytes() const
{
    // A position the saved-game format cannot hold: the game goes on, kept without it.
    const auto sinGuardar = [](const Foto &foto) { return foto.guardada.isEmpty(); };
    if (m_fotos.empty() || std::ranges::any_of(m_fotos, sinGuardar))
        return {};
    // The generator's states differ in a few places from one deal to the next, and the
    // positions in a few cards: the history shrinks to a tenth of its size.
    return qCompress(comoJson());
}

QByteArray HistorialDeshacer::comoJson() const
{
    const QStringList &todas = m_fotos.back().jugadas;
    QJsonArray azares;
    QJsonArray fotos;
    for (const Foto &foto : m_fotos) {
        const QString azar = QString::fromStdString(foto.azar);
        if (azares.isEmpty() || azares.last().toString() != azar)
            azares.append(azar);
        QJsonObject f { { kPartida, QString::fromLatin1(foto.guardada) },
                        { kTurno, numeroDeLado(foto.estado.turno) },
                        { kUltimo, numeroDeLado(foto.estado.ultimoEnLevantar) },
                        { kMano, foto.estado.numeroDeMano },
                        { kAzar, azares.size() - 1 } };
        if (foto.trasCpu)
            f.insert(kTrasCpu, true);
        const bool prefijo = foto.jugadas.size() <= todas.size()
            && std::equal(foto.jugadas.cbegin(), foto.jugadas.cend(), todas.cbegin());
        if (prefijo)
            f.insert(kLineas, foto.jugadas.size());
        else
            f.insert(kLineas, QJsonArray::fromStringList(foto.jugadas));
        fotos.append(f);
    }
    const QJsonObject json { { kActual, static_cast<qint64>(m_actual) },
                             { kAzares, azares },
                             { kLineas, QJsonArray::fromStringList(todas) },
                             { kFotos, fotos } };
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

std::optional<HistorialDeshacer> HistorialDeshacer::deBytes(const QByteArray &bytes,
                                                            const GameState &base)
{
    // qCompress puts the size of the original first, big-endian.
    if (bytes.size() < 4 || qFromBigEndian<quint32>(bytes.constData()) > kMaxDescomprimido)
        return std::nullopt;
    const QJsonObject json = QJsonDocument::fromJson(qUncompress(bytes)).object();
    const QJsonArray azares = json.value(kAzares).toArray();
    const QStringList todas = textos(json.value(kLineas).toArray());
    const QJsonArray fotos = json.value(kFotos).toArray();
    if (fotos.isEmpty() || !entero(json.value(kActual), 0, static_cast<int>(fotos.size()) - 1))
        return std::nullopt;
    HistorialDeshacer historial;
    for (const QJsonValue &valor : fotos) {
        const QJsonObject f = valor.toObject();
        const QJsonValue lineas = f.value(kLineas);
        std::optional<GameState> estado = posicionDe(f.value(kPartida), base);
        const std::optional<Lado> turno = ladoDe(f.value(kTurno));
        const std::optional<Lado> ultimo = ladoDe(f.value(kUltimo));
        if (!estado || !turno || !ultimo || !entero(f.value(kMano), 1, 1000)
            || !entero(f.value(kAzar), 0, static_cast<int>(azares.size()) - 1)
            || !(lineas.isArray() || entero(lineas, 0, static_cast<int>(todas.size()))))
            return std::nullopt;
        estado->turno = *turno;
        estado->ultimoEnLevantar = *ultimo;
        estado->numeroDeMano = f.value(kMano).toInt();
        historial.m_fotos.push_back(
            { std::move(*estado), azares.at(f.value(kAzar).toInt()).toString().toStdString(),
              lineas.isArray() ? textos(lineas.toArray()) : todas.first(lineas.toInt()),
              f.value(kTrasCpu).toBool(), f.value(kPartida).toString().toLatin1() });
    }
    historial.m_actual = static_cast<std::size_t>(json.value(kActual).toInt());
    return historial;
}
