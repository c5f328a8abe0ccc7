// The direction dialog: preselection, recommendation line, button places, OK and Cancel.
#include "app/direction_dialog.h"

#include "modal_script.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::clickLater;
using testing::ModalScript;

QRadioButton* radio(QWidget* dialog, int id) {
    auto* r = dialog->findChild<QRadioButton*>(QStringLiteral("direction%1").arg(id));
    EXPECT_TRUE(r) << id;
    return r;
}

QString recommendation(QWidget* dialog) {
    return dialog->findChild<QLabel*>("recommendation")->text();
}

TEST(DirectionDialogTest, RecommendedDirectionIsPreselectedAndNamed) {
    int direction = 1029;
    ModalScript script;
    script.then([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("探索の向き"));
        EXPECT_EQ(recommendation(dialog), QString::fromUtf8("[右下から上へ]が推奨の向きです"));
        for (int id = 1022; id <= 1029; ++id) EXPECT_EQ(radio(dialog, id)->isChecked(), id == 1029);
        clickLater(dialog, "okButton");
    });
    EXPECT_TRUE(runDirectionDialog(direction, nullptr));
    EXPECT_EQ(direction, 1029);
}

TEST(DirectionDialogTest, OkStoresTheChosenDirectionAndCancelKeepsTheOld) {
    int direction = 1022;
    ModalScript script;
    script.then([](QWidget* dialog) {
        QTest::mouseClick(radio(dialog, 1025), Qt::LeftButton);
        EXPECT_FALSE(radio(dialog, 1022)->isChecked());
        clickLater(dialog, "okButton");
    });
    EXPECT_TRUE(runDirectionDialog(direction, nullptr));
    EXPECT_EQ(direction, 1025);

    script.then([](QWidget* dialog) {
        QTest::mouseClick(radio(dialog, 1028), Qt::LeftButton);
        clickLater(dialog, "cancelButton");
    });
    EXPECT_FALSE(runDirectionDialog(direction, nullptr));
    EXPECT_EQ(direction, 1025);

    script.then([](QWidget* dialog) {
        QTest::mouseClick(radio(dialog, 1023), Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(runDirectionDialog(direction, nullptr));
    EXPECT_EQ(direction, 1025);

    // OK is the default button: Enter confirms.
    script.then([](QWidget* dialog) {
        QTest::mouseClick(radio(dialog, 1027), Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    EXPECT_TRUE(runDirectionDialog(direction, nullptr));
    EXPECT_EQ(direction, 1027);
}

TEST(DirectionDialogTest, ButtonsStandByCornerInTwoColumns) {
    int direction = 1022;
    ModalScript script;
    script.then([](QWidget* dialog) {
        const auto at = [&](int id) { return radio(dialog, id)->geometry(); };
        const int left = at(1022).x(), right = at(1024).x();
        EXPECT_LT(left, right);
        for (int id : {1022, 1023, 1026, 1027}) EXPECT_EQ(at(id).x(), left) << id;
        for (int id : {1024, 1025, 1028, 1029}) EXPECT_EQ(at(id).x(), right) << id;
        EXPECT_LT(at(1022).y(), at(1023).y());
        EXPECT_LT(at(1023).y(), at(1026).y());
        EXPECT_LT(at(1026).y(), at(1027).y());
        for (auto [l, r] : {std::pair{1022, 1024}, {1023, 1025}, {1026, 1028}, {1027, 1029}})
            EXPECT_EQ(at(l).y(), at(r).y());
        EXPECT_LT(dialog->findChild<QLabel*>("recommendation")->geometry().bottom(), at(1022).y());
        clickLater(dialog, "cancelButton");
    });
    EXPECT_FALSE(runDirectionDialog(direction, nullptr));
}

TEST(DirectionDialogTest, UnknownDirectionSelectsNothingAndOkKeepsIt) {
    int direction = 0;
    ModalScript script;
    script.then([](QWidget* dialog) {
        for (int id = 1022; id <= 1029; ++id) EXPECT_FALSE(radio(dialog, id)->isChecked());
        EXPECT_EQ(recommendation(dialog), QString::fromUtf8("[]が推奨の向きです"));
        clickLater(dialog, "okButton");
    });
    EXPECT_TRUE(runDirectionDialog(direction, nullptr));
    EXPECT_EQ(direction, 0);
}

} // namespace
} // namespace corvane
