// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "lugaresclasicos.h"
#include "disposicionclasica.h"
#include "cardpicture.h"
#include "compasescpu.h"
#include "markbox.h"
#include "picturecache.h"
#include "programadepruebas.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QTest>
#include <QToolBar>

namespace LC = LugaresClasicos;
using namespace Naipes;

class TstBoardLook : public QObject
{
    Q_OBJECT

private slots:
    void cpuFacesNeverShowWithoutABackPicture_data();
    void cpuFacesNeverShowWithoutABackPicture();
    void cpuFacesNeverShowThroughASeeThroughBack_data();
    void cpuFacesNeverShowThroughASeeThroughBack();
    void damagedFeltEndsAsAMissingOne_data();
    void damagedFeltEndsAsAMissingOne();
    void enlargedCardStaysOnTheBoardAndClearOfLabels_data();
    void enlargedCardStaysOnTheBoardAndClearOfLabels();
    void feltCoversTheWindowAndTakesTheChosenColour();
    void toolbarButtonsFitAtEverySize_data();
    void toolbarButtonsFitAtEverySize();
    void markedCardIsLiftedAndOutlined();
    void focusFrameShowsAfterAKeyAndGoesAtAClick();
    void markedCardAndFocusedCardNeverLookAlike();

private:
    static void agregarTamanos();
    static bool empezarConTeclado(BoardFixture &f);
    static QColor borde(CardPicture *carta);
    static QList<CardPicture *> conMarcoDeFoco(DisposicionClasica &t);
    static QColor colorDeCarta(int numero);
};

// The stand-in pictures of the fixture: one flat colour per palo.
QColor TstBoardLook::colorDeCarta(int numero)
{
    return QColor::fromHsv((numero - 1) / 10 * 90, 200, 200);
}

void TstBoardLook::agregarTamanos()
{
    QTest::addColumn<QSize>("tamano");
    QTest::newRow("640x480") << QSize(640, 480);
    QTest::newRow("784x560") << QSize(784, 560);
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1900x600") << QSize(1900, 600);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
}

void TstBoardLook::cpuFacesNeverShowWithoutABackPicture_data()
{
    QTest::addColumn<bool>("cuerpoRoto");
    QTest::newRow("dibujo.jpg missing") << false;
    QTest::newRow("dibujo.jpg with a good header and a broken body") << true;
}

