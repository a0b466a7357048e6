// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <memory>

// A label of the board that keeps its painting. Laying a text out and drawing
// it cost more than the board's cards together, and the board repaints every
// label above a card that changed; a label whose text, size, look and state
// are as they were shows its kept picture instead. The picture is painted by
// a hidden twin of the label, as the label itself would paint it.
class EtiquetaGuardada : public QLabel
{
    Q_OBJECT

public:
    explicit EtiquetaGuardada(const QString &texto, QWidget *parent = nullptr);
    ~EtiquetaGuardada() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What the label's painting depends on.
    struct Aspecto
    {
        QString texto;
        QSize tamano;
        qreal razon = 0;
        QFont fuente;
        qint64 paleta = 0;
        QString estilo;
        Qt::Alignment alineacion;
        bool ajustaLineas = false;
        bool activa = false;
        bool operator==(const Aspecto &) const = default;
    };

    Aspecto aspecto() const;
    void dibujar(const Aspecto &aspecto);

    std::unique_ptr<QLabel> m_gemela;
    QPixmap m_dibujo;
    Aspecto m_aspecto;
};
