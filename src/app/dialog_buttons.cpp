// The OK / キャンセル row of the small dialogs.
#include "app/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

DialogButtons addDialogButtons(QDialog& dialog, QVBoxLayout& layout, bool okAccepts) {
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("okButton"));
    auto* cancel = new QPushButton(QString::fromUtf8("キャンセル"), &dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    if (okAccepts) QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout.addLayout(row);
    layout.setSizeConstraint(QLayout::SetFixedSize);
    return {ok, cancel};
}

} // namespace corvane
