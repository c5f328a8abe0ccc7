// The "探索の向き" dialog: chooses one of the eight search directions before a search.
#include "app/direction_dialog.h"

#include "app/dialog_buttons.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

/// One radio button: its direction id, caption and place (column 0 = left corners).
struct DirectionButton {
    int id;
    const char* caption;
    int row;
    int column;
};

constexpr DirectionButton directionButtons[] = {
    {1022, "左上から右へ", 0, 0}, {1023, "左上から下へ", 1, 0}, {1024, "右上から左へ", 0, 1},
    {1025, "右上から下へ", 1, 1}, {1026, "左下から右へ", 2, 0}, {1027, "左下から上へ", 3, 0},
    {1028, "右下から左へ", 2, 1}, {1029, "右下から上へ", 3, 1},
};

} // namespace

bool runDirectionDialog(int& searchDirection, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8("探索の向き"));
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* group = new QButtonGroup(&dialog);
    auto* radios = new QGridLayout;
    QString recommended; // caption of the preselected button; empty when the id is unknown
    for (const DirectionButton& d : directionButtons) {
        auto* radio = new QRadioButton(QString::fromUtf8(d.caption), &dialog);
        radio->setObjectName(QStringLiteral("direction%1").arg(d.id));
        group->addButton(radio, d.id);
        radios->addWidget(radio, d.row, d.column);
        if (d.id == searchDirection) {
            radio->setChecked(true);
            recommended = radio->text();
        }
    }

    auto* line = new QLabel(
        QStringLiteral("[") + recommended + QString::fromUtf8("]が推奨の向きです"), &dialog);
    line->setObjectName(QStringLiteral("recommendation"));
    line->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(line);
    layout->addLayout(radios);
    addDialogButtons(dialog, *layout).ok->setDefault(true);

    if (QAbstractButton* checked = group->checkedButton()) checked->setFocus();
    if (dialog.exec() != QDialog::Accepted) return false;
    // Ascending id order: the first selected button wins.
    for (int id = 1022; id <= 1029; ++id) {
        if (group->button(id)->isChecked()) {
            searchDirection = id;
            break;
        }
    }
    return true;
}

} // namespace corvane
