// The wave-pressure report SRGPRT run whole on a fuzzed WAV_DATA.PRN or
// SJOKEN.DAT (the first byte picks which: even the wave results, odd the
// stability conditions; the rest is the file), beside fixed inputs of the
// wave chain test: H.W.L. and L.W.L. by Goda's formula, still water on. A stop
// is an ordinary outcome; a crash, a hang, or a page or drawing that prints
// "nan" or "inf" is a finding.
#include "wave_report.h"
#include "file_names.h"
#include "harness.h"
#include "program_stop.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace wtn::fuzz {
namespace {

const char* const kInput =
    "versi,\"<2.00>\", 1 \r\n"
    "gyonm,\"施工時の波圧\"\r\n"
    "swdat, 1 , 1 , 1 , 1 , 2 , 1 , 1 , 1 , 111 , 1 , 1 , 2 , 2 , 1 \r\n"
    "wavsw,\"\", 1 , 2 , 1 , 2 , 1 , 1 , 1 , 1 , 1 , 2 , 1 \r\n"
    "joken, 2 , 0 , 1 , 1 , 3.5 , -10 , -20 , -30 , 0 , 0 , 10.1 , 0 , 0 , 5 , 5 , 1 , 1 , 1 \r\n"
    "tjkn1, 2.5 , 1 , 10 , 3 , -10 , 5 , 180 , 270 , 180 , -8 , 200 , 0 \r\n"
    "neire, 1 , 1 , 1 , 0 , 0 , 0 , 0 , 0 , 0 , 0 , 0 , 1 , 1 , 1 , 0 \r\n"
    "fsyok, .03 , .03 , .03 , .03 , .03 , .03 , .02 , 1 , 1 , 30 , 100 , 100 , 0 \r\n"
    "tugit, 1 , 1 , 1 \r\n"
    "sdatu, 3.5 , 18 , 10 , 20 , 30 , 0 , 0 , 1 , 0 , 3000 \r\n"
    "sdatu, -5 , 17 , 7 , 17 , 0 , 20 , 1.5 , 2 , 0 , 0 \r\n"
    "jdatu, -10 , 17 , 7 , 17 , 30 , 0 , 0 , 1 , 0 , 5000 \r\n"
    "wlvl_, 1 , -6 , -6 , -8 , 2 , 0 , -5 , -9 , -9 , -20 \r\n"
    "hwl__, 1 , 2.35 , 0 , 2 , 0 , 60 , 0 \r\n"
    "lwl__, 2 , 1.5 , 2.7 , 2 , 0 , 50 , 10 \r\n"
    "caldt, 0 , 0 \r\n"
    "nir_t, 2 , 2 , 0 , 1 , 0 , 0 \r\n"
    "wav_t, 1 \r\n"
    "add_1, 0 , 0 , 0 , 0 \r\n";

const char* const kWaveData =
    "#  層分割数,水平力数,天端位置NO,海底面位置NO\r\n"
    "4,4,1,3,1\r\n"
    "#  共通項目\r\n"
    "4.230000,2.350000,2.000000,10.000000,8.000000\r\n"
    "8.000000,0.000000,60.000000,10.100000\r\n"
    "#  H.W.L.  常時\r\n"
    "#  合田式\r\n"
    "11.000000,6.345000,32.569000,20.360000,22.798000\r\n"
    "0.737000,0.025000,3.783000,0.025000,0,0.700000\r\n"
    "#  各層毎の波圧強度  層数+1\r\n"
    "-1,8.345000,5.345000,0.000000,27.436000\r\n"
    "1,3.000000,1.000000,27.436000,32.569000\r\n"
    "0,2.000000,8.000000,32.569000,22.798000\r\n"
    "-1,-6.000000,2.000000,22.798000,20.360000\r\n"
    "0,-8.000000,0.000000,20.360000,20.360000\r\n"
    "#  個々の水平力・モーメント\r\n"
    "0,9.145000,2.667000,10.667000\r\n"
    "27.436000,1.000000,13.718000,146.330000\r\n"
    "0,20.002000,2.333000,10.333000\r\n"
    "32.569000,1.000000,16.284000,168.263000\r\n"
    "0,18.456000,-0.667000,7.333000\r\n"
    "32.569000,8.000000,130.276000,955.314000\r\n"
    "0,7.599000,-3.333000,4.667000\r\n"
    "22.798000,8.000000,91.192000,425.593000\r\n"
    "#  静水圧\r\n"
    "33.667000,-4.667000,3.333000,101.000000,10.000000,505.000000,1683.165000\r\n"
    "#  合力・合力の作用位置\r\n"
    "756.470000,3378.665000,4.466000,251.470000,1695.500000\r\n"
    "#  層分割数,水平力数,天端位置NO,海底面位置NO\r\n"
    "4,4,1,3,1\r\n"
    "#  共通項目\r\n"
    "2.700000,1.500000,0.000000,8.000000,6.000000\r\n"
    "6.000000,10.000000,50.000000,10.100000\r\n"
    "#  L.W.L.  常時\r\n"
    "#  合田式\r\n"
    "9.000000,4.019000,20.883000,13.484000,15.328000\r\n"
    "0.750000,0.022000,4.444000,0.022000,0,0.734000\r\n"
    "#  各層毎の波圧強度  層数+1\r\n"
    "-1,4.019000,1.019000,0.000000,5.295000\r\n"
    "1,3.000000,3.000000,5.295000,20.883000\r\n"
    "0,0.000000,6.000000,20.883000,15.328000\r\n"
    "-1,-6.000000,2.000000,15.328000,13.484000\r\n"
    "0,-8.000000,0.000000,13.484000,13.484000\r\n"
    "#  個々の水平力・モーメント\r\n"
    "0,1.765000,2.000000,10.000000\r\n"
    "5.295000,3.000000,7.942000,79.420000\r\n"
    "0,8.726000,1.000000,9.000000\r\n"
    "20.883000,3.000000,31.324000,281.916000\r\n"
    "0,12.070000,-2.000000,6.000000\r\n"
    "20.883000,6.000000,62.649000,375.894000\r\n"
    "0,5.109000,-4.000000,4.000000\r\n"
    "15.328000,6.000000,45.984000,183.936000\r\n"
    "#  静水圧\r\n"
    "26.933000,-5.333000,2.667000,80.800000,8.000000,323.200000,861.974000\r\n"
    "#  合力・合力の作用位置\r\n"
    "471.099000,1783.140000,3.785000,147.899000,921.166000\r\n";

const char* const kConditions = "180.000000,0.000000,5.000000,5.000000\r\n"
                                "0,0.000000,0.000000,0.000000\r\n"
                                "-1,0\r\n"
                                "0.900000,0.900000,0.900000,0.600000\r\n"
                                "2,4\r\n"
                                "3.500000,8.500000,0.523599,1\r\n"
                                "0.000000,0,3000.000000\r\n"
                                "-5.000000,3.000000,0.000000,2\r\n"
                                "0.369000,1,553.500000\r\n"
                                "-8.000000,22.000000,0.000000,2\r\n"
                                "0.838000,1,1257.000000\r\n"
                                "-30.000000,0.000000,0.000000,0\r\n"
                                "0.000000,0,0.000000\r\n";

const char* const kCustomisation =
    "15\r\n0\r\n45\r\n40\r\ndummy\r\n1\r\n0\r\n1\r\n10\r\n.8\r\n2\r\n"
    ".5\r\n1\r\n0\r\n3\r\n2.5\r\n1\r\n1\r\n12.5\r\n1\r\n";

// True when a line of plain text holds a number printf wrote as not finite.
bool prints_non_finite(const std::string& line) {
    for (unsigned char c : line)
        if (c >= 0x80) return false; // text of a caption, not a number
    return line.find("nan") != std::string::npos || line.find("inf") != std::string::npos;
}

void check_outputs() {
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        const std::string name = entry.path().filename().string();
        const std::string ext = entry.path().extension().string();
        if (ext != kPageFileExtension && ext != ".PZK" && ext != ".PFM" && ext != ".TMP") continue;
        for (const std::string& line : file_lines(name))
            if (prints_non_finite(line)) std::abort();
    }
}

void clear_outputs() {
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        const std::string ext = entry.path().extension().string();
        if (ext == kPageFileExtension || ext == ".PZK" || ext == ".PFM" || ext == ".TMP")
            std::filesystem::remove(entry.path());
    }
}

} // namespace

void prepare() {
    write_file("CAL_FILE.DAT", kInput);
    write_file(kRunInfoFileName, "FUZZ\r\nfuzz\r\n7\r\n2\r\n3\r\n9\r\n5\r\n7\r\n");
    write_file("TVNCSTM.DAT", kCustomisation);
    write_file("PRG_SW.DAT", "0\r\n");
}

void run_one(const std::string& bytes) {
    const bool conditions = !bytes.empty() && (static_cast<unsigned char>(bytes[0]) & 1) != 0;
    const std::string file = bytes.empty() ? std::string() : bytes.substr(1);
    write_file("WAV_DATA.PRN", conditions ? std::string(kWaveData) : file);
    write_file("SJOKEN.DAT", conditions ? file : std::string(kConditions));
    clear_outputs();
    try {
        wave_report_main();
    } catch (const ProgramStop&) {
    }
    check_outputs();
}

} // namespace wtn::fuzz
