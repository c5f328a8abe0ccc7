// Checks before a search: every clue number from 1 to the largest occurs exactly twice.
#pragma once

namespace corvane {

struct Session;

/// Checks the board of `session`; on the first fault shows its message through
/// session.window.errorBox and returns false. On success `pairCount` is the largest clue
/// number (= the number of pairs). `pairCount` is written in both cases.
bool validateBoard(Session& session, int& pairCount);

} // namespace corvane
