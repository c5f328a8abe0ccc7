// The undo trail and the primitive edge changes that every rule records on it.
#include "engine/engine_state.h"

#include <cassert>

namespace corvane {

namespace {

/// What undoing a blank, link or block record flips: link bits of the record's cell and of
/// the cell `offset` past it, and owner bits of the record's cell (a Blank cell was undecided).
struct EdgeUndo {
    int links;
    int offset;
    int otherLinks;
    int owner;
};

/// Indexed by the kinds CellBlank..BlockDown; the first two entries are unused.
constexpr std::array<EdgeUndo, 7> edgeUndo{{
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {0, 0, 0, Blank},                   // CellBlank
    {Right, 1, Left, 0},                // LinkRight
    {Down, RowStride, Up, 0},           // LinkDown
    {Right << 4, 1, Left << 4, 0},      // BlockRight
    {Down << 4, RowStride, Up << 4, 0}, // BlockDown
}};

/// The body of undoRecord, inlined into the rewind loops. Blank, link and block records,
/// nearly all of the trail, are undone by the table without a jump per kind: their kinds
/// come in no order a branch predictor could follow.
inline void undoOne(Engine& engine, const TrailRecord& record) {
    const int a = record.a;
    const unsigned edgeKind = static_cast<unsigned>(record.kind - CellBlank);
    if (edgeKind <= BlockDown - CellBlank) {
        const EdgeUndo& undo = edgeUndo[static_cast<std::size_t>(record.kind)];
        assert((record.kind != CellBlank || engine.cellOwner[a] == Blank) &&
               "a Blank cell keeps its owner until its record is undone");
        engine.cellLinks[a] ^= undo.links;
        engine.cellLinks[a + undo.offset] ^= undo.otherLinks;
        engine.cellOwner[a] ^= undo.owner;
        return;
    }
    switch (record.kind) {
    case ChoiceCorner:
    case ChoiceLink:
        // b = 1 marks a choice whose first branch was refused before it set its link.
        if (record.b != 0) break;
        engine.cellLinks[a] ^= Right;
        engine.cellLinks[a + 1] ^= Left;
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

} // namespace

void undoRecord(Engine& engine, const TrailRecord& record) {
    undoOne(engine, record);
}

void rewindTo(Engine& engine, int mark) {
    while (engine.trailTop > mark) {
        --engine.trailTop;
        undoOne(engine, engine.trail[static_cast<std::size_t>(engine.trailTop)]);
    }
}

int rewindToChoice(Engine& engine) {
    int t = engine.trailTop;
    while (t > 0) {
        const TrailRecord& record = engine.trail[static_cast<std::size_t>(t - 1)];
        if (record.kind == ChoiceCorner || record.kind == ChoiceLink) break;
        undoOne(engine, record);
        --t;
    }
    engine.trailTop = t;
    return t > 0 ? t - 1 : -1;
}

bool hasOpenChoice(const Engine& engine) {
    for (int t = engine.trailTop - 1; t >= 0; --t) {
        const int kind = engine.trail[static_cast<std::size_t>(t)].kind;
        if (kind == ChoiceCorner || kind == ChoiceLink) return true;
    }
    return false;
}

int reportConflict(Engine& engine, int count, int c0, int c1, int c2, int c3) {
    engine.consistent = 0;
    engine.conflictCode = count;
    engine.conflictCells = {c0, c1, c2, c3};
    return 0;
}

} // namespace corvane
