// Plain and JSON renderings of the varying cells of the solutions found.
#include "cli/varying_report.h"

#include "model/answer_differences.h"

namespace corvane {

namespace {

/// The varying cells as a JSON array of rows of 0 and 1.
std::string jsonGrid(const CellMask& mask) {
    std::string out = "[";
    for (int y = 1; y <= mask.height; ++y) {
        out += y > 1 ? ",[" : "[";
        for (int x = 1; x <= mask.width; ++x) {
            if (x > 1) out += ',';
            out += mask.test(cellIndex(x, y)) ? '1' : '0';
        }
        out += ']';
    }
    return out + "]";
}

} // namespace

std::string jsonVarying(const VaryingCells& varying, bool withGrid) {
    const bool known = varying.answerCount() >= 2;
    std::string out = ",\"varying_cells\":" + (known ? std::to_string(varying.count()) : "null");
    if (withGrid) out += ",\"varying\":" + (known ? jsonGrid(varying.cells()) : "null");
    return out;
}

std::string plainVarying(const VaryingCells& varying) {
    if (varying.answerCount() < 2) return {};
    return "  varying cells " + std::to_string(varying.count()) + "\n";
}

} // namespace corvane
