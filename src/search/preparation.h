// Preparation of a new search: validation, direction, engine set-up and initial propagation.
#pragma once

namespace corvane {

struct Session;
struct SearchSession;

/// How the preparation of a search ended.
enum class Preparation {
    Ready,      // the search may begin
    Refused,    // the board failed validation (after its message) or the direction dialog
                // was cancelled (silently)
    NoSolution, // the clues alone contradict each other: "明らかに解がありません" was shown
};

/// Validates the board, chooses the direction, builds the engine state and propagates what
/// the clues force. Anything but Ready means the search must not begin.
Preparation prepareSearch(Session& session, SearchSession& search);

} // namespace corvane
