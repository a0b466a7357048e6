// SPDX-License-Identifier: GPL-3.0-or-later

#include "mesa.h"

#include "cardpicture.h"
#include "disposicionclasica.h"
#include "disposicionmoderna.h"
#include "focovisible.h"
#include "sombrasdemesa.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

Mesa::Mesa(PictureCache &cache, QWidget *parent)
    : QWidget(parent)
    , m_cache(cache)
    , m_sombras(new SombrasDeMesa(*this))
{
    setAcceptDrops(true);
    crearCartas();
    new FocoVisible(*this);
    setTipo(TipoMesa::Clasica);
}

Mesa::~Mesa() = default;

CardPicture *Mesa::crearCarta(GrupoImagen grupo, int indice)
{
    auto *imagen = new CardPicture(Imagen { grupo, indice }, m_cache, this);
    imagen->hide();
    m_sombras->seguir(imagen);
    if (grupo != GrupoImagen::cartap1img)
        imagen->setFocusPolicy(Qt::StrongFocus);
    // The controls that take clicks speak for the table.
    if (grupo == GrupoImagen::mesaimg || grupo == GrupoImagen::cartap2img
        || (grupo == GrupoImagen::montonimg && indice == 0)) {
        connect(imagen, &CardPicture::clicked, this,
                [this, imagen] { emit cartaPulsada(imagen->imagen()); });
    }
    return imagen;
}

// Later cards lie above earlier ones: each CPU card under its cover, the table's
// cards (made with the layout) between the hands and the piles.
void Mesa::crearCartas()
{
    for (std::size_t i = 0; i < m_cpu.size(); ++i) {
        const int n = static_cast<int>(i);
        m_cpu.at(i) = crearCarta(GrupoImagen::cartap1img, n);
        m_cubiertas.at(i) = crearCarta(GrupoImagen::cartap1img, n);
        m_cubiertas.at(i)->setCubierta(true);
        m_cpu.at(i)->setTapadaPor(m_cubiertas.at(i));
        m_mano.at(i) = crearCarta(GrupoImagen::cartap2img, n);
        m_mano.at(i)->setArrastrable(true);
        m_mano.at(i)->setCursor(Qt::OpenHandCursor);
    }
    for (std::size_t i = 0; i < m_montones.size(); ++i)
        m_montones.at(i) = crearCarta(GrupoImagen::montonimg, static_cast<int>(i));
}

// As many table cards as the layout has places, each in the stacking and
// the focus order after the ones before it.
void Mesa::ajustarCartasMesa(int lugares)
{
    while (m_mesa.size() > lugares) {
        const std::unique_ptr<CardPicture> sobrante(m_mesa.takeLast());
    }
    while (m_mesa.size() < lugares) {
        CardPicture *carta = crearCarta(GrupoImagen::mesaimg, static_cast<int>(m_mesa.size()));
        carta->setCursor(Qt::PointingHandCursor);
        carta->stackUnder(m_montones[0]);
        setTabOrder(m_mesa.isEmpty() ? m_mano.back() : m_mesa.back(), carta);
        m_mesa.append(carta);
    }
}

// The new layout's decorations replace the old one's; the cards stay, each
// shown at its new place as it was.
void Mesa::setTipo(TipoMesa tipo)
{
    if (m_disposicion && tipo == m_tipo)
        return;
    emit disposicionPorCambiar();
    m_disposicion.reset();
    m_tipo = tipo;
    for (CardPicture *carta : findChildren<CardPicture *>(Qt::FindDirectChildrenOnly))
        carta->setMarcada(false);
    if (tipo == TipoMesa::Moderna)
        m_disposicion = std::make_unique<DisposicionModerna>(*this);
    else
        m_disposicion = std::make_unique<DisposicionClasica>(*this);
    ajustarCartasMesa(m_disposicion->lugaresMesa());
    m_disposicion->montar();
    // Made on a table in sight, the decorations show as the table's first showing
    // shows them: all but those hidden on purpose.
    if (isVisible()) {
        for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!control->testAttribute(Qt::WA_WState_ExplicitShowHide))
                control->show();
        }
    }
    m_disposicion->setFondo(m_fondo);
    m_disposicion->setColorFondo(m_colorFondo);
    m_disposicion->setOrdenes(m_barra, m_correr);
    m_disposicion->mostrarCorrer(m_hayPrograma);
    // A table not yet shown has no size of its own: its first showing sizes it (the pending
    // resize), and every label's font is made once, at the size it is seen.
    if (isVisible())
        aplicarTamano();
    mostrarEstado(m_estado);
    mostrarMarcas(m_marcas);
    update();
    emit lugarNotaTutorCambiado();
    emit disposicionCambiada();
}

