// SPDX-License-Identifier: GPL-3.0-or-later

#include "paginadeayuda.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>

#include <vector>

namespace {

struct Enlace
{
    int inicio;
    int fin;
};

// The page's links in reading order; a link split over several pieces of text
// (a word in bold inside it) is one.
std::vector<Enlace> enlacesDe(const QTextDocument &documento)
{
    std::vector<Enlace> enlaces;
    QString anterior;
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next()) {
        for (auto it = bloque.begin(); !it.atEnd(); ++it) {
            const QTextFragment trozo = it.fragment();
            const QString href = trozo.charFormat().anchorHref();
            if (href.isEmpty())
                continue;
            if (!enlaces.empty() && enlaces.back().fin == trozo.position() && href == anterior)
                enlaces.back().fin = trozo.position() + trozo.length();
            else
                enlaces.push_back({ trozo.position(), trozo.position() + trozo.length() });
            anterior = href;
        }
    }
    return enlaces;
}

} // namespace

PaginaDeAyuda::PaginaDeAyuda(const QString &carpeta, QWidget *parent)
    : QTextEdit(parent)
    , m_carpeta(carpeta)
{
    setReadOnly(true);
    // A caret the keyboard moves, though the page cannot be edited.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    setAccessibleName(tr("Texto de la ayuda"));
}

void PaginaDeAyuda::abrir(const QString &ruta)
{
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return;
    setHtml(QString::fromUtf8(fichero.readAll()));
    m_atras.clear();
    moveCursor(QTextCursor::Start);
}

QVariant PaginaDeAyuda::loadResource(int type, const QUrl &name)
{
    // Pictures of the page (naipes/...) are found beside the program.
    if (type == QTextDocument::ImageResource && name.isRelative()) {
        QFile fichero(m_carpeta + QLatin1Char('/') + name.path());
        if (fichero.open(QIODevice::ReadOnly))
            return fichero.readAll();
    }
    return QTextEdit::loadResource(type, name);
}

int PaginaDeAyuda::posicionDeAncla(const QString &nombre) const
{
    for (QTextBlock bloque = document()->begin(); bloque.isValid(); bloque = bloque.next()) {
        for (auto it = bloque.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(nombre))
                return it.fragment().position();
        }
    }
    return -1;
}

void PaginaDeAyuda::seguir(const QString &enlace)
{
    if (!enlace.startsWith(QLatin1Char('#')))
        return;
    const int posicion = posicionDeAncla(enlace.mid(1));
    if (posicion < 0)
        return;
    m_atras.emplace_back(textCursor().anchor(), textCursor().position());
    // The line reached is selected, which a screen reader speaks.
    const QTextBlock linea = document()->findBlock(posicion);
    seleccionar(posicion, linea.position() + linea.length() - 1);
    scrollToAnchor(enlace.mid(1));
}

void PaginaDeAyuda::volver()
{
    if (m_atras.empty())
        return;
    const auto [desde, hasta] = m_atras.back();
    m_atras.pop_back();
    seleccionar(desde, hasta);
}

void PaginaDeAyuda::seleccionar(int desde, int hasta)
{
    QTextCursor cursor(document());
    cursor.setPosition(desde);
    cursor.setPosition(hasta, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

bool PaginaDeAyuda::focusNextPrevChild(bool next)
{
    const std::vector<Enlace> enlaces = enlacesDe(*document());
    if (enlaces.empty())
        return QTextEdit::focusNextPrevChild(next);
    const QTextCursor actual = textCursor();
    // From the caret on, and round to the other end of the page.
    const Enlace *elegido = next ? &enlaces.front() : &enlaces.back();
    if (next) {
        for (const Enlace &e : enlaces) {
            if (e.inicio >= actual.selectionEnd()) {
                elegido = &e;
                break;
            }
        }
    } else {
        for (auto e = enlaces.rbegin(); e != enlaces.rend(); ++e) {
            if (e->fin <= actual.selectionStart()) {
                elegido = &*e;
                break;
            }
        }
    }
    seleccionar(elegido->inicio, elegido->fin);
    return true;
}

void PaginaDeAyuda::keyPressEvent(QKeyEvent *event)
{
    const bool intro = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QTextCursor cursor = textCursor();
    if (intro && cursor.hasSelection() && !cursor.charFormat().anchorHref().isEmpty()) {
        seguir(cursor.charFormat().anchorHref());
        return;
    }
    if (event->matches(QKeySequence::Back) || event->key() == Qt::Key_Backspace) {
        volver();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void PaginaDeAyuda::mousePressEvent(QMouseEvent *event)
{
    m_enlacePulsado = anchorAt(event->position().toPoint());
    QTextEdit::mousePressEvent(event);
}

void PaginaDeAyuda::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    // A click, not a drag that selects: pressed and released on the same link.
    if (!m_enlacePulsado.isEmpty() && anchorAt(event->position().toPoint()) == m_enlacePulsado)
        seguir(m_enlacePulsado);
    m_enlacePulsado.clear();
}
