// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/ui/clock_label.h"
#include "game/ui/spoken_announcer.h"

#include <QWidget>

#include <array>

class FillStrip;
class LinkPicture;
class PlayerPanel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The main window's client area, element by element: the board panel, the manche
// label, the draw buttons, the finish buttons, the time bar and its label, the
// search progress strip, the screen-reader copy of the board, the four player
// panels and the two link pictures. It only builds and lays them out; the main
// window and the game's later parts drive them.
class GameView : public QWidget {
    Q_OBJECT

public:
    enum class DrawButton { Auto, Vowel, Consonant, InputWord, ComputerWord };


    static constexpr const char* kTimeLabelName = "Tempo";
    static constexpr const char* kHomeLinkPicture = "linkautore.gif";
    static constexpr const char* kOnlineLinkPicture = "linkonline.gif";

    // `names` are the four players' names, slot 0 first.
    explicit GameView(const QStringList& names, QWidget* parent = nullptr);

    QGroupBox* BoardPanel() const { return boardPanel_; }
    // Puts the tile board inside the board panel, which takes the board's size.
    void PlaceBoard(QWidget* board);
    QLabel* MancheLabel() const { return mancheLabel_; }
    QWidget* DrawPanel() const { return drawPanel_; }
    QPushButton* DrawButtonOf(DrawButton button) const { return drawButtons_[static_cast<int>(button)]; }
    // 0 is "Fine Tempo", 1 the second button, "Fine &Tempo".
    QPushButton* FinishButton(int index) const { return finishButtons_.at(index); }
    PlayerPanel* Player(int slot) const { return players_.at(slot); }
    QLineEdit* NameBox(int slot) const;
    QLineEdit* WordBox(int slot) const;
    FillStrip* TimeBar() const { return timeBar_; }
    FillStrip* ProgressStrip() const { return progressStrip_; }
    QLabel* TimeLabel() const { return timeLabel_; }
    ClockLabel* Clock() const { return timeLabel_; }
    // Shows a computer player's announced word, masked like every word box.
    void ShowAnnouncedWord(int slot, const QString& word);
    // The line that speaks the manche to a screen reader.
    SpokenAnnouncer* SpokenLine() const { return spokenLine_; }
    QLabel* BoardTextCopy() const { return boardTextCopy_; }
    QLabel* ScreenReaderLabel() const { return screenReaderLabel_; }
    LinkPicture* HomeLink() const { return homeLink_; }
    LinkPicture* OnlineLink() const { return onlineLink_; }

private:
    QWidget* BuildBoardRow();
    QWidget* BuildTimeRow();
    QWidget* BuildPlayersRow();
    QWidget* BuildLinksRow();

    QGroupBox* boardPanel_ = nullptr;
    QLabel* mancheLabel_ = nullptr;
    QWidget* drawPanel_ = nullptr;
    std::array<QPushButton*, 5> drawButtons_{};
    std::array<QPushButton*, 2> finishButtons_{};
    std::array<PlayerPanel*, 4> players_{};
    FillStrip* timeBar_ = nullptr;
    FillStrip* progressStrip_ = nullptr;
    ClockLabel* timeLabel_ = nullptr;
    QLabel* boardTextCopy_ = nullptr;
    QLabel* screenReaderLabel_ = nullptr;
    SpokenAnnouncer* spokenLine_ = nullptr;
    LinkPicture* homeLink_ = nullptr;
    LinkPicture* onlineLink_ = nullptr;
};
