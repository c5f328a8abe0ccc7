// The undo trail and the primitive edge changes that every rule records on it.
#include "engine/engine_state.h"

#include <cassert>

namespace corvane {

void pushRecord(Engine& engine, int kind, int a, int b) {
    assert(engine.trailTop < TrailCapacity);
    engine.trail[static_cast<std::size_t>(engine.trailTop++)] = TrailRecord{kind, a, b};
}

void undoRecord(Engine& engine, const TrailRecord& record) {
    const int a = record.a;
    switch (record.kind) {
    case ChoiceCorner:
    case ChoiceLink:
    case LinkRight:
        engine.cellLinks[a] ^= Right;
        engine.cellLinks[a + 1] ^= Left;
        break;
    case CellBlank:
        engine.cellOwner[a] = 0;
        break;
    case LinkDown:
        engine.cellLinks[a] ^= Down;
        engine.cellLinks[a + RowStride] ^= Up;
        break;
    case BlockRight:
        engine.cellLinks[a] ^= Right << 4;
        engine.cellLinks[a + 1] ^= Left << 4;
        break;
    case BlockDown:
        engine.cellLinks[a] ^= Down << 4;
        engine.cellLinks[a + RowStride] ^= Up << 4;
        break;
    case HeadMove: {
        int h = engine.endHead[a];
        engine.cellOwner[h] = 0;
        h -= dirDelta[record.b];
        engine.cellOwner[h] ^= Interior;
        engine.endHead[a] = h;
        break;
    }
    case PairJoin: {
        const int h = engine.endHead[a];
        engine.cellOwner[h] ^= Interior;
        engine.cellOwner[h + dirDelta[record.b]] ^= Interior;
        engine.pairJoined[a & 0xff] = 0;
        break;
    }
    default:
        assert(false && "unknown trail record");
    }
}

void rewindTo(Engine& engine, int mark) {
    while (engine.trailTop > mark) {
        --engine.trailTop;
        undoRecord(engine, engine.trail[static_cast<std::size_t>(engine.trailTop)]);
    }
}

int rewindToChoice(Engine& engine) {
    while (engine.trailTop > 0) {
        const int t = engine.trailTop - 1;
        const TrailRecord& record = engine.trail[static_cast<std::size_t>(t)];
        if (record.kind == ChoiceCorner || record.kind == ChoiceLink) return t;
        undoRecord(engine, record);
        engine.trailTop = t;
    }
    return -1;
}

void toggleLinkBits(Engine& engine, int c, int d) {
    engine.cellLinks[c] ^= d;
    engine.cellLinks[c + dirDelta[d]] ^= dirOpposite[d];
}

void setLink(Engine& engine, int c, int d) {
    assert(!(engine.cellLinks[c] & d) && "undo by exclusive-or needs a bit that was clear");
    engine.cellLinks[c] |= d;
    engine.cellLinks[c + dirDelta[d]] |= dirOpposite[d];
    switch (d) {
    case Up:
        pushRecord(engine, LinkDown, c - RowStride);
        break;
    case Right:
        pushRecord(engine, LinkRight, c);
        break;
    case Down:
        pushRecord(engine, LinkDown, c);
        break;
    default:
        pushRecord(engine, LinkRight, c - 1);
        break;
    }
}

void setBlock(Engine& engine, int c, int d) {
    assert(!(engine.cellLinks[c] & (d << 4)) && "undo by exclusive-or needs a bit that was clear");
    engine.cellLinks[c] |= d << 4;
    engine.cellLinks[c + dirDelta[d]] |= dirNeighbourBlock[d];
    switch (d) {
    case Up:
        pushRecord(engine, BlockDown, c - RowStride);
        break;
    case Right:
        pushRecord(engine, BlockRight, c);
        break;
    case Down:
        pushRecord(engine, BlockDown, c);
        break;
    default:
        pushRecord(engine, BlockRight, c - 1);
        break;
    }
}

int reportConflict(Engine& engine, int count, int c0, int c1, int c2, int c3) {
    engine.consistent = 0;
    engine.conflictCode = count;
    engine.conflictCells = {c0, c1, c2, c3};
    return 0;
}

} // namespace corvane
