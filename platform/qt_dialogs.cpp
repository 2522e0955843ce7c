#include "qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

QtDialogs::QtDialogs(QString title) : title_(std::move(title)) {}

QWidget* QtDialogs::Parent() const
{
    return QApplication::activeWindow();
}

void QtDialogs::Inform(const QString& text)
{
    QMessageBox::information(Parent(), title_, text, QMessageBox::Ok);
}

Dialogs::Answer QtDialogs::AskOkCancel(const QString& text)
{
    const auto button = QMessageBox::question(Parent(), title_, text, QMessageBox::Ok | QMessageBox::Cancel,
                                              QMessageBox::Ok);
    return button == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

Dialogs::Answer QtDialogs::AskYesNo(const QString& text)
{
    const auto button = QMessageBox::question(Parent(), title_, text, QMessageBox::Yes | QMessageBox::No,
                                              QMessageBox::Yes);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Dialogs::Answer QtDialogs::AskYesNoCancel(const QString& text)
{
    const auto button = QMessageBox::question(
        Parent(), title_, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

std::optional<QString> QtDialogs::InputBox(const QString& prompt, const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(Parent(), title_, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtDialogs::Beep()
{
    QApplication::beep();
}

bool QtDialogs::ModalOpen() const
{
    // Every box above is modal, and so is every window the game opens with open().
    return QApplication::activeModalWidget() != nullptr;
}