void TstBoardLook::cpuFacesNeverShowWithoutABackPicture()
{
    QFETCH(bool, cuerpoRoto);
    BoardFixture f;
    const QString dibujo = f.dir().ruta(QStringLiteral("dibujo.jpg"));
    QFile archivo(dibujo);
    QVERIFY(archivo.open(QIODevice::ReadWrite));
    QByteArray bytes = archivo.readAll();
    archivo.close();
    QVERIFY(PictureCache::legible(dibujo));
    if (cuerpoRoto) {
        bytes.replace(300, bytes.size() - 300, QByteArray(bytes.size() - 300, '\0'));
        QVERIFY(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
        archivo.write(bytes);
        archivo.close();
        QVERIFY(!PictureCache::legible(dibujo));
    } else {
        QVERIFY(QFile::remove(dibujo));
    }
    QVERIFY(f.iniciar());
    f.mesa().resize(1024, 768);
    const QImage tablero = f.mesa().grab().toImage();
    const GameState &e = f.estado();
    QVERIFY(e.player1.count() > 0);
    for (int i = 0; i < e.player1.count(); ++i) {
        const QColor cara = colorDeCarta(e.player1.at(i));
        const QRect lugar = f.clasica().cartap1img().at(i)->geometry();
        int vistos = 0;
        for (int y = lugar.top(); y <= lugar.bottom(); ++y) {
            for (int x = lugar.left(); x <= lugar.right(); ++x) {
                const QColor p = tablero.pixelColor(x, y);
                vistos += std::abs(p.red() - cara.red()) < 12
                    && std::abs(p.green() - cara.green()) < 12
                    && std::abs(p.blue() - cara.blue()) < 12;
            }
        }
        QCOMPARE(vistos, 0);
    }
}

void TstBoardLook::cpuFacesNeverShowThroughASeeThroughBack_data()
{
    QTest::addColumn<TipoMesa>("mesa");
    QTest::newRow("classic") << TipoMesa::Clasica;
    QTest::newRow("modern") << TipoMesa::Moderna;
}

// A back with transparency, as the player may choose in Opciones: the CPU's place looks
// the same whichever card lies under its back.
void TstBoardLook::cpuFacesNeverShowThroughASeeThroughBack()
{
    QFETCH(TipoMesa, mesa);
    MesaElegida elegida(mesa);
    BoardFixture f(elegida);
    const QString ruta = f.dir().ruta(QStringLiteral("reverso.png"));
    QImage reverso(QSize(80, 121), QImage::Format_ARGB32);
    reverso.fill(QColor(0, 0, 255, 100));
    QVERIFY(reverso.save(ruta, "PNG"));
    QVERIFY(f.iniciar());
    QVERIFY(f.ventana().cargarReverso(ruta));
    Mesa &tabla = f.mesa();
    const CardPicture *cubierta = tabla.cubiertas().at(0);
    QVERIFY(cubierta->isVisible());
    const QRect lugar(cubierta->mapTo(&tabla, QPoint(0, 0)), cubierta->size());
    const QImage antes = tabla.grab(lugar).toImage();
    const int carta = f.estado().player1.at(0);
    tabla.imagenes(GrupoImagen::cartap1img).at(0)->setRuta(f.rutaCarta((carta + 9) % 40 + 1));
    QCOMPARE(tabla.grab(lugar).toImage(), antes);
}

void TstBoardLook::damagedFeltEndsAsAMissingOne_data()
{
    QTest::addColumn<bool>("cuerpoRoto");
    QTest::newRow("zelbofond.jpg missing") << false;
    QTest::newRow("zelbofond.jpg with a good header and a broken body") << true;
}

// A felt whose body cannot be decoded used to pass the header check and leave
// the board without its picture; it ends the start as a missing one does.
void TstBoardLook::damagedFeltEndsAsAMissingOne()
{
    QFETCH(bool, cuerpoRoto);
    BoardFixture f;
    const QString fondo = f.dir().ruta(QStringLiteral("zelbofond.jpg"));
    if (cuerpoRoto) {
        QFile archivo(fondo);
        QVERIFY(archivo.open(QIODevice::ReadWrite));
        QByteArray bytes = archivo.readAll();
        bytes.replace(300, bytes.size() - 300, QByteArray(bytes.size() - 300, '\0'));
        QVERIFY(archivo.seek(0));
        QCOMPARE(archivo.write(bytes), bytes.size());
        archivo.close();
        QVERIFY(QImageReader(fondo).canRead()); // the header is good
    } else {
        QVERIFY(QFile::remove(fondo));
    }
    QVERIFY(!f.iniciar());
    QCOMPARE(f.ventana().estadoSalida(), 1);
    QCOMPARE(f.dialogos().mensajes().size(), 1);
    const FakeDialogs::Mensaje aviso = f.dialogos().mensajes().first();
    QVERIFY(aviso.esAviso(QStringLiteral("No se puede cargar la imagen de fondo ") + fondo,
                          DialogService::Icono::Critico));
    QVERIFY(!f.ventana().isVisible());
}

void TstBoardLook::enlargedCardStaysOnTheBoardAndClearOfLabels_data()
{
    QTest::addColumn<int>("grupo");
    QTest::addColumn<int>("indice");
    QTest::addColumn<QSize>("tamano");
    const QList<QPair<QString, QPair<GrupoImagen, int>>> lugares {
        { "mesa 0", { GrupoImagen::mesaimg, 0 } },
        { "mesa 1", { GrupoImagen::mesaimg, 1 } },
        { "mesa 2", { GrupoImagen::mesaimg, 2 } },
        { "mesa 3", { GrupoImagen::mesaimg, 3 } },
        { "mesa 4", { GrupoImagen::mesaimg, 4 } },
        { "mesa 5", { GrupoImagen::mesaimg, 5 } },
        { "mesa 6", { GrupoImagen::mesaimg, 6 } },
        { "pila humano", { GrupoImagen::montonimg, 1 } },
        { "cpu 0", { GrupoImagen::cartap1img, 0 } },
        { "cpu 1", { GrupoImagen::cartap1img, 1 } },
        { "cpu 2", { GrupoImagen::cartap1img, 2 } },
    };
    for (QSize tamano : { QSize(784, 560), QSize(1920, 1080), QSize(640, 480) }) {
        for (const auto &[nombre, lugar] : lugares)
            QTest::addRow("%s %dx%d", qPrintable(nombre), tamano.width(), tamano.height())
                << static_cast<int>(lugar.first) << lugar.second << tamano;
    }
}

void TstBoardLook::enlargedCardStaysOnTheBoardAndClearOfLabels()
{
    QFETCH(int, grupo);
    QFETCH(int, indice);
    QFETCH(QSize, tamano);
    BoardFixture f;
    QVERIFY(f.iniciar());
    Posicion p;
    p.cpu = { oros(1), oros(2), oros(3) };
    p.humano = { oros(4), oros(5), oros(6) };
    p.mesa = { copas(1), copas(2), copas(3), espadas(1), espadas(2), bastos(1), bastos(2) };
    p.tamPilaCpu = 12;
    p.tamPilaHumano = 15; // all 40 dealt
    QVERIFY(f.cargar(p));
    DisposicionClasica &t = f.clasica();
    t.mesa().resize(tamano);
    const Imagen imagen { static_cast<GrupoImagen>(grupo), indice };
    CardPicture *carta = t.mesa().imagen(imagen);
    const QRect antes = carta->geometry();
    const QRect tablero = t.escala().rect(QRect(0, 0, LC::kAncho, LC::kAlto));
    const int extra = t.escala().px(LC::kResalte);
    QRect durante;
    QImage vista;
    f.pausa().setDurante([&] {
        durante = carta->geometry();
        if (!qEnvironmentVariableIsEmpty("ZELBO_CAPTURAS"))
            vista = t.mesa().grab().toImage();
    });
    f.ventana().compases().ResaltarCarta(imagen, 1000, [] {});
    // Grown by 400 twips each way, give or take the pixel of rounding.
    QVERIFY(std::abs(durante.width() - antes.width() - extra) <= 1);
    QVERIFY(std::abs(durante.height() - antes.height() - extra) <= 1);
    QVERIFY(durante.contains(antes));
    QVERIFY(tablero.contains(durante));
    for (const QFrame *rotulo : t.mesa().findChildren<QFrame *>(Qt::FindDirectChildrenOnly)) {
        if (rotulo->isVisible() && !rotulo->geometry().intersects(antes))
            QVERIFY2(!rotulo->geometry().intersects(durante),
                     qPrintable(qobject_cast<const QLabel *>(rotulo)
                                    ? qobject_cast<const QLabel *>(rotulo)->text()
                                    : QStringLiteral("marcador")));
    }
    QCOMPARE(carta->geometry(), antes);
    if (!vista.isNull())
        vista.save(qEnvironmentVariable("ZELBO_CAPTURAS") + QLatin1Char('/')
                   + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-')
                   + QStringLiteral(".png"));
}

void TstBoardLook::feltCoversTheWindowAndTakesTheChosenColour()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    DisposicionClasica &t = f.clasica();
    for (QSize tamano : { QSize(1920, 1080), QSize(700, 1300) }) {
        t.mesa().resize(tamano);
        const QImage vista = t.mesa().grab().toImage();
        for (QPoint esquina : { QPoint(1, 1), QPoint(tamano.width() - 2, tamano.height() - 2) }) {
            const QColor p = vista.pixelColor(esquina); // the stand-in felt, dark green
            QVERIFY(p.red() < 8 && std::abs(p.green() - 128) < 8 && p.blue() < 8);
        }
    }
    t.setColorFondo(QColor(200, 40, 40));
    const QColor tenido = t.mesa().grab().toImage().pixelColor(2, 2);
    QVERIFY(tenido.red() > tenido.green() + 40 && tenido.red() > tenido.blue() + 40);
}

