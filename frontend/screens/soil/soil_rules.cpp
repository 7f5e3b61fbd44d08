#include "soil_rules.h"

namespace wtn::soil {

EmbedmentMethod embedment_method(const SekkeiData& sekkei) {
    return sekkei.neire_sw;
}

bool per_layer_method(const SekkeiData& sekkei) {
    const EmbedmentMethod m = embedment_method(sekkei);
    return m == EmbedmentMethod::Chang || m == EmbedmentMethod::ChangMultiLayer ||
           m == EmbedmentMethod::CTypeMultiLayer;
}

bool lateral_blocked(const SekkeiData& sekkei, bool land) {
    const CheckBox own_study = land ? sekkei.kanseiji_sw : sekkei.sekouji_sw;
    return sekkei.kanseiji_sw != sekkei.sekouji_sw && box_checked(own_study);
}

SideEnabling side_enabling(const SideState& state, bool per_layer, const SekkeiData& sekkei,
                           bool land) {
    SideEnabling e;
    const bool blocked = lateral_blocked(sekkei, land);
    const EmbedmentMethod method = embedment_method(sekkei);

    e.frame[0] = true;
    e.frame[kWeightFrame] = true;
    e.frame[kSoilFrame] = true;
    e.frame[kLateralFrame] = !blocked;
    e.frame[kLayerOptionFrame] = per_layer && !blocked;
    e.frame[kSideMethodFrame] = !per_layer && !blocked;

    for (int i = 0; i < 3; ++i) {
        e.box[i] = true;
        e.box_label[i] = true;
    }
    e.option[kSandOption] = true;
    e.option[kClayOption] = true;
    // Friction angle for sand, C0 and K for clay.
    e.box[3] = !state.clay;
    e.box_label[3] = !state.clay;
    e.box[4] = e.box[5] = state.clay;
    e.box_label[4] = e.box_label[5] = state.clay;

    // Layer options: the multi-layer C-type method reads Kc from the N-Kc
    // chart or directly; Chang's methods take Kh directly, from 1500 N or from
    // Yokoyama's chart.
    for (int k = 0; k < kLayerOptionCount; ++k) {
        bool on = e.frame[kLayerOptionFrame];
        const auto option = code_of_list_index<LayerKhOption>(k);
        if (method == EmbedmentMethod::CTypeMultiLayer) {
            if (option == LayerKhOption::LinearInN || option == LayerKhOption::ChartFirstLine)
                on = false;
        } else if (option == LayerKhOption::ChartThirdLine) {
            on = false;
        }
        e.option[kFirstLayerOption + k] = on;
        e.box[kFirstLayerBox + k] = on && state.layer_option == k;
    }
    // Side options: the C-type method has no rate of increase, the S-type
    // method no mean N value.
    for (int m = 0; m < kSideOptionCount; ++m) {
        bool on = e.frame[kSideMethodFrame];
        const auto option = code_of_list_index<SideResistanceOption>(m);
        if (method == EmbedmentMethod::CType && option == SideResistanceOption::STypeFromN)
            on = false;
        if (method == EmbedmentMethod::SType && option == SideResistanceOption::CTypeFromN)
            on = false;
        e.option[kFirstSideOption + m] = on;
        e.box[kFirstSideBox + m] = on && state.side_option == m;
    }
    return e;
}

SideEnabling empty_side_enabling() {
    SideEnabling e;
    e.frame[0] = true;
    return e;
}

} // namespace wtn::soil
