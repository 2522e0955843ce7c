// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QMovie;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class ProgramFiles;
class Shell;
class SpellChecker;

// The window "Conferma accettazione parola": put to the player when a word of theirs
// is known neither to the lexicon nor to the personal vocabulary. The player picks
// whether it joins the personal vocabulary and whether it scores in this manche; the
// word box and the "&Word" spelling check are advice only and change nothing of the
// decision, which always concerns the word as handed in.
class ConfirmWindow : public QDialog {
    Q_OBJECT
public:
    // The values of `ConfirmChoice`.
    enum Choice {
        kAddAndScore = 1,     // into the personal vocabulary, and it counts now
        kAddWithoutScore = 2, // into the personal vocabulary, no points now
        kDoNotAdd = 3,        // left out, no points
    };

    // The word rules and the animation shown are those of `files`.
    ConfirmWindow(Shell& shell, SpellChecker& spellChecker, const ProgramFiles& files, QWidget* parent = nullptr);

    // Opens the window modally for `wordToConfirm` and returns at once; Chosen follows
    // with the option chosen when OK is pressed, or `previousChoice` when no option is
    // selected. Each time it opens, "Non inserire nel dizionario personale" is
    // selected, so that a hasty Enter adds nothing. Closing the window without OK
    // answers kDoNotAdd.
    void Ask(const QString& wordToConfirm, int previousChoice);

    // The Letterama site's home page, which the picture opens; empty when there is no
    // site, and then the picture is no link and says so.
    void SetHomePage(const QString& address);

    QString WordToConfirm() const { return wordToConfirm_; }
    int ConfirmChoice() const { return confirmChoice_; }

signals:
    // The window has closed with this answer (1, 2 or 3).
    void Chosen(int choice);

public slots:
    void reject() override;
    void done(int result) override;

private:
    void Prepare(const QString& wordToConfirm);
    void CheckSpelling();
    void Confirm();
    void ShowMovieFrame();
    // OK's accessible name: the word and the option chosen now.
    void NameOkButton();

    Shell& shell_;
    SpellChecker& spellChecker_;
    const ProgramFiles& files_;
    QString wordToConfirm_;
    QString homePage_;
    int confirmChoice_ = 0;

    QLabel* wordLabel_;
    QLineEdit* wordBox_;
    QPushButton* spellButton_;
    QPlainTextEdit* rulesBox_;
    QButtonGroup* options_;
    QPushButton* okButton_;
    QPushButton* picture_;
    QMovie* movie_ = nullptr;
};
