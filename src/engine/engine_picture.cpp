// Text picture of the engine state for debugging and test failure messages.
#include "engine/engine_picture.h"

namespace corvane {

namespace {

std::string ownerText(int owner) {
    if (owner == 0) return "  .";
    if (owner == Blank) return "  #";
    std::string number = std::to_string(owner & 0xff);
    while (number.size() < 2) number.insert(number.begin(), ' ');
    const bool second = (owner & SecondEnd) != 0;
    const char mark = (owner & Interior) ? (second ? ';' : ':') : (second ? 'b' : 'a');
    return number + mark;
}

char edgeMark(int links, int d, char linkMark) {
    if (links & d) return linkMark;
    if (links & (d << 4)) return 'x';
    return ' ';
}

} // namespace

std::string enginePicture(const Engine& engine) {
    std::string out;
    for (int y = 1; y <= engine.engineHeight; ++y) {
        std::string cells, below;
        for (int x = 1; x <= engine.engineWidth; ++x) {
            const int c = cellIndex(x, y);
            const int links = engine.cellLinks[c];
            cells += ownerText(engine.cellOwner[c]);
            below += "  ";
            below += edgeMark(links, Down, '|');
            if (x < engine.engineWidth) {
                cells += edgeMark(links, Right, '-');
                below += ' ';
            }
        }
        out += cells + "\n";
        if (y < engine.engineHeight) out += below + "\n";
    }
    out += "trailTop " + std::to_string(engine.trailTop) + ", consistent " +
           std::to_string(engine.consistent) + ", conflict " + std::to_string(engine.conflictCode);
    for (int k = 0; k < engine.conflictCode && k < 4; ++k)
        out += " (" + std::to_string(cellColumn(engine.conflictCells[k])) + "," +
               std::to_string(cellRow(engine.conflictCells[k])) + ")";
    out += "\n";
    return out;
}

} // namespace corvane
