#include "candidate_table.h"

#include "cp932_codec.h"
#include "csv_line.h"
#include "error_messages.h"
#include "file_io.h"
#include "format_values.h"
#include "pile_catalogue.h"
#include "steel_pipe_section.h"
#include "text_lines.h"
#include "wall_codes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace wtn {

namespace {

constexpr int kOkYaitaLines = 10;

// A value written as "inf" or "nan" (or beyond a double) in OK_YAITA.DAT
// would carry on into every construction-stage result.
bool decided_values_finite(const Candidate& c) {
    const CandidateRecord& r = c.record;
    std::vector<double> values = {c.depth_value,      r.table_min_modulus,    r.table_max_allowance,
                                  r.allowable_moment, r.pipe_effective_width, r.pipe_inertia,
                                  r.pipe_modulus};
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        for (double v : {r.modulus[s], r.modulus_before_cut[s], r.inertia[s], r.rigidity[s],
                         r.reduction_ratio[s]})
            values.push_back(v);
    }
    values.insert(values.end(), c.corrosion_table.begin(), c.corrosion_table.end());
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

std::string fitted_name(const std::string& name) {
    return name.substr(0, cp932_fit(name, kCandidateNameBytes));
}

// A row of the table before corrosion: ratio 1.0 and EI from I0.
Candidate candidate_row(int id, const std::string& name, double z0, double i0, double young) {
    Candidate c;
    c.record.id = id;
    c.record.name = fitted_name(name);
    c.record.modulus[0] = z0;
    c.record.inertia[0] = i0;
    c.record.rigidity[0] = flexural_rigidity(young, i0);
    c.record.reduction_ratio[0] = 1.0;
    return c;
}

// Every installed catalogue is named alike in this program's messages.
constexpr const char* kCatalogueFileKind = "矢板データファイル";

void take_steel_table(const CataloguePile& pile, Candidate& c) {
    c.corrosion_table = pile.corrosion_table;
    c.depth_value = pile.depth_value;
    c.record.table_min_modulus = pile.table_min_modulus;
    c.record.table_max_allowance = pile.table_max_allowance;
}

void steel_catalogue(StabilityRun& run, const std::string& name) {
    const double young = run.results.design_values.young_modulus;
    for (const CataloguePile& pile :
         read_installed_piles(name, kCatalogueFileKind, kSteelCatalogueLayout)) {
        const PileRecord& p = pile.pile;
        Candidate c = candidate_row(p.id, p.name, p.modulus, p.inertia, young);
        take_steel_table(pile, c);
        run.candidates.push_back(c);
    }
}

void pc_catalogue(StabilityRun& run, const std::string& name) {
    const double young = run.results.design_values.young_modulus;
    for (const CataloguePile& pile :
         read_installed_piles(name, kCatalogueFileKind, kPcCatalogueLayout)) {
        const PileRecord& p = pile.pile;
        Candidate c = candidate_row(p.id, p.name, p.modulus, p.inertia, young);
        c.record.allowable_moment = p.moment;
        run.candidates.push_back(c);
    }
}

// The user's choice in ascending order of key: each pile goes before the
// first row whose key is greater or equal, so of two equal piles the one read
// later comes first.
void user_choice(StabilityRun& run, bool pc) {
    const InputRecord& input = run.input;
    if (input.catalogue_piles.count + input.added_piles.count == 0) {
        stop_with_error(pc ? "PC矢板任意指定－PC矢板が選択されていません."
                           : "矢板任意指定－矢板が選択されていません.");
    }
    PileTable piles = pc ? read_pc_piles(input) : read_steel_piles(input);
    read_added_piles(input, pc ? kAddedPc : kAddedSteel, piles);
    const double young = run.results.design_values.young_modulus;
    const auto key = [pc](const Candidate& c) {
        return pc ? c.record.allowable_moment : c.record.modulus[0];
    };
    for (const PileRecord& p : piles) {
        Candidate c = candidate_row(p.id, p.name, p.modulus, p.inertia, young);
        c.record.added = p.added;
        if (pc) c.record.allowable_moment = p.moment;
        if (!pc && p.added == kInstalledCatalogue) lookup_catalogue_pile(p.id, c);
        const auto at = std::find_if(run.candidates.begin(), run.candidates.end(),
                                     [&](const Candidate& row) { return key(row) >= key(c); });
        run.candidates.insert(at, c);
    }
}

void steel_pipes(StabilityRun& run) {
    const InputRecord& input = run.input;
    if (input.steel_pipe_count == 0) stop_with_error("鋼管指定－鋼管矢板が登録されていません.");
    const double young = run.results.design_values.young_modulus;
    for (int i = 0; i < input.steel_pipe_count; ++i) {
        const SteelPipeRow& p = input.steel_pipes[static_cast<std::size_t>(i)];
        const PipeSection per_pile =
            steel_pipe_section(false, p.diameter, p.thickness, 0.0, 0.0, p.joint, young);
        const PipeSection per_metre =
            steel_pipe_section(true, p.diameter, p.thickness, 0.0, 0.0, p.joint, young);
        const std::string name = format_text("φ%6.1lf x t%4.1lf %s", p.diameter, p.thickness,
                                             pipe_joint_label(p.joint).c_str());
        Candidate c =
            candidate_row(kSteelPipeId, name, per_metre.modulus, per_metre.inertia, young);
        c.record.pipe_effective_width = per_metre.width;
        c.record.pipe_inertia = per_pile.inertia;
        c.record.pipe_modulus = per_pile.modulus;
        c.has_pipe_dimensions = true;
        c.pipe = p;
        run.candidates.push_back(c);
    }
}

std::string u_type_catalogue(USection variant) {
    if (variant == USection::Improved) return steel_catalogue_name(2);
    if (variant == USection::General) return steel_catalogue_name(1);
    return steel_catalogue_name(4);
}

} // namespace

