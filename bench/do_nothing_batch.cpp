// The floor of a batch program: linked like one (the calculation library and
// the C++ library, statically), writing one line and doing nothing else.
#include "format_values.h"

#include <cstdio>

int main() {
    wtn::write_values_line(stdout, "%d", 0);
    return 0;
}
