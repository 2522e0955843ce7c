// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/site_address.h"

#include <QDialog>

class Dialogs;
class ProgramFiles;
class QLabel;
class Shell;

// "Info su Letterama": the program's version, its logo, links to the maker's pages, and
// the licence with the sources of the lexicons, sounds and pictures ("Licenza e crediti").
// The links to the Letterama site tell the player when there is no site.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kLogoPicture = "letteramalogo.jpg";

    // The logo is the picture of `files`.
    AboutWindow(Shell& shell, Dialogs& dialogs, SiteAddress site, const ProgramFiles& files, QWidget* parent = nullptr);

    // "Versione " and the major, minor and revision numbers joined by ".".
    static QString VersionText();

    QLabel* Logo() const { return logo_; }
    QLabel* Version() const { return version_; }
    QLabel* Credits() const { return credits_; }

    // Looks for the logo among the files again (an installed copy's user folder may
    // hold one since).
    void LoadLogo();

private:
    Shell& shell_;
    Dialogs& dialogs_;
    const ProgramFiles& files_;
    QLabel* logo_;
    QLabel* version_;
    QLabel* credits_;
};
