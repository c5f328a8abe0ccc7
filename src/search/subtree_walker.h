// One search thread's walk through subtrees of the search tree, rebuilt from the root.
#pragma once

#include "model/session.h"
#include "search/search_session.h"
#include "search/silent_window.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace corvane {

/// Branches from the root to a node of the search tree, one per choice: 0 the first branch,
/// 1 the second. The serial search visits nodes in the order of these prefixes (a prefix
/// before its extensions).
using BranchPrefix = std::vector<std::uint8_t>;

/// Searches the subtree below one node of the search tree on its own engine, exactly as the
/// serial search would pass through it, and never leaves it. Every step enters one node: a
/// branch enters the first branch of a new choice, a rewind the second branch of the latest
/// open choice. The walker keeps the branch taken at every choice on its path; choices above
/// its floor (the node's own prefix, and choices whose second branch it gave away) are never
/// rewound to, so the subtree ends when the latest open choice lies above the floor.
class SubtreeWalker {
  public:
    /// A walker whose engine takes memory only once rooted.
    SubtreeWalker();
    SubtreeWalker(const SubtreeWalker&) = delete;
    SubtreeWalker& operator=(const SubtreeWalker&) = delete;

    /// Takes a copy of the prepared root: the engine and orientation of `root` after
    /// prepareSearch, and the size of `board`. Drops the answer sink.
    void reset(const Board& board, const SearchSession& root);

    /// Rewinds to the root and replays the prefix's branches. The replayed steps count and
    /// record nothing except the last, which enters the node and belongs to its subtree.
    void enter(const BranchPrefix& prefix);
    /// One step inside the subtree; false (and no step) when the subtree is exhausted.
    bool step();
    /// Gives away the second branch of the shallowest open choice below the floor: stores
    /// its prefix and raises the floor past it. False when no such choice is open.
    bool donate(BranchPrefix& prefix);
    /// Depth (path index) of the choice donate would give away; NoOpenChoice when none. The
    /// nearer the root, the more of the tree lies below it, as a rule.
    int shallowestOpen() const;
    /// What shallowestOpen returns when no choice below the floor is open.
    static constexpr int NoOpenChoice = CellCount + 1;

    /// Steps of the subtree taken so far (the entering step included).
    std::uint64_t steps() const { return session_.status.stepCount; }
    /// Solutions found in the subtree so far.
    std::uint64_t solutions() const { return session_.board.solutionsFound; }
    /// True when the subtree's first solution leaves a board cell on no path.
    bool firstHasBlanks() const { return search_->firstAnswerHasBlanks; }
    /// True while the trail holds a choice whose second branch is still to be searched,
    /// inside the subtree or not: the serial search would not end at this point.
    bool choiceLeft() const { return !open_.empty(); }
    /// Called with every solution found in the subtree, built in board orientation; may be
    /// empty, and then only the first solution of a subtree is built.
    void setAnswerSink(std::function<void(const Answer&)> sink);
    /// The engine as it stands between two steps.
    const Engine& engine() const { return search_->engine; }

  private:
    /// The root's bookkeeping, which rewinding the trail to the root mark does not restore:
    /// the untrailed fields of Engine that a step does not clear itself (see Engine).
    struct RootMark {
        int trailTop = 0;
        std::array<int, EndSlots> endPending{};
        int consistent = 1;
        int scanCell = RowStride;
        int lastChoice = 0;
        int joinSeen = 0;
    };

    void rewindToRoot();
    void startCounting();

    SilentWindow window_;
    Session session_;
    std::unique_ptr<SearchSession> search_;
    RootMark root_;
    std::function<void(const Answer&)> sink_;
    std::vector<std::uint8_t> path_; // branch taken at every choice on the path, root first
    std::vector<int> open_;          // path indexes still on their first branch, increasing
    int floor_ = 0;                  // path indexes below this are never rewound to
    bool counting_ = false;          // false while replaying a prefix
};

} // namespace corvane
