// The tab control of the main window: exact display-area sizing and silent selection.
#pragma once

#include <QMargins>
#include <QTabWidget>

namespace corvane {

/// A tab widget whose pages stay empty; the board view lies over its display area.
class TabControl : public QTabWidget {
    Q_OBJECT
  public:
    explicit TabControl(QWidget* parent = nullptr);

    /// Distances from the display area to the control's outer edges (all non-negative): the
    /// control whose display area is W x H is (W + left + right) x (H + top + bottom).
    QMargins displayMargins() const;

    /// Selects `index` by program: the page changes, but tabChangedByUser is not emitted.
    void selectTabByProgram(int index);

  Q_SIGNALS:
    /// The user selected another tab (mouse or keyboard on the tab bar).
    void tabChangedByUser(int index);

  private:
    bool selectingByProgram_ = false;
};

} // namespace corvane
