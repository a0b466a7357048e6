#pragma once

#include <QString>
#include <QStringList>

// An ordered list of card entries, as a list box holds them: each entry is a
// card's number in the deck written as plain decimal text ("1" .. "40").
// Positions count from 0; the list is never sorted. Reading at or past the end
// gives an empty entry rather than failing.
class CardList
{
public:
    void append(const QString &entrada) { m_entradas.append(entrada); }
    void insert(int posicion, const QString &entrada) { m_entradas.insert(posicion, entrada); }
    void removeAt(int posicion) { m_entradas.removeAt(posicion); }
    QString at(int posicion) const { return m_entradas.value(posicion); }
    int count() const { return static_cast<int>(m_entradas.size()); }
    bool isEmpty() const { return m_entradas.isEmpty(); }
    void clear() { m_entradas.clear(); }
    const QStringList &entradas() const { return m_entradas; }

private:
    QStringList m_entradas;
};
