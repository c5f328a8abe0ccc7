// Everything one search keeps beside the session: engine state, orientation, answer policy.
#pragma once

#include "engine/engine_state.h"
#include "search/orientation.h"
#include "search/parallel_search.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace corvane {

class Answer;
class StepGate;

/// How many answers a search keeps in the board's list. Beyond either bound the search goes on
/// counting; only the answers found first are kept and listed.
struct AnswerLimits {
    std::size_t maxAnswers = 100000;               // answers kept at most
    std::size_t maxBytes = std::size_t(256) << 20; // memory the kept answers may take
};

/// The search's own state. Large: the owner allocates it on the heap (std::make_unique).
struct SearchSession {
    Engine engine;
    Orientation orientation;
    AnswerLimits answerLimits;
    /// Called with every solution found, in board orientation, and its number (1, 2, ...),
    /// whether it is kept or not. May be empty.
    std::function<void(const Answer&, std::uint64_t)> answerObserver;
    bool firstAnswerHasBlanks = false;  // the first solution leaves a board cell on no path
    std::uint64_t searchGeneration = 0; // counts searches started; a nested start changes it
    /// Test hook: a gate that the threads of the parallel searches started from here pass
    /// before every step; null (always, outside tests) lets them run freely.
    StepGate* stepGate = nullptr;
    /// Threads and engines of parallel searches, made by the first one and kept.
    std::unique_ptr<SearchThreads, SearchThreadsDeleter> threads;
    /// A parallel search that is running or paused; null for a serial search. Declared after
    /// `threads`, so that it ends before them.
    std::unique_ptr<ParallelSearch, ParallelSearchDeleter> parallel;
};

} // namespace corvane
