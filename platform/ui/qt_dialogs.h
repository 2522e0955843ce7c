// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/dialogs.h"

#include <QPointer>
#include <QWidget>

class QInputDialog;

// Dialogs as Qt message boxes and input dialogs, modal over the active window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QString title = QStringLiteral("Letterama"));

    void Inform(const QString& text) override;
    Answer AskOkCancel(const QString& text) override;
    Answer AskYesNo(const QString& text) override;
    Answer AskYesNoDefaultNo(const QString& text) override;
    Answer AskYesNoCancel(const QString& text) override;
    std::optional<QString> InputBox(const QString& prompt, const QString& defaultText) override;
    void Beep() override;
    bool ModalOpen() const override;

    // The widest a box may be: the screen's width, at most that of a 1024x768 screen,
    // less a margin.
    static int WidestBox(const QWidget* near);
    // Wraps the prompt and keeps the input box within WidestBox.
    static void FitInputDialog(QInputDialog& dialog);

private:
    QWidget* Parent() const;
    QString title_;
};
