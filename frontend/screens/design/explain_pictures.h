// The explanatory pictures of the design-condition screens, drawn in code:
// white lines and text on black with coloured accents.
//   1 ground-surface shape, 2 surcharge calculation (page 完成時);
//   3 coefficients at the R.W.L., 4 at the L.W.L., 5 the two clay earth-
//   pressure formulas, 6 the clay earth-pressure method (page 地震時);
// and the wave picture of page 施工時: the wall, the still-water level, d, h',
// h, the seabed slope 1/X and hb at 5 H1/3 in front of the wall.
#pragma once

#include "picture_box.h"

namespace wtn::design {

inline constexpr ui::Color kExplainBackColor = 0x000000;
inline constexpr int kExplainPictureCount = 6;
// Drawing scales in pixels of the pictures.
inline constexpr double kExplainWidth = 390;
inline constexpr double kExplainHeight = 190;
inline constexpr double kWaveWidth = 220;
inline constexpr double kWaveHeight = 370;

// Draws picture number (1 to 6) into pic in the scale 390 x 190; nothing for
// another number.
void draw_explain_picture(ui::PictureBox& pic, int number);

// Draws the wave picture into pic in the scale 220 x 370.
void draw_wave_picture(ui::PictureBox& pic);

} // namespace wtn::design
