#include "golden_run.h"

#include "cp932_codec.h"

#include <fstream>
#include <sstream>

namespace wtn::test {

std::string golden_input(int pile_type, const std::string& id_lines) {
    const std::string type = std::to_string(pile_type);
    return "versi,\"<2.00>\", 1 \r\n"
           "gyonm,\"東$岸壁の検討\"\r\n"
           "swdat, 1 , 1 , 1 , 1 , 2 , 3 , 1 , 1 , 111 , 1 , 1 , 2 , 3 , 1 \r\n"
           "wavsw,\"\", 1 , 2 , .8 , 2 , 2 , 1 , 1 , 1 , 1 , 2 , 2 \r\n"
           "joken, 1.6 , 0 , 1 , 1.07 , 3 ,-7.5 ,-15 ,-30 , 0 , 0 , 10.1 , 10 , 5 , 5 , 10 , " +
           type +
           " , 1 , 1 \r\n"
           "tjkn1, 2.1 , 0 , 3.5 , 3 ,-1 , 20 , 180 , 270 , 265 ,-8 , 0 , 0 \r\n"
           "neire, 2 , 1 , 1 , 2000 , 0 , .15 , 0 , 0 , 0 , 1 , 0 , 2 , 1 , 1 , 2000 \r\n"
           "fsyok, .01 , .02 , .03 , .04 , .05 , .06 , .07 , 0 , 0 , 50 , 90 , 80 , 0 \r\n"
           "tugit, 1 , .8 , .9 \r\n" +
           id_lines +
           "etcjo,\"係船$力\", 10 , 3 \r\n"
           "sdatu, 3 , 18 , 10 , 20 , 30 , 0 , 0 , 2 , 10 , 15000 \r\n"
           "sdatu,-5 , 16 , 6 , 16 , 0 , 20 , 1.5 , 2 , 4 , 6000 \r\n"
           "jdatu,-7.5 , 18 , 10 , 20 , 30 , 0 , 0 , 2 , 10 , 15000 \r\n"
           "jdatu,-12 , 16 , 6 , 16 , 0 , 25 , 2 , 1 , 0 , 8000 \r\n"
           "wlvl_, 1 ,-6 ,-6.5 ,-8 , 2 , 0 ,-11 ,-9 ,-9.5 ,-12 \r\n"
           "hwl__, 2 , 2.35 , 4.2 , 2 , 0 , 60 , 0 \r\n"
           "lwl__, 1 , 1.5 , 2.7 , 1 , 7 , 50 , 10 \r\n"
           "caldt, 0 , 0 \r\n"
           "nir_t, 2 , 2 , 0 , .9 , 0 , 0 \r\n"
           "wav_t, 1 \r\n"
           "add_1, 15 ,-15 , 15 ,-15 \r\n";
}

std::string front_end_run_info() {
    // 36 characters: 7 of the title, 29 blanks.
    return kDataName + "\r\n東$岸壁の検討" + std::string(29, ' ') + "\r\n" +
           " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
}

std::vector<std::string> golden_list_lines() {
    std::ifstream in(WTN_SOURCE_DIR "/tests/e2e/audsheet/check_list_golden.txt");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(utf8_to_cp932(line));
    return lines;
}

std::vector<std::string> file_lines(const ProgramFolder& folder, const std::string& name) {
    std::istringstream in(folder.read(name));
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

ChildResult run_audsheet(const ProgramFolder& folder) {
    return run_batch_in(folder, "AUDSHEET");
}

} // namespace wtn::test
