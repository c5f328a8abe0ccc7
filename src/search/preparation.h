// Preparation of a new search: validation, direction, engine set-up and initial propagation.
#pragma once

namespace corvane {

struct Session;
struct SearchSession;

/// Validates the board, chooses the direction, builds the engine state and propagates what
/// the clues force. False (after its own message, or silently when the direction dialog was
/// cancelled) when the search must not begin.
bool prepareSearch(Session& session, SearchSession& search);

} // namespace corvane