QList<CardPicture *> Mesa::imagenes(GrupoImagen grupo) const
{
    const auto lista = [](const auto &imagenes) {
        return QList<CardPicture *>(imagenes.begin(), imagenes.end());
    };
    switch (grupo) {
    case GrupoImagen::cartap1img:
        return lista(m_cpu);
    case GrupoImagen::cartap2img:
        return lista(m_mano);
    case GrupoImagen::mesaimg:
        return m_mesa;
    case GrupoImagen::montonimg:
        break;
    }
    return lista(m_montones);
}

QList<CardPicture *> Mesa::cubiertas() const
{
    return QList<CardPicture *>(m_cubiertas.begin(), m_cubiertas.end());
}

CardPicture *Mesa::imagen(const Imagen &imagen) const
{
    return imagenes(imagen.grupo).at(imagen.indice);
}

void Mesa::mostrarLista(const GameState &estado, const CardList &lista,
                        const QList<CardPicture *> &imagenes)
{
    for (int i = 0; i < static_cast<int>(imagenes.size()); ++i) {
        CardPicture *imagen = imagenes.at(i);
        if (i < lista.count())
            imagen->setRuta(estado.carta(lista.at(i)).imagen());
        imagen->setVisible(i < lista.count());
    }
}

void Mesa::mostrarEstado(const GameState &e)
{
    m_estado = e;
    mostrarLista(e, e.lamesa, m_mesa);
    mostrarLista(e, e.player1, imagenes(GrupoImagen::cartap1img));
    for (int i = 0; i < static_cast<int>(m_cubiertas.size()); ++i)
        m_cubiertas.at(static_cast<std::size_t>(i))->setVisible(i < e.player1.count());
    mostrarLista(e, e.player2, imagenes(GrupoImagen::cartap2img));
    // A pile shows its top card only.
    const CardList *pilas[] = { &e.player1Lev, &e.player2Lev };
    for (std::size_t i = 0; i < m_montones.size(); ++i) {
        const CardList &pila = *pilas[i];
        if (!pila.isEmpty())
            m_montones.at(i)->setRuta(e.carta(pila.at(0)).imagen());
        m_montones.at(i)->setVisible(!pila.isEmpty());
    }
    m_disposicion->mostrarEstado(e);
}

void Mesa::mostrarMarcas(const Marcas &marcas)
{
    m_marcas = marcas;
    m_disposicion->mostrarMarcas(marcas);
}

void Mesa::mostrarCartel(const QString &texto)
{
    m_disposicion->mostrarCartel(texto);
}

void Mesa::mostrarTurno(Lado lado)
{
    m_disposicion->mostrarTurno(lado);
}

bool Mesa::mostrarAviso(const QString &texto)
{
    return m_disposicion->mostrarAviso(texto);
}

void Mesa::mostrarContadores(int cpu, int humano)
{
    m_disposicion->mostrarContadores(cpu, humano);
}

void Mesa::mostrarPuntajes(int cpu, int humano)
{
    m_disposicion->mostrarPuntajes(cpu, humano);
}

void Mesa::mostrarNombreJugador(const QString &nombre)
{
    m_disposicion->mostrarNombreJugador(nombre);
}

void Mesa::setReverso(const QString &ruta)
{
    for (CardPicture *cubierta : m_cubiertas)
        cubierta->setRuta(ruta);
}

