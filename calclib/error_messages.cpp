#include "error_messages.h"

#include "message_box.h"
#include "program_stop.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

namespace wtn {

namespace {

template <class Code> struct Message {
    Code code;
    const char* text;
};

constexpr std::array<Message<ErrorCode>, kErrorMessageCount> kErrorMessages = {{
    {ErrorCode::NoDataFile, "(ERROR)-データファイルが選択されていません.\n"},
    {ErrorCode::NeireCmOpen, "(ERROR)-根入れ部計算結果ファイル(neire_cm.prn)がオープンできません."},
    {ErrorCode::NeireOpen, "(ERROR)-根入れ部計算結果ファイル(neire.prn)がオープンできません."},
    {ErrorCode::BuoyantWeight, "(ERROR)-震度の計算でγが 10.0 以下になっています."},
    {ErrorCode::FailureAngleRoot, "(ERROR)-崩壊角の計算でルートの中がマイナス値になりました."},
    {ErrorCode::NoGroundCrossing, "(ERROR)-地表面との交点が検索できません."},
    {ErrorCode::ChangArea, "(ERROR)-チャンの計算用のメモリが確保できません."},
    {ErrorCode::StressArea, "(ERROR)-応力度計算用のメモリが確保できません."},
    {ErrorCode::DeformationArea, "(ERROR)-変形係数計算用のメモリが確保できません."},
    {ErrorCode::DisplacementArea, "(ERROR)-変位量計算用のメモリが確保できません."},
    {ErrorCode::CustomisationOpen,
     "(ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)がオープンできません."},
    {ErrorCode::CursorArea1, "(ERROR)-カーソル移動チェックのための領域１が確保できません."},
    {ErrorCode::CursorArea2, "(ERROR)-カーソル移動チェックのための領域２が確保できません."},
    {ErrorCode::PressureCoefficientRoot,
     "(ERROR)-土圧係数の計算でルートの中がマイナス値になりました."},
    {ErrorCode::TrialTableOpen, "(ERROR)-トライアル結果表ファイルがオープンできません."},
    {ErrorCode::SteelPileFileOpen, "(ERROR)-矢板データファイル(YAITA.D01)がオープンできません."},
    {ErrorCode::PileDataArea, "(ERROR)-矢板データ用のメモリが確保できません."},
    {ErrorCode::LandLayerOrder, "(ERROR)-陸側の土層の標高が逆転しています."},
    {ErrorCode::SeaLayerOrder, "(ERROR)-海側の土層の標高が逆転しています."},
    {ErrorCode::NoSeabedInLand, "(ERROR)-陸側の土層内に海底面がありません."},
    {ErrorCode::NoResidualWaterInLand, "(ERROR)-陸側の土層内に残留水位がありません."},
    {ErrorCode::NoGroundCrownInLand, "(ERROR)-陸側の土層内に地表面天端がありません."},
    {ErrorCode::NoSeabedInSea, "(ERROR)-海側の土層内に海底面がありません."},
    {ErrorCode::DerivedNZero, "(ERROR)-計算したＮ値が 0.0 になりました."},
    {ErrorCode::LandAboveSuperstructure,
     "(ERROR)-陸側土層の開始位置が上部工天端位置より上になっています."},
    {ErrorCode::SeaBelowSeabed, "(ERROR)-海側土層の開始位置が設計海底面位置より下になっています."},
    {ErrorCode::FillEndsBelowCrown,
     "(ERROR)-盛土データの終了位置が地表面天端位置よりも低くなっています."},
    {ErrorCode::FillOrder, "(ERROR)-盛土の標高が逆転しています."},
    {ErrorCode::SurchargeOverlap, "(ERROR)-上載荷重が重複しています。"},
    {ErrorCode::T2OverT1, "(ERROR)-t2/t1が 1.0 よりも大きくなりました."},
    {ErrorCode::ConditionDrawingArea, "(ERROR)-設計条件図印字用データ領域が確保できません."},
    {ErrorCode::SurchargeDrawingArea, "(ERROR)-上載荷重図印字用データ領域が確保できません."},
    {ErrorCode::PressureDrawingArea, "(ERROR)-土圧図印字用データ領域が確保できません."},
    {ErrorCode::MomentDrawingArea, "(ERROR)-モーメント図印字用データ領域が確保できません."},
    {ErrorCode::DimensionArea1, "(ERROR)-寸法線チェック用領域１が確保できません."},
    {ErrorCode::DimensionArea2, "(ERROR)-寸法線チェック用領域２が確保できません."},
    {ErrorCode::DimensionArea3, "(ERROR)-寸法線チェック用領域３が確保できません."},
    {ErrorCode::DimensionArea4, "(ERROR)-寸法線チェック用領域４が確保できません."},
    {ErrorCode::DimensionArea5, "(ERROR)-寸法線チェック用領域５が確保できません."},
    {ErrorCode::PortMethodArea1, "(ERROR)-港研方式の計算用のメモリ１が確保できません."},
    {ErrorCode::PortMethodArea2, "(ERROR)-港研方式の計算用のメモリ２が確保できません."},
    {ErrorCode::StandardCurveOpen, "(ERROR)-基準曲線表ファイルがオープンできません."},
    {ErrorCode::LogTsOutsideCurves, "(ERROR)-指定した logＴs が基準曲線表内に収まっていません."},
    {ErrorCode::TipBelowLastLayer, "(ERROR)-最終土層が根入れ深さよりも浅くなっています."},
    {ErrorCode::MatrixArea1, "(ERROR)-伝達マトリックスの計算用のメモリ１が確保できません."},
    {ErrorCode::MatrixArea2, "(ERROR)-伝達マトリックスの計算用のメモリ２が確保できません."},
    {ErrorCode::MatrixRigidity, "(ERROR)-伝達マトリックスの計算用のメモリ３が確保できません."},
    {ErrorCode::MatrixLength, "(ERROR)-伝達マトリックスの計算用のメモリ４が確保できません."},
    {ErrorCode::MatrixKh, "(ERROR)-伝達マトリックスの計算用のメモリ５が確保できません."},
    {ErrorCode::MatrixBeta, "(ERROR)-伝達マトリックスの計算用のメモリ６が確保できません."},
    {ErrorCode::MatrixFactor, "(ERROR)-伝達マトリックスの計算用のメモリ７が確保できません."},
    {ErrorCode::MatrixArea8, "(ERROR)-伝達マトリックスの計算用のメモリ８が確保できません."},
    {ErrorCode::MatrixArea9, "(ERROR)-伝達マトリックスの計算用のメモリ９が確保できません."},
    {ErrorCode::FieldMatrices, "(ERROR)-伝達マトリックスの計算用のメモリ１０が確保できません."},
    {ErrorCode::NodeStates, "(ERROR)-伝達マトリックスの計算用のメモリ１１が確保できません."},
    {ErrorCode::PileTipCondition, "(ERROR)-杭先端条件がおかしい."},
    {ErrorCode::NoFirstMomentZero,
     "(ERROR)-杭の長さを超えても最大曲げﾓｰﾒﾝﾄの第一ｾﾞﾛ点が検索できません."},
    {ErrorCode::ScaleXZero, "(ERROR)-スケールの計算中にＸ方向の座標値が 0.0 になりました."},
    {ErrorCode::NoMidPileMaximum, "(ERROR)-杭の中間部に最大モーメントが存在しません."},
    {ErrorCode::NoDepthWithinPile, "(ERROR)-杭の全長を越えても該当する深さが求まりません."},
    {ErrorCode::ZeroFillTooLarge, "(ERROR)-配列の０クリアーで　n  が大きすぎます."},
    {ErrorCode::NegativeCohesion, "(ERROR)-粘着力Ｃが－値になりました."},
    {ErrorCode::NoVirtualSeabed, "(ERROR)-仮想海底面が検索できません."},
    {ErrorCode::ScaleYZero, "(ERROR)-スケールの計算中にＹ方向の座標値が 0.0 になりました."},
    {ErrorCode::NoFillLayers, "(ERROR)-盛土の土層が検出できません."},
    {ErrorCode::FillOnFlatGround,
     "(ERROR)-地表面形状のレベルが天端位置の場合、盛土土層は必要ありません."},
    {ErrorCode::FillBelowGround,
     "(ERROR)-盛土の開始ﾚﾍﾞﾙは、最大の地表面ﾚﾍﾞﾙより高い位置にして下さい."},
    {ErrorCode::KhZero, "(ERROR)-横方向地盤反力係数又は、横抵抗定数が0.0になっています."},
    {ErrorCode::CorrosionTableOpen,
     "(ERROR)-鋼矢板の腐食の表ﾃﾞｰﾀﾌｧｲﾙ(YAITA.FDM)がｵｰﾌﾟﾝできません."},
    {ErrorCode::NoInverseBetaDepth, "(ERROR)-１／βの深さが検索できません."},
    {ErrorCode::GairyokOpen, "(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)がオープンできません."},
    {ErrorCode::OkYaitaOpen, "(ERROR)-決定矢板ファイル(OK_YAITA.DAT)がオープンできません."},
    {ErrorCode::NeireTlOpen, "(ERROR)-根入れ部計算結果ファイル(neire_tl.prn)がオープンできません."},
    {ErrorCode::PrgSwOpen, "(ERROR)-システムSWファイル(prg_sw.dat)がオープンできません."},
    {ErrorCode::LandStartsBelowSeabed,
     "(ERROR)-陸側土層の開始位置が設計海底面位置より下になっています."},
    {ErrorCode::NoSuperstructureCrownInLand, "(ERROR)-陸側の土層内に上部工天端がありません."},
    {ErrorCode::ConcretePileFileOpen,
     "(ERROR)-PC矢板データファイル(YAITA.C01)がオープンできません."},
    {ErrorCode::NoPileChosen, "(ERROR)-矢板データが１件も選択されていません.\n"},
    {ErrorCode::ZeroReduction, "(ERROR)-矢板の低減率が 0.0 になっています.\n"},
    {ErrorCode::SeaKhZero, "(ERROR)-海側の横抵抗定数が0.0になっています."},
    {ErrorCode::LandKhZero, "(ERROR)-陸側の横抵抗定数が0.0になっています."},
    {ErrorCode::InputNotNumber,
     "(ERROR)-入力データ(%KEY)の%ITEM番目の項目が数値ではありません(%LINE行目)."},
    {ErrorCode::InputNotWhole,
     "(ERROR)-入力データ(%KEY)の%ITEM番目の項目が整数ではありません(%LINE行目)."},
    {ErrorCode::InputOutOfRange,
     "(ERROR)-入力データ(%KEY)の%ITEM番目の項目が入力できる範囲を超えています(%LINE行目)."},
    {ErrorCode::InputKeyMissing, "(ERROR)-入力データに(%KEY)の行がありません."},
    {ErrorCode::InputLineCut, "(ERROR)-入力データの最終行が途中で切れています(%LINE行目)."},
    {ErrorCode::NotANumber, "(ERROR)-計算値が数値になりません(%VALUE)."},
}};

constexpr std::array<Message<WaveErrorCode>, kWaveErrorMessageCount> kWaveErrorMessages = {{
    {WaveErrorCode::CommonArea, "(ERROR)-共通項目用データ領域が確保できません.\n"},
    {WaveErrorCode::GodaArea, "(ERROR)-合田式用データ領域が確保できません.\n"},
    {WaveErrorCode::KurodaArea, "(ERROR)-黒田式用データ領域が確保できません.\n"},
    {WaveErrorCode::PressureRows, "(ERROR)-波圧計算結果保存用配列領域が確保できません.\n"},
    {WaveErrorCode::ResultantArea, "(ERROR)-合力計算結果データ領域が確保できません.\n"},
    {WaveErrorCode::ForceRows, "(ERROR)-各水平力用配列領域が確保できません.\n"},
    {WaveErrorCode::WavDataOpen, "(ERROR)-波圧計算結果ファイル(WAV_DATA.PRN)がオープンできません."},
}};

constexpr std::array<Message<InputCheckCode>, kInputCheckMessageCount> kInputCheckMessages = {{
    {InputCheckCode::SeabedNotChosen, "(ERROR)-仮想海底面位置が選択されていません."},
    {InputCheckCode::ScreenArea, "(ERROR)-画面表示用領域が確保できません."},
    {InputCheckCode::SwitchMismatchesMethod,
     "(ERROR)-計算スイッチの項目が根入れ部の計算方法と合っていません."},
    {InputCheckCode::NoTideStudied, "(ERROR)-どこか１潮位Levelは、「検討する」を指定してください."},
    {InputCheckCode::AutoNeedsValue,
     "(ERROR)-自動計算を行う場合は、0.0以外の値を入力してください.\n"},
}};

// Each code must stand at its own position, so a message added or moved
// without its name fails the build.
template <class Code, std::size_t N>
constexpr bool in_code_order(const std::array<Message<Code>, N>& table) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(table[i].code) != i) return false;
    }
    return true;
}
static_assert(in_code_order(kErrorMessages));
static_assert(in_code_order(kWaveErrorMessages));
static_assert(in_code_order(kInputCheckMessages));
static_assert(static_cast<int>(ErrorCode::NotANumber) + 1 == kErrorMessageCount);
static_assert(static_cast<int>(WaveErrorCode::WavDataOpen) + 1 == kWaveErrorMessageCount);
static_assert(static_cast<int>(InputCheckCode::AutoNeedsValue) + 1 == kInputCheckMessageCount);

