// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "nivelcpu.h"
#include "paginacartas.h"
#include "preferencias.h"

#include <QDialog>
#include <QString>

class AjustesJuego;
class ClickLabel;
class QCheckBox;
class QComboBox;
class DialogService;
class PathLabel;
class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QLayout;
class QPushButton;
class QTabWidget;
class ZelboGame;

// The "Opciones" window: background colour, the program the toolbar starts and the card
// back; on the "Juego" tab, the CPU's level and speed, the animations, the sounds, the chance
// bar and the tutor; on the "Cartas" tab, the faces' style and the game's own back. It edits
// copies that reach the game only with "Aceptar"; "Default" loads the default file into the
// game and sets the Normal level at once, and cancelling the window puts back what was in
// force when it opened.
class preferenciasfrm : public QDialog
{
    Q_OBJECT

public:
    // Source texts; the dialogs show them translated.
#ifdef Q_OS_WIN
    static constexpr const char *kFiltroProgramas
        = QT_TRANSLATE_NOOP("preferenciasfrm", "(*.exe);;(*.bat);;(*.com);;Todos (*.*)");
#else
    static constexpr const char *kFiltroProgramas
        = QT_TRANSLATE_NOOP("preferenciasfrm", "Programas (*);;Todos (*)");
#endif
    static constexpr const char *kFiltroImagenes
        = QT_TRANSLATE_NOOP("preferenciasfrm", "Imagenes (*.jpg *.bmp)");

    // Shows and changes the game's preferences and the player's settings in ajustes.
    // muestras: the pictures the "Cartas" tab shows as samples; none without them.
    preferenciasfrm(ZelboGame &juego, AjustesJuego &ajustes, DialogService &dialogos,
                    QWidget *parent = nullptr, PaginaCartas::Muestras muestras = {});

    // "Cancelar", Esc and the close box all end here.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    QWidget *crearEscritorio();
    // The game's settings, one row each.
    QWidget *crearJuego();
    void agregarNivel(QFormLayout &filas);
    void agregarVelocidad(QFormLayout &filas);
    void agregarAyudas(QFormLayout &filas);
    QLayout *crearMesa();
    void juegoPorDefecto();
    void aceptarJuego();
    QGroupBox *crearCarta();
    QGroupBox *crearColor();
    QGroupBox *crearAplicacion();
    QHBoxLayout *crearBotones();
    void centrarEnPantalla();
    bool teclaDePestana(const QKeyEvent &tecla);
    void aviso(const QString &texto);
    NivelCpu nivelElegido() const;
    void guardarNivel(NivelCpu nivel);

    void ValoresActuales();
    void mostrarColor();
    void Label1_Click();
    void Label5_Click();
    void Frame3_Click();
    void Label8_Click();
    void Command1_Click();
    void cmdOK_Click();

    ZelboGame &m_juego;
    DialogService &m_dialogos;
    AjustesJuego &m_ajustes;

    // In force when the window opened.
    QString m_nombreCpuAlAbrir;
    QString m_nombreHumanoAlAbrir;
    Preferencias m_alAbrir;
    NivelCpu m_nivelAlAbrir = NivelCpu::Normal;

    qint32 m_color = Preferencias::kColorInicial;
    bool m_frame3Pulsado = false;

    QTabWidget *m_tbsOptions = nullptr;
    ClickLabel *m_label1 = nullptr;
    PathLabel *m_label5 = nullptr;
    PathLabel *m_label8 = nullptr;
    QGroupBox *m_frame3 = nullptr;
    QComboBox *m_nivel = nullptr;
    QComboBox *m_velocidad = nullptr;
    QCheckBox *m_animaciones = nullptr;
    QCheckBox *m_sonido = nullptr;
    QCheckBox *m_probabilidad = nullptr;
    QCheckBox *m_tutor = nullptr;
    QComboBox *m_mesa = nullptr;
    PaginaCartas *m_cartas = nullptr;
};
