// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/tile_board.h"

#include "model/game_state.h"
#include "platform/core/program_files.h"
#include "platform/ui/sharp_picture.h"
#include "game/core/sound_effects.h"
#include "game/ui/board/tile_face.h"
#include "game/ui/board/tile_geometry.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QMovie>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

bool IsThreeD(TileLook style)
{
    return style == TileLook::AnimatedThreeD || style == TileLook::ThreeD;
}

// Styles 3 and "none chosen yet" move the tile itself; style 4 its letter label.
bool TileFlies(TileLook style)
{
    return style == TileLook::ClassicPicture || style == TileLook::None;
}

QFont TileFont(int pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return font;
}

QFont LetterLabelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(40);
    font.setBold(true);
    return font;
}

bool PictureReadable(const ProgramFiles& files, const QString& name)
{
    return QImageReader(files.Resolve(name)).canRead();
}

}  // namespace

TileBoard::TileBoard(const GameState& state, SoundEffects& sounds, const ProgramFiles& files, QWidget* parent)
    : QWidget(parent),
      state_(state),
      sounds_(sounds),
      files_(files),
      sequence_(*this),
      stepTimer_(new QTimer(this)),
      frameTimer_(new QTimer(this))
{
    frameTimer_->setTimerType(Qt::PreciseTimer);
    connect(frameTimer_, &QTimer::timeout, this, [this] { sequence_.Frame(FlyInSequence::Clock::now()); });
    stepTimer_->setSingleShot(true);
    // The hold after a sound is 0.6 s to the millisecond, as the game has always paced it.
    stepTimer_->setTimerType(Qt::PreciseTimer);
    connect(stepTimer_, &QTimer::timeout, this, [this] { sequence_.Step(FlyInSequence::Clock::now()); });
    using namespace TileGeometry;
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slots_[i];
        slot.tile = new TileFace(this);
        connect(slot.tile, &TileFace::Clicked, this, [this, i] { emit TileClicked(i); });

        // The light-background style shows the letter on this label, black on white.
        slot.letterLabel = new QLabel(QStringLiteral("M"), this);
        slot.letterLabel->setFixedSize(kTileWidth, kTileHeight);
        slot.letterLabel->setAlignment(Qt::AlignCenter);
        slot.letterLabel->setFont(LetterLabelFont());
        slot.letterLabel->setFrameShape(QFrame::Box);
        slot.letterLabel->setAutoFillBackground(true);
        QPalette palette = slot.letterLabel->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        slot.letterLabel->setPalette(palette);
        slot.letterLabel->installEventFilter(this);

        slot.pictureLabel = new QLabel(this);
        slot.pictureLabel->resize(kTileWidth, kTileHeight);
        slot.pictureLabel->setScaledContents(false);
        slot.pictureLabel->installEventFilter(this);
        slot.movie = new QMovie(this);
        // Each frame is shown at the board's scale and the screen's resolution.
        connect(slot.movie, &QMovie::frameChanged, this, [this, i] { ShowMovieFrame(i); });
    }
    ParkAll();
}

TileBoard::~TileBoard() = default;

void TileBoard::Place(QWidget* element, QPoint natural)
{
    natural_[element] = natural;
    element->move(TileGeometry::ToBoard(natural, scale_, origin_));
}

QPoint TileBoard::NaturalPosition(QWidget* element) const
{
    return natural_.value(element);
}

QPoint TileBoard::OnBoard(QPoint natural) const
{
    return TileGeometry::ToBoard(natural, scale_, origin_);
}

void TileBoard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    using namespace TileGeometry;
    scale_ = BoardScale(size());
    origin_ = ScaledOrigin(size(), scale_);
    const QSize tile = ScaledSize({kTileWidth, kTileHeight}, scale_);
    QFont letterFont = LetterLabelFont();
    letterFont.setPointSizeF(letterFont.pointSizeF() * scale_);
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slots_[i];
        slot.tile->SetScale(scale_);
        slot.letterLabel->setFixedSize(tile);
        slot.letterLabel->setFont(letterFont);
        if (slot.movie->state() != QMovie::NotRunning)
            ShowMovieFrame(i);
    }
    // Every element keeps its place on the natural board, enlarged; parked ones stay
    // below the board's new bottom.
    const int parkedTop = ParkedTop();
    for (auto it = natural_.begin(); it != natural_.end(); ++it) {
        if (it.value().y() > BoardSize().height())
            it.value().setY(parkedTop);
        it.key()->move(ToBoard(it.value(), scale_, origin_));
    }
}

