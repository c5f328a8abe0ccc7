// The search engine's state (fixed arrays, undo trail, work list) and every rule that acts on it.
#pragma once

#include "model/cell_grid.h"

#include <array>
#include <cassert>
#include <cstdint>

namespace corvane {

/// Direction bits of a cell's links; a blocked edge is the same bit shifted left by 4.
enum Direction : int { Up = 1, Right = 2, Down = 4, Left = 8 };

inline constexpr int Blank = 1023;      // owner of a cell no path uses (and of outside cells)
inline constexpr int SecondEnd = 0x100; // end id bit of the clue met second in row-major order
inline constexpr int Interior = 0x200;  // owner bit: on the end's path but no longer its head
inline constexpr int MaxPairs = 255;    // clue numbers 1..255 fit the end ids
inline constexpr int EndSlots = 512;    // entries of the per-end arrays
inline constexpr int PairSlots = 256;   // entries of the per-pair arrays

/// Records that can stand on the trail at once: every record sets bits no earlier record
/// set, so per cell index there is at most one owner record and, for each of its two own
/// edges (Right, Down), one link and one block record; joins add one per pair.
inline constexpr int TrailCapacity = 6 * CellCount;
/// Work-list entries one search step can append; see appendWork for the bound.
inline constexpr int WorkListCapacity = 32 * CellCount;
/// Cells of one region the every-cell test floods at most after a step before it leaves the
/// region untested: a large region rarely fails the test (many pairs border it), and
/// flooding the board's main region at every step would cost more than the test saves. On
/// generated puzzles of 6 x 6 to 20 x 20 cells no step was saved by a larger limit.
inline constexpr int FillFloodLimit = 256;
/// Entries of the region walk's touch list: a walk passes each (cell, heading) state at
/// most once and counts at most one touch per state.
inline constexpr int TouchCapacity = 4 * CellCount;

/// Kinds of trail records (the field `kind` of TrailRecord).
enum TrailKind : int {
    ChoiceCorner = 0, // choice: corner Right+Down or Blank; stands for the Right link of a
    ChoiceLink = 1,   // choice: link Right or link Down; stands for the Right link of a
    CellBlank = 2,    // cell a made Blank
    LinkRight = 3,    // link between a and a + 1
    LinkDown = 4,     // link between a and a + 128
    BlockRight = 5,   // edge between a and a + 1 blocked
    BlockDown = 6,    // edge between a and a + 128 blocked
    HeadMove = 7,     // head of end a moved one cell in direction b
    PairJoin = 8,     // head of end a met its partner's head lying in direction b
};

/// One undo record.
struct TrailRecord {
    int kind;
    int a;
    int b;
};

/// One touch of a head by a region walk: the side bit seen from the head and its end id.
struct RegionTouch {
    int side;
    int owner;
};

// ---- Direction tables, indexed by a direction bit (entries of other indexes are 0). ----

inline constexpr std::array<int, 9> dirDelta{0, -RowStride, 1, 0, RowStride, 0, 0, 0, -1};
inline constexpr std::array<int, 9> dirOpposite{0, Down, Left, 0, Up, 0, 0, 0, Right};
inline constexpr std::array<int, 9> dirTurnLeft{0, Left, Up, 0, Right, 0, 0, 0, Down};
inline constexpr std::array<int, 9> dirTurnRight{0, Right, Down, 0, Left, 0, 0, 0, Up};
/// Block bit of the edge in direction d as the neighbour across it holds it.
inline constexpr std::array<int, 9> dirNeighbourBlock{0, 0x40, 0x80, 0, 0x10, 0, 0, 0, 0x20};
/// Every direction but the opposite of d.
inline constexpr std::array<int, 9> dirAllButOpposite{0, 11, 7, 0, 14, 0, 0, 0, 13};
/// From a cell to the upper or left cell of its edge in direction d, which the edge's
/// records name.
inline constexpr std::array<int, 9> dirRecordOffset{0, -RowStride, 0, 0, 0, 0, 0, 0, -1};
/// 0..3 for Up, Right, Down, Left (the index into uturnBound).
inline constexpr std::array<int, 9> dirIndex{0, 0, 1, 0, 2, 0, 0, 0, 3};
/// The four directions in the order Up, Right, Down, Left.
inline constexpr std::array<int, 4> allDirections{Up, Right, Down, Left};

namespace detail {
constexpr int bitCount4(int v) {
    return (v & 1) + ((v >> 1) & 1) + ((v >> 2) & 1) + ((v >> 3) & 1);
}
template <typename F> constexpr std::array<std::uint8_t, 256> byteTable(F f) {
    std::array<std::uint8_t, 256> t{};
    for (int v = 0; v < 256; ++v) t[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(f(v));
    return t;
}
} // namespace detail

/// Directions neither linked nor blocked, by the low byte of a cellLinks value.
inline constexpr auto freeDirs = detail::byteTable([](int v) { return ~(v | v >> 4) & 15; });
/// Number of bits in freeDirs.
inline constexpr auto freeCount =
    detail::byteTable([](int v) { return detail::bitCount4(~(v | v >> 4) & 15); });
/// Number of links.
inline constexpr auto linkCount =
    detail::byteTable([](int v) { return detail::bitCount4(v & 15); });
/// Number of blocked edges.
inline constexpr auto blockCount =
    detail::byteTable([](int v) { return detail::bitCount4(v >> 4); });

/// Ints between two cell arrays of Engine: two cache lines.
inline constexpr int CachePad = 32;

/// The whole engine state. Large (several MiB): owners allocate it on the heap.
///
/// The search undoes its steps by rewinding the trail, and replay (a search thread rebuilding
/// the root of a subtree, SubtreeWalker) rewinds to the root's mark. Every field belongs to
/// one of four groups, by what brings it back:
/// - fixed: written by initEngine (fillAllCells by the preparation right after it), only read
///   by the search: cellClue, diagonalLeft, diagonalRight, uturnBound, endHome, engineWidth,
///   engineHeight, lastRowBase, pairCount, fillAllCells (and the padding between the cell
///   arrays);
/// - trailed: every change pushes a record that undoRecord reverses: cellOwner, cellLinks,
///   endHead, pairJoined, and the trail itself (trail, trailTop);
/// - untrailed: the trail does NOT restore them: endPending, consistent, scanCell,
///   lastChoice, joinSeen, which the search sets again after each rewind and replay saves
///   at the root and puts back (SubtreeWalker's RootMark and rewindToRoot); conflictCode
///   (with conflictCells) and workCount (with workList), which every step resets before use;
/// - scratch: touchList, touchCount, bothSeen, bothSeenCount, endSeen, cleared by each region
///   walk; the fill* fields and passFirstRegion of the every-cell test, numbered afresh by
///   every pass; callDepth, back to 0 between steps; maxCallDepth, a measurement since set-up.
/// copySearchState copies every field but touchList and bothSeen, and starts the every-cell
/// test's numbering afresh. A new untrailed field must
/// go into copySearchState and RootMark as well, or replay starts subtrees from a wrong
/// state; the byte counts of the groups below list every field and stop the build until a
/// new field is placed in a group.
struct Engine {
    // Cell arrays, indexed by cell = row * 128 + column.
    // The cell arrays are 64 KiB each, so the same cell of each would fall into the same
    // cache set; the padding between them staggers them by two cache lines each.
    std::array<int, CellCount> cellClue; // clue number, 0 on an empty board cell, 1023 outside
    std::array<int, CachePad> pad1;
    std::array<int, CellCount> cellOwner; // 0 undecided, Blank, or end id (| Interior)
    std::array<int, CachePad> pad2;
    std::array<int, CellCount> cellLinks; // bits 0-3 links, bits 4-7 blocked edges
    std::array<int, CachePad> pad3;
    std::array<int, CellCount> diagonalLeft; // 1 on the up-left diagonal rays of the clues
    std::array<int, CachePad> pad4;
    std::array<int, CellCount> diagonalRight; // 1 on the up-right diagonal rays of the clues
    std::array<int, CachePad> pad5;
    std::array<std::array<int, 4>, CellCount> uturnBound; // per cell, by dirIndex

