// The five 800 x 600 pictures shown between the plays: loading, get ready, the rescue,
// game over and the title. The game writes over some of them, so those parts are kept as
// even dark panels: the title's help panel (5,155)-(200,420) and high-score panel
// (605,155)-(800,420), and the get-ready picture's level box (190,200)-(610,340).
#pragma once

#include "Picture.h"
#include "core/Geometry.h"

namespace vorn::pictures {

Picture makeLoadingScreen();
Picture makeGetReadyScreen();
Picture makeCongratScreen();
Picture makeGameOverScreen();
Picture makeTitleScreen();

}  // namespace vorn::pictures
