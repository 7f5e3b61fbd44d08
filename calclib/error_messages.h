// The numbered error messages of the batch programs and the box that shows
// them. Every fatal condition shows one box titled "error" and then stops the
// program with exit code 1. Texts are code page 932 bytes. The codes are the
// positions of the messages in their tables; error_messages.cpp writes each
// message beside its code and checks the order at compile time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wtn {

// Codes of the general table.
enum class ErrorCode : int {
    NoDataFile,
    NeireCmOpen,
    NeireOpen,
    BuoyantWeight,
    FailureAngleRoot,
    NoGroundCrossing,
    ChangArea,
    StressArea,
    DeformationArea,
    DisplacementArea,
    CustomisationOpen,
    CursorArea1,
    CursorArea2,
    PressureCoefficientRoot,
    TrialTableOpen,
    SteelPileFileOpen,
    PileDataArea,
    LandLayerOrder,
    SeaLayerOrder,
    NoSeabedInLand,
    NoResidualWaterInLand,
    NoGroundCrownInLand,
    NoSeabedInSea,
    DerivedNZero,
    LandAboveSuperstructure,
    SeaBelowSeabed,
    FillEndsBelowCrown,
    FillOrder,
    SurchargeOverlap,
    T2OverT1,
    ConditionDrawingArea,
    SurchargeDrawingArea,
    PressureDrawingArea,
    MomentDrawingArea,
    DimensionArea1,
    DimensionArea2,
    DimensionArea3,
    DimensionArea4,
    DimensionArea5,
    PortMethodArea1,
    PortMethodArea2,
    StandardCurveOpen,
    LogTsOutsideCurves,
    TipBelowLastLayer,
    MatrixArea1,
    MatrixArea2,
    MatrixRigidity,
    MatrixLength,
    MatrixKh,
    MatrixBeta,
    MatrixFactor,
    MatrixArea8,
    MatrixArea9,
    FieldMatrices,
    NodeStates,
    PileTipCondition,
    NoFirstMomentZero,
    ScaleXZero,
    NoMidPileMaximum,
    NoDepthWithinPile,
    ZeroFillTooLarge,
    NegativeCohesion,
    NoVirtualSeabed,
    ScaleYZero,
    NoFillLayers,
    FillOnFlatGround,
    FillBelowGround,
    KhZero,
    CorrosionTableOpen,
    NoInverseBetaDepth,
    GairyokOpen,
    OkYaitaOpen,
    NeireTlOpen,
    PrgSwOpen,
    LandStartsBelowSeabed,
    NoSuperstructureCrownInLand,
    ConcretePileFileOpen,
    NoPileChosen,
    ZeroReduction,
    SeaKhZero,
    LandKhZero,
    InputNotNumber,
    InputNotWhole,
    InputOutOfRange,
    InputKeyMissing,
    InputLineCut,
    NotANumber,
};

// Codes of the wave program's table.
enum class WaveErrorCode : int {
    CommonArea,
    GodaArea,
    KurodaArea,
    PressureRows,
    ResultantArea,
    ForceRows,
    WavDataOpen,
};

// Codes of the input-check table.
enum class InputCheckCode : int {
    SeabedNotChosen,
    ScreenArea,
    SwitchMismatchesMethod,
    NoTideStudied,
    AutoNeedsValue,
};

inline constexpr int kErrorMessageCount = 87;
inline constexpr int kWaveErrorMessageCount = 7;
inline constexpr int kInputCheckMessageCount = 5;

// The table text of a code.
const char* error_message(ErrorCode code);
const char* error_message(WaveErrorCode code);
const char* error_message(InputCheckCode code);

// The text of a message about an item of the calculation input, with the
// key, the item's number and the line's number put in where the table text
// holds "%KEY", "%ITEM" and "%LINE".
std::string input_error_text(ErrorCode code, std::string_view key, std::size_t item,
                             std::size_t line);

// The message of a computed value that is no number, with the value put in
// where the table text holds "%VALUE".
std::string not_finite_text(double value);

// Show a text in the box titled "error". Return 0; the caller stops.
int show_error(std::string_view text);

// Show the box, then stop the program with exit code 1.
[[noreturn]] void stop_with_error(ErrorCode code);
[[noreturn]] void stop_with_error(std::string_view text);
[[noreturn]] void stop_with_wave_error(WaveErrorCode code);
[[noreturn]] void stop_with_wave_error(std::string_view text);
[[noreturn]] void stop_with_input_check_error(InputCheckCode code);

} // namespace wtn
