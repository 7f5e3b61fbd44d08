#include "embedment_methods.h"

#include "chang.h"
#include "error_messages.h"
#include "input_codes.h"

#include <string>

namespace wtn {

namespace {

bool known_method(int method) {
    return method >= static_cast<int>(EmbedmentMethod::chang) &&
           method <= static_cast<int>(EmbedmentMethod::s_type);
}

} // namespace

const char* embedment_method_name(int method) {
    if (!known_method(method)) return "";
    switch (embedment_method(method)) {
    case EmbedmentMethod::chang:
        return "チャンの方式";
    case EmbedmentMethod::chang_matrix:
        return "チャンの方式(多層地盤)";
    case EmbedmentMethod::c_type:
        return "Ｃ型地盤";
    case EmbedmentMethod::c_type_matrix:
        return "Ｃ型地盤(多層地盤)";
    case EmbedmentMethod::s_type:
        return "Ｓ型地盤";
    }
    return "";
}

void check_embedment_method(int method) {
    if (!known_method(method)) {
        stop_with_error(-1, "(ERROR)-根入れ長の計算方法(" + std::to_string(method) +
                                ")は 1 から 5 のいずれかにして下さい.");
    }
    if (embedment_method(method) != EmbedmentMethod::chang) {
        stop_with_error(-1, std::string("(ERROR)-根入れ長の計算方法「") +
                                embedment_method_name(method) +
                                "」はこのプログラムではまだ計算できません.");
    }
}

void allocate_case_areas(StabilityRun& run, int j) {
    const int method = run.input.swdat.embedment_method;
    const CaseAreaSizes sizes = case_area_sizes(run.input, run.custom, run.force_case, j, method);
    alloc_method_area(run.results.areas, sizes, method);
}

void solve_case(StabilityRun& run, int j) {
    switch (embedment_method(run.input.swdat.embedment_method)) {
    case EmbedmentMethod::chang:
        solve_chang(run, j);
        return;
    case EmbedmentMethod::chang_matrix:
    case EmbedmentMethod::c_type:
    case EmbedmentMethod::c_type_matrix:
    case EmbedmentMethod::s_type:
        break;
    }
    check_embedment_method(run.input.swdat.embedment_method);
}

void release_case_areas(StabilityRun& run) {
    free_method_area(run.results.areas, run.input.swdat.embedment_method);
}

} // namespace wtn
