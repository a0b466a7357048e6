// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "cardpicture.h"
#include "disposicionclasica.h"
#include "idiomadeljuego.h"
#include "programadepruebas.h"
#include "rutadeprueba.h"

#include <QDir>
#include <QImage>
#include <QLibraryInfo>
#include <QTest>

Q_DECLARE_METATYPE(EstiloCaras)
Q_DECLARE_METATYPE(ReversoIncluido)

namespace {
const QColor kTradicional(255, 0, 255);
const QColor kIngles(0, 230, 230);
const QColor kAzul(0, 0, 200);
const QColor kVerde(0, 230, 0);
const QColor kPropio(250, 230, 0);

bool guardar(const QString &ruta, const QColor &color)
{
    QImage imagen(QSize(80, 121), QImage::Format_RGB32);
    imagen.fill(color);
    return QDir().mkpath(QFileInfo(ruta).path()) && imagen.save(ruta, "JPG");
}

// The forty faces of the fixture again, in a folder of a style and all of one colour.
bool guardarEstilo(const BoardFixture &f, const QString &carpeta, const QColor &color)
{
    for (int n = 1; n <= 40; ++n) {
        const QString cara = QFileInfo(f.rutaCarta(n)).fileName();
        if (!guardar(f.dir().ruta(carpeta + QLatin1Char('/') + cara), color))
            return false;
    }
    return true;
}

bool parecido(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24
        && qAbs(a.blue() - b.blue()) < 24;
}

QColor centro(QWidget *control)
{
    const QImage imagen = control->grab().toImage();
    return imagen.pixelColor(imagen.rect().center());
}
} // namespace

class TstBoardEstilos : public QObject
{
    Q_OBJECT

private slots:
    void lookChosenShowsAtOnce_data();
    void lookChosenShowsAtOnce();
    void englishGameShowsTheEnglishFigures();

private:
    static bool prepararEstilos(BoardFixture &f);
};

bool TstBoardEstilos::prepararEstilos(BoardFixture &f)
{
    return guardarEstilo(f, QStringLiteral("naipes-tradicional"), kTradicional)
        && guardarEstilo(f, QStringLiteral("naipes-en"), kIngles)
        && guardar(f.dir().ruta(QStringLiteral("reversos/azul.jpg")), kAzul)
        && guardar(f.dir().ruta(QStringLiteral("reversos/verde.jpg")), kVerde)
        && guardar(f.dir().ruta(QStringLiteral("mio.jpg")), kPropio);
}

void TstBoardEstilos::lookChosenShowsAtOnce_data()
{
    QTest::addColumn<EstiloCaras>("estilo");
    QTest::addColumn<ReversoIncluido>("reverso");
    QTest::addColumn<bool>("propio");
    QTest::addColumn<QColor>("dorso");

    const QColor dibujo(Qt::darkGreen); // the fixture's dibujo.jpg
    QTest::newRow("modern, claret")
        << EstiloCaras::Moderno << ReversoIncluido::Granate << false << dibujo;
    QTest::newRow("traditional, blue")
        << EstiloCaras::Tradicional << ReversoIncluido::Azul << false << kAzul;
    QTest::newRow("modern, green")
        << EstiloCaras::Moderno << ReversoIncluido::Verde << false << kVerde;
    QTest::newRow("own back over blue")
        << EstiloCaras::Tradicional << ReversoIncluido::Azul << true << kPropio;
}

// Chosen while a game is on, as Opciones' "Aceptar" does: the faces and the back change
// on the board without a new game; a back of the player's own wins over the game's.
void TstBoardEstilos::lookChosenShowsAtOnce()
{
    QFETCH(EstiloCaras, estilo);
    QFETCH(ReversoIncluido, reverso);
    QFETCH(bool, propio);
    QFETCH(QColor, dorso);

    BoardFixture f(3);
    QVERIFY(prepararEstilos(f));
    QVERIFY(f.iniciar());
    if (propio) {
        Preferencias p = f.ventana().juego().preferencias();
        p.reverso = f.dir().ruta(QStringLiteral("mio.jpg"));
        f.ventana().juego().aceptarPreferencias(p);
        f.ventana().juego().ordenar(OrdenDelJuego::Nuevo);
    }
    f.ajustes().setCaras(estilo);
    f.ajustes().setReverso(reverso);

    CardPicture *carta = f.clasica().mesaimg()[0];
    const int palo = (f.estado().lamesa.at(0) - 1) / 10;
    const QColor cara
        = estilo == EstiloCaras::Tradicional ? kTradicional : QColor::fromHsv(palo * 90, 200, 200);
    QVERIFY2(parecido(centro(carta), cara), qPrintable(centro(carta).name()));
    CardPicture *cubierta = f.mesa().cubiertas().at(0);
    QVERIFY2(parecido(centro(cubierta), dorso), qPrintable(centro(cubierta).name()));
}

// The modern figures carry their name: in the English game the board shows the set named in
// English, never "Sota", "Caballo" or "Rey".
void TstBoardEstilos::englishGameShowsTheEnglishFigures()
{
    IdiomaDelJuego idioma;
    QVERIFY(idioma.instalar(IdiomaDelJuego::Idioma::Ingles, rutaDePrueba("ZELBO_TRANSLATIONS_DIR"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    BoardFixture f(3);
    QVERIFY(prepararEstilos(f));
    QVERIFY(f.iniciar());
    Posicion p;
    p.mesa = { 8, 9, 10 }; // the Sota, the Caballo and the Rey of oros
    p.humano = { 21, 22 };
    p.cpu = { 31, 32 };
    p.tamPilaCpu = 2;
    p.tamPilaHumano = 1;
    QVERIFY(f.cargar(p));
    for (int i = 0; i < 3; ++i) {
        CardPicture *figura = f.clasica().mesaimg()[static_cast<std::size_t>(i)];
        QVERIFY2(parecido(centro(figura), kIngles), qPrintable(centro(figura).name()));
    }
}

ZELBO_TEST_MAIN(TstBoardEstilos)
#include "tst_board_estilos.moc"
