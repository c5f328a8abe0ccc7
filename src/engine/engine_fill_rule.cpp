// The every-cell rule's region test: every region of undecided cells must still be fillable
// by the paths of the pairs that can enter it.
//
// A path that enters a region of undecided cells from its head can only leave it again at its
// partner's head, so the cells a pair adds to the board lie in one region, and both of its
// heads border that region. When no cell may stay empty, every region therefore needs a pair
// whose two heads border it, and the paths through it must account for its colour balance on
// the checkerboard: a path from a head to its partner alternates colours, so the cells it adds
// hold one more cell of the colour opposite to its heads when both heads have one colour, and
// as many of each colour otherwise. A cell that can no longer take two links dies too.
//
// The test only prunes: it never decides a link, so the search explores the same tree as
// under the standard rule, less the branches in which some cell must stay empty.
#include "engine/engine_state.h"

namespace corvane {

namespace {

/// +1 for the cells of one checkerboard colour, -1 for the other.
inline int colourWeight(int cell) {
    return ((cellColumn(cell) + cellRow(cell)) & 1) ? -1 : 1;
}

/// Starts a new pass over the regions. Regions are numbered on from the last pass, so a cell
/// was flooded in this pass when it holds a number from passFirstRegion on; a pass floods at
/// most one region per cell, so numbers never wrap inside a pass.
void beginPass(Engine& engine) {
    if (++engine.fillStamp == 0) {
        engine.fillHeadStamp.fill(0);
        engine.fillStamp = 1;
    }
    if (engine.fillRegionStamp > ~std::uint32_t{0} - CellCount) {
        engine.fillSeen.fill(0);
        engine.fillEndRegion.fill(0);
        engine.fillRegionStamp = 0;
    }
    engine.passFirstRegion = engine.fillRegionStamp + 1;
}

bool seenInPass(const Engine& engine, int cell) {
    return engine.fillSeen[static_cast<std::size_t>(cell)] >= engine.passFirstRegion;
}

/// What the paths through one region can contribute to its colour balance.
struct Balance {
    int weight = 0;        // sum of colourWeight over the region's cells
    int plus = 0;          // pairs bordering it whose path through it adds +1
    int minus = 0;         // ... adds -1
    int even = 0;          // ... adds 0
    bool cellDead = false; // a cell of the region cannot take two links
    int deadCell = 0;
};

/// Records that end `owner` borders the region with number `region`; a pair counts once
/// both of its heads have been seen.
void touchEnd(Engine& engine, int owner, std::uint32_t region, Balance& balance) {
    auto& seen = engine.fillEndRegion;
    if (seen[static_cast<std::size_t>(owner)] == region) return;
    seen[static_cast<std::size_t>(owner)] = region;
    if (seen[static_cast<std::size_t>(owner ^ SecondEnd)] != region) return;
    const int a = engine.endHead[owner];
    const int b = engine.endHead[owner ^ SecondEnd];
    const int wa = colourWeight(a);
    if (wa != colourWeight(b))
        ++balance.even;
    else if (wa > 0)
        ++balance.minus; // heads of weight +1: the cells between them weigh -1 more
    else
        ++balance.plus;
}

/// Floods the region of undecided cells that holds `start` (not yet flooded in this pass)
/// across edges that are not blocked; 1 when it can still be filled or has more than `limit`
/// cells, else conflict 1 at a cell of it.
int fillRegion(Engine& engine, int start, int limit) {
    const std::uint32_t region = ++engine.fillRegionStamp;
    Balance balance;
    engine.fillStack[0] = start;
    int top = 1;
    engine.fillSeen[static_cast<std::size_t>(start)] = region;
    int flooded = 0;
    while (top > 0) {
        // A large region is left untested. A region flooded only in part must not be taken for
        // a whole one later in the pass, so meeting such a part ends this flood too.
        if (++flooded > limit) return 1;
        const int c = engine.fillStack[static_cast<std::size_t>(--top)];
        balance.weight += colourWeight(c);
        const int links = engine.cellLinks[c] & 0xff;
        if (blockCount[links] >= 3 && !balance.cellDead) {
            balance.cellDead = true;
            balance.deadCell = c;
        }
        for (const int d : allDirections) {
            if (links & (d << 4)) continue;
            const int n = c + dirDelta[d];
            const int owner = engine.cellOwner[n];
            if (owner == 0) {
                const std::uint32_t mark = engine.fillSeen[static_cast<std::size_t>(n)];
                if (mark == region) continue;
                if (mark >= engine.passFirstRegion) return 1;
                engine.fillSeen[static_cast<std::size_t>(n)] = region;
                engine.fillStack[static_cast<std::size_t>(top++)] = n;
            } else if (!(owner & Interior)) {
                touchEnd(engine, owner, region, balance);
            }
        }
    }
    if (balance.cellDead) return reportConflict(engine, 1, balance.deadCell);
    const bool fillable = balance.weight > 0 ? balance.plus >= balance.weight
                          : balance.weight < 0
                              ? balance.minus >= -balance.weight
                              : balance.even > 0 || (balance.plus > 0 && balance.minus > 0);
    return fillable ? 1 : reportConflict(engine, 1, start);
}

/// Tests the regions of c and of its four neighbours that this pass has not flooded yet.
int testAround(Engine& engine, int c) {
    if (engine.cellOwner[c] == 0 && !seenInPass(engine, c) &&
        !fillRegion(engine, c, FillFloodLimit))
        return 0;
    for (const int d : allDirections) {
        const int n = c + dirDelta[d];
        if (engine.cellOwner[n] == 0 && !seenInPass(engine, n) &&
            !fillRegion(engine, n, FillFloodLimit))
            return 0;
    }
    return 1;
}

/// The head cell of end e as it stood before the moves the backward trail walk has passed.
int& walkedHead(Engine& engine, int e) {
    const auto i = static_cast<std::size_t>(e);
    if (engine.fillHeadStamp[i] != engine.fillStamp) {
        engine.fillHeadStamp[i] = engine.fillStamp;
        engine.fillHeadCell[i] = engine.endHead[e];
    }
    return engine.fillHeadCell[i];
}

} // namespace

int checkFilledRegions(Engine& engine, int from) {
    beginPass(engine);
    // Only regions next to a cell whose owner, links or blocked edges changed since `from`
    // can have changed; the others passed this test before. Head moves are walked backwards
    // from the heads' cells now, so the cells they left are found as well.
    for (int i = engine.trailTop - 1; i >= from; --i) {
        const TrailRecord& r = engine.trail[static_cast<std::size_t>(i)];
        int first = r.a, second = 0;
        switch (r.kind) {
        case ChoiceCorner:
        case ChoiceLink:
        case LinkRight:
        case BlockRight:
            second = r.a + 1;
            break;
        case LinkDown:
        case BlockDown:
            second = r.a + RowStride;
            break;
        case CellBlank:
            second = r.a;
            break;
        case HeadMove: {
            int& head = walkedHead(engine, r.a);
            first = head;
            head -= dirDelta[r.b];
            second = head;
            break;
        }
        case PairJoin:
            first = walkedHead(engine, r.a);
            second = first + dirDelta[r.b];
            break;
        default:
            continue;
        }
        if (!testAround(engine, first) || !testAround(engine, second)) return 0;
    }
    return 1;
}

int checkAllFilledRegions(Engine& engine) {
    beginPass(engine);
    for (int row = RowStride; row <= engine.lastRowBase; row += RowStride)
        for (int c = row + 1; c <= row + engine.engineWidth; ++c)
            if (engine.cellOwner[c] == 0 && !seenInPass(engine, c) &&
                !fillRegion(engine, c, CellCount))
                return 0;
    return 1;
}

} // namespace corvane
