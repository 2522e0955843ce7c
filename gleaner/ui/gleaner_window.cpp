// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/ui/gleaner_window.h"

#include "platform/core/dialogs.h"
#include "gleaner/ui/folder_browser.h"
#include "gleaner/core/harvest.h"
#include "lexicon/core/lexicon_words.h"
#include "platform/core/program_folder.h"
#include "platform/core/shell.h"
#include "platform/ui/window_places.h"
#include "lexicon/core/word_lookup.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>

namespace {

constexpr int kProgressSteps = 1000;

const QString kNote = QStringLiteral(
    "Questo programma appende in coda ai files 2.txt,3.txt,4.txt,...15.txt tutte le parole mancanti che trova "
    "dal file di testo che si sceglie. Note: Cliccare solo una volta sul nome file, sui PC lenti possono passare "
    "alcuni minuti, i files vanno riordinati alfabeticamente (Usare Letterama)");
const QString kSiteTip = QStringLiteral("Sito dell'autore ...");

}  // namespace

GleanerWindow::GleanerWindow(const Platform& platform, ProgramFiles files, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      files_(std::move(files)),
      browser_(new FolderBrowser(this)),
      foreignLetters_(new QCheckBox(QStringLiteral("Usa le lettere JKXYW"), this)),
      readerWords_(new QCheckBox(QStringLiteral("Separa le parole alla &punteggiatura e salta i nomi"), this)),
      skipKnown_(new QCheckBox(QStringLiteral("Salta le parole già nel &dizionario"), this)),
      lexiconFile_(files_.Resolve(QStringLiteral("SLESSICO.1"))),
      progress_(new QProgressBar(this)),
      status_(new QLabel(this)),
      fine_(new QPushButton(QStringLiteral("&Fine"), this)),
      site_(new QPushButton(this)),
      scroll_(new QScrollArea(this))
{
    setWindowTitle(kCaption);
    platform_.places.Remember(this, QStringLiteral("gleaner"));
    setFont(QFont(QStringLiteral("Tahoma")));

    foreignLetters_->setObjectName(QStringLiteral("foreignLetters"));
    foreignLetters_->setAccessibleName(foreignLetters_->text());
    foreignLetters_->setToolTip(QStringLiteral("Importa anche le parole straniere con le lettere JKXYW"));
    // Clear by default: words are then cut at blanks only, as they always were.
    readerWords_->setObjectName(QStringLiteral("readerWords"));
    readerWords_->setAccessibleName(readerWords_->text().remove(QLatin1Char('&')));
    readerWords_->setToolTip(QStringLiteral(
        "Taglia le parole a punteggiatura, cifre e tabulazioni, salta la parte apostrofata (\"dell'anno\" dà "
        "ANNO) e le parole scritte con la maiuscola dentro la frase (i nomi)"));
    // Clear by default: the word files are compared with themselves only.
    skipKnown_->setObjectName(QStringLiteral("skipKnown"));
    skipKnown_->setAccessibleName(skipKnown_->text().remove(QLatin1Char('&')));
    skipKnown_->setToolTip(QStringLiteral(
        "Non aggiunge ai files le parole che il dizionario principale di Letterama contiene già: restano solo "
        "le parole nuove"));
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, kProgressSteps);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setAccessibleName(QStringLiteral("Avanzamento"));
    status_->setObjectName(QStringLiteral("status"));
    status_->setAccessibleDescription(QStringLiteral("Stato"));
    status_->setMinimumWidth(160);
    auto* note = new QLabel(kNote, this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    fine_->setObjectName(QStringLiteral("fine"));
    fine_->setToolTip(QStringLiteral("Uscita dal programma"));
    fine_->setAccessibleName(fine_->text().remove(QLatin1Char('&')));

    // The maker's picture is a button: it takes the focus and opens with Space.
    site_->setObjectName(QStringLiteral("makersSite"));
    site_->setFlat(true);
    site_->setCursor(Qt::PointingHandCursor);
    site_->setToolTip(kSiteTip);
    site_->setAccessibleName(QStringLiteral("Sito dell'autore"));
    const QPixmap picture(files_.Resolve(QStringLiteral("linkautore.gif")));
    if (picture.isNull()) {
        site_->setText(QStringLiteral("Sito dell'autore"));
    } else {
        site_->setIcon(picture);
        site_->setIconSize(picture.size().scaled(200, 60, Qt::KeepAspectRatio));
    }

    auto* central = new QWidget(this);
    auto* layout = new QGridLayout(central);
    layout->addWidget(browser_, 0, 0, 1, 3);
    layout->addWidget(foreignLetters_, 1, 0, 1, 3);
    layout->addWidget(readerWords_, 2, 0, 1, 3);
    layout->addWidget(skipKnown_, 3, 0, 1, 3);
    layout->addWidget(progress_, 4, 0, 1, 2);
    layout->addWidget(status_, 4, 2);
    layout->addWidget(note, 5, 0, 1, 3);
    layout->addWidget(site_, 6, 0, Qt::AlignLeft);
    layout->addWidget(fine_, 6, 2, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    // On a screen smaller than the window the page scrolls instead of clipping.
    scroll_->setObjectName(QStringLiteral("gleanerScroll"));
    scroll_->setAccessibleName(QStringLiteral("Gleaner"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(central);
    setCentralWidget(scroll_);
    setTabOrder(browser_->Files(), foreignLetters_);
    setTabOrder(foreignLetters_, readerWords_);
    setTabOrder(readerWords_, skipKnown_);
    setTabOrder(skipKnown_, site_);
    setTabOrder(site_, fine_);

    stepTimer_.setInterval(0);
    connect(&stepTimer_, &QTimer::timeout, this, &GleanerWindow::StepHarvest);
    connect(browser_, &FolderBrowser::fileChosen, this, &GleanerWindow::StartHarvest);
    connect(fine_, &QPushButton::clicked, this, &QWidget::close);
    connect(site_, &QPushButton::clicked, this, &GleanerWindow::OpenMakersSite);
    resize(640, 460);
}

GleanerWindow::~GleanerWindow() = default;

QString GleanerWindow::DoneText(qint64 appended)
{
    return kDone + (appended == 1 ? QStringLiteral(": 1 parola aggiunta")
                                  : QStringLiteral(": %1 parole aggiunte").arg(appended));
}

void GleanerWindow::StartHarvest(const QString& path)
{
    if (harvest_)
        return;
    std::shared_ptr<const LexiconWords> known;
    if (skipKnown_->isChecked()) {
        const QString lexicon = ProgramFolder::Resolve(lexiconFile_);
        if (QFileInfo(lexicon).isFile())
            known = LexiconWords::Load(lexicon);
        if (!known) {
            platform_.dialogs.Inform(QStringLiteral("Impossibile leggere il dizionario ") +
                                     QDir::toNativeSeparators(lexicon) +
                                     QStringLiteral(": senza di esso non si possono saltare le parole che "
                                                    "contiene. Nessuna parola è stata aggiunta."));
            return;
        }
    }
    browser_->Files()->setEnabled(false);
    progress_->setValue(0);
    status_->clear();
    harvest_ = std::make_unique<Harvest>(
        path, files_, foreignLetters_->isChecked(),
        readerWords_->isChecked() ? Harvest::Cutting::AsReader : Harvest::Cutting::AtBlanks);
    harvest_->onAppended = [this](const QString& word) { status_->setText(word); };
    if (known) {
        harvest_->knownToLexicon = [known](const QByteArray& word) {
            return WordLookup::InLexicon(*known, QString::fromLatin1(word));
        };
    }
    stepTimer_.start();
}

void GleanerWindow::StepHarvest()
{
    if (!harvest_)
        return;
    const Harvest::State state = harvest_->Step();
    if (harvest_->SourceBytes() > 0)
        progress_->setValue(static_cast<int>(harvest_->BytesRead() * kProgressSteps / harvest_->SourceBytes()));
    if (state == Harvest::State::Running)
        return;
    stepTimer_.stop();
    if (state == Harvest::State::Finished) {
        progress_->setValue(kProgressSteps);
        status_->setText(DoneText(harvest_->Counts().appended));
        EndHarvest();
        return;
    }
    const QString error = harvest_->Error();
    EndHarvest();
    platform_.dialogs.Inform(error);
}

void GleanerWindow::EndHarvest()
{
    stepTimer_.stop();
    harvest_.reset();
    browser_->Files()->setEnabled(true);
    browser_->RefreshFiles();
    emit harvestEnded();
}

void GleanerWindow::closeEvent(QCloseEvent* event)
{
    // Every word appended so far is already in its file: stopping loses nothing.
    if (harvest_)
        EndHarvest();
    event->accept();
}

void GleanerWindow::OpenMakersSite()
{
    if (makersSite_.IsSet())
        platform_.shell.Open(makersSite_.Page(SiteAddress::kHomePath));
    else
        platform_.dialogs.Inform(SiteAddress::NotSetUpMessage());
}
