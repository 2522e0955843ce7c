// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/ui/folder_browser.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace {

// Mounts that hold the system's own workings rather than anyone's texts.
bool IsSystemMount(const QString& root)
{
    for (const char* prefix : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot"}) {
        const QString system = QString::fromLatin1(prefix);
        if (root == system || root.startsWith(system + QLatin1Char('/')))
            return !root.startsWith(QStringLiteral("/run/media/"));
    }
    return false;
}

QLabel* BuddyLabel(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

FolderBrowser::FolderBrowser(QWidget* parent)
    : QWidget(parent),
      places_(new QComboBox(this)),
      path_(new QLabel(this)),
      folders_(new QListWidget(this)),
      pattern_(new QComboBox(this)),
      files_(new QListWidget(this))
{
    places_->setObjectName(QStringLiteral("placeList"));
    places_->setToolTip(QStringLiteral("Elenco drives"));
    places_->setAccessibleName(QStringLiteral("Elenco drives"));
    folders_->setObjectName(QStringLiteral("folderList"));
    folders_->setToolTip(QStringLiteral("Elenco cartelle"));
    folders_->setAccessibleName(QStringLiteral("Elenco cartelle"));
    path_->setObjectName(QStringLiteral("folderPath"));
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    pattern_->setObjectName(QStringLiteral("filePattern"));
    pattern_->addItem(kDefaultPattern, kDefaultPattern);
    pattern_->addItem(kEveryTextPattern, kEveryTextPattern);
    pattern_->addItem(kEveryFileCaption, QStringLiteral("*"));
    pattern_->setAccessibleName(QStringLiteral("Tipo di file"));
    files_->setObjectName(QStringLiteral("fileList"));
    files_->setToolTip(QStringLiteral("Elenco dei files importabili (%1)").arg(kDefaultPattern));
    files_->setAccessibleName(QStringLiteral("Elenco dei files importabili"));
    files_->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BuddyLabel(QStringLiteral("&Unità:"), places_, this), 0, 0);
    layout->addWidget(places_, 1, 0);
    layout->addWidget(BuddyLabel(QStringLiteral("C&artelle:"), folders_, this), 2, 0);
    layout->addWidget(path_, 3, 0);
    layout->addWidget(folders_, 4, 0);
    layout->addWidget(BuddyLabel(QStringLiteral("&Tipo:"), pattern_, this), 0, 1);
    layout->addWidget(pattern_, 1, 1);
    layout->addWidget(BuddyLabel(QStringLiteral("F&iles:"), files_, this), 2, 1, 2, 1, Qt::AlignBottom);
    layout->addWidget(files_, 4, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    FillPlaces();
    connect(places_, &QComboBox::activated, this, &FolderBrowser::ChoosePlace);
    connect(folders_, &QListWidget::itemActivated, this, &FolderBrowser::EnterFolder);
    connect(pattern_, &QComboBox::currentIndexChanged, this, &FolderBrowser::RefreshFiles);
    // A click chooses at once, as Enter does (see eventFilter); a double click must
    // not choose twice, so activation by mouse is not used.
    connect(files_, &QListWidget::itemClicked, this, &FolderBrowser::ChooseFile);

    ShowFolder(QDir::homePath());
}

void FolderBrowser::FillPlaces()
{
    QStringList roots{QDir::rootPath(), QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && !IsSystemMount(root) && !roots.contains(root))
            roots.append(root);
    }
    for (const QString& root : roots)
        places_->addItem(QDir::toNativeSeparators(root), root);
}

void FolderBrowser::SelectPlaceOf(const QString& folder)
{
    // The place that holds the folder most closely.
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < places_->count(); ++i) {
        const QString root = places_->itemData(i).toString();
        const bool holds = folder == root || root == QDir::rootPath() ||
                           folder.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    const QSignalBlocker blocker(places_);
    places_->setCurrentIndex(best);
}

void FolderBrowser::ChoosePlace(int index)
{
    // A place that cannot be opened leaves everything as it was.
    if (!ShowFolder(places_->itemData(index).toString()))
        SelectPlaceOf(folder_);
}

bool FolderBrowser::ShowFolder(const QString& folder)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists() || !dir.isReadable())
        return false;
    folder_ = dir.absolutePath();
    path_->setText(QDir::toNativeSeparators(folder_));
    SelectPlaceOf(folder_);

    folders_->clear();
    if (!dir.isRoot())
        folders_->addItem(kParentEntry);
    folders_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    if (folders_->count() > 0)
        folders_->setCurrentRow(0);
    RefreshFiles();
    return true;
}

void FolderBrowser::RefreshFiles()
{
    const QString current = files_->currentItem() ? files_->currentItem()->text() : QString();
    files_->clear();
    // Regular files only: a pipe or a device is no text to harvest.
    const QStringList names =
        QDir(folder_).entryList({Pattern()}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    // The tooltip names the pattern the list follows.
    files_->setToolTip(QStringLiteral("Elenco dei files importabili (%1)").arg(Pattern()));
    files_->addItems(names);
    // The file harvested last stays marked; otherwise the keyboard starts at the top.
    const qsizetype keep = names.indexOf(current);
    if (keep >= 0)
        files_->setCurrentRow(static_cast<int>(keep));
    else
        files_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

QString FolderBrowser::Pattern() const
{
    const QString pattern = pattern_->currentData().toString();
    return pattern.isEmpty() ? kDefaultPattern : pattern;
}

void FolderBrowser::EnterFolder(QListWidgetItem* item)
{
    if (!item)
        return;
    const QDir dir(folder_);
    ShowFolder(item->text() == kParentEntry ? QFileInfo(folder_).path() : dir.filePath(item->text()));
}

void FolderBrowser::ChooseFile(QListWidgetItem* item)
{
    if (item && files_->isEnabled())
        emit fileChosen(QDir(folder_).filePath(item->text()));
}

bool FolderBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == files_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ChooseFile(files_->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
