// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/ui/vocabulary_window.h"

#include "platform/ui/current_item_on_focus.h"
#include "platform/core/dialogs.h"
#include "model/game_settings.h"
#include "model/language.h"
#include "lexicon/core/lexicon_index.h"
#include "lexicon/core/personal_vocabulary.h"
#include "platform/ui/spoken_notice.h"
#include "lexicon/core/word_rules.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* MakeButton(const QString& caption, const char* objectName, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    // Enter in the word box inserts the word; no button may take it as a default.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

VocabularyWindow::VocabularyWindow(const GameSettings& settings, const ProgramFiles& files, Dialogs& dialogs,
                                   QWidget* parent)
    : QDialog(parent), settings_(settings), files_(files), dialogs_(dialogs)
{
    setWindowTitle(QStringLiteral("Edit vocabolario personale"));

    auto* listLabel = new QLabel(QStringLiteral("Parole già inserite:"), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("words"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAccessibleName(QStringLiteral("Parole già inserite:"));
    CurrentItemOnFocus::Announce(list_);
    listLabel->setBuddy(list_);

    wordBox_ = new QLineEdit(this);
    wordBox_->setObjectName(QStringLiteral("wordBox"));
    wordBox_->setAccessibleName(QStringLiteral("Nuova parola"));
    // No lexicon holds words of more letters, and no draw has more than 10.
    wordBox_->setMaxLength(LexiconIndex::kMaxLength);
    wordBox_->installEventFilter(this);
    wordBox_->hide();

    newWordButton_ = MakeButton(QStringLiteral("&Nuova parola"), "newWord", this);
    insertButton_ = MakeButton(QStringLiteral("Inserisce parola"), "insertWord", this);
    insertButton_->setEnabled(false);
    deleteButton_ = MakeButton(QStringLiteral("&Cancella Parola"), "deleteWord", this);
    rulesButton_ = MakeButton(QStringLiteral("&Regole"), "rules", this);
    backButton_ = MakeButton(QStringLiteral("&Torna al gioco"), "backToGame", this);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(listLabel);
    listColumn->addWidget(list_);
    // Says that a word went in, while the focus stays in the word box.
    added_ = new SpokenNotice(this);
    added_->setObjectName(QStringLiteral("addedNotice"));
    added_->hide();
    listColumn->addWidget(added_);
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(newWordButton_);
    buttonColumn->addWidget(wordBox_);
    buttonColumn->addWidget(insertButton_);
    buttonColumn->addWidget(deleteButton_);
    buttonColumn->addWidget(rulesButton_);
    buttonColumn->addStretch();
    buttonColumn->addWidget(backButton_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn, 1);
    layout->addLayout(buttonColumn);

    connect(newWordButton_, &QPushButton::clicked, this, &VocabularyWindow::StartNewWord);
    connect(insertButton_, &QPushButton::clicked, this, &VocabularyWindow::InsertWord);
    connect(deleteButton_, &QPushButton::clicked, this, &VocabularyWindow::DeleteWord);
    connect(rulesButton_, &QPushButton::clicked, this, &VocabularyWindow::ShowRules);
    connect(backButton_, &QPushButton::clicked, this, &VocabularyWindow::ReturnToGame);
}

void VocabularyWindow::Open()
{
    Load();
    open();
}

void VocabularyWindow::Load()
{
    language_ = TableOf(settings_.LexiconLanguage).Number();
    const PersonalVocabulary vocabulary(language_, files_);
    vocabulary.EnsureExists();
    list_->clear();
    readError_.clear();
    list_->addItems(vocabulary.Read(&readError_));
    if (!readError_.isEmpty()) {
        // A list that could not be read must not replace the file on the way out.
        dialogs_.Inform(readError_ + QStringLiteral("\nLe modifiche al vocabolario personale non verranno salvate."));
    }
    EndEntry();
}

QStringList VocabularyWindow::Words() const
{
    QStringList words;
    for (int row = 0; row < list_->count(); ++row)
        words.append(list_->item(row)->text());
    return words;
}

void VocabularyWindow::StartNewWord()
{
    wordBox_->clear();
    wordBox_->show();
    insertButton_->setEnabled(true);
    wordBox_->setFocus();
}

void VocabularyWindow::EndEntry()
{
    wordBox_->clear();
    wordBox_->hide();
    insertButton_->setEnabled(false);
}

void VocabularyWindow::InsertWord()
{
    const QString word = wordBox_->text().toUpper();
    switch (CheckNewWord(files_, word, Alphabet(), language_, Words())) {
    case NewWordVerdict::OutsideAlphabet:
        dialogs_.Inform(QStringLiteral("Sono stati utilizzati uno o più caratteri non contemplati "
                                       "dall'alfabeto oppure caratteri numerici!"));
        break;
    case NewWordVerdict::Empty:
        break;
    case NewWordVerdict::TooShort:
        if (dialogs_.AskOkCancel(QStringLiteral("La parola deve essere composta da 3 a ") +
                                 QString::number(settings_.LetterCount) +
                                 QStringLiteral(" caratteri, vuoi continuare?")) == Dialogs::Answer::Cancel) {
            EndEntry();
            return;
        }
        break;
    case NewWordVerdict::InMainLexicon:
        dialogs_.Inform(QStringLiteral("Parola già inserita nel vocabolario generale!"));
        break;
    case NewWordVerdict::LexiconMissing:
        dialogs_.Inform(MissingLexiconMessage(static_cast<Language>(language_)));
        break;
    case NewWordVerdict::AlreadyListed:
        dialogs_.Inform(QStringLiteral("Parola già inserita nel vocabolario personale!"));
        break;
    case NewWordVerdict::Accepted:
        list_->addItem(word);
        list_->scrollToItem(list_->item(list_->count() - 1));
        wordBox_->clear();
        added_->Announce(QStringLiteral("Parola %1 aggiunta al vocabolario personale").arg(word));
        break;
    }
    // Back to the word box, for a correction or for the next word.
    if (!wordBox_->isHidden())
        wordBox_->setFocus();
}

void VocabularyWindow::DeleteWord()
{
    if (list_->count() == 0) {
        dialogs_.Inform(QStringLiteral("Non ci sono parole da cancellare dal vocabolario privato!"));
        return;
    }
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        dialogs_.Inform(QStringLiteral("Occorre prima selezionare la parola da cancellare!"));
        return;
    }
    delete list_->takeItem(list_->row(selected.first()));
}

void VocabularyWindow::ShowRules()
{
    dialogs_.Inform(WordRules::MessageText(files_));
}

void VocabularyWindow::ReturnToGame()
{
    QString error;
    const PersonalVocabulary vocabulary(language_, files_);
    if (!readError_.isEmpty()) {
        EndEntry();
        QDialog::accept();
        return;
    }
    // Each failure is put to the player: try again (after freeing space, say), or
    // leave knowing that the changes are lost. The window never traps the player.
    while (!vocabulary.Save(Words(), &error)) {
        const Dialogs::Answer answer = dialogs_.AskYesNo(
            QStringLiteral("Impossibile salvare il vocabolario personale ") + vocabulary.FileName() +
            QStringLiteral(": ") + error +
            QStringLiteral("\n\nRiprovare? Scegliendo No si torna al gioco senza salvare le modifiche."));
        if (answer != Dialogs::Answer::Yes)
            break;
    }
    EndEntry();
    QDialog::accept();
}

void VocabularyWindow::reject()
{
    ReturnToGame();
}

bool VocabularyWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == wordBox_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            InsertWord();
            return true;
        }
        if (key == Qt::Key_Escape) {
            wordBox_->clear();
            InsertWord();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString VocabularyWindow::Alphabet() const
{
    return TableOf(static_cast<Language>(language_)).Alphabet;
}
