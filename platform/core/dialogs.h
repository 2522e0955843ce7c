// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The modal questions the programs ask. The programs use QtDialogs; tests answer
// through a scripted fake, so no window logic ever calls QMessageBox directly.
class Dialogs {
public:
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;

    // A plain information box with an OK button only.
    virtual void Inform(const QString& text) = 0;
    // Returns Ok or Cancel.
    virtual Answer AskOkCancel(const QString& text) = 0;
    // Returns Yes or No.
    virtual Answer AskYesNo(const QString& text) = 0;
    // Returns Yes or No, with No as the default button (Enter, a stray key): asked
    // before a step that would throw away the user's work.
    virtual Answer AskYesNoDefaultNo(const QString& text) { return AskYesNo(text); }
    // Returns Yes, No or Cancel.
    virtual Answer AskYesNoCancel(const QString& text) = 0;
    // An input box: the typed text, or nothing when it was cancelled.
    virtual std::optional<QString> InputBox(const QString& prompt, const QString& defaultText = {}) = 0;
    // The system beep.
    virtual void Beep() = 0;

    // Whether a modal window of the program is open now: one of these questions or
    // any other modal window. The game's clock waits while one is.
    virtual bool ModalOpen() const = 0;
};
