// The board view: paints the board off screen and takes the keys and clicks that edit it.
#pragma once

#include "app/board_shapes.h"

#include <QImage>
#include <QWidget>

namespace corvane {

struct Session;
struct SearchSession;
struct CellMask;
class VaryingCells;

class BoardView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int CellPixels = BoardCellPixels;

    BoardView(Session& session, QWidget* parent = nullptr);

    /// Selected tab: 0 editing, 1 search (the main window keeps it in step).
    void setSelectedTab(int tab);
    /// viewSelector index: 0 the plain board, k stored solution k.
    void setViewIndex(int index);
    /// Live search data for the search tab; may be null (no search was started).
    void setSearchSession(const SearchSession* search);
    /// Shows "相違箇所", where the stored solutions differ, instead of the view index's picture.
    void setVaryingView(bool on);
    /// The stored solutions' varying cells, kept by the view list; may be null.
    void setVaryingCells(const VaryingCells* varying);
    /// The background check's cells to tint on the editing tab; may be null.
    void setLiveVarying(const CellMask* cells);
    /// The cell editor; true when the key was consumed. Edits call refreshControls(false),
    /// cursor moves only repaint the view.
    bool handleBoardKey(int key, Qt::KeyboardModifiers modifiers);

    int selectedTab() const { return selectedTab_; }
    int viewIndex() const { return viewIndex_; }
    bool varyingView() const { return varyingView_; }
    /// The board's cursor cell.
    int cursorCell() const;

  Q_SIGNALS:
    /// Double click: the window selects the editing tab by program (no tab-change handling)
    /// and calls refreshControls(false).
    void editingTabRequested();
    /// An editor key or a click acted at the cursor: a scrolled board brings it into view.
    void cursorShown();
    /// A clue was typed or erased.
    void boardEdited();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    Session& session_;
    const SearchSession* search_ = nullptr;
    int selectedTab_ = 0;
    int viewIndex_ = 0;
    bool varyingView_ = false;
    const VaryingCells* varying_ = nullptr;
    const CellMask* liveVarying_ = nullptr;
    QImage offscreen_; // the picture is composed here, then copied to the screen at once
};

} // namespace corvane
