// The controls of one page of the soil-layer screen, their captions and their
// places in twips on the page frame, created in the order the focus moves.
#include "number_box.h"
#include "soil_side.h"

#include <string>

namespace wtn::soil {
namespace {

// The list, and its header of two rows of labels over the columns of the
// fixed-pitch lines.
constexpr ui::Rect kListRect{120, 480, 9720, 1680};
// From the list's left edge to its first text cell: frame and item margin.
constexpr int kListTextInset = 60;
constexpr int kHeaderTop[2] = {60, 270};
constexpr int kHeaderHeight = 210;

struct HeaderLabel {
    int index;
    int row; // 0 upper, 1 lower
    int first_cell;
    int end_cell;
    const char* caption;
    bool align_right;
};

// Cells of the columns: number 0-2, top 3-14, wet 15-26, saturated 27-38,
// friction angle 39-50, C0 51-62, K 63-74, N 75-86, constant 87-102. Each
// caption sits over the right end of its column, as the numbers do; one that
// is wider than its column takes room from a neighbour with a short caption.
constexpr HeaderLabel kHeader[kHeaderLabelCount] = {
    {0, 1, 0, 5, "Ｎｏ", false},
    {1, 0, 3, 15, "層上限の", true},
    {2, 1, 5, 15, "標高（m）", true},
    {3, 0, 15, 39, "単位体積重量（kN/m3）", true},
    {4, 1, 15, 27, "湿潤", true},
    {5, 1, 27, 39, "飽和", true},
    {6, 0, 39, 51, "内部摩擦角", true},
    {7, 1, 39, 49, "（度）", true},
    {8, 0, 51, 75, "粘着力 C=C0+KZ", true},
    {9, 1, 49, 63, "C0（kN/m2）", true},
    {10, 1, 63, 75, "K", true},
    {11, 1, 75, 87, "Ｎ値（回）", true},
    {12, 0, 75, 103, "Kc,Ks横抵抗定数、", true},
    {13, 1, 87, 103, "Kh地盤反力係数", true},
};

constexpr int kBoxWidth = 1215;
constexpr int kBoxHeight = 270;
constexpr int kOptionHeight = 300;

// Frame 0 "土質定数" below the list, and what it holds.
constexpr ui::Rect kConstantsRect{120, 2280, 11220, 3420};
constexpr ui::Rect kTopLabelRect{120, 240, 1800, 240};
constexpr ui::Rect kTopBoxRect{120, 510, kBoxWidth, kBoxHeight};
// Frames as wide as their captions need at the window's font.
constexpr ui::Rect kWeightRect{120, 960, 2475, 1260};
constexpr int kWeightLabelLeft = 120;
constexpr int kWeightLabelWidth = 600;
constexpr int kWeightBoxLeft = 780;
constexpr int kWeightRows[2] = {300, 720};
constexpr ui::Rect kSoilRect{2655, 240, 2580, 2040};
constexpr ui::Rect kSandRect{120, 270, 1140, kOptionHeight};
constexpr ui::Rect kClayRect{1380, 270, 1140, kOptionHeight};
constexpr int kSoilLabelLeft = 120;
constexpr int kSoilLabelWidth = 1200;
constexpr int kSoilBoxLeft = 1380;
constexpr int kSoilBoxWidth = 1095;
constexpr int kSoilRows[3] = {690, 1080, 1470};
// The lateral-resistance frames are as wide as their longest option caption
// ("直接入力(Kc：kN/m2.5 , Ks：kN/m3.5)") needs at the window's font.
constexpr ui::Rect kLateralRect{5295, 120, 5040, 3180};
constexpr ui::Rect kLayerOptionRect{120, 240, 4800, 1560};
constexpr ui::Rect kSideMethodRect{120, 1860, 4800, 1200};
constexpr int kOptionLeft = 120;
constexpr int kOptionWidth = 3720;
constexpr int kOptionTop = 270;
constexpr int kOptionStep = 300;
constexpr int kMethodBoxLeft = 3900;
constexpr int kMethodBoxWidth = 840;
constexpr int kButtonLeft = 10395;
constexpr int kButtonWidth = 720;
constexpr int kButtonHeight = 315;
constexpr int kButtonRows[kButtonCount] = {240, 660, 1080};

const char* const kBoxLabels[kBoxLabelCount] = {"層上限の標高（m）", "湿潤",        "飽和",
                                                "内部摩擦角",        "C0（kN/m2）", "K粘着勾配"};
const char* const kOptionCaptions[kOptionCount] = {
    "砂質土",
    "粘性土",
    "直接入力(Kh：kN/m3 , Kc：kN/m2.5)",
    "N値より計算(Kh=1500N)",
    "N値より計算（横山の図）",
    "N値より計算（N値とKcとの関係図）",
    "直接入力(Kc：kN/m2.5 , Ks：kN/m3.5)",
    "平均N値より計算",
    "N値の増加率より計算",
};
const char* const kFrameCaptions[kFrameCount] = {
    "土質定数",
    "単位体積重量（kN/m3）",
    "土質",
    "横抵抗定数、地盤反力係数",
    "ﾁｬﾝの方式、C型地盤（多層地盤）",
    "Ｃ型地盤、Ｓ型地盤",
};
const char* const kButtonCaptions[kButtonCount] = {"追加", "挿入", "削除"};

ui::Rect header_rect(const HeaderLabel& h) {
    return ui::Rect{ui::list_cell_left(kListRect.left, kListTextInset, h.first_cell),
                    kHeaderTop[h.row], (h.end_cell - h.first_cell) * ui::kListCellTwips,
                    kHeaderHeight};
}

} // namespace

void SoilSide::build(ui::Frame& page, ui::StatusBar& status) {
    build_header(page);
    lst = &page.add<ui::ListBox>(std::string("lst_gm") + names_.group, kListRect);
    lst->fixed_pitch = true;
    lst->font_size = ui::kListFontPoints;
    build_constants(page, status);
}

void SoilSide::build_header(ui::Frame& page) {
    const std::string name = std::string("lbl_gm") + names_.group;
    for (const HeaderLabel& h : kHeader) {
        ui::Label& label = page.add<ui::Label>(name, h.index, header_rect(h));
        label.set_caption(h.caption);
        label.align_right = h.align_right;
        lbl[h.index] = &label;
    }
}

void SoilSide::build_constants(ui::Frame& page, ui::StatusBar& status) {
    const std::string g = names_.group;
    const std::string lbl_name = "lbl_gm" + g;
    const std::string txt_name = "txt_gm" + g;
    const std::string opt_name = "opt_gm" + g;
    const std::string fra_name = "fra_gm" + g;
    auto label = [&](ui::Frame& in, int index, const ui::Rect& r) {
        lbl[index] = &in.add<ui::Label>(lbl_name, index, r);
        lbl[index]->set_caption(kBoxLabels[index - kFirstBoxLabel]);
    };
    auto box = [&](ui::Frame& in, int index, const ui::Rect& r) {
        txt[index] = &in.add<ui::TextBox>(txt_name, index, r);
        make_box(*txt[index], index, status);
    };
    auto option = [&](ui::Frame& in, int index, const ui::Rect& r) {
        opt[index] = &in.add<ui::OptionButton>(opt_name, index, r);
        opt[index]->set_caption(kOptionCaptions[index]);
        opt[index]->on_click = [this, index] { opt_click(index); };
    };
    auto frame = [&](ui::Frame& in, int index, const ui::Rect& r) -> ui::Frame& {
        fra[index] = &in.add<ui::Frame>(fra_name, index, r);
        fra[index]->set_caption(kFrameCaptions[index]);
        return *fra[index];
    };

    ui::Frame& constants = frame(page, 0, kConstantsRect);
    label(constants, 16, kTopLabelRect);
    box(constants, 0, kTopBoxRect);

    ui::Frame& weights = frame(constants, kWeightFrame, kWeightRect);
    for (int i = 0; i < 2; ++i) {
        label(weights, 17 + i,
              ui::Rect{kWeightLabelLeft, kWeightRows[i], kWeightLabelWidth, kBoxHeight});
        box(weights, 1 + i, ui::Rect{kWeightBoxLeft, kWeightRows[i], kBoxWidth, kBoxHeight});
    }

    ui::Frame& soil = frame(constants, kSoilFrame, kSoilRect);
    for (int i = 0; i < 3; ++i) {
        label(soil, 19 + i, ui::Rect{kSoilLabelLeft, kSoilRows[i], kSoilLabelWidth, kBoxHeight});
        box(soil, 3 + i, ui::Rect{kSoilBoxLeft, kSoilRows[i], kSoilBoxWidth, kBoxHeight});
    }
    option(soil, kSandOption, kSandRect);
    option(soil, kClayOption, kClayRect);

    // Each option of a method with the box of its value beside it.
    auto method_rows = [&](ui::Frame& in, int first_option, int first_box, int count) {
        for (int k = 0; k < count; ++k) {
            const int top = kOptionTop + k * kOptionStep;
            option(in, first_option + k, ui::Rect{kOptionLeft, top, kOptionWidth, kOptionHeight});
            box(in, first_box + k, ui::Rect{kMethodBoxLeft, top, kMethodBoxWidth, kBoxHeight});
        }
    };
    ui::Frame& lateral = frame(constants, kLateralFrame, kLateralRect);
    method_rows(frame(lateral, kLayerOptionFrame, kLayerOptionRect), kFirstLayerOption,
                kFirstLayerBox, kLayerOptionCount);
    method_rows(frame(lateral, kSideMethodFrame, kSideMethodRect), kFirstSideOption, kFirstSideBox,
                kSideOptionCount);

    for (int i = 0; i < kButtonCount; ++i) {
        cmd[i] = &constants.add<ui::CommandButton>(
            "cmd_gm" + g, i, ui::Rect{kButtonLeft, kButtonRows[i], kButtonWidth, kButtonHeight});
        cmd[i]->set_caption(kButtonCaptions[i]);
        cmd[i]->on_click = [this, i] { cmd_click(i); };
    }
}

void SoilSide::make_box(ui::TextBox& box, int index, ui::StatusBar& status) {
    const bool n_box = index >= kFirstLayerBox + 1 && index < kFirstSideBox;
    // Leaving one of the land side's one-decimal boxes of a layer's soil or
    // N value clears the status bar, where the N-value hint may stand.
    const bool clears_status = names_.land && (index == 3 || index == 11);
    box.on_change = [this, index] { txt_change(index); };
    box.on_lost_focus = [this, clears_status] {
        if (clears_status) status_.set_panel_text(1, "");
        ev_sw = true;
    };
    ui::NumberBoxStyle style;
    style.mask = kBoxMasks[index];
    style.source = ui::MaskSource::TextAsTyped;
    style.event_switch = &ev_sw;
    if (names_.land && n_box) {
        style.status = &status;
        style.hint = kNValueHint;
    }
    ui::make_number_box(box, style);
}

} // namespace wtn::soil
