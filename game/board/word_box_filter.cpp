#include "word_box_filter.h"

#include "game_state.h"
#include "word_entry.h"

#include <QKeyEvent>
#include <QLineEdit>

WordBoxFilter::WordBoxFilter(QLineEdit* box, const GameState& state, std::function<void()> finish,
                             std::function<void()> focused)
    : QObject(box), box_(box), state_(state), finish_(std::move(finish)), focused_(std::move(focused))
{
    box_->installEventFilter(this);
    connect(box_, &QLineEdit::textEdited, this, &WordBoxFilter::CleanEditedText);
}

bool WordBoxFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box_ && event->type() == QEvent::FocusIn && focused_)
        focused_();
    if (watched != box_ || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (finish_)
            finish_();
        return true;
    }
    // Shortcuts (copy, undo, select all) and keys that type nothing (Tab, arrows,
    // Delete, Home) pass; a paste is cleaned once it has landed.
    const QString text = key->text();
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier) || key->key() == Qt::Key_Tab ||
        key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete || text.isEmpty())
        return false;
    if (key->key() == Qt::Key_Backspace)
        return false;
    for (const QChar c : text) {
        if (WordEntry::FilterKey(c, state_.Alphabet) != WordEntry::KeyVerdict::Keep)
            return true;
    }
    return false;
}

void WordBoxFilter::CleanEditedText(const QString& text)
{
    QString kept;
    int cursor = box_->cursorPosition();
    for (int i = 0; i < text.size(); ++i) {
        if (WordEntry::FilterKey(text.at(i), state_.Alphabet) == WordEntry::KeyVerdict::Keep &&
            text.at(i) != QChar(8))
            kept.append(text.at(i));
        else if (i < box_->cursorPosition())
            --cursor;
    }
    if (kept == text)
        return;
    box_->setText(kept);
    box_->setCursorPosition(cursor);
}

void ApplyWordBoxMask(QLineEdit& box, bool masked)
{
    // The style's own mask character differs between platforms; the game shows "*".
    static const QString kStarMask = QStringLiteral("QLineEdit { lineedit-password-character: 42; }");
    if (masked && !box.styleSheet().contains(kStarMask))
        box.setStyleSheet(box.styleSheet() + kStarMask);
    box.setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}
