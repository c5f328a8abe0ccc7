// The tab control of the main window: exact display-area sizing and silent selection.
#include "app/tab_control.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>

namespace corvane {

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (!selectingByProgram_) Q_EMIT tabChangedByUser(index);
    });
}

QMargins TabControl::displayMargins() const {
    // Ask the style where the pages go inside a large control; the margins do not depend on
    // the control's size.
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    const QRect outer(0, 0, 2000, 2000);
    option.rect = outer;
    const QRect inner = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

void TabControl::selectTabByProgram(int index) {
    const bool previous = selectingByProgram_;
    selectingByProgram_ = true;
    setCurrentIndex(index);
    selectingByProgram_ = previous;
}

} // namespace corvane
