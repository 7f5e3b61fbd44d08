// A wall section with every screen group filled, in SI units, shared by the
// tests of the files: a sand and a clay layer on the land side, one sand
// layer on the sea side, Goda waves at two tide levels, free-choice steel
// piles, a steel-pipe row, two surcharge zones and one force per case.
#pragma once

#include "design_data.h"

namespace wtn::test {

inline DesignData sample_design() {
    DesignData d;
    d.data_title = "岸壁改良設計　第１工区";
    SekkeiData& s = d.sekkei_dat;
    s.std_sw = DesignStandard::Port;
    s.neire_sw = EmbedmentMethod::Chang;
    s.kanseiji_sw = CheckBox::Checked;
    s.sekouji_sw = CheckBox::Checked;
    s.stress_sw = YesNo::Yes;
    s.disp_sw = YesNo::Yes;
    s.zevove_sw = YesNo::No;
    s.water_w = 10.1;
    s.delta_jyo = {15.0, -15.0, 0.0};
    s.delta_jis = {15.0, -15.0, 0.0};
    s.tide_lvl = {2.5, 2.0, 0.0, 1.2, 1.25, 0.0};
    s.tide_name = "任意潮位";
    s.rwl_sw = ResidualLevelRule::TwoThirdsOfRange;
    s.crown_jobu = 3.0;
    s.crown_yaita = 2.8;
    s.seabed_kansei = -7.5;
    s.seabed_sekou = -7.0;
    s.cohesion_lvl = -10.0;
    s.embed_lvl = -20.0;
    s.bottom_lvl = -25.0;

    KanseijiData& k = d.kanseiji_dat;
    k.jyo_sw = CheckBox::Checked;
    k.jis_sw = CheckBox::Checked;
    k.sindo_sw = SeismicCoefficientRule::ProductOfFactors;
    k.sindo_factor = {0.15, 1.0, 1.2, 0.0};
    k.mikake_sw = ApparentSeismicRule::GeneralFormula;
    k.dynwater_sw = YesNo::Yes;
    k.okabe_sw = OkabeWhenNegative::On;

    SekoujiData& w = d.sekouji_dat;
    w.wave_sw = WaveFormula::Goda;
    w.dissip_sw = DissipatingWorks::Absent;
    w.tide_kentou_sw = {CheckBox::Checked, CheckBox::Checked, CheckBox::Clear, CheckBox::Clear,
                        CheckBox::Clear};
    w.tide_sakuzu_sw = {CheckBox::Checked, CheckBox::Clear, CheckBox::Clear, CheckBox::Clear,
                        CheckBox::Clear};
    w.lambda1 = 1.0;
    w.lambda2 = 1.0;
    w.d_lvl = -8.0;
    w.h2_lvl = -8.0;
    w.h_lvl = -7.5;
    w.slope_x = 50.0;
    w.hb_sw = BreakerDepthRule::Given;
    w.hb_lvl = {-7.6, -7.7, 0.0, 0.0, 0.0};
    w.static_sw = StaticWater::On;
    w.goda_tbl[0] = WaveRec{
        BreakingInfluence::NotInfluenced, WaveLengthMethod::Computed, 2.35, 4.23, 8.0, 0.0, 0.0};
    w.goda_tbl[1] =
        WaveRec{BreakingInfluence::Influenced, WaveLengthMethod::Given, 2.0, 3.6, 7.0, 60.0, 15.0};
    w.kuroda_tbl[0] =
        WaveRec{BreakingInfluence::Influenced, WaveLengthMethod::Given, 1.5, 2.7, 6.0, 50.0, 0.0};

    YaitaData& y = d.yaita_dat;
    y.yaita_kind = PileType::SteelOfFreeChoice;
    y.u_kind = USection::General;
    y.young_e = 200.0;
    y.disp_allow = {5.0, 7.5, 10.0, 0.0};
    y.stress_allow = {180.0, 270.0, 180.0, 0.0};
    y.second_sw = YesNo::No;
    y.alpha_sw = CheckBox::Checked;
    y.joint_alpha = {1.0, 1.0, 1.0};
    y.yaita_sel[0] = {11, 101};
    y.yaita_sel[1] = {12, 0};
    y.yaita_sel[2] = {13, 0};
    y.kokan_tbl[0] = KokanRec{1000.0, 12.0, PipeJoint::GivenSpacing, 25.0};
    y.kokan_tbl[1] = KokanRec{800.0, 10.0, PipeJoint::PT, 0.0};
    y.pcyaita_sel[0] = {201, 0};
    y.fsyok_dat.range_sw = CorrosionRange::SeaWaterAndMud;
    y.fsyok_dat.sea_rate = {0.3, 0.1, 0.1, 0.03, 0.0};
    y.fsyok_dat.land_rate = {0.03, 0.02, 0.02, 0.0};
    y.fsyok_dat.service_life = 50.0;
    y.fsyok_dat.reduction = {60, 100, 0};

    TihyouData& t = d.tihyou_dat;
    t.surcharge_q = {10.0, 5.0, 0.0};
    t.josai_tbl[0] = JosaiRow{0.0, 5.0, 10.0, 5.0};
    t.josai_tbl[1] = JosaiRow{5.0, 10.0, 20.0, 10.0};
    t.morid_tbl[0] = MoridRow{3.0, 18.0, 20.0};
    t.tikei_tbl[0] = TikeiPoint{0.0, 3.0};
    t.tikei_tbl[1] = TikeiPoint{10.0, 3.5};

    DosouRec sand;
    sand.top_lvl = 3.0;
    sand.unit_w = {18.0, 20.0, 0.0};
    sand.soil_sw = SoilKind::Sand;
    sand.soil_val = {30.0, 0.0, 0.0, 0.0};
    sand.kh_sw = LayerKhOption::LinearInN;
    sand.n_val[1] = 12.3;
    sand.kh_val[1] = 18450.0;
    DosouRec clay;
    clay.top_lvl = -10.0;
    clay.unit_w = {16.0, 16.0, 0.0};
    clay.soil_sw = SoilKind::Clay;
    clay.soil_val = {0.0, 20.0, 2.0, 0.0};
    clay.kh_sw = LayerKhOption::Given;
    clay.kh_val[0] = 5000.0;
    DosouRec sea = sand;
    sea.top_lvl = -7.5;
    sea.kh_sw = LayerKhOption::ChartFirstLine;
    sea.n_val[2] = 10.0;
    d.dosou_dat.dosou_riku[0] = sand;
    d.dosou_dat.dosou_riku[1] = clay;
    d.dosou_dat.dosou_umi[0] = sea;
    d.dosou_dat.dosou_hoho[0].hoho_sw = SideResistanceOption::CTypeFromN;
    d.dosou_dat.dosou_hoho[0].hoho_n[1] = 10.0;
    d.dosou_dat.dosou_hoho[1].hoho_sw = SideResistanceOption::Given;
    d.dosou_dat.dosou_hoho[1].hoho_k[0] = 3000.0;

    d.gairyoku_dat.gairyoku_jyo[0] = GairyokuRec{"係船柱", ForceSide::Passive, 12.5, 3.0};
    d.gairyoku_dat.gairyoku_jis[0] = GairyokuRec{"地震時の外力", ForceSide::Active, 20.0, 2.0};
    d.caldt_vals = {12.5, 20.0};
    d.custom_tbl.sindo_round_sw = from_file_value<SeismicRounding>(0);
    return d;
}

} // namespace wtn::test
