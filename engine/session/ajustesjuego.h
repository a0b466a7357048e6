// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "aspectocartas.h"
#include "nivelcpu.h"
#include "velocidadcpu.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QVariant>

// The table the game is shown on: the classic one or the modern one.
enum class TipoMesa { Clasica, Moderna };

// The player's settings of play, kept in the user's settings file (by default
// ~/.config/zelbo/zelbo.conf), never in lastprop.dat or a saved game. The file is read
// when the object is made; afterwards its readers ask the object, which answers from
// memory, and a change is written at once and announced by cambiado(). The program
// makes one object over the player's file and hands it to whoever reads or changes it.
//
// A new setting is a key below with its default, and a getter and a setter that use it.
class AjustesJuego : public QObject
{
    Q_OBJECT

public:
    template<typename T> struct Clave
    {
        const char *nombre;
        T porDefecto;
    };
    static constexpr Clave<NivelCpu> kNivel { "cpu/nivel", NivelCpu::Normal };
    static constexpr Clave<VelocidadCpu> kVelocidad { "cpu/velocidad", VelocidadCpu::Normal };
    static constexpr Clave<bool> kAnimaciones { "tablero/animaciones", true };
    static constexpr Clave<bool> kProbabilidad { "juego/probabilidad", false };
    static constexpr Clave<bool> kTutor { "juego/tutor", false };
    static constexpr Clave<TipoMesa> kMesa { "tablero/mesa", TipoMesa::Clasica };
    static constexpr Clave<EstiloCaras> kCaras { "cartas/caras", EstiloCaras::Moderno };
    static constexpr Clave<ReversoIncluido> kReverso { "cartas/reverso", ReversoIncluido::Granate };
    static inline const Clave<QString> kAplicacion { "preferencias/aplicacion", QString() };
    static constexpr Clave<bool> kSonido { "juego/sonido", false };
    static constexpr Clave<bool> kPantallaCompleta { "ventana/pantallaCompleta", false };
    static inline const Clave<QByteArray> kGeometria { "ventana/geometria", QByteArray() };

    // Over the settings file fichero, read now; an INI file unless told otherwise.
    explicit AjustesJuego(const QString &fichero, QSettings::Format formato = QSettings::IniFormat,
                          QObject *parent = nullptr);
    // Over no file: the defaults, and a change holds in memory while the object lives,
    // for games whose settings nobody keeps.
    AjustesJuego();

    // Over the player's own file, organisation and application "zelbo", read now.
    static AjustesJuego abrirDelUsuario();

    // The level of the next game; a new level applies from the next game on.
    NivelCpu nivel() const { return valor(kNivel); }
    bool setNivel(NivelCpu nivel) { return poner(kNivel, nivel); }
    // How long the CPU's pauses and flights last.
    VelocidadCpu velocidad() const { return valor(kVelocidad); }
    bool setVelocidad(VelocidadCpu velocidad) { return poner(kVelocidad, velocidad); }
    // Whether cards fly to their places.
    bool animaciones() const { return valor(kAnimaciones); }
    bool setAnimaciones(bool animaciones) { return poner(kAnimaciones, animaciones); }
    // Whether the board shows the human's chance to win the game.
    bool probabilidad() const { return valor(kProbabilidad); }
    bool setProbabilidad(bool mostrar) { return poner(kProbabilidad, mostrar); }
    // Whether a move of the human that loses chance to win is pointed out.
    bool tutor() const { return valor(kTutor); }
    bool setTutor(bool avisar) { return poner(kTutor, avisar); }
    // The table shown; a change shows the game in progress on the other table.
    TipoMesa mesa() const { return valor(kMesa); }
    bool setMesa(TipoMesa mesa) { return poner(kMesa, mesa); }
    // The faces' style and the game's own back, shown at once on a change.
    EstiloCaras caras() const { return valor(kCaras); }
    bool setCaras(EstiloCaras estilo) { return poner(kCaras, estilo); }
    ReversoIncluido reverso() const { return valor(kReverso); }
    bool setReverso(ReversoIncluido reverso) { return poner(kReverso, reverso); }
    // The toolbar's program as Opciones chose it, when lastprop.dat cannot hold it as it is
    // (see Propiedades); empty otherwise.
    QString aplicacion() const { return valor(kAplicacion); }
    bool setAplicacion(const QString &aplicacion) { return poner(kAplicacion, aplicacion); }
    // Whether the board plays its short sounds.
    bool sonido() const { return valor(kSonido); }
    bool setSonido(bool activo) { return poner(kSonido, activo); }
    // Whether the window fills the screen, and where it stood when it last closed (as
    // QWidget::saveGeometry gives it; empty before the first close).
    bool pantallaCompleta() const { return valor(kPantallaCompleta); }
    bool setPantallaCompleta(bool completa) { return poner(kPantallaCompleta, completa); }
    QByteArray geometria() const { return valor(kGeometria); }
    bool setGeometria(const QByteArray &geometria) { return poner(kGeometria, geometria); }

    // A missing key or a stored word this program does not know gives the default.
    template<typename T> T valor(const Clave<T> &clave) const
    {
        const auto it = m_valores.constFind(QLatin1String(clave.nombre));
        return it == m_valores.cend() ? clave.porDefecto : leido(*it, clave.porDefecto);
    }
    // Writes the value at once unless it is already the one in force; false when the file
    // could not be written, in which case the value is still in force for this run.
    template<typename T> bool poner(const Clave<T> &clave, T nuevo)
    {
        const QString nombre = QLatin1String(clave.nombre);
        if (m_valores.contains(nombre) && valor(clave) == nuevo)
            return true;
        return escribir(nombre, guardable(nuevo));
    }

    // Reads the file again, as a new start of the program does.
    void releer();
    // Empty over no file.
    const QString &fichero() const { return m_fichero; }

signals:
    void cambiado();

private:
    static NivelCpu leido(const QVariant &guardado, NivelCpu porDefecto);
    static VelocidadCpu leido(const QVariant &guardado, VelocidadCpu porDefecto);
    static bool leido(const QVariant &guardado, bool porDefecto);
    static TipoMesa leido(const QVariant &guardado, TipoMesa porDefecto);
    static QString leido(const QVariant &guardado, const QString &porDefecto);
    static EstiloCaras leido(const QVariant &guardado, EstiloCaras porDefecto);
    static ReversoIncluido leido(const QVariant &guardado, ReversoIncluido porDefecto);
    static QByteArray leido(const QVariant &guardado, const QByteArray &porDefecto);
    static QVariant guardable(NivelCpu nivel);
    static QVariant guardable(VelocidadCpu velocidad);
    static QVariant guardable(bool activo);
    static QVariant guardable(TipoMesa mesa);
    static QVariant guardable(const QString &texto);
    static QVariant guardable(EstiloCaras estilo);
    static QVariant guardable(ReversoIncluido reverso);
    static QVariant guardable(const QByteArray &datos);
    bool escribir(const QString &nombre, const QVariant &valor);
    bool guardar(const QString &nombre, const QVariant &valor) const;

    QString m_fichero;
    QSettings::Format m_formato;
    QHash<QString, QVariant> m_valores;
};
