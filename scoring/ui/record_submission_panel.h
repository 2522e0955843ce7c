// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/platform.h"

#include <QString>
#include <QWidget>

#include <optional>

class ProgramFiles;
class QLineEdit;
class QPushButton;
struct GameState;

// The part of the high-score window that sends a record to the online record table:
// the note box, the e-mail box, the link "Registra record in Internet" (usable only
// while a player of the finished game holds the top entry) and the picture button
// that opens the record site's start page. Both open the browser through the shell;
// nothing is sent by the program itself.
class RecordSubmissionPanel : public QWidget {
    Q_OBJECT

public:
    // The logo is the picture of `files`.
    RecordSubmissionPanel(const GameState& state, Platform platform, const ProgramFiles& files,
                          QWidget* parent = nullptr);

    // The player slot holding the top entry, or nothing: enables or disables the
    // note box, the e-mail box and the link together.
    void SetRecordHolder(std::optional<int> player);
    // The record holder's name; empty when nobody of the finished game holds it.
    QString RecordHolderName() const;

    // The link's click: opens the record page carrying the record.
    void Submit();
    // The picture button's click: opens the record site's start page.
    void OpenStartPage();

private:
    const GameState& state_;
    Platform platform_;
    std::optional<int> holder_;
    QLineEdit* note_;
    QLineEdit* email_;
    QPushButton* submit_;
    QPushButton* startPage_;
};
