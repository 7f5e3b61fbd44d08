#include "banded_spd.h"

namespace wtn::tools {

bool solve_pentadiagonal_spd(const PentadiagonalMatrix& a, const std::vector<double>& b,
                             std::vector<double>& x) {
    const std::size_t n = a.size();
    std::vector<double> d(n, 0.0), l1(n, 0.0), l2(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        double di = a.diagonal[i];
        if (i >= 1) di -= l1[i - 1] * l1[i - 1] * d[i - 1];
        if (i >= 2) di -= l2[i - 2] * l2[i - 2] * d[i - 2];
        if (!(di > 0.0)) return false;
        d[i] = di;
        if (i + 1 < n) {
            double off = a.first[i];
            if (i >= 1) off -= l2[i - 1] * l1[i - 1] * d[i - 1];
            l1[i] = off / di;
        }
        if (i + 2 < n) l2[i] = a.second[i] / di;
    }
    x.assign(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        double z = b[i];
        if (i >= 1) z -= l1[i - 1] * x[i - 1];
        if (i >= 2) z -= l2[i - 2] * x[i - 2];
        x[i] = z;
    }
    for (std::size_t i = 0; i < n; ++i)
        x[i] /= d[i];
    for (std::size_t k = n; k-- > 0;) {
        if (k + 1 < n) x[k] -= l1[k] * x[k + 1];
        if (k + 2 < n) x[k] -= l2[k] * x[k + 2];
    }
    return true;
}

} // namespace wtn::tools
