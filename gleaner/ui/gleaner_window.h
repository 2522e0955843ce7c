// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/platform.h"
#include "platform/core/program_files.h"
#include "platform/core/site_address.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <memory>

class FolderBrowser;
class Harvest;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;

// Gleaner's one window: the user browses to a text file and one click on it appends
// every word not yet known to the per-length word files of the program folder. The
// harvest runs in steps on a timer, so the window answers while it reads; "Fine"
// ends the program at any time, keeping every word appended so far.
class GleanerWindow : public QMainWindow {
    Q_OBJECT

public:
    static inline const QString kCaption =
        QStringLiteral("Gleaner - legge le parole da files di testo e aggiorna vocabolario (.TXT)");
    static inline const QString kDone = QStringLiteral("Ultimato il giro");
    // kDone and how many words the harvest appended: "Ultimato il giro: 312 parole aggiunte".
    static QString DoneText(qint64 appended);

    // The word files are those of `files`; its pictures and lexicon come from there too.
    GleanerWindow(const Platform& platform, ProgramFiles files, QWidget* parent = nullptr);
    ~GleanerWindow() override;

    FolderBrowser& Browser() const { return *browser_; }
    bool Harvesting() const { return harvest_ != nullptr; }

    // The Letterama site the picture opens; the build's until the program names another.
    void SetSite(const SiteAddress& site) { makersSite_ = site; }

    // The lexicon (its path) whose words "Salta le parole già nel dizionario" skips; by
    // default "SLESSICO.1" of the program folder.
    void SetLexiconFile(const QString& path) { lexiconFile_ = path; }

    // Harvests `path` into the program folder, as a click on its name does.
    void StartHarvest(const QString& path);

signals:
    // A harvest ended, whole or not.
    void harvestEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void StepHarvest();
    void EndHarvest();
    void OpenMakersSite();

    Platform platform_;
    SiteAddress makersSite_ = SiteAddress::BuiltIn();
    ProgramFiles files_;  // where the harvested words go
    FolderBrowser* browser_;
    QCheckBox* foreignLetters_;
    QCheckBox* readerWords_;
    QCheckBox* skipKnown_;
    QString lexiconFile_;
    QProgressBar* progress_;
    QLabel* status_;
    QPushButton* fine_;
    QPushButton* site_;
    QScrollArea* scroll_;
    QTimer stepTimer_;
    std::unique_ptr<Harvest> harvest_;
};
