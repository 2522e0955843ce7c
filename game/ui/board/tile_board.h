// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/ui/board/fly_in_sequence.h"
#include "model/game_settings.h"

#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <chrono>
#include <functional>
#include <vector>

class QLabel;
class QMovie;
class QTimer;
class ProgramFiles;
class SoundEffects;
class TileFace;
struct GameState;

// The row of up to ten letter tiles of a manche, placed by the main window inside its
// board panel. Each drawn letter gets a tile painted in the chosen TileStyle, plays
// its sound and, after the sound's hold, flies into place. The tiles of a draw are
// shown one after the other as timed steps on the event loop, so the window paints
// and answers throughout; a Reset (new game, language change) or the board's
// destruction meanwhile stops the sequence cleanly and nothing stale is drawn
// afterwards.
//
// A flight takes kFlightTime whatever the machine's speed, one position per frame
// of the screen, over the part of the path the board shows, so the eye sees the tile
// travel. The next tile does not wait for
// it: its sound and hold begin at once, and with sound off the tiles of a draw fly
// together, so a whole draw is slower by one flight only.
//
// The order and timing of the tiles is FlyInSequence's; the board shows each step
// and runs its timers.
//
// Per slot the board owns a tile (TileFace), a flying letter label (style 4) and an
// animated picture (style 1). The board caption and the two "Courier New" labels of
// the screen-reader text copy belong to the main window: the caption goes out through
// CaptionChanged, the labels are handed in with SetScreenReaderLabels.
class TileBoard : public QWidget, private FlyInSequence::Board {
    Q_OBJECT
public:
    static inline const QString kEmptyCaption = QStringLiteral("Area estrazione lettere");
    static constexpr std::chrono::milliseconds kFlightTime = FlyInSequence::kFlightTime;

    // Its pictures are those of `files`.
    TileBoard(const GameState& state, SoundEffects& sounds, const ProgramFiles& files, QWidget* parent = nullptr);
    ~TileBoard() override;

    // Shows letter `letter` at slot `position` (0-based), called after the letter was
    // appended to DrawnLetters: once the tiles asked for before are in place, clears
    // the caption, refreshes the text copy, paints the tile in the current TileStyle,
    // plays letter + ".WAV", waits the sound's hold and runs the fly-in.
    void DrawTile(int position, const QString& letter);

    // Runs `done` once every tile asked for is in place: at once when none is moving.
    // A Reset drops it.
    void WhenTilesInPlace(std::function<void()> done);
    bool Drawing() const { return sequence_.Drawing(); }

    // How long a flight takes: kFlightTime unless a benchmark or a screenshot asks
    // for another; zero lands every tile at once.
    void SetFlightTime(std::chrono::milliseconds time) { sequence_.SetFlightTime(time); }

    // The board reset of a new game or manche: every element parked out of view below
    // the board, animations stopped, the text copy hidden, caption kEmptyCaption. Stops
    // a fly-in under way and forgets the tiles still to show.
    void Reset();

    // After a change of TileStyle: shows every letter of DrawnLetters at rest in the
    // new style at once, without sounds or fly-in (a manche may be running); a draw
    // still flying in ends here.
    void RedrawAll();

    // Dims the tiles whose letters the word being typed already uses (`used[i]` for
    // slot i); every other tile shows at full strength. A Reset brightens them all.
    void DimUsedTiles(const std::vector<bool>& used);
    bool TileDimmed(int position) const;

    // The main window's two "Courier New" labels: the text copy of the board and the
    // second label that always takes its width and left. Either may be null.
    void SetScreenReaderLabels(QLabel* textCopy, QLabel* secondLabel);

    QString Caption() const { return caption_; }
    QString TextCopy() const { return textCopy_; }

    // The press of a clicked tile (or letter label, style 4): the element sinks
    // 220 twips, `atBottom` runs (append the letter to the word box), and it rises
    // again. Painted step by step without running window events, so nothing can
    // reset the board halfway.
    void AnimateClick(int position, bool letterLabel, const std::function<void()>& atBottom);

    // The elements of a slot.
    TileFace* Tile(int position) const;
    QLabel* LetterLabel(int position) const;
    QLabel* AnimatedPicture(int position) const;
    QMovie* Movie(int position) const;

    // How much the board enlarges its natural 680 x 200 layout to fill its size (at
    // least 1), and where that layout's top-left lies: the tiles keep their
    // proportions and places at any size.
    double Scale() const { return scale_; }
    QPoint Origin() const { return origin_; }
    // Where a point of the natural layout lies on the board as it is now.
    QPoint OnBoard(QPoint natural) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void CaptionChanged(const QString& caption);
    // A click on the tile (or the animated picture over it) at `position`.
    void TileClicked(int position);
    // A click on the flying letter label at `position` (style 4).
    void LetterLabelClicked(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Slot {
        TileFace* tile = nullptr;
        QLabel* letterLabel = nullptr;
        QLabel* pictureLabel = nullptr;
        QMovie* movie = nullptr;
    };
    // The steps of the fly-in sequence.
    Shown Show(const FlyInSequence::Tile& tile) override;
    void StepAfter(std::chrono::milliseconds wait) override;
    void StartFrames() override;
    void StopFrames() override;
    void Launch(int position, int k) override;
    void FlyTo(int position, int k) override;
    void DropAcross(int position) override;
    void Land(const FlyInSequence::Tile& tile) override;
    void AllInPlace() override;
    // The time between two frames of the screen the board is on.
    std::chrono::milliseconds FramePeriod() const;
    void StopSequence();
    void RunWhenInPlace();

    void SetDimmed(int position, bool dimmed);
    void SetCaption(const QString& caption);
    void ShowTextCopy(const QString& drawnLetters);
    void HideTextCopy();
    void ParkAll();
    // Steps before the sound: font, background and the printed letter.
    void PaintTile(int position, const QString& letter, TileLook style);
    void StartMovie(int position, const QString& letter);
    void NameSlot(int position, const QString& letter);
    int ParkedTop() const;
    // Moves an element to a place of the natural layout, enlarged by the scale.
    void Place(QWidget* element, QPoint natural);
    QPoint NaturalPosition(QWidget* element) const;
    void ShowMovieFrame(int position);
    // Device pixels per pixel of the natural board: the screen's ratio times the scale.
    double PixelRatio() const;

    const GameState& state_;
    SoundEffects& sounds_;
    const ProgramFiles& files_;
    std::array<Slot, 10> slots_;
    FlyInSequence sequence_;
    // What flies in at each slot: the tile, or the letter label in style 4.
    std::array<QWidget*, 10> flying_{};
    QTimer* stepTimer_;
    QTimer* frameTimer_;
    std::vector<std::function<void()>> whenInPlace_;
    std::array<bool, 10> dimmed_{};
    QString caption_;
    QString textCopy_;
    QPointer<QLabel> textCopyLabel_;
    QPointer<QLabel> secondLabel_;
    double scale_ = 1.0;
    QPoint origin_;
    QHash<QWidget*, QPoint> natural_;  // every element's place on the natural board
};
