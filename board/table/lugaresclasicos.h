// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <array>

// Where everything lies on the board, in twips from the top-left corner of the
// board (15 twips are one pixel at scale 1).
namespace LugaresClasicos {

constexpr int kAncho = 11760;
constexpr int kAlto = 8400;

constexpr QRect kCartaCpu[3]
    = { { 240, 240, 1200, 1815 }, { 1680, 240, 1200, 1815 }, { 3120, 240, 1200, 1815 } };
constexpr QRect kReverso[3]
    = { { 240, 120, 1305, 2130 }, { 1680, 120, 1305, 2130 }, { 3120, 120, 1305, 2130 } };
constexpr QRect kCartaHumano[3]
    = { { 7200, 6240, 1320, 2055 }, { 8760, 6240, 1320, 2055 }, { 10320, 6240, 1320, 2055 } };
constexpr QRect kMesa[7]
    = { { 360, 5520, 1200, 1815 },  { 1680, 4920, 1200, 1815 }, { 3000, 4320, 1200, 1815 },
        { 4320, 3480, 1200, 1815 }, { 5640, 2760, 1200, 1815 }, { 6960, 1800, 1200, 1815 },
        { 8280, 1200, 1200, 1815 } };
constexpr QRect kMonton[2] = { { 240, 2760, 1335, 2055 }, { 10320, 3240, 1320, 2055 } };

constexpr int kMarca = 255;
constexpr QRect kCheckp2[3] = { { 7800, 5880, kMarca, kMarca },
                                { 9360, 5880, kMarca, kMarca },
                                { 10920, 5880, kMarca, kMarca } };
constexpr QRect kCheckMesa[7] = { { 840, 5040, kMarca, kMarca },  { 2160, 4440, kMarca, kMarca },
                                  { 3480, 3840, kMarca, kMarca }, { 4800, 3000, kMarca, kMarca },
                                  { 6120, 2280, kMarca, kMarca }, { 7440, 1320, kMarca, kMarca },
                                  { 8760, 720, kMarca, kMarca } };
constexpr QRect kCheckMonton[2] = { { 840, 2520, 375, kMarca }, { 10920, 2880, kMarca, kMarca } };

constexpr QRect kCartel { 10425, 1200, 990, 360 };
constexpr QRect kPuntajes { 5310, 0, 1155, 360 };
constexpr QRect kTituloCpu { 5025, 360, 525, 255 };
constexpr QRect kTituloHumano { 6045, 360, 885, 255 };
constexpr QRect kFrame[2] = { { 4920, 600, 735, 735 }, { 6120, 600, 735, 735 } };
constexpr QRect kPuntaje { 165, 120, 405, 495 }; // inside its frame
constexpr QRect kLevantar { 5880, 6960, 1095, 735 };
constexpr QRect kToolbar { 9960, 120, 1800, 840 };

// Labels that grow to fit their text: only the corner is fixed.
constexpr QPoint kContp1 { 1680, 3600 };
constexpr QPoint kContp2 { 10080, 4080 };
constexpr QPoint kMontonCpu { 360, 2280 };
constexpr QPoint kTuMonton { 10560, 2640 };
constexpr QPoint kCredito { 120, 7680 };
constexpr QPoint kContacto { 120, 7920 };

struct Linea
{
    QPoint desde;
    QPoint hasta;
};
constexpr Linea kLineas[4] = { { { 2520, 3840 }, { 6240, 1200 } },
                               { { 6000, 6480 }, { 9720, 3840 } },
                               { { 240, 2280 }, { 4560, 2280 } },
                               { { 7200, 5760 }, { 11640, 5760 } } };

// Enlarging a card for a pause grows it by this much to the right and down.
constexpr int kResalte = 400;

} // namespace LugaresClasicos