void Mesa::setFondo(const QString &ruta)
{
    m_fondo = ruta;
    m_disposicion->setFondo(ruta);
    update();
}

void Mesa::setColorFondo(const QColor &color)
{
    m_colorFondo = color;
    m_disposicion->setColorFondo(color);
    update();
}

void Mesa::setOrdenes(const QList<QAction *> &barra, QAction *correr)
{
    m_barra = barra;
    m_correr = correr;
    m_disposicion->setOrdenes(barra, correr);
}

void Mesa::mostrarCorrer(bool hayPrograma)
{
    m_hayPrograma = hayPrograma;
    m_disposicion->mostrarCorrer(hayPrograma);
}

bool Mesa::finDeManoEnMesa() const
{
    return m_disposicion->finDeManoEnMesa();
}

void Mesa::mostrarResumen(const ResumenDeMano &resumen, const QString &palabras,
                          std::function<void()> alCerrar)
{
    m_disposicion->mostrarResumen(resumen, palabras, std::move(alCerrar));
}

QString Mesa::mostrarResultados(const QString &nombre, int num1, int num2,
                                ResultadoDeMano::Ganador ganador,
                                std::function<void(bool otraPartida)> alResponder)
{
    return m_disposicion->mostrarResultados(nombre, num1, num2, ganador, std::move(alResponder));
}

bool Mesa::enVeloAbierto(const QWidget *control) const
{
    const QWidget *velo = m_disposicion->veloAbierto();
    return velo && control && (control == velo || velo->isAncestorOf(control));
}

void Mesa::resaltar(CardPicture *imagen, bool grande)
{
    m_disposicion->resaltar(imagen, grande);
}

QRect Mesa::lugarNotaTutor() const
{
    return m_disposicion->lugarNotaTutor();
}

QWidget *Mesa::rotulo(Rotulo rotulo) const
{
    return m_disposicion->rotulo(rotulo);
}

QWidget *Mesa::marca(const Imagen &lugar) const
{
    return m_disposicion->marca(lugar);
}

void Mesa::soltar(QPoint punto, int slot)
{
    QWidget *debajo = childAt(punto);
    // An empty pile hides its picture, but its place still takes the card.
    const bool enMonton = debajo == m_montones[0] || debajo == m_montones[1]
        || (!debajo && m_disposicion->enMonton(punto));
    const auto enMesa = std::find(m_mesa.begin(), m_mesa.end(), debajo);
    if (enMonton)
        emit soltadaEnMonton(slot);
    else if (enMesa != m_mesa.end())
        emit soltadaEnMesa(slot, static_cast<int>(enMesa - m_mesa.begin()));
    else if (!debajo)
        emit soltadaEnFondo(slot);
    else
        emit soltadaSinEfecto(slot); // any other control takes the drop and does nothing
}

void Mesa::aplicarTamano()
{
    // The shadows fall further on a larger table.
    m_sombras->setCaida(m_disposicion->caidaSombra());
    const QList<QSize> tamanos = m_disposicion->redimensionar();
    emit cartasRedimensionadas(tamanos, devicePixelRatioF());
}

void Mesa::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    aplicarTamano();
}

void Mesa::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    m_disposicion->pintar(p, event->region());
    m_sombras->pintar(p, event->region());
}

namespace {
bool esCarta(const QDropEvent *event)
{
    return event->mimeData()->hasFormat(CardPicture::kTipoArrastre)
        && qobject_cast<CardPicture *>(event->source());
}
} // namespace

void Mesa::dragEnterEvent(QDragEnterEvent *event)
{
    if (esCarta(event))
        event->acceptProposedAction();
}

void Mesa::dragMoveEvent(QDragMoveEvent *event)
{
    if (esCarta(event))
        event->acceptProposedAction();
}

void Mesa::dropEvent(QDropEvent *event)
{
    if (!esCarta(event))
        return;
    event->acceptProposedAction();
    soltar(event->position().toPoint(),
           event->mimeData()->data(CardPicture::kTipoArrastre).toInt());
}
