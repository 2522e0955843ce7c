// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar)
{
    fileMenu_ = bar->addMenu(QStringLiteral("&File"));
    // Beside the game's own keys, those of every desktop game (the first one shows in
    // the menu).
    AddCommand(fileMenu_, Command::NewGame, QStringLiteral("&Nuova Partita"))
        ->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(QKeySequence::New)});
    QAction* pause = AddCommand(fileMenu_, Command::Pause, QStringLiteral("&Pausa"));
    pause->setCheckable(true);
    pause->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    AddCommand(fileMenu_, Command::EditVocabulary, QStringLiteral("&Edit vocabolario personale ..."));
    AddCommand(fileMenu_, Command::DailyChallenge, QStringLiteral("&Sfida del giorno"));
    AddCommand(fileMenu_, Command::HighScores, QStringLiteral("&Hiscores table "))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    AddCommand(fileMenu_, Command::ManageDictionary, QStringLiteral("&Gestione dizionario principale ..."));
    fileMenu_->addSeparator();
    AddCommand(fileMenu_, Command::Quit, QStringLiteral("&Fine"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    optionsMenu_ = bar->addMenu(QStringLiteral("&Opzioni"));
    QAction* sound = AddCommand(optionsMenu_, Command::Sound, QStringLiteral("&Effetti sonori"));
    sound->setCheckable(true);
    sound->setChecked(true);

    letterCounts_ = AddChoices(optionsMenu_->addMenu(QStringLiteral("&Numero Lettere")),
                               {{8, QStringLiteral("&8 Lettere")},
                                {9, QStringLiteral("&9 Lettere")},
                                {10, QStringLiteral("&10 Lettere")}},
                               {8, 9, 10});
    timeMenu_ = optionsMenu_->addMenu(QStringLiteral("&Tempo di manche"));
    times_ = AddChoices(timeMenu_,
                        {{30, QStringLiteral("&30 Secondi")},
                         {60, QStringLiteral("&60 Secondi")},
                         {90, QStringLiteral("&90 Secondi")},
                         {32000, QStringLiteral("&Infinito")}},
                        {30, 60, 90, 32000});
    tileStyles_ = AddChoices(optionsMenu_->addMenu(QStringLiteral("&Caselle lettere")),
                             {{2, QStringLiteral("&3D")},
                              {1, QStringLiteral("3&D Animate")},
                              {3, QStringLiteral("&Classiche con immagine di sfondo")},
                              {4, QStringLiteral("Classiche con &Sfondo chiaro (anche per screen reader)")}},
                             {2, 1, 3, 4});
    levels_ = AddChoices(optionsMenu_->addMenu(QStringLiteral("&Livello difficolta")),
                         {{1, QStringLiteral("&Principiante (Pulcino)")},
                          {2, QStringLiteral("&Medio (Volpe astuta)")},
                          {3, QStringLiteral("&Esperto (Gufo sapiente)")}},
                         {1, 2, 3});
    languages_ = AddChoices(optionsMenu_->addMenu(QStringLiteral("Lingua dizionario")),
                            {{1, QStringLiteral("&Italiano")},
                             {2, QStringLiteral("&Inglese")},
                             {3, QStringLiteral("&Latino")}},
                            {1, 2, 3});
    optionsMenu_->addSeparator();
    QAction* fullScreen = AddCommand(optionsMenu_, Command::FullScreen, QStringLiteral("Schermo &intero"));
    fullScreen->setCheckable(true);
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));

    helpMenu_ = bar->addMenu(QStringLiteral("&?"));
    AddCommand(helpMenu_, Command::Help, QStringLiteral("&Help"))->setShortcut(QKeySequence(Qt::Key_F1));
    AddCommand(helpMenu_, Command::WordRules, QStringLiteral("&Parole ammesse"));
    helpMenu_->addSeparator();
    AddCommand(helpMenu_, Command::Mail, QStringLiteral("Invia una E-&Mail all'autore ..."));
    AddCommand(helpMenu_, Command::HomePage, QStringLiteral("&Visita Home ..."));
    AddCommand(helpMenu_, Command::OnlineGame, QStringLiteral("&Sito per giocare on-line a Letterama ..."));
    QMenu* dictionaries = helpMenu_->addMenu(QStringLiteral("Dizionari / Enciclopedie online"));
    AddCommand(dictionaries, Command::DictionaryGarzanti, QStringLiteral("Dizionario Garzanti"));
    AddCommand(dictionaries, Command::DictionaryPiazzadante, QStringLiteral("Dizionario Piazzadante"));
    AddCommand(dictionaries, Command::EncyclopediaLogos, QStringLiteral("Enciclopedia Logos"));
    helpMenu_->addSeparator();
    AddCommand(helpMenu_, Command::About, QStringLiteral("&Info su Letterama ..."));
}

QAction* MainMenu::AddCommand(QMenu* menu, Command command, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    commands_[command] = action;
    return action;
}

QActionGroup* MainMenu::AddChoices(QMenu* menu, const std::map<int, QString>& captions, const QList<int>& order)
{
    auto* group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int value : order) {
        QAction* item = menu->addAction(captions.at(value));
        item->setCheckable(true);
        item->setData(value);
        group->addAction(item);
    }
    return group;
}

QAction* MainMenu::ItemOf(const QActionGroup* group, int value)
{
    for (QAction* item : group->actions()) {
        if (item->data().toInt() == value)
            return item;
    }
    return nullptr;
}

QAction* MainMenu::LetterCountItem(int letters) const { return ItemOf(letterCounts_, letters); }
QAction* MainMenu::TimeItem(int seconds) const { return ItemOf(times_, seconds); }
QAction* MainMenu::TileStyleItem(int style) const { return ItemOf(tileStyles_, style); }
QAction* MainMenu::LevelItem(int level) const { return ItemOf(levels_, level); }
QAction* MainMenu::LanguageItem(int language) const { return ItemOf(languages_, language); }

void MainMenu::CheckOnly(QActionGroup* group, int value)
{
    for (QAction* item : group->actions())
        item->setChecked(item->data().toInt() == value);
}

int MainMenu::CheckedValue(const QActionGroup* group)
{
    const QAction* checked = group->checkedAction();
    return checked ? checked->data().toInt() : 0;
}
