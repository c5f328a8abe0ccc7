// The board view: draws the grid of the current board.
#pragma once

#include <QWidget>

namespace corvane {

struct Session;

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int CellPixels = 24;

    BoardView(Session& session, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Session& session_;
};

} // namespace corvane
