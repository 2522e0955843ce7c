// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPushButton;

// The buttons that write the lists to disk or read them from it: the rebuild of the
// lexicon file and the export and import of the per-length word files.
class FileActionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit FileActionsPanel(QWidget* parent = nullptr);

    // The import may run whenever the editor is idle; the rebuild and the export only
    // when, besides, the lists hold words worth writing (`listsWritable`).
    void SetActionsEnabled(bool enabled, bool listsWritable);
    bool RebuildEnabled() const;

signals:
    void rebuildRequested();
    void exportRequested();
    void importRequested();

private:
    QPushButton* rebuildButton_;
    QPushButton* exportButton_;
    QPushButton* importButton_;
};
