// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_window.h"

#include "credits.h"
#include "program_folder.h"
#include "shell.h"
#include "version.h"
#include "web_addresses.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

AboutWindow::AboutWindow(Shell& shell, QWidget* parent)
    : QDialog(parent), shell_(shell), logo_(new QLabel(this)), version_(new QLabel(VersionText(), this)),
      credits_(new QLabel(Credits::AboutText(), this))
{
    setWindowTitle(QStringLiteral("Info su Letterama"));

    logo_->setAlignment(Qt::AlignCenter);
    logo_->setAccessibleName(QStringLiteral("Letterama"));
    QFont versionFont = version_->font();
    versionFont.setBold(true);
    version_->setFont(versionFont);
    version_->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logo_);
    layout->addWidget(version_);
    auto* note = new QLabel(QStringLiteral("Il gioco delle lettere: trova la parola più lunga!"), this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);

    const struct {
        const char* caption;
        const char* address;
    } links[] = {
        {"Visita il sito dell'&autore ...", WebAddresses::kHomePage},
        {"Gioca a Letterama &on-line ...", WebAddresses::kOnlineGamePage},
        {"Invia una E-&Mail all'autore ...", WebAddresses::kMakerMail},
    };
    for (const auto& link : links) {
        auto* button = new QPushButton(QString::fromUtf8(link.caption), this);
        button->setFlat(true);
        button->setAutoDefault(false);  // Enter closes the window, it opens no site
        button->setCursor(Qt::PointingHandCursor);
        const QString address = QString::fromLatin1(link.address);
        button->setToolTip(address);
        connect(button, &QPushButton::clicked, this, [this, address] { shell_.Open(address); });
        layout->addWidget(button);
    }

    // The label keeps its own text as its accessible name; the group's title says what it is.
    auto* creditsBox = new QGroupBox(QStringLiteral("Licenza e crediti"), this);
    auto* creditsLayout = new QVBoxLayout(creditsBox);
    credits_->setWordWrap(true);
    credits_->setTextFormat(Qt::RichText);
    credits_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    credits_->setMaximumWidth(480);
    connect(credits_, &QLabel::linkActivated, this, [this](const QString& address) { shell_.Open(address); });
    creditsLayout->addWidget(credits_);
    layout->addWidget(creditsBox);

    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* closeButton = close->button(QDialogButtonBox::Close);
    closeButton->setText(QStringLiteral("&Chiudi"));
    closeButton->setDefault(true);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(close);

    LoadLogo();
}

QString AboutWindow::VersionText()
{
    return QStringLiteral("Versione %1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kRevision);
}

void AboutWindow::LoadLogo()
{
    const QPixmap picture(ProgramFolder::Resolve(QString::fromLatin1(kLogoPicture)));
    if (picture.isNull()) {
        QFont logoFont = logo_->font();
        logoFont.setPointSizeF(logoFont.pointSizeF() * 2.5);
        logoFont.setBold(true);
        logo_->setFont(logoFont);
        logo_->setText(QStringLiteral("Letterama"));
        return;
    }
    logo_->setPixmap(picture.width() > 480 ? picture.scaledToWidth(480, Qt::SmoothTransformation) : picture);
}
