// The soil-layer screen (screen 5, "土層"): the land side on page 0 and the sea
// side on page 1, plugged into the main window.
#pragma once

#include "main_window.h"
#include "soil_side.h"

namespace wtn::soil {

inline constexpr int kSoilScreen = 5;

class SoilScreen {
  public:
    explicit SoilScreen(mainwin::MainWindow& window);

    // Loads both sides from the design data, the land side first.
    void set_dosou_jk();
    // Stores both sides into the design data.
    void put_dosou_jk();

    SoilSide land;
    SoilSide sea;

  private:
    DesignData& data_;
};

// Builds the screen on the page frames of screen 5 and installs its load and
// store procedures; the screen lives as long as those procedures. Call once,
// before a view of the window is built.
SoilScreen& install_soil_screen(mainwin::MainWindow& window);

} // namespace wtn::soil
