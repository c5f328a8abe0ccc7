// The panel below the file list of the open and save dialogs.
#include "app/file_dialog_panel.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace corvane {

QStringList formatNames(bool withAuto) {
    QStringList names{QString::fromUtf8("Kavrin形式"), QString::fromUtf8("ｎ社形式"),
                      QString::fromUtf8("ｎ社ｃ形式")};
    if (withAuto) names << QString::fromUtf8("自動判別");
    return names;
}

void prepareFileDialog(QFileDialog& dialog, int acceptMode) {
    // Qt's own dialog: a platform dialog would not take the extra panel.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(static_cast<QFileDialog::AcceptMode>(acceptMode));
    dialog.setNameFilter(QStringLiteral("All files (*)"));
    dialog.setSizeGripEnabled(true);
    // Every entry is listed, pipes and devices included, as "All files" promises; the preview
    // reads regular files only.
    dialog.setFilter(dialog.filter() | QDir::System);
}

void proposeFile(QFileDialog& dialog, const std::string& proposedPath) {
    if (proposedPath.empty()) return;
    const QFileInfo proposed(QString::fromStdString(proposedPath));
    if (proposed.absoluteDir().exists()) dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
}

FormatPanel addFormatPanel(QFileDialog& dialog, const QStringList& formats, bool withAnswerList) {
    FormatPanel panel;
    auto* box = new QWidget(&dialog);
    box->setObjectName(QStringLiteral("formatPanel"));

    auto* choices = new QHBoxLayout;
    choices->setContentsMargins(0, 0, 0, 0);
    choices->addWidget(new QLabel(QString::fromUtf8("フォーマット"), box));
    panel.formatList = new QComboBox(box);
    panel.formatList->setObjectName(QStringLiteral("formatList"));
    panel.formatList->addItems(formats);
    choices->addWidget(panel.formatList);
    if (withAnswerList) {
        choices->addSpacing(12);
        choices->addWidget(new QLabel(QString::fromUtf8("解答データ追加"), box));
        panel.answerList = new QComboBox(box);
        panel.answerList->setObjectName(QStringLiteral("answerList"));
        panel.answerList->setMinimumContentsLength(8);
        choices->addWidget(panel.answerList);
    }
    choices->addStretch();

    panel.preview = new QPlainTextEdit(box);
    panel.preview->setObjectName(QStringLiteral("preview"));
    panel.preview->setReadOnly(true);
    panel.preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    panel.preview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panel.preview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Grids line up in a fixed-pitch font.
    panel.preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    panel.preview->setMinimumHeight(8 * panel.preview->fontMetrics().lineSpacing());

    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(choices);
    column->addWidget(panel.preview);

    // Qt's own file dialog lays itself out in a grid; the panel takes a new bottom row.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(box, grid->rowCount(), 0, 1, grid->columnCount());
    else if (dialog.layout())
        dialog.layout()->addWidget(box);
    return panel;
}

void showPreview(QPlainTextEdit* preview, const std::optional<std::string>& text) {
    if (text)
        preview->setPlainText(QString::fromStdString(*text));
    else
        preview->clear();
}

} // namespace corvane
