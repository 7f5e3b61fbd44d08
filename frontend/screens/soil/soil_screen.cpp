#include "soil_screen.h"

#include <memory>

namespace wtn::soil {

SoilScreen::SoilScreen(mainwin::MainWindow& window)
    : land(kLandSide, *window.fra_sgm[kSoilScreen][kLandSide.page], window.stv_gm,
           window.data.sekkei_dat),
      sea(kSeaSide, *window.fra_sgm[kSoilScreen][kSeaSide.page], window.stv_gm,
          window.data.sekkei_dat),
      data_(window.data) {}

void SoilScreen::set_dosou_jk() {
    // The embedment method decides once for both sides whether each layer
    // carries its own lateral-resistance option.
    const bool per_layer = per_layer_method(data_.sekkei_dat);
    land.load(data_.dosou_dat, per_layer);
    sea.load(data_.dosou_dat, per_layer);
}

void SoilScreen::put_dosou_jk() {
    land.store(data_.dosou_dat);
    sea.store(data_.dosou_dat);
}

SoilScreen& install_soil_screen(mainwin::MainWindow& window) {
    auto screen = std::make_shared<SoilScreen>(window);
    window.screens[kSoilScreen].load = [screen] { screen->set_dosou_jk(); };
    window.screens[kSoilScreen].store = [screen] { screen->put_dosou_jk(); };
    return *screen;
}

} // namespace wtn::soil
