// Replay of a branch prefix from the root and the path bookkeeping of a subtree's walk.
#include "search/subtree_walker.h"

#include "search/search_loop.h"

#include <algorithm>
#include <cassert>

namespace corvane {

SubtreeWalker::SubtreeWalker()
    : session_(window_, nullptr), search_(std::make_unique_for_overwrite<SearchSession>()) {
    // A path has at most one choice per cell; reserving it keeps the steps free of allocation.
    path_.reserve(CellCount);
    open_.reserve(CellCount);
}

void SubtreeWalker::reset(const Board& board, const SearchSession& root) {
    // Recording a solution needs the board's size only.
    Board& own = session_.board;
    own.boardWidth = board.boardWidth;
    own.boardHeight = board.boardHeight;
    own.boardLastRowOffset = board.boardLastRowOffset;
    // Only the engine's used part is copied: the rest of this engine is never touched, so
    // its pages cost no memory.
    copySearchState(search_->engine, root.engine);
    search_->orientation = root.orientation;
    search_->answerLimits = AnswerLimits{0, 0}; // the thread's board keeps no answer
    setAnswerSink(nullptr);
    root_.trailTop = root.engine.trailTop;
    root_.endPending = root.engine.endPending;
    root_.consistent = root.engine.consistent;
    root_.scanCell = root.engine.scanCell;
    root_.lastChoice = root.engine.lastChoice;
    root_.joinSeen = root.engine.joinSeen;
    path_.clear();
    open_.clear();
    floor_ = 0;
}

void SubtreeWalker::setAnswerSink(std::function<void(const Answer&)> sink) {
    sink_ = std::move(sink);
    search_->answerObserver = nullptr;
    if (sink_)
        search_->answerObserver = [this](const Answer& answer, std::uint64_t) {
            if (counting_) sink_(answer);
        };
}

void SubtreeWalker::rewindToRoot() {
    Engine& engine = search_->engine;
    rewindTo(engine, root_.trailTop);
    engine.endPending = root_.endPending;
    engine.consistent = root_.consistent;
    engine.scanCell = root_.scanCell;
    engine.lastChoice = root_.lastChoice;
    engine.joinSeen = root_.joinSeen;
    engine.conflictCode = 0;
    engine.workCount = 0;
    path_.clear();
    open_.clear();
    floor_ = 0;
}

void SubtreeWalker::startCounting() {
    session_.status.stepCount = 0;
    session_.board.solutionsFound = 0;
    search_->firstAnswerHasBlanks = false;
    counting_ = true;
}

void SubtreeWalker::enter(const BranchPrefix& prefix) {
    rewindToRoot();
    counting_ = false;
    if (prefix.empty()) startCounting();
    Engine& engine = search_->engine;
    for (std::size_t k = 0; k < prefix.size(); ++k) {
        if (k + 1 == prefix.size()) startCounting();
        assert(engine.consistent && "every node of a prefix but the last has children");
        if (prefix[k] != 0) {
            // The first branch is taken without its propagation: the rewind into the second
            // branch takes back all of it, and the choice record it leaves is all it needs.
            const int top = engine.trailTop;
            engine.workCount = 0;
            engine.conflictCode = 0;
            branchStep(*search_);
            assert(engine.trailTop > top && "the prefix names a choice the state does not have");
            (void)top;
            open_.push_back(static_cast<int>(path_.size()));
            path_.push_back(0);
            engine.consistent = 0;
        }
        [[maybe_unused]] const bool stepped = step();
        assert(stepped);
    }
    floor_ = static_cast<int>(prefix.size());
}

bool SubtreeWalker::step() {
    Engine& engine = search_->engine;
    if (engine.consistent) {
        const int top = engine.trailTop;
        searchStep(session_, *search_);
        // A branch that found an open cell pushed its choice record first.
        if (engine.trailTop > top) {
            open_.push_back(static_cast<int>(path_.size()));
            path_.push_back(0);
        }
        return true;
    }
    // The latest choice record on the trail is the deepest choice still on its first branch.
    if (open_.empty() || open_.back() < floor_) return false;
    const int i = open_.back();
    open_.pop_back();
    [[maybe_unused]] const bool stepped = searchStep(session_, *search_);
    assert(stepped);
    path_.resize(static_cast<std::size_t>(i) + 1);
    path_[static_cast<std::size_t>(i)] = 1;
    return true;
}

int SubtreeWalker::shallowestOpen() const {
    const auto shallowest = std::lower_bound(open_.begin(), open_.end(), floor_);
    return shallowest == open_.end() ? NoOpenChoice : *shallowest;
}

bool SubtreeWalker::donate(BranchPrefix& prefix) {
    const int j = shallowestOpen();
    if (j == NoOpenChoice) return false;
    prefix.assign(path_.begin(), path_.begin() + j);
    prefix.push_back(1);
    floor_ = j + 1;
    return true;
}

} // namespace corvane
