#pragma once

#include "dialogs.h"

#include <QPointer>
#include <QWidget>

// Dialogs as Qt message boxes and input dialogs, modal over the active window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QString title = QStringLiteral("Letterama"));

    void Inform(const QString& text) override;
    Answer AskOkCancel(const QString& text) override;
    Answer AskYesNo(const QString& text) override;
    Answer AskYesNoCancel(const QString& text) override;
    std::optional<QString> InputBox(const QString& prompt, const QString& defaultText) override;
    void Beep() override;
    bool ModalOpen() const override;

private:
    QWidget* Parent() const;
    QString title_;
};
