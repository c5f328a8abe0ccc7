// A text picture of an engine state (owners, links and blocked edges), for test messages.
#pragma once

#include "engine/engine_state.h"

#include <string>

namespace corvane {

/// One text row per board row and one per row of vertical edges. A cell shows its owner:
/// "  ." undecided, "  #" Blank, the pair number followed by 'a'/'b' for the head of the
/// first/second end or ':'/';' for an interior cell of the first/second end. Between two
/// cells '-' is a link and 'x' a blocked edge; the same marks, '|' and 'x', stand under a cell
/// for its Down edge. A last line gives trailTop, consistent and the conflict.
std::string enginePicture(const Engine& engine);

} // namespace corvane