void TstBoardLook::toolbarButtonsFitAtEverySize_data()
{
    agregarTamanos();
}

void TstBoardLook::toolbarButtonsFitAtEverySize()
{
    QFETCH(QSize, tamano);
    BoardFixture f;
    QVERIFY(f.iniciar());
    DisposicionClasica &t = f.clasica();
    t.mesa().resize(tamano);
    const QRect barra = t.escala().rect(LC::kToolbar);
    QCOMPARE(t.Toolbar1()->geometry(), barra);
    for (QAction *accion : t.Toolbar1()->actions()) {
        QWidget *boton = t.Toolbar1()->widgetForAction(accion);
        QVERIFY2(boton && boton->isVisible(), qPrintable(accion->text()));
        QVERIFY2(t.Toolbar1()->rect().contains(boton->geometry()),
                 qPrintable(accion->text()
                            + QStringLiteral(" %1,%2 %3x%4 in %5x%6")
                                  .arg(boton->x())
                                  .arg(boton->y())
                                  .arg(boton->width())
                                  .arg(boton->height())
                                  .arg(t.Toolbar1()->width())
                                  .arg(t.Toolbar1()->height())));
        const QFontMetrics medida(boton->font());
        QVERIFY2(medida.horizontalAdvance(accion->text()) <= boton->width(),
                 qPrintable(accion->text()));
    }
    // The icons keep their share of the toolbar's height at every size.
    QCOMPARE(t.Toolbar1()->iconSize().height(), std::max(8, barra.height() / 2));
}