bool lookup_catalogue_pile(int id, Candidate& candidate) {
    for (int number = 1; number <= kSteelCatalogueCount; ++number) {
        for (const CataloguePile& pile : read_installed_piles(
                 steel_catalogue_name(number), kCatalogueFileKind, kSteelCatalogueLayout)) {
            if (pile.pile.id != id) continue;
            take_steel_table(pile, candidate);
            return true;
        }
    }
    return false;
}

void build_candidate_table(StabilityRun& run) {
    run.candidates.clear();
    switch (run.input.joken.pile_type) {
    case PileType::U:
        steel_catalogue(run, u_type_catalogue(run.input.joken.u_variant));
        break;
    case PileType::Z:
        steel_catalogue(run, steel_catalogue_name(3));
        break;
    case PileType::SteelOfFreeChoice:
        user_choice(run, false);
        break;
    case PileType::SteelPipe:
        steel_pipes(run);
        break;
    case PileType::PcSalt:
        pc_catalogue(run, pc_catalogue_name(1));
        break;
    case PileType::Pc:
        pc_catalogue(run, pc_catalogue_name(2));
        break;
    case PileType::PcOfFreeChoice:
        user_choice(run, true);
        break;
    }
    // Without a pile the run would write its results from cleared records:
    // every check "OK" for a pile without a name.
    if (run.candidates.empty()) stop_with_error(ErrorCode::NoPileChosen);
}

