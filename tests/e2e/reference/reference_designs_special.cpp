// Reference sections with the special loads: the dynamic water pressure of
// an earthquake, the Kuroda / Hiroi (Morihira) wave pressures of the
// construction stage, and an embankment with fills and surcharge zones.
// Their key results are worked out by reference_special_loads.py.
#include "reference_designs.h"

namespace wtn::test {
namespace {

// A section of the first reference set, by its project file, as the base of
// these.
void fill_as(DesignData& d, const std::string& file) {
    for (const ReferenceExample& example : reference_examples())
        if (example.file == file) example.fill(d);
}

} // namespace

// The seismic section with the apparent seismic coefficient by the
// Arai-Yokoi proposal (computed per layer from the overburden) and
// Westergaard's dynamic water pressure on the sea side.
void seismic_dynamic_water(DesignData& d) {
    fill_as(d, "seismic_sand.tn2");
    d.data_title = "砂質地盤　地震時　動水圧";
    d.kanseiji_dat.mikake_sw = 3;
    d.kanseiji_dat.dynwater_sw = 1;
}

// Both studies of the seismic section, the construction stage under the
// Kuroda / Hiroi (Morihira) formulas at the H.W.L. and the L.W.L.: H1/3 and
// the design wave height 1.5 m, T 6 s, normal incidence, no wave-dissipating
// works, the toe, the lower limit of the pressure and the ground in front of
// the wall at the seabed -2.50. The wave stands at the H.W.L. (2 H1/3 = 3.0
// below d = 4.0) and breaks at the L.W.L. (d = 2.5).
void kuroda_hiroi_waves(DesignData& d) {
    fill_as(d, "both_studies.tn2");
    d.data_title = "砂質地盤　施工時　黒田・広井式";
    SekoujiData& w = d.sekouji_dat;
    w.wave_sw = 1;
    w.goda_tbl = {};
    w.kuroda_tbl = {};
    w.kuroda_tbl[1] = WaveRec{0, 0, 1.5, 1.5, 6.0, 0.0, 0.0};
    w.kuroda_tbl[2] = WaveRec{0, 0, 1.5, 1.5, 6.0, 0.0, 0.0};
}

// The seismic section behind an embankment: a fill (wet 18, saturated
// 20 kN/m3) from the ground-surface crown +2.50 up to +3.00, its face at the
// wall (ground points (0, 2.50), (0, 3.00), (40, 3.00)), and two surcharge
// zones on it: 0 to 2 m 10 kN/m2 (5 in an earthquake) and 3 to 30 m
// 20 kN/m2 (10). Every layer takes the equivalent surcharge of the trial
// wedge from the design seabed.
void embankment_fill(DesignData& d) {
    fill_as(d, "seismic_sand.tn2");
    d.data_title = "砂質地盤　盛土・上載荷重";
    d.kanseiji_dat.shape_sw = 1;
    d.kanseiji_dat.load_sw = 0;
    TihyouData& t = d.tihyou_dat;
    t.seabed_ang = 0.0;
    t.tikei_tbl = {};
    t.tikei_tbl[0] = TikeiPoint{0.0, 2.5};
    t.tikei_tbl[1] = TikeiPoint{0.0, 3.0};
    t.tikei_tbl[2] = TikeiPoint{40.0, 3.0};
    t.morid_tbl = {};
    t.morid_tbl[0] = MoridRow{3.0, 18.0, 20.0};
    t.josai_tbl = {};
    t.josai_tbl[0] = JosaiRow{0.0, 2.0, 10.0, 5.0};
    t.josai_tbl[1] = JosaiRow{3.0, 30.0, 20.0, 10.0};
}

} // namespace wtn::test
