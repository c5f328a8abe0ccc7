// The view list's items and the varying cells of the stored answers they list.
#include "app/view_list.h"

#include "model/board.h"

#include <QComboBox>

namespace corvane {

ViewList::ViewList(QComboBox& box, const Board& board) : box_(box), board_(board) {}

void ViewList::addAnswerItem(const std::string& text) {
    const QString item = QString::fromStdString(text);
    if (varyingItem_)
        box_.insertItem(box_.count() - 1, item);
    else
        box_.addItem(item);
    takeInNewAnswers();
    if (!varyingItem_ && varying_.answerCount() >= 2) {
        box_.addItem(QString::fromUtf8(VaryingItemText));
        varyingItem_ = true;
    }
}

void ViewList::takeInNewAnswers() {
    const std::vector<Answer>& answers = board_.solutions;
    if (answers.size() < varying_.answerCount()) varying_.clear();
    for (std::size_t k = varying_.answerCount(); k < answers.size(); ++k) varying_.add(answers[k]);
}

void ViewList::removeItem(int index) {
    if (index >= 1 && varyingItem_) {
        varyingItem_ = false;
        box_.removeItem(box_.count() - 1);
    }
    if (index >= 1) varying_.clear();
    box_.removeItem(index);
}

void ViewList::select(int index) {
    box_.setCurrentIndex(index);
}

int ViewList::selectedItem() const {
    const int index = box_.currentIndex();
    return isVaryingItem(index) ? 0 : index;
}

bool ViewList::isVaryingItem(int boxIndex) const {
    return varyingItem_ && boxIndex == box_.count() - 1;
}

int ViewList::answerOf(int boxIndex) const {
    return isVaryingItem(boxIndex) || boxIndex < 0 ? 0 : boxIndex;
}

std::optional<std::size_t> ViewList::varyingCount() const {
    if (varying_.answerCount() < 2) return std::nullopt;
    return varying_.count();
}

} // namespace corvane
