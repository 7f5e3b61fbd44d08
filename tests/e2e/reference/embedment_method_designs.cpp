// The reference sections of the embedment methods for C-type and S-type
// ground: the sections of reference_designs.cpp with the lateral resistance
// growing with the square root of the deflection. Their key results are
// worked out by embedment_methods.py beside this file.
#include "reference_designs.h"

#include <string>

namespace wtn::test {
namespace {

// A section of the list filled by its own function, as the base of one
// below.
void fill_as(const std::string& file, DesignData& d) {
    for (const ReferenceExample& e : reference_examples()) {
        if (e.file == file) e.fill(d);
    }
}

// The side's lateral-resistance constant given directly (Kc in kN/m2.5 or
// Ks in kN/m3.5), as typed into the frame "Ｃ型地盤、Ｓ型地盤".
DosouHohoRec given_constant(double k) {
    DosouHohoRec h;
    h.hoho_sw = 0;
    h.hoho_k[0] = k;
    return h;
}

} // namespace

// Uniform sand by the C-type method: p = Kc sqrt(y), Kc 2000 kN/m2.5 on the
// sea side (about the reaction of kh 20000 kN/m3 at 1 cm of deflection).
void ctype_sand(DesignData& d) {
    fill_as("uniform_sand.tn2", d);
    d.data_title = "砂質地盤　Ｃ型地盤";
    d.sekkei_dat.neire_sw = 2;
    d.dosou_dat.dosou_hoho[1] = given_constant(2000.0);
}

// Uniform sand by the S-type method: p = Ks x sqrt(y), Ks 1000 kN/m3.5 on
// the sea side (x the depth below the virtual seabed).
void stype_sand(DesignData& d) {
    fill_as("uniform_sand.tn2", d);
    d.data_title = "砂質地盤　Ｓ型地盤";
    d.sekkei_dat.neire_sw = 4;
    d.dosou_dat.dosou_hoho[1] = given_constant(1000.0);
}

// Sand over clay by the C-type method for multi-layer ground: the embedded
// part down to the given tip -15.00 as a beam on square-root springs, Kc
// 2000 kN/m2.5 in the sand and 500 kN/m2.5 in the clay, free at the tip.
void ctype_sand_over_clay_layered(DesignData& d) {
    fill_as("sand_over_clay.tn2", d);
    d.data_title = "砂層の下に粘土層　Ｃ型地盤（多層地盤）";
    d.sekkei_dat.neire_sw = 3;
    d.dosou_dat.dosou_umi[0].kh_val[0] = 2000.0;
    d.dosou_dat.dosou_umi[1].kh_val[0] = 500.0;
}

} // namespace wtn::test
