// Corner cascades: a corner that opens downwards forces the cells down its inside diagonal.
#include "engine/call_depth.h"
#include "engine/engine_state.h"

namespace corvane {

namespace {

/// The two mirror images of the cascade: Right+Down (side Right) and Down+Left (side Left).
struct CornerShape {
    int side;     // the corner's horizontal link
    int outer;    // the horizontal edge blocked on the inside diagonal (opposite of side)
    int diagonal; // step to the next cell down the inside diagonal
};

constexpr CornerShape rightDown{Right, Left, RowStride + 1};
constexpr CornerShape downLeft{Left, Right, RowStride - 1};

inline void blockIfOpen(Engine& engine, int c, int q) {
    if (!(engine.cellLinks[c] & (q << 4))) setBlock(engine, c, q);
}

/// Follows the chain after a new link from a in direction d: from a's owner if a is owned,
/// else from the owner of the cell across the link.
int chainAcross(Engine& engine, int a, int d) {
    if (engine.cellOwner[a] != 0) return followChain(engine, engine.cellOwner[a], a, d);
    const int n = a + dirDelta[d];
    if (engine.cellOwner[n] != 0)
        return followChain(engine, engine.cellOwner[n], n, dirOpposite[d]);
    return 1;
}

int cascade(Engine& engine, int a, const CornerShape& shape) {
    CallDepth depth(engine);
    const int side = shape.side;
    const int sideBlock = side << 4;
    if (!(engine.cellLinks[a] & (Up << 4))) {
        setBlock(engine, a, Up);
        appendWork(engine, a - RowStride);
    }
    if (!(engine.cellLinks[a] & (shape.outer << 4))) {
        setBlock(engine, a, shape.outer);
        appendWork(engine, a + dirDelta[shape.outer]);
    }
    for (;;) {
        if (engine.cellClue[a] != 0) {
            appendWork(engine, a);
            return 1;
        }
        if (engine.cellLinks[a] & (sideBlock | (Down << 4))) return reportConflict(engine, 1, a);
        if ((engine.cellLinks[a] & 15) == (side | Down)) return 1;

        const int b = a + shape.diagonal;
        blockIfOpen(engine, b, Up);
        blockIfOpen(engine, b, shape.outer);

        const bool madeSide = !(engine.cellLinks[a] & side);
        if (madeSide) {
            setLink(engine, a, side);
            if (!onLink(engine, a + dirDelta[side], dirOpposite[side])) return 0;
            if (!chainAcross(engine, a, side)) return 0;
        }
        if (engine.cellLinks[a] & (Down << 4)) return reportConflict(engine, 1, a);

        if (madeSide) appendWork(engine, a + dirDelta[side]);
        if (!(engine.cellLinks[a] & Down)) {
            setLink(engine, a, Down);
            if (!onLinkUp(engine, a + RowStride)) return 0;
            if (!chainAcross(engine, a, Down)) return 0;
            appendWork(engine, a + RowStride);
        }

        // Links that no end owns must not close into a loop through a.
        const int sideCell = a + dirDelta[side];
        if (engine.cellOwner[a] == 0 && linkCount[engine.cellLinks[a + RowStride] & 0xff] == 2 &&
            linkCount[engine.cellLinks[sideCell] & 0xff] == 2 &&
            !closedLoopTest(engine, a + RowStride, a))
            return 0;

        a = b;
    }
}

} // namespace

int cornerRightDown(Engine& engine, int a) {
    return cascade(engine, a, rightDown);
}
int cornerDownLeft(Engine& engine, int a) {
    return cascade(engine, a, downLeft);
}

} // namespace corvane
