// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

// Where Gleaner finds its texts: a list of places (the root, the home folder and the
// mounted volumes), the folders of the current folder, and its files that match a
// pattern ("ma*.txt" unless the user asks for every ".txt"). One click on a file, or
// Enter on it, chooses it.
class FolderBrowser : public QWidget {
    Q_OBJECT

public:
    static inline const QString kDefaultPattern = QStringLiteral("ma*.txt");
    static inline const QString kEveryTextPattern = QStringLiteral("*.txt");
    // Many texts have no ".txt" ending.
    static inline const QString kEveryFileCaption = QStringLiteral("Tutti i files (*)");
    static inline const QString kParentEntry = QStringLiteral("..");

    explicit FolderBrowser(QWidget* parent = nullptr);

    // Shows `folder`; false, and nothing changes, when it cannot be listed.
    bool ShowFolder(const QString& folder);
    QString Folder() const { return folder_; }
    // Lists the files again (after a harvest wrote one, say).
    void RefreshFiles();

    QListWidget* Files() const { return files_; }

signals:
    void fileChosen(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillPlaces();
    void SelectPlaceOf(const QString& folder);
    void ChoosePlace(int index);
    void EnterFolder(QListWidgetItem* item);
    void ChooseFile(QListWidgetItem* item);
    QString Pattern() const;

    QComboBox* places_;
    QLabel* path_;
    QListWidget* folders_;
    QComboBox* pattern_;
    QListWidget* files_;
    QString folder_;
};