void TileBoard::ShowMovieFrame(int position)
{
    Slot& slot = slots_[position];
    QPixmap frame = slot.movie->currentPixmap();
    if (frame.isNull())
        return;
    const bool sharp = SharpPicture::IsDouble(slot.movie->fileName());
    const QSize natural = sharp ? frame.size() / 2 : frame.size();
    const QSize shown = TileGeometry::ScaledSize(natural, scale_);
    const double ratio = std::max(1.0, devicePixelRatioF());
    const QSize pixels = TileGeometry::ScaledSize(shown, ratio);
    if (frame.size() != pixels)
        frame = frame.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    frame.setDevicePixelRatio(ratio);
    slot.pictureLabel->resize(shown);
    slot.pictureLabel->setPixmap(frame);
}

QSize TileBoard::sizeHint() const
{
    return TileGeometry::BoardSize();
}

TileFace* TileBoard::Tile(int position) const
{
    return slots_.at(position).tile;
}

QLabel* TileBoard::LetterLabel(int position) const
{
    return slots_.at(position).letterLabel;
}

QLabel* TileBoard::AnimatedPicture(int position) const
{
    return slots_.at(position).pictureLabel;
}

QMovie* TileBoard::Movie(int position) const
{
    return slots_.at(position).movie;
}

void TileBoard::SetScreenReaderLabels(QLabel* textCopy, QLabel* secondLabel)
{
    textCopyLabel_ = textCopy;
    secondLabel_ = secondLabel;
}

void TileBoard::DimUsedTiles(const std::vector<bool>& used)
{
    for (int i = 0; i < TileGeometry::kSlots; ++i)
        SetDimmed(i, i < static_cast<int>(used.size()) && used[static_cast<std::size_t>(i)]);
}

bool TileBoard::TileDimmed(int position) const
{
    return position >= 0 && position < TileGeometry::kSlots && dimmed_[position];
}

void TileBoard::SetDimmed(int position, bool dimmed)
{
    if (dimmed_[position] == dimmed)
        return;
    dimmed_[position] = dimmed;
    // The tile, its printed letter (light style) and its animated picture fade alike;
    // a dimmed tile still takes clicks, as the word box decides what counts.
    Slot& slot = slots_[position];
    for (QWidget* element : {static_cast<QWidget*>(slot.tile), static_cast<QWidget*>(slot.letterLabel),
                             static_cast<QWidget*>(slot.pictureLabel)}) {
        if (!dimmed) {
            element->setGraphicsEffect(nullptr);
            continue;
        }
        auto* fade = new QGraphicsOpacityEffect(element);
        fade->setOpacity(0.35);
        element->setGraphicsEffect(fade);
    }
}

void TileBoard::Reset()
{
    DimUsedTiles({});
    StopSequence();
    whenInPlace_.clear();
    ParkAll();
    // The window may have captioned the panel itself between manches: an emptied
    // board always says its caption again, whatever it said last.
    caption_.clear();
    SetCaption(kEmptyCaption);
    HideTextCopy();
}

void TileBoard::RedrawAll()
{
    using namespace TileGeometry;
    const bool wasDrawing = Drawing();
    StopSequence();
    ParkAll();
    if (!state_.DrawnLetters.isEmpty()) {
        SetCaption(QString());
        ShowTextCopy(state_.DrawnLetters);
        const TileLook style = state_.Settings.TileStyle;
        const int count = std::min<int>(state_.DrawnLetters.size(), kSlots);
        for (int i = 0; i < count; ++i) {
            const QString letter = state_.DrawnLetters.mid(i, 1);
            PaintTile(i, letter, style);
            QWidget* element = style == TileLook::ClassicLight ? static_cast<QWidget*>(slots_[i].letterLabel)
                                                                : slots_[i].tile;
            Place(element, RestTopLeft(i));
            element->show();
            element->raise();
            if (style == TileLook::AnimatedThreeD)
                StartMovie(i, letter);
        }
    }
    // A draw cut short here is complete all the same: its letters are all in place.
    if (wasDrawing)
        RunWhenInPlace();
}

void TileBoard::DrawTile(int position, const QString& letter)
{
    if (position < 0 || position >= TileGeometry::kSlots || letter.isEmpty())
        return;
    sequence_.Add({position, letter, state_.DrawnLetters});
}

void TileBoard::WhenTilesInPlace(std::function<void()> done)
{
    if (!done)
        return;
    whenInPlace_.push_back(std::move(done));
    if (!Drawing())
        RunWhenInPlace();
}

