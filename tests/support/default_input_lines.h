// Lines of keys the front end writes into every calculation input, holding
// the values the programs take when the key is absent. A hand-made input that
// claims the front end's version must hold each of these keys; these lines
// complete one without changing the wall it describes.
#pragma once

namespace wtn::test {

inline constexpr const char* kDefaultEmbedmentLine =
    "neire, 1 , 1 , 1 , 0 , 0 , 0 , 0 , 0 , 0 , 0 , 0 , 1 , 1 , 1 , 0 ";
inline constexpr const char* kDefaultCorrosionLine =
    "fsyok, .03 , .03 , .03 , .03 , .03 , .03 , .02 , 1 , 1 , 30 , 100 , 100 , 0 ";
inline constexpr const char* kDefaultJointLine = "tugit, 1 , 1 , 1 ";
inline constexpr const char* kNoAdoptedValuesLine = "caldt, 0 , 0 ";
inline constexpr const char* kDefaultStaticWaterLine = "wav_t, 0 ";
inline constexpr const char* kDefaultWallFrictionLine = "add_1, 0 , 0 , 0 , 0 ";

} // namespace wtn::test
