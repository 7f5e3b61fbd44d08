#include "code_table.h"
#include "cp932_codec.h"
#include "input_file.h"
#include "input_file_writer.h"
#include "program_folder.h"
#include "wall_codes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace wtn {
namespace {

// One code of the calculation input: a file value with the label the pages
// print for it, and a value outside its table.
struct CodeCase {
    const char* item;
    int file_value;
    const char* label; // UTF-8
    int outside;
    bool (*listed)(int);
    std::string (*printed)(int);
    int (*kept)(int);
};

template <class Code>
CodeCase code_case(const char* item, int file_value, const char* label, int outside) {
    return {item,
            file_value,
            label,
            outside,
            [](int v) { return is_listed(from_file_value<Code>(v)); },
            [](int v) { return printed_label(from_file_value<Code>(v)); },
            [](int v) { return to_file_value(from_file_value<Code>(v)); }};
}

TEST(CodeTables, FileValuesGiveTheirPrintedLabelsAndOutsideValuesKeepTheirNumber) {
    const CodeCase cases[] = {
        code_case<DesignStandard>("swdat 1", 2, "漁港基準", 4),
        code_case<EmbedmentMethod>("swdat 2", 5, "Ｓ型地盤", 0),
        code_case<YesNo>("swdat 3", 1, "○", 0),
        code_case<CompletedCases>("swdat 6", 3, "常時・地震時共に検討", 4),
        code_case<GroundShape>("swdat 7", 2, "任意形状", 3),
        code_case<SurchargeMode>("swdat 8", 2, "各土層毎に計算した荷重", 0),
        code_case<LevelSeismicRule>("swdat 10", 1, "上側空中震度・下側見かけの震度", 3),
        code_case<ClaySeismicFormula>("swdat 11", 2, "１式のみで計算", 0),
        code_case<EarthPressureMethod>("swdat 12", 1, "直線補間をかける", 3),
        code_case<Studies>("swdat 13", 2, "施工時のみ検討", 4),
        code_case<WaveFormula>("wavsw 1", 2, "黒田式／広井式（森平式）", 3),
        code_case<DissipatingWorks>("wavsw 2", 1, "消波工あり", 0),
        code_case<ResidualLevelRule>("joken 3", 0, "直接入力", 3),
        code_case<PileType>("joken 16", 5, "ＰＣ矢板(塩害対策用)", 8),
        code_case<USection>("joken 17", 3, "広幅型", 0),
        code_case<SteelGrade>("joken 18", 2, "SY390", 3),
        code_case<LateralResistanceMethod>("neire 1", 1, "Ｎ値から計算", 3),
        code_case<SeismicCoefficientRule>("neire 5", 1, "設計震度を係数から計算", 2),
        code_case<ApparentSeismicRule>("neire 10", 2, "二建の提案式で計算", 4),
        code_case<ClayNormalFormula>("nir_t 5", 0, "２式の比較", 2),
        code_case<OkabeWhenNegative>("nir_t 6", 1, "岡部の式で計算", 2),
        code_case<CorrosionRange>("fsyok 13", 1, "海底泥層中のみ検討", 2),
        code_case<LayerKhOption>("sdatu 8", 2, "N値より計算(Kh=1500N)", 5),
        code_case<BreakingInfluence>("hhwl_ 1", 2, "○", 3),
        code_case<WaveLengthMethod>("hhwl_ 4", 1, "計  算", 0),
        code_case<WaveDepthRule>("wlvl_ 1", 2, "ｄ位置の水深を使用", 0),
        code_case<BreakerDepthRule>("wlvl_ 5", 1, "自動計算", 3),
        code_case<StaticWater>("wav_t 1", 1, "考慮する", 2),
        code_case<PileTipCondition>("TVNCSTM 11", 3, "杭先端固定", 0),
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_TRUE(c.listed(c.file_value));
        EXPECT_EQ(c.printed(c.file_value), utf8_to_cp932(c.label));
        EXPECT_EQ(c.kept(c.file_value), c.file_value);
        EXPECT_FALSE(c.listed(c.outside));
        EXPECT_EQ(c.printed(c.outside), "");
        EXPECT_EQ(c.kept(c.outside), c.outside);
    }
}

TEST(CodeTables, ScreenListIndicesCountFromTheFirstEntry) {
    EXPECT_EQ(code_of_list_index<PileType>(6), PileType::PcOfFreeChoice);
    EXPECT_EQ(list_index_of(PileType::U), 0);
    EXPECT_EQ(code_of_list_index<ApparentSeismicRule>(3), ApparentSeismicRule::AraiYokoi);
    // The Kuroda / Hiroi row's 0 lies before the Goda list.
    EXPECT_EQ(code_of_list_index<BreakingInfluence>(0), BreakingInfluence::NotInfluenced);
    EXPECT_EQ(list_index_of(BreakingInfluence::KurodaHiroiRow), -1);
    // An index beyond the list stays a value outside it.
    EXPECT_FALSE(is_listed(code_of_list_index<YesNo>(2)));
}

std::string read_whole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Values outside a table cross the reader and the writer unchanged, except
// the two switches the reader holds as their first entry.
TEST(CodeTables, OutsideValuesSurviveReadingAndWriting) {
    test::ProgramFolder folder(false);
    folder.write("CAL_FILE.DAT", "swdat,7,9,3,1,2,4,5,6,111,3,4,5,8,3\r\n"
                                 "joken,0,0,5,0,0,0,0,0,0,0,0,0,0,0,0,9,4,3\r\n"
                                 "sdatu,0,0,0,0,0,0,0,6,0,0\r\n");
    InputRecord in;
    reset_input_counters(in);
    set_input_defaults(in);
    read_input(in, folder.file("CAL_FILE.DAT"));
    EXPECT_FALSE(is_listed(in.swdat.design_standard));
    EXPECT_EQ(in.swdat.studies, Studies::CompletedOnly);
    EXPECT_EQ(in.swdat.lwl_seismic, LevelSeismicRule::AirAboveApparentBelow);
    ASSERT_EQ(write_input(in, folder.file("OUT")), 0);
    const std::string written = read_whole(folder.file("OUT.CAL"));
    EXPECT_NE(written.find("swdat,7,9,3,1,2,4,5,6,111,3,4,5,1,1\r\n"), std::string::npos)
        << written;
    EXPECT_NE(written.find(",9,4,3\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("sdatu,0.00,0.000,-10.000,0.000,0.0,0.000,0.000,6,"), std::string::npos)
        << written;
}

} // namespace
} // namespace wtn
