// Helpers that drive Qt's file dialog in tests.
#include "file_dialog_driver.h"

#include "modal_script.h"

#include <QAbstractItemView>
#include <QCollator>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace corvane::testing {

namespace {

/// The file view the user sees: the list or, in detail mode, the tree.
QAbstractItemView* fileList(QFileDialog* dialog) {
    const char* name = dialog->viewMode() == QFileDialog::Detail ? "treeView" : "listView";
    auto* view = dialog->findChild<QAbstractItemView*>(QString::fromLatin1(name));
    EXPECT_TRUE(view && view->isVisible()) << name;
    return view;
}

QFileSystemModel* fileModel(QAbstractItemView* view) {
    return qobject_cast<QFileSystemModel*>(view->model());
}

} // namespace

void keepDialogStateIn(const std::string& folder) {
    const QString path = QString::fromStdString(folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
}

QFileDialog* asFileDialog(QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    EXPECT_TRUE(dialog) << "expected a file dialog, got " << modal->windowTitle().toStdString();
    return dialog;
}

/// Names of the listed entries in the order shown.
QStringList listedNames(QAbstractItemView* view) {
    QStringList names;
    QFileSystemModel* model = fileModel(view);
    if (!model) return names;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row)
        names << model->fileName(model->index(row, 0, root));
    return names;
}

/// True when `a` is listed before `b` in a freshly sorted file list: folders first, then by
/// name, ignoring case and comparing digit runs as numbers.
bool listedBefore(const QFileInfo& a, const QFileInfo& b, const QCollator& names) {
    if (a.isDir() != b.isDir()) return a.isDir();
    return names.compare(a.fileName(), b.fileName()) < 0;
}

bool waitForListing(QFileDialog* dialog, const QString& dir, int entries) {
    QAbstractItemView* view = fileList(dialog);
    QCollator names;
    names.setNumericMode(true);
    names.setCaseSensitivity(Qt::CaseInsensitive);
    // The model fetches the entries' details on its own thread and sorts again as they come:
    // the wait ends once the list shows the folder in its final order, which is computed here
    // from the file system, not taken from the list.
    return waitUntil([&] {
        QFileSystemModel* model = fileModel(view);
        if (!model) return false;
        const QModelIndex root = view->rootIndex();
        if (QDir(model->filePath(root)) != QDir(dir) || model->rowCount(root) < entries)
            return false;
        const QStringList shown = listedNames(view);
        QList<QFileInfo> infos;
        for (const QString& name : shown) infos << QFileInfo(QDir(dir).filePath(name));
        std::sort(infos.begin(), infos.end(), [&](const QFileInfo& a, const QFileInfo& b) {
            return listedBefore(a, b, names);
        });
        QStringList sorted;
        for (const QFileInfo& info : infos) sorted << info.fileName();
        return shown == sorted;
    });
}

bool clickEntry(QFileDialog* dialog, const QString& name) {
    QAbstractItemView* view = fileList(dialog);
    QFileSystemModel* model = fileModel(view);
    if (!model) return false;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row) {
        const QModelIndex index = model->index(row, 0, root);
        if (model->fileName(index) != name) continue;
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        return true;
    }
    return false;
}

void keyInList(QFileDialog* dialog, int key) {
    QTest::keyClick(fileList(dialog), static_cast<Qt::Key>(key));
}

QComboBox* panelList(QWidget* dialog, const char* name) {
    auto* list = dialog->findChild<QComboBox*>(QString::fromLatin1(name));
    EXPECT_TRUE(list) << name;
    return list;
}

QString previewText(QWidget* dialog) {
    auto* preview = dialog->findChild<QPlainTextEdit*>(QStringLiteral("preview"));
    EXPECT_TRUE(preview);
    EXPECT_TRUE(preview && preview->isReadOnly());
    return preview ? preview->toPlainText() : QString();
}

QString shownAs(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void acceptLater(QWidget* dialog) {
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}

void rejectLater(QWidget* dialog) {
    QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
}

} // namespace corvane::testing