    // End arrays, indexed by end id p or p | SecondEnd.
    std::array<int, EndSlots> endHome;    // clue cell of the end
    std::array<int, EndSlots> endHead;    // current head cell of the end's path
    std::array<int, EndSlots> endPending; // head directions the region check still looks at

    std::array<int, PairSlots> pairJoined; // 1 once the two heads of the pair have met

    std::array<TrailRecord, TrailCapacity> trail; // undo records, oldest first
    int trailTop = 0;                             // records in use
    std::array<int, WorkListCapacity> workList;   // cells whose surroundings changed
    int workCount = 0;                            // entries in use

    int engineWidth = 0;  // last column
    int engineHeight = 0; // last row
    int lastRowBase = 0;  // engineHeight * 128
    int pairCount = 0;    // clue numbers 1..pairCount form the pairs

    int consistent = 1;                 // 0 once a contradiction is known
    int conflictCode = 0;               // leading entries of conflictCells that show it
    std::array<int, 4> conflictCells{}; // cells of the last contradiction
    int joinSeen = 0;                   // set by every join; the search clears it
    int scanCell = RowStride;           // cell at which the search branches next
    int lastChoice = 0;                 // trail index of the latest choice record

    // Scratch of the region walk, cleared per walk.
    std::array<RegionTouch, TouchCapacity> touchList;
    int touchCount = 0;
    std::array<int, PairSlots> bothSeen; // pairs whose two heads one walk touched
    int bothSeenCount = 0;
    std::array<std::uint8_t, EndSlots> endSeen;

