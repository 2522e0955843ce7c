// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/word_box_filter.h"

#include "game/core/word_entry.h"

#include <QKeyEvent>
#include <QLineEdit>

WordBoxFilter::WordBoxFilter(QLineEdit* box, const QString& alphabet, std::function<void()> finish,
                             std::function<void()> focused)
    : QObject(box), box_(box), alphabet_(alphabet), finish_(std::move(finish)), focused_(std::move(focused))
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
    switch (ClassifyWordBoxKey(key->key(), key->modifiers(), key->text(), alphabet_)) {
    case WordBoxKey::Finish:
        if (finish_)
            finish_();
        return true;
    case WordBoxKey::Pass:
        return false;
    case WordBoxKey::Swallow:
        return true;
    }
    return false;
}

WordBoxKey ClassifyWordBoxKey(int key, Qt::KeyboardModifiers modifiers, const QString& text, const QString& alphabet)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return WordBoxKey::Finish;
    // Alt with a key is an access key of a button or a menu: it never types, and the
    // shortcut system has already had its turn. AltGr arrives as Ctrl+Alt on some
    // systems and as the group switch on others: it may type a letter of the
    // alphabet, nothing else.
    const bool altGr = modifiers.testFlag(Qt::GroupSwitchModifier) ||
                       (modifiers.testFlag(Qt::AltModifier) && modifiers.testFlag(Qt::ControlModifier));
    if (altGr) {
        if (text.isEmpty())
            return WordBoxKey::Pass;
        for (const QChar c : text) {
            if (WordEntry::FilterKey(c, alphabet) != WordEntry::KeyVerdict::Keep)
                return WordBoxKey::Swallow;
        }
        return WordBoxKey::Pass;
    }
    if (modifiers.testFlag(Qt::AltModifier))
        return WordBoxKey::Swallow;
    // Shortcuts (copy, undo, select all) and keys that type nothing (Tab, arrows,
    // Delete, Home) pass; a paste is cleaned once it has landed.
    if (modifiers & (Qt::ControlModifier | Qt::MetaModifier) || key == Qt::Key_Tab || key == Qt::Key_Backtab ||
        key == Qt::Key_Delete || key == Qt::Key_Backspace || text.isEmpty())
        return WordBoxKey::Pass;
    for (const QChar c : text) {
        if (WordEntry::FilterKey(c, alphabet) != WordEntry::KeyVerdict::Keep)
            return WordBoxKey::Swallow;
    }
    return WordBoxKey::Pass;
}

void WordBoxFilter::CleanEditedText(const QString& text)
{
    QString kept;
    int cursor = box_->cursorPosition();
    for (int i = 0; i < text.size(); ++i) {
        if (WordEntry::FilterKey(text.at(i), alphabet_) == WordEntry::KeyVerdict::Keep &&
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