void read_ok_yaita(StabilityRun& run) {
    CFile file = open_file(kDecidedPileFile, "rt");
    if (!file) stop_with_error(ErrorCode::OkYaitaOpen);
    LineReader reader(file.get());
    std::vector<CsvLine> lines;
    std::string text;
    while (static_cast<int>(lines.size()) < kOkYaitaLines && reader.next(text)) {
        CsvLine line;
        split_csv_line(text, line);
        lines.push_back(line);
    }
    if (static_cast<int>(lines.size()) < kOkYaitaLines) {
        stop_with_error(std::string("(ERROR)-決定矢板ファイル(") + kDecidedPileFile +
                        ")が途中で終わっています.");
    }
    Candidate c;
    CandidateRecord& r = c.record;
    r.id = lines[0].integer(0);
    r.name = fitted_name(lines[1].text(0));
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        const CsvLine& l = lines[2 + s];
        r.modulus[s] = l.real(0);
        r.modulus_before_cut[s] = l.real(1);
        r.inertia[s] = l.real(2);
        r.rigidity[s] = l.real(3);
        r.reduction_ratio[s] = l.real(4);
    }
    for (std::size_t i = 0; i < kCorrosionTablePoints; ++i)
        c.corrosion_table[i] = lines[5].real(i);
    c.depth_value = lines[6].real(0);
    r.table_min_modulus = lines[6].real(1);
    r.table_max_allowance = lines[6].real(2);
    r.allowable_moment = lines[7].real(0);
    r.pipe_effective_width = lines[8].real(0);
    r.pipe_inertia = lines[8].real(1);
    r.pipe_modulus = lines[8].real(2);
    r.added = lines[9].integer(0);
    if (!decided_values_finite(c)) {
        stop_with_error(std::string("(ERROR)-決定矢板ファイル(") + kDecidedPileFile +
                        ")に数値でない値があります.");
    }
    run.candidates.assign(1, c);
}

void write_ok_yaita(StabilityRun& run, int k) {
    const Candidate& c = run.candidates[static_cast<std::size_t>(k)];
    const CandidateRecord& r = c.record;
    DecidedPile& d = run.results.decided;
    d.id = r.id;
    d.name = r.name;
    d.modulus = r.modulus;
    d.modulus_before_cut = r.modulus_before_cut;
    d.inertia = r.inertia;
    d.rigidity = r.rigidity;
    d.reduction_ratio = r.reduction_ratio;
    d.corrosion_table = c.corrosion_table;
    d.table_min_modulus = r.table_min_modulus;
    d.table_max_allowance = r.table_max_allowance;
    d.allowable_moment = r.allowable_moment;
    d.pipe_effective_width = r.pipe_effective_width;
    d.pipe_inertia = r.pipe_inertia;
    d.pipe_modulus = r.pipe_modulus;
    d.inertia_beta = run.section.inertia_beta;
    d.rigidity_beta = run.section.rigidity_beta;
    d.inertia_embed = run.section.inertia_embed;
    d.rigidity_embed = run.section.rigidity_embed;
    d.stress_modulus = run.section.stress_modulus;
    d.added = r.added;

    CFile file = open_file(kDecidedPileFile, "wt");
    if (!file) {
        stop_with_error(std::string("(ERROR)-決定矢板ファイル(") + kDecidedPileFile +
                        ")が作成できません.");
    }
    std::FILE* f = file.get();
    write_values_line(f, "%d", r.id);
    write_values_line(f, "%s", quoted_csv_text(r.name).c_str());
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        write_values_line(f, "%lf,%lf,%lf,%lf,%lf", r.modulus[s], r.modulus_before_cut[s],
                          r.inertia[s], r.rigidity[s], r.reduction_ratio[s]);
    }
    const auto& q = c.corrosion_table;
    write_values_line(f, "%lf,%lf,%lf,%lf,%lf", q[0], q[1], q[2], q[3], q[4]);
    write_values_line(f, "%lf,%lf,%lf", c.depth_value, r.table_min_modulus, r.table_max_allowance);
    write_values_line(f, "%lf", r.allowable_moment);
    write_values_line(f, "%lf,%lf,%lf", r.pipe_effective_width, r.pipe_inertia, r.pipe_modulus);
    write_values_line(f, "%d", r.added);
    close_written_or_stop(file, kDecidedPileFile);
}

} // namespace wtn