void TileBoard::RunWhenInPlace()
{
    // Moved out first: a callback may ask for more tiles or reset the board.
    std::vector<std::function<void()>> callbacks;
    callbacks.swap(whenInPlace_);
    for (const std::function<void()>& callback : callbacks)
        callback();
}

void TileBoard::StopSequence()
{
    stepTimer_->stop();
    frameTimer_->stop();
    sequence_.Stop();
    flying_.fill(nullptr);
}

FlyInSequence::Board::Shown TileBoard::Show(const FlyInSequence::Tile& tile)
{
    const TileLook style = state_.Settings.TileStyle;
    SetCaption(QString());
    ShowTextCopy(tile.drawnSoFar);
    PaintTile(tile.position, tile.letter, style);
    const std::chrono::milliseconds hold = sounds_.PlaySound(tile.letter + QStringLiteral(".WAV"));

    Slot& slot = slots_[tile.position];
    QWidget* flying = nullptr;
    if (style == TileLook::ClassicLight)
        flying = slot.letterLabel;
    else if (TileFlies(style))
        flying = slot.tile;
    flying_[tile.position] = flying;
    // The 3D styles skip the flight: the tile drops into place.
    return {hold, !IsThreeD(style)};
}

void TileBoard::StepAfter(std::chrono::milliseconds wait)
{
    stepTimer_->start(wait);
}

void TileBoard::DropAcross(int position)
{
    TileFace* tile = slots_[position].tile;
    Place(tile, {TileGeometry::RestTopLeft(position).x(), NaturalPosition(tile).y()});
    tile->show();
}

void TileBoard::Land(const FlyInSequence::Tile& tile)
{
    Place(slots_[tile.position].tile, TileGeometry::RestTopLeft(tile.position));
    if (state_.Settings.TileStyle == TileLook::AnimatedThreeD)
        StartMovie(tile.position, tile.letter);
}

void TileBoard::Launch(int position, int k)
{
    QWidget* element = flying_[position];
    if (!element)
        return;
    Place(element, TileGeometry::FlyInTopLeft(position, k));
    element->show();
    element->raise();
}

void TileBoard::FlyTo(int position, int k)
{
    if (QWidget* element = flying_[position])
        Place(element, TileGeometry::FlyInTopLeft(position, k));
}

void TileBoard::StartFrames()
{
    frameTimer_->start(sequence_.FlightTime().count() > 0 ? FramePeriod() : std::chrono::milliseconds(0));
}

void TileBoard::StopFrames()
{
    frameTimer_->stop();
}

void TileBoard::AllInPlace()
{
    RunWhenInPlace();
}

std::chrono::milliseconds TileBoard::FramePeriod() const
{
    const QScreen* shown = screen();
    const double hertz = shown && shown->refreshRate() >= 1.0 ? shown->refreshRate() : 60.0;
    return std::chrono::milliseconds(std::max(1, static_cast<int>(1000.0 / hertz)));
}

void TileBoard::AnimateClick(int position, bool letterLabel, const std::function<void()>& atBottom)
{
    if (position < 0 || position >= TileGeometry::kSlots)
        return;
    QWidget* element = letterLabel ? static_cast<QWidget*>(slots_[position].letterLabel) : slots_[position].tile;
    const QPoint home = element->pos();
    const int depth = static_cast<int>(TileGeometry::kClickDepthTwips * scale_ / TileGeometry::kTwipsPerPixel);
    for (int step = 1; step <= depth; ++step) {
        element->move(home + QPoint(0, step));
        repaint();
    }
    const QPointer<QWidget> guard(element);
    if (atBottom)
        atBottom();
    if (!guard)
        return;
    for (int step = depth - 1; step >= 0; --step) {
        element->move(home + QPoint(0, step));
        repaint();
    }
}

