// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/qt_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The smallest screen the game supports: every box fits it whole.
constexpr int kSmallestScreenWidth = 1024;
constexpr int kBoxMargin = 40;
// A prompt wraps at about this width, where a line still reads at a glance.
constexpr int kPromptWidth = 460;
// Up to this share of the screen's height a text shows whole in a message box.
constexpr double kTallestBoxShare = 0.7;

// Whether `text` in a message box would be taller than the box may be near `parent`.
bool TooTallForABox(const QString& text, const QWidget* parent)
{
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().height() : 768;
    const QFontMetrics metrics(QApplication::font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, QtDialogs::WidestBox(parent), 0),
                                              Qt::TextWordWrap, text);
    return needed.height() > available * kTallestBoxShare;
}

// A text too long for a message box (a long rules file): it scrolls inside a box
// that fits the screen, its OK button always in sight. The text stays readable to a
// screen reader as the text of the read-only field.
void ShowScrollingText(QWidget* parent, const QString& title, const QString& text)
{
    QDialog box(parent);
    box.setWindowTitle(title);
    auto* field = new QPlainTextEdit(&box);
    field->setReadOnly(true);
    field->setPlainText(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(field);
    layout->addWidget(buttons);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    box.resize(std::min(QtDialogs::WidestBox(parent), kPromptWidth + 2 * kBoxMargin),
               static_cast<int>(available.height() * kTallestBoxShare));
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    box.exec();
}

// Qt's own captions, in the player's language even where Qt's translations are not
// installed.
void GiveItalianCaptions(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "Annulla"}, {QMessageBox::Yes, "Sì"}, {QMessageBox::No, "No"}};
    for (const auto& [which, caption] : captions) {
        if (QAbstractButton* button = box.button(which))
            button->setText(QString::fromUtf8(caption));
    }
}

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(byDefault);
    box.setTextFormat(Qt::PlainText);
    GiveItalianCaptions(box);
    // A synchronous question of the Dialogs interface: the caller waits for its answer.
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

int QtDialogs::WidestBox(const QWidget* near)
{
    const QScreen* screen = near ? near->screen() : QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().width() : kSmallestScreenWidth;
    return std::min(available, kSmallestScreenWidth) - kBoxMargin;
}

void QtDialogs::FitInputDialog(QInputDialog& dialog)
{
    const int widest = WidestBox(dialog.parentWidget());
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        label->setWordWrap(true);
        label->setMinimumWidth(std::min(kPromptWidth, widest - kBoxMargin));
        label->setMaximumWidth(widest - kBoxMargin);
    }
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel))
            cancel->setText(QStringLiteral("Annulla"));
    }
    dialog.setMaximumWidth(widest);
    dialog.adjustSize();
}

QtDialogs::QtDialogs(QString title) : title_(std::move(title)) {}

QWidget* QtDialogs::Parent() const
{
    return QApplication::activeWindow();
}

void QtDialogs::Inform(const QString& text)
{
    if (TooTallForABox(text, Parent())) {
        ShowScrollingText(Parent(), title_, text);
        return;
    }
    Ask(Parent(), QMessageBox::Information, title_, text, QMessageBox::Ok, QMessageBox::Ok);
}

Dialogs::Answer QtDialogs::AskOkCancel(const QString& text)
{
    const auto button = Ask(Parent(), QMessageBox::Question, title_, text, QMessageBox::Ok | QMessageBox::Cancel,
                            QMessageBox::Ok);
    return button == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

Dialogs::Answer QtDialogs::AskYesNo(const QString& text)
{
    const auto button = Ask(Parent(), QMessageBox::Question, title_, text, QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::Yes);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Dialogs::Answer QtDialogs::AskYesNoDefaultNo(const QString& text)
{
    const auto button = Ask(Parent(), QMessageBox::Warning, title_, text, QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::No);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Dialogs::Answer QtDialogs::AskYesNoCancel(const QString& text)
{
    const auto button = Ask(Parent(), QMessageBox::Question, title_, text,
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

std::optional<QString> QtDialogs::InputBox(const QString& prompt, const QString& defaultText)
{
    QInputDialog dialog(Parent());
    dialog.setWindowTitle(title_);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    FitInputDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
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
