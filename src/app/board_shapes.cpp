// Pixel geometry of the board view's shapes and the drawing of numbers and conflict crosses.
#include "app/board_shapes.h"

#include "model/cell_grid.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <utility>

namespace corvane {

namespace {

constexpr int NumberBox = BoardCellPixels - 1; // the number box is the cell's inside
constexpr int LargestNumberPixels = 16;        // font pixel size for one or two digits
constexpr int SmallestNumberPixels = 6;

/// Rectangle from (l, t) to (r, b), right and bottom edges excluded.
QRect span(int l, int t, int r, int b) {
    return QRect(l, t, r - l, b - t);
}

} // namespace

QPoint cellOrigin(int cell) {
    return QPoint(BoardCellPixels * (cellColumn(cell) - 1), BoardCellPixels * (cellRow(cell) - 1));
}

QRect cellFillRect(QPoint o) {
    return span(o.x() + 1, o.y() + 1, o.x() + 24, o.y() + 24);
}

QRect smallMarkRect(QPoint o) {
    return span(o.x() + 10, o.y() + 10, o.x() + 14, o.y() + 14);
}

QRect largeMarkRect(QPoint o) {
    return span(o.x() + 8, o.y() + 8, o.x() + 16, o.y() + 16);
}

QRect halfLineRect(QPoint o, Side side) {
    const int x = o.x(), y = o.y();
    switch (side) {
    case Side::Up:
        return span(x + 11, y, x + 13, y + 13);
    case Side::Right:
        return span(x + 11, y + 11, x + 25, y + 13);
    case Side::Down:
        return span(x + 11, y + 11, x + 13, y + 25);
    case Side::Left:
        break;
    }
    return span(x, y + 11, x + 13, y + 13);
}

NumberPainter::NumberPainter(QPainter& painter) : painter_(painter) {}

const QFont& NumberPainter::fontFor(const QString& text) {
    const std::size_t length = std::min<std::size_t>(text.size(), fonts_.size() - 1);
    QFont& font = fonts_[length];
    if (!fontReady_[length]) {
        // IPAGothic when installed, else whatever sans-serif font the system offers; no
        // smoothing, so every pixel of a number is pure black.
        font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("DejaVu Sans")});
        font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
        int pixels = LargestNumberPixels;
        font.setPixelSize(pixels);
        while (pixels > SmallestNumberPixels &&
               QFontMetrics(font).horizontalAdvance(text) > NumberBox - 1) {
            font.setPixelSize(--pixels);
        }
        fontReady_[length] = true;
    }
    return font;
}

void NumberPainter::draw(QPoint origin, int value) {
    // Each value is laid out once per picture and then copied: a large board repeats its
    // numbers many times.
    auto found = rendered_.find(value);
    if (found == rendered_.end()) {
        const QString text = QString::number(value);
        const qreal ratio = painter_.device()->devicePixelRatioF();
        QImage image(QSize(NumberBox, NumberBox) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter textPainter(&image);
        textPainter.setRenderHint(QPainter::TextAntialiasing, false);
        textPainter.setFont(fontFor(text));
        textPainter.setPen(QColor(board_colour::Ink));
        textPainter.drawText(QRect(0, 0, NumberBox, NumberBox),
                             Qt::AlignCenter | Qt::TextSingleLine, text);
        textPainter.end();
        found = rendered_.emplace(value, std::move(image)).first;
    }
    painter_.drawImage(origin + QPoint(1, 1), found->second);
}

void drawConflictCross(QPainter& painter, QPoint o) {
    painter.setPen(QPen(QColor(board_colour::Conflict), 2, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(o + QPoint(4, 4), o + QPoint(20, 20));
    painter.drawLine(o + QPoint(4, 20), o + QPoint(20, 4));
}

} // namespace corvane