    // The every-cell rule: fixed at set-up, before the search starts.
    int fillAllCells = 0; // non-zero: no cell may stay empty (Blank is a contradiction)
    // Scratch of the every-cell region test. Each pass over the regions and each region gets
    // a new number, so nothing is cleared per pass: a cell belongs to the current pass when
    // its number is at least passFirstRegion, an end's head to a region when it holds its
    // number, a walked head cell is valid when its stamp is the pass number.
    std::uint32_t fillStamp = 0;                       // current pass
    std::uint32_t fillRegionStamp = 0;                 // last region number given out
    std::uint32_t passFirstRegion = 1;                 // first region number of the pass
    std::array<std::uint32_t, CellCount> fillSeen;     // region that last flooded a cell
    std::array<int, CellCount> fillStack;              // cells still to flood
    std::array<std::uint32_t, EndSlots> fillHeadStamp; // pass in which fillHeadCell is valid
    std::array<int, EndSlots> fillHeadCell;            // head cell during the trail walk
    std::array<std::uint32_t, EndSlots> fillEndRegion; // region that last saw an end's head

    // Nesting of the recursive rules (advanceEnd, followChain, corner rules), for the
    // stack bound; maxCallDepth keeps the deepest nesting seen since set-up.
    int callDepth = 0;
    int maxCallDepth = 0;
};

// Bytes of the fields of Engine by group (see Engine). Every field is a whole number of ints
// and int-aligned, so the four add up to sizeof(Engine) exactly when every field is listed.
inline constexpr std::size_t EngineFixedBytes =
    sizeof(Engine::cellClue) + sizeof(Engine::pad1) + sizeof(Engine::pad2) + sizeof(Engine::pad3) +
    sizeof(Engine::diagonalLeft) + sizeof(Engine::pad4) + sizeof(Engine::diagonalRight) +
    sizeof(Engine::pad5) + sizeof(Engine::uturnBound) + sizeof(Engine::endHome) +
    sizeof(Engine::engineWidth) + sizeof(Engine::engineHeight) + sizeof(Engine::lastRowBase) +
    sizeof(Engine::pairCount) + sizeof(Engine::fillAllCells);
inline constexpr std::size_t EngineTrailedBytes =
    sizeof(Engine::cellOwner) + sizeof(Engine::cellLinks) + sizeof(Engine::endHead) +
    sizeof(Engine::pairJoined) + sizeof(Engine::trail) + sizeof(Engine::trailTop);
inline constexpr std::size_t EngineUntrailedBytes =
    sizeof(Engine::endPending) + sizeof(Engine::consistent) + sizeof(Engine::scanCell) +
    sizeof(Engine::lastChoice) + sizeof(Engine::joinSeen) + sizeof(Engine::conflictCode) +
    sizeof(Engine::conflictCells) + sizeof(Engine::workList) + sizeof(Engine::workCount);
inline constexpr std::size_t EngineScratchBytes =
    sizeof(Engine::touchList) + sizeof(Engine::touchCount) + sizeof(Engine::bothSeen) +
    sizeof(Engine::bothSeenCount) + sizeof(Engine::endSeen) + sizeof(Engine::fillStamp) +
    sizeof(Engine::fillRegionStamp) + sizeof(Engine::passFirstRegion) + sizeof(Engine::fillSeen) +
    sizeof(Engine::fillStack) + sizeof(Engine::fillHeadStamp) + sizeof(Engine::fillHeadCell) +
    sizeof(Engine::fillEndRegion) + sizeof(Engine::callDepth) + sizeof(Engine::maxCallDepth);
static_assert(sizeof(Engine) ==
                  EngineFixedBytes + EngineTrailedBytes + EngineUntrailedBytes + EngineScratchBytes,
              "a field of Engine is in no group: list it in one, and if the trail does not "
              "restore it, copy it in copySearchState and keep it in SubtreeWalker's RootMark");

// ---- Set-up (engine_setup.cpp) ----

/// Builds the state for an oriented board of width x height cells: `clues` holds the clue
/// number of every board cell (0 for none; anything else in the array is ignored), and
/// `pairCount` the number of pairs found by validateBoard. `clues` may be engine.cellClue.
/// Leaves the work list holding every board cell in row-major order.
void initEngine(Engine& engine, const std::array<int, CellCount>& clues, int width, int height,
                int pairCount);

/// The initial propagation after initEngine: advanceEnd of every end of an unjoined pair,
/// then workListPass, then checkRegions. Returns 1, or 0 when the clues are contradictory.
int propagateClues(Engine& engine);

/// Copies the state a search reads and the live picture shows from `from` into `to`: sizes,
/// the rule, the cell arrays of the board and its rim rows, the end and pair arrays, the trail
/// in use, the work list in use and the bookkeeping; the every-cell test's scratch starts
/// afresh. The cells below the rim row and the region walk's scratch lists, which the search
/// never reads before writing, are left as they are.
void copySearchState(Engine& to, const Engine& from);

// ---- Trail (engine_trail.cpp) ----

/// Appends an undo record (the change itself is made by the caller).
inline void pushRecord(Engine& engine, int kind, int a, int b = 0) {
    assert(engine.trailTop < TrailCapacity);
    engine.trail[static_cast<std::size_t>(engine.trailTop++)] = TrailRecord{kind, a, b};
}
/// Undoes the change one record stands for (kinds 0 and 1 remove their Right link, unless
/// b = 1 marks a first branch that was refused before it set the link).
void undoRecord(Engine& engine, const TrailRecord& record);
/// Undoes records from trailTop - 1 down to `mark`, leaving trailTop = mark.
void rewindTo(Engine& engine, int mark);
/// Undoes records down to the latest choice record (kind 0 or 1) and returns its index t,
/// leaving it applied with trailTop = t + 1; undoes everything and returns -1 if none is left.
int rewindToChoice(Engine& engine);
/// True when the trail still holds a choice record (kind 0 or 1): a second branch is left
/// to search. Reads the trail only.
bool hasOpenChoice(const Engine& engine);

// ---- Edges and bookkeeping (engine_trail.cpp) ----

/// Appends a cell to the work list.
inline void appendWork(Engine& engine, int cell) {
    assert(engine.workCount < WorkListCapacity);
    engine.workList[engine.workCount++] = cell;
}
/// Flips the link bits of the edge of c in direction d on both cells; records nothing.
inline void toggleLinkBits(Engine& engine, int c, int d) {
    engine.cellLinks[c] ^= d;
    engine.cellLinks[c + dirDelta[d]] ^= dirOpposite[d];
}
/// Links c in direction d (both halves) and pushes kind 3 or 4; runs no handler.
inline void setLink(Engine& engine, int c, int d) {
    assert(!(engine.cellLinks[c] & d) && "undo by exclusive-or needs a bit that was clear");
    engine.cellLinks[c] |= d;
    engine.cellLinks[c + dirDelta[d]] |= dirOpposite[d];
    pushRecord(engine, (d & (Up | Down)) ? LinkDown : LinkRight, c + dirRecordOffset[d]);
}
/// Blocks the edge of c in direction d (both halves) and pushes kind 5 or 6; appends nothing.
inline void setBlock(Engine& engine, int c, int d) {
    assert(!(engine.cellLinks[c] & (d << 4)) && "undo by exclusive-or needs a bit that was clear");
    engine.cellLinks[c] |= d << 4;
    engine.cellLinks[c + dirDelta[d]] |= dirNeighbourBlock[d];
    pushRecord(engine, (d & (Up | Down)) ? BlockDown : BlockRight, c + dirRecordOffset[d]);
}
/// Records a contradiction shown by `count` cells; returns 0 for `return fail(...)`.
int reportConflict(Engine& engine, int count, int c0, int c1 = 0, int c2 = 0, int c3 = 0);

// ---- Cell propagation (engine_propagation.cpp, engine_link_rules.cpp, engine_corners.cpp) ----

/// Extends end e along forced links from its head; 1, or 0 on a contradiction.
int advanceEnd(Engine& engine, int e);
/// Follows the chain of end e from its head cell h with heading d (the link h-d exists),
/// including the end step; 1, or 0 on a contradiction.
int followChain(Engine& engine, int e, int h, int d);
/// Links c in direction d, pushes the record and runs the handler of c, then of the neighbour.
int linkCells(Engine& engine, int c, int d);
/// Handlers run right after a link in that direction was set on c.
int onLinkUp(Engine& engine, int c);
int onLinkRight(Engine& engine, int c);
int onLinkDown(Engine& engine, int c);
int onLinkLeft(Engine& engine, int c);
/// The handler of a link in direction d on c (table dispatch to the four above).
int onLink(Engine& engine, int c, int d);
/// Forces the cells down the inside diagonal of a corner Right+Down (a = corner cell + 129).
int cornerRightDown(Engine& engine, int a);
/// Forces the cells down the inside diagonal of a corner Down+Left (a = corner cell + 127).
int cornerDownLeft(Engine& engine, int a);
/// Runs cornerRightDown / cornerDownLeft for the cell c if it carries exactly that corner.
inline int cornerTail(Engine& engine, int c) {
    const int links = engine.cellLinks[c] & 15;
    if (links == (Right | Down)) return cornerRightDown(engine, c + RowStride + 1);
    if (links == (Down | Left)) return cornerDownLeft(engine, c + RowStride - 1);
    return 1;
}
/// Walks the links from s (which carries a link to u) away from u; if the walk comes back
/// to u, reports conflict 1 at u and returns 0.
int closedLoopTest(Engine& engine, int s, int u);

// ---- Work-list pass (engine_deductions.cpp) ----

/// Visits the work list from its start until the end of the growing list; false on a
/// contradiction. Does not clear the list.
bool workListPass(Engine& engine);
/// A head u with a single free edge is extended through it; no free edge is conflict 1.
int deduceHead(Engine& engine, int u);
/// An undecided cell u with one link gets its last free edge linked.
int deduceOneLinkCell(Engine& engine, int u);
/// An undecided cell u without links: blank, straight piece, one edge blocked, or nothing.
int deduceEmptyCell(Engine& engine, int u);
/// Makes u Blank (record 2), then finishBlank.
int makeBlank(Engine& engine, int u);
/// For a cell whose owner is already Blank and recorded: the blank-line tests, the blocks of
/// its free edges and the pending marks of the heads around it; 1, or 0 on conflict 2.
int finishBlank(Engine& engine, int u);

// ---- Connectivity (engine_regions.cpp, engine_preanalysis.cpp) ----

/// Walks each region next to a head with pending directions; 0 when two pairs must cross.
int checkRegions(Engine& engine);
/// Follows the border of the region of undecided cells containing start; 1 or 0.
int walkRegion(Engine& engine, int start, int heading);
/// The every-cell rule's test of the regions of undecided cells next to a change recorded at
/// trail index `from` or later: each must be bordered by both heads of a pair that can still
/// fill it (colour balance), and each of its cells must be able to take two links. Regions of
/// more than FillFloodLimit cells are left untested. 1, or 0 with conflict 1.
int checkFilledRegions(Engine& engine, int from);
/// The same test for every region of the board, whatever its size.
int checkAllFilledRegions(Engine& engine);
/// Fills uturnBound for every board cell.
void computeUturnBounds(Engine& engine);
/// Fills diagonalLeft and diagonalRight from the clue cells.
void markDiagonals(Engine& engine);

} // namespace corvane
