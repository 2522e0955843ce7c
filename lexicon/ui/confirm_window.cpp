// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/ui/confirm_window.h"

#include "platform/ui/button_keys.h"
#include "platform/core/program_files.h"
#include "platform/core/shell.h"
#include "platform/core/spell_checker.h"
#include "lexicon/core/word_rules.h"

#include <QButtonGroup>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kAnimationFile = "MAGNAWRD2.GIF";

}  // namespace

ConfirmWindow::ConfirmWindow(Shell& shell, SpellChecker& spellChecker, const ProgramFiles& files, QWidget* parent)
    : QDialog(parent), shell_(shell), spellChecker_(spellChecker), files_(files)
{
    setWindowTitle(QStringLiteral("Conferma accettazione parola"));

    wordLabel_ = new QLabel(this);
    wordLabel_->setObjectName(QStringLiteral("wordLabel"));
    QFont big = wordLabel_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    wordLabel_->setFont(big);
    wordLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    wordLabel_->setFocusPolicy(Qt::NoFocus);  // shows the word; the box below edits it

    wordBox_ = new QLineEdit(this);
    wordBox_->setObjectName(QStringLiteral("wordBox"));
    wordBox_->setAccessibleName(QStringLiteral("Parola da controllare"));

    spellButton_ = new QPushButton(QStringLiteral("&Word"), this);
    spellButton_->setObjectName(QStringLiteral("spellCheck"));
    spellButton_->setToolTip(QStringLiteral("Chiedi prima un consiglio a Word (se installato)"));
    spellButton_->setAutoDefault(false);

    rulesBox_ = new QPlainTextEdit(this);
    rulesBox_->setObjectName(QStringLiteral("rulesBox"));
    rulesBox_->setReadOnly(true);
    rulesBox_->setAccessibleName(QStringLiteral("Regole sulle parole"));

    options_ = new QButtonGroup(this);
    auto* optionsBox = new QGroupBox(this);
    optionsBox->setObjectName(QStringLiteral("options"));
    // Screen readers introduce the three choices with the window's question.
    optionsBox->setAccessibleName(windowTitle());
    auto* optionsLayout = new QVBoxLayout(optionsBox);
    const std::pair<int, QString> captions[] = {
        {kAddAndScore, QStringLiteral("Inserire e conteggiare i punti in questa manche")},
        {kAddWithoutScore, QStringLiteral("Inserire e non conteggiare i punti")},
        {kDoNotAdd, QStringLiteral("Non inserire nel dizionario personale")},
    };
    for (const auto& [choice, caption] : captions) {
        auto* option = new QRadioButton(caption, optionsBox);
        option->setObjectName(QStringLiteral("option%1").arg(choice));
        options_->addButton(option, choice);
        optionsLayout->addWidget(option);
    }

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("ok"));
    okButton_->setDefault(true);

    // The animation is a button so that the keyboard reaches the web page too.
    picture_ = new QPushButton(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setFlat(true);
    picture_->setAutoDefault(false);
    picture_->setAccessibleName(QStringLiteral("Apri la pagina web di Letterama"));
    picture_->setToolTip(picture_->accessibleName());
    picture_->setCursor(Qt::PointingHandCursor);

    auto* wordRow = new QHBoxLayout;
    wordRow->addWidget(wordBox_, 1);
    wordRow->addWidget(spellButton_);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(picture_);
    bottomRow->addStretch();
    bottomRow->addWidget(okButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wordLabel_, 0, Qt::AlignHCenter);
    layout->addLayout(wordRow);
    layout->addWidget(rulesBox_, 1);
    layout->addWidget(optionsBox);
    layout->addLayout(bottomRow);

    connect(spellButton_, &QPushButton::clicked, this, &ConfirmWindow::CheckSpelling);
    connect(okButton_, &QPushButton::clicked, this, &ConfirmWindow::Confirm);
    connect(options_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            NameOkButton();
    });
    connect(picture_, &QPushButton::clicked, this, [this] {
        if (!homePage_.isEmpty())
            shell_.Open(homePage_);
    });
    SetHomePage(QString());
    ButtonKeys::EnterPressesFocusedButton(this);
}

void ConfirmWindow::SetHomePage(const QString& address)
{
    homePage_ = address;
    picture_->setEnabled(!address.isEmpty());
    picture_->setToolTip(address.isEmpty() ? QStringLiteral("Nessun sito di Letterama impostato per questa copia")
                                           : picture_->accessibleName());
    picture_->setAccessibleDescription(address.isEmpty() ? picture_->toolTip() : QString());
}

void ConfirmWindow::Ask(const QString& wordToConfirm, int previousChoice)
{
    confirmChoice_ = previousChoice;
    Prepare(wordToConfirm);
    open();
}

void ConfirmWindow::done(int result)
{
    if (movie_)
        movie_->stop();
    QDialog::done(result);
    emit Chosen(confirmChoice_);
}

void ConfirmWindow::Prepare(const QString& wordToConfirm)
{
    wordToConfirm_ = wordToConfirm;
    rulesBox_->setPlainText(WordRules::BoxText(files_));
    wordLabel_->setText(wordToConfirm.toUpper());
    wordBox_->setText(wordToConfirm);
    options_->button(kDoNotAdd)->setChecked(true);
    NameOkButton();
    okButton_->setFocus();

    if (!movie_) {
        const QString path = files_.Resolve(QString::fromLatin1(kAnimationFile));
        auto* movie = new QMovie(path, QByteArray(), this);
        if (movie->isValid()) {
            movie_ = movie;
            connect(movie_, &QMovie::frameChanged, this, &ConfirmWindow::ShowMovieFrame);
        } else {
            delete movie;
            picture_->setText(QStringLiteral("Letterama sul web"));
        }
    }
    if (movie_) {
        movie_->start();
        ShowMovieFrame();
    }
}

void ConfirmWindow::NameOkButton()
{
    // The focus opens on OK: a screen reader hears there which word is asked about
    // and what OK will do with it, before Enter decides unheard.
    const QAbstractButton* chosen = options_->checkedButton();
    okButton_->setAccessibleName(QStringLiteral("Parola %1, scelta: %2. OK")
                                     .arg(wordToConfirm_.toUpper(), chosen ? chosen->text() : QStringLiteral("nessuna")));
}

void ConfirmWindow::ShowMovieFrame()
{
    const QPixmap frame = movie_->currentPixmap();
    picture_->setIcon(QIcon(frame));
    picture_->setIconSize(frame.size());
}

void ConfirmWindow::CheckSpelling()
{
    wordBox_->setText(spellChecker_.SpellCheck(wordBox_->text()));
    activateWindow();
    wordBox_->setFocus();
}

void ConfirmWindow::Confirm()
{
    const int selected = options_->checkedId();
    if (selected >= kAddAndScore && selected <= kDoNotAdd)
        confirmChoice_ = selected;
    accept();
}

void ConfirmWindow::reject()
{
    confirmChoice_ = kDoNotAdd;
    QDialog::reject();
}