void TstBoardLook::markedCardIsLiftedAndOutlined()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    DisposicionClasica &t = f.clasica();
    t.mesa().resize(1568, 1120); // scale 2
    CardPicture *carta = t.cartap2img()[1];
    const QRect enSuLugar = carta->geometry();
    QTest::mouseClick(t.Checkp2()[1], Qt::LeftButton);
    QVERIFY(t.Checkp2()[1]->isChecked());
    QVERIFY(carta->marcada());
    QCOMPARE(carta->geometry(), enSuLugar.translated(0, -12));
    QTest::mouseClick(t.Checkp2()[1], Qt::LeftButton);
    QVERIFY(!carta->marcada());
    QCOMPARE(carta->geometry(), enSuLugar);
}

bool TstBoardLook::empezarConTeclado(BoardFixture &f)
{
    if (!f.iniciar())
        return false;
    f.mesa().resize(1568, 1120); // scale 2
    f.ventana().activateWindow();
    return QTest::qWaitForWindowActive(&f.ventana());
}

// The colour at the middle of the card's left edge, where the focus frame's
// outer band lies.
QColor TstBoardLook::borde(CardPicture *carta)
{
    const QImage imagen = carta->grab().toImage();
    return imagen.pixelColor(1, imagen.height() / 2);
}

QList<CardPicture *> TstBoardLook::conMarcoDeFoco(DisposicionClasica &t)
{
    QList<CardPicture *> cartas;
    for (CardPicture *carta : t.mesa().findChildren<CardPicture *>()) {
        if (carta->muestraFoco() || borde(carta) == CardPicture::kColorFoco)
            cartas.append(carta);
    }
    return cartas;
}

// A mouse player sees only the marks; the frame comes with the first key and
// goes with the next click, as a browser's focus-visible does.
void TstBoardLook::focusFrameShowsAfterAKeyAndGoesAtAClick()
{
    BoardFixture f;
    QVERIFY(empezarConTeclado(f));
    DisposicionClasica &t = f.clasica();
    auto *foco = qobject_cast<CardPicture *>(QApplication::focusWidget());
    QVERIFY(foco);
    QVERIFY(conMarcoDeFoco(t).isEmpty()); // nothing pressed yet

    QTest::keyClick(foco, Qt::Key_Right);
    foco = qobject_cast<CardPicture *>(QApplication::focusWidget());
    QVERIFY(foco);
    QCOMPARE(conMarcoDeFoco(t), QList<CardPicture *> { foco });

    QTest::mouseClick(t.mesaimg()[0], Qt::LeftButton);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(conMarcoDeFoco(t), QList<CardPicture *> {});

    // A modifier alone (Shift before a letter) is no keyboard play yet.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Shift);
    QCOMPARE(conMarcoDeFoco(t), QList<CardPicture *> {});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    foco = qobject_cast<CardPicture *>(QApplication::focusWidget());
    QVERIFY(foco);
    QCOMPARE(conMarcoDeFoco(t), QList<CardPicture *> { foco });
}

void TstBoardLook::markedCardAndFocusedCardNeverLookAlike()
{
    BoardFixture f;
    QVERIFY(empezarConTeclado(f));
    DisposicionClasica &t = f.clasica();
    QTest::mouseClick(t.Checkp2()[1], Qt::LeftButton);
    QVERIFY(t.cartap2img()[1]->marcada());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    CardPicture *enfocada = t.cartap2img()[0];
    QCOMPARE(QApplication::focusWidget(), enfocada);
    QVERIFY(enfocada->muestraFoco() && !enfocada->marcada());

    const auto pixeles = [](CardPicture *carta, const QColor &color) {
        const QImage imagen = carta->grab().toImage();
        int n = 0;
        for (int y = 0; y < imagen.height(); ++y) {
            for (int x = 0; x < imagen.width(); ++x)
                n += imagen.pixelColor(x, y) == color ? 1 : 0;
        }
        return n;
    };
    const QColor marca = CardPicture::kColorMarca;
    const QColor foco = CardPicture::kColorFoco;
    QVERIFY(marca != foco);
    QVERIFY(pixeles(t.cartap2img()[1], marca) > 0);
    QCOMPARE(pixeles(t.cartap2img()[1], foco), 0);
    QVERIFY(pixeles(enfocada, foco) > 0);
    QCOMPARE(pixeles(enfocada, marca), 0);
}

ZELBO_TEST_MAIN(TstBoardLook)
#include "tst_board_look.moc"
