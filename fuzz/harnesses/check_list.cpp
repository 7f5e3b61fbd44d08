// The input check list, which prints every field of any input the reader
// accepts: the bytes as CAL_FILE.DAT, the installed catalogues and
// customisation beside them (and a user catalogue of each kind with three
// piles), then the whole of AUDSHEET's run.
#include "check_list_main.h"
#include "customisation.h"
#include "harness.h"
#include "pile_catalogue.h"
#include "program_stop.h"

namespace wtn::fuzz {

void prepare() {
    for (int number = 1; number <= kSteelCatalogueCount; ++number)
        copy_installed(steel_catalogue_name(number));
    for (int number = 1; number <= kPcCatalogueCount; ++number)
        copy_installed(pc_catalogue_name(number));
    copy_installed(kCustomisationFileName);
    const std::string user_piles = "3\r\n1,\"U-1\",8000,800,0\r\n2,\"U$2\",12000,1100,0\r\n"
                                   "3,\"U\\3\",3750,300,20.5\r\n";
    write_file(kSteelAddedFileName, user_piles);
    write_file(kPcAddedFileName, user_piles);
}

void run_one(const std::string& bytes) {
    write_file("CAL_FILE.DAT", bytes);
    try {
        check_list_main();
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
