// The checker's report of the varying cells: where the solutions found part.
#pragma once

#include <string>

namespace corvane {

class VaryingCells;

/// The JSON fields after a result's direction: ,"varying_cells":N (null with fewer than two
/// solutions) and, when `withGrid`, ,"varying":[[0,1,...],...] (null likewise), board rows top
/// to bottom, 1 for a varying cell.
std::string jsonVarying(const VaryingCells& varying, bool withGrid);

/// The plain line "  varying cells N" with a line feed; empty with fewer than two solutions.
std::string plainVarying(const VaryingCells& varying);

} // namespace corvane