template <class Code, std::size_t N>
const char* text_of(const std::array<Message<Code>, N>& table, Code code) {
    return table[static_cast<std::size_t>(code)].text;
}

[[noreturn]] void show_and_stop(std::string_view text) {
    show_error(text);
    stop_program();
}

} // namespace

const char* error_message(ErrorCode code) {
    return text_of(kErrorMessages, code);
}
const char* error_message(WaveErrorCode code) {
    return text_of(kWaveErrorMessages, code);
}
const char* error_message(InputCheckCode code) {
    return text_of(kInputCheckMessages, code);
}

std::string input_error_text(ErrorCode code, std::string_view key, std::size_t item,
                             std::size_t line) {
    std::string text = error_message(code);
    auto put = [&text](std::string_view mark, const std::string& value) {
        const std::size_t at = text.find(mark);
        if (at != std::string::npos) text.replace(at, mark.size(), value);
    };
    put("%KEY", std::string(key));
    put("%ITEM", std::to_string(item));
    put("%LINE", std::to_string(line));
    return text;
}

std::string not_finite_text(double value) {
    std::string text = error_message(ErrorCode::NotANumber);
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", value);
    const std::string_view mark = "%VALUE";
    text.replace(text.find(mark), mark.size(), shown);
    return text;
}

int show_error(std::string_view text) {
    show_ok_box("error", text);
    return 0;
}

void stop_with_error(ErrorCode code) {
    show_and_stop(error_message(code));
}
void stop_with_error(std::string_view text) {
    show_and_stop(text);
}
void stop_with_wave_error(WaveErrorCode code) {
    show_and_stop(error_message(code));
}
void stop_with_wave_error(std::string_view text) {
    show_and_stop(text);
}
void stop_with_input_check_error(InputCheckCode code) {
    show_and_stop(error_message(code));
}

} // namespace wtn
