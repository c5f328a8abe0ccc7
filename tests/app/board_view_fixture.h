// A shown, focused board view over a session with a recording window, and pixel helpers.
#pragma once

#include "answer_checker.h"
#include "app/board_view.h"
#include "board_picture.h"
#include "model/session.h"
#include "recording_window.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

/// Lets GoogleTest print colour names in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace corvane::testing {

/// Pixel colours as "#rrggbb", so that a failing check names the colour it met.
inline const QString White = "#ffffff";
inline const QString Grey = "#666666";
inline const QString Black = "#000000";
inline const QString Cyan = "#00ffff";
inline const QString LightGrey = "#cccccc";
inline const QString Blue = "#0000ff";
inline const QString Yellow = "#ffff00";
inline const QString Green = "#00ff00";
inline const QString Red = "#ff0000";
inline const QString LightRed = "#ffc8c8";

class BoardViewTest : public ::testing::Test {
  protected:
    static constexpr int ViewPixels = 15 * BoardView::CellPixels + 1; // 15 x 15 cells reserved

    RecordingWindow window;
    Session session{window, nullptr};
    QWidget top;
    BoardView* view = nullptr;
    QPushButton* button = nullptr; // another control that can take the focus

    void SetUp() override {
        view = new BoardView(session, &top);
        view->setGeometry(0, 0, ViewPixels, ViewPixels);
        button = new QPushButton("other", &top);
        button->setGeometry(ViewPixels + 10, 0, 80, 20);
        top.resize(ViewPixels + 100, ViewPixels);
        top.show();
        top.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&top));
        view->setFocus();
        ASSERT_TRUE(view->hasFocus());
    }

    void setBoard(const std::vector<std::string>& rows) { setBoardPicture(session.board, rows); }

    /// Adds a stored solution and its view item, as the search or a file would.
    void addSolution(const std::vector<std::string>& rows) {
        session.board.solutions.push_back(answerFromPicture(rows));
        window.addViewItem(viewItemText(static_cast<int>(session.board.solutions.size())));
    }

    /// The view's picture as it is painted now.
    QImage picture() const { return view->grab().toImage(); }

    static QString colourAt(const QImage& image, int x, int y) {
        return QColor(image.pixel(x, y)).name();
    }
    QString colourAt(int x, int y) const { return colourAt(picture(), x, y); }

    /// Number of pixels of `colour` in the rectangle.
    static int countColour(const QImage& image, const QRect& area, const QString& colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (colourAt(image, x, y) == colour) ++n;
        return n;
    }
};

} // namespace corvane::testing
