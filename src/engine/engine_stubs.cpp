// Temporary bodies of the rules still being written.
#include "engine/engine_state.h"

namespace corvane {

int advanceEnd(Engine&, int) {
    return 1;
}
int followChain(Engine&, int, int, int) {
    return 1;
}
int linkCells(Engine&, int, int) {
    return 1;
}
int onLinkUp(Engine&, int) {
    return 1;
}
int onLinkRight(Engine&, int) {
    return 1;
}
int onLinkDown(Engine&, int) {
    return 1;
}
int onLinkLeft(Engine&, int) {
    return 1;
}
int onLink(Engine&, int, int) {
    return 1;
}
int cornerRightDown(Engine&, int) {
    return 1;
}
int cornerDownLeft(Engine&, int) {
    return 1;
}
int cornerTail(Engine&, int) {
    return 1;
}
int closedLoopTest(Engine&, int, int) {
    return 1;
}
bool workListPass(Engine&) {
    return true;
}
int deduceHead(Engine&, int) {
    return 1;
}
int deduceOneLinkCell(Engine&, int) {
    return 1;
}
int deduceEmptyCell(Engine&, int) {
    return 1;
}
int makeBlank(Engine&, int) {
    return 1;
}
int finishBlank(Engine&, int) {
    return 1;
}
int checkRegions(Engine&) {
    return 1;
}
int walkRegion(Engine&, int, int) {
    return 1;
}
void computeUturnBounds(Engine&) {}
void markDiagonals(Engine&) {}

} // namespace corvane