void TileBoard::PaintTile(int position, const QString& letter, TileLook style)
{
    using namespace TileGeometry;
    TileFace* tile = slots_[position].tile;
    // A tile is 63 pixels wide at 96 dots per inch; larger font settings make it
    // wider in screen pixels, and then the smaller size keeps the letter inside.
    const double screenPixels = tile->InnerWidth() * tile->logicalDpiX() / 96.0;
    const QFont font = TileFont(TileFontPointSize(static_cast<int>(screenPixels)));

    const QString pictureName = letter + QStringLiteral(".gif");
    bool printLetter = !IsThreeD(style);
    if (style == TileLook::ClassicPicture) {
        tile->Clear(false);
        tile->SetPicture(QPixmap(files_.Resolve(TilePictureName(state_.MancheNumber))));
    } else {
        tile->Clear(true);
    }
    if (style == TileLook::ThreeD) {
        const QPixmap picture = SharpPicture::Load(files_, pictureName, PixelRatio());
        tile->SetPicture(picture);
        printLetter = picture.isNull();
    } else if (style == TileLook::AnimatedThreeD) {
        printLetter = !PictureReadable(files_, pictureName);
    }
    // Without its picture a 3D tile would be blank; it prints the letter instead.
    if (printLetter)
        tile->PrintLetter(letter, font);

    slots_[position].letterLabel->setText(letter);
    NameSlot(position, letter);
}

void TileBoard::StartMovie(int position, const QString& letter)
{
    Slot& slot = slots_[position];
    const QString fileName = SharpPicture::FileFor(files_, letter + QStringLiteral(".gif"), PixelRatio());
    slot.movie->stop();
    slot.movie->setFileName(fileName);
    // The picture's size is read beside the movie: stepping the movie to learn it
    // would use up a picture of one frame before it is shown.
    QSize size = QImageReader(fileName).size();
    if (!size.isValid() || size.isEmpty())
        size = QSize(TileGeometry::kTileWidth, TileGeometry::kTileHeight);
    else if (SharpPicture::IsDouble(fileName))
        size /= 2;
    slot.pictureLabel->resize(TileGeometry::ScaledSize(size, scale_));
    Place(slot.pictureLabel, TileGeometry::MovieTopLeft(position));
    slot.pictureLabel->show();
    slot.pictureLabel->raise();
    slot.movie->start();
}

void TileBoard::NameSlot(int position, const QString& letter)
{
    const QString name = TileGeometry::AccessibleTileName(position, letter);
    Slot& slot = slots_[position];
    slot.tile->setAccessibleName(name);
    slot.letterLabel->setAccessibleName(name);
    slot.pictureLabel->setAccessibleName(name);
}

void TileBoard::ParkAll()
{
    using namespace TileGeometry;
    const int top = ParkedTop();
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slots_[i];
        slot.movie->stop();
        for (QWidget* element : {static_cast<QWidget*>(slot.tile), static_cast<QWidget*>(slot.letterLabel),
                                 static_cast<QWidget*>(slot.pictureLabel)}) {
            element->hide();
            Place(element, {RestTopLeft(i).x(), top});
        }
    }
}

double TileBoard::PixelRatio() const
{
    return std::max(1.0, devicePixelRatioF()) * scale_;
}

int TileBoard::ParkedTop() const
{
    // In the natural board's pixels: below the bottom of the board as it is shown.
    const int shownHeight = static_cast<int>((height() - origin_.y()) / scale_) + 1;
    return std::max(shownHeight, sizeHint().height()) + TileGeometry::kTileHeight;
}

void TileBoard::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    emit CaptionChanged(caption_);
}

void TileBoard::ShowTextCopy(const QString& drawnLetters)
{
    textCopy_ = TileGeometry::TextCopy(drawnLetters, state_.Settings.LetterCount);
    if (!textCopyLabel_)
        return;
    textCopyLabel_->setText(textCopy_);
    textCopyLabel_->setAlignment(Qt::AlignHCenter | (textCopyLabel_->alignment() & Qt::AlignVertical_Mask));
    // A label the window lays out by hand is centred in it here; a label inside a
    // layout keeps its place and centres its text.
    QWidget* window = textCopyLabel_->parentWidget();
    if (window && !window->layout()) {
        const int left = (window->contentsRect().width() - textCopyLabel_->width()) / 2;
        textCopyLabel_->move(left, textCopyLabel_->y());
        if (secondLabel_)
            secondLabel_->setGeometry(left, secondLabel_->y(), textCopyLabel_->width(), secondLabel_->height());
    }
    textCopyLabel_->show();
    if (secondLabel_)
        secondLabel_->show();
}

void TileBoard::HideTextCopy()
{
    if (textCopyLabel_)
        textCopyLabel_->hide();
    if (secondLabel_)
        secondLabel_->hide();
}

bool TileBoard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < TileGeometry::kSlots; ++i) {
            if (watched == slots_[i].letterLabel) {
                emit LetterLabelClicked(i);
                return true;
            }
            if (watched == slots_[i].pictureLabel) {
                emit TileClicked(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
