// Board view painting: white cells on a grey ground with black grid lines and the clues.
#include "app/board_view.h"

#include "model/session.h"

#include <QPainter>

namespace corvane {

BoardView::BoardView(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(192, 192, 192));
    const Board& b = session_.board;
    p.setPen(Qt::black);
    for (int y = 1; y <= b.boardHeight; ++y) {
        for (int x = 1; x <= b.boardWidth; ++x) {
            const QRect r((x - 1) * CellPixels, (y - 1) * CellPixels, CellPixels, CellPixels);
            p.fillRect(r.adjusted(1, 1, 0, 0), Qt::white);
            p.drawRect(r);
            const int v = b.boardCells[cellIndex(x, y)];
            if (v > 0) p.drawText(r, Qt::AlignCenter, QString::number(v));
        }
    }
}

} // namespace corvane
