// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/about_window.h"

#include "platform/ui/button_keys.h"
#include "game/core/credits.h"
#include "platform/core/dialogs.h"
#include "platform/core/program_files.h"
#include "platform/core/shell.h"
#include "platform/version.h"
#include "platform/core/web_addresses.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

AboutWindow::AboutWindow(Shell& shell, Dialogs& dialogs, SiteAddress site, const ProgramFiles& files, QWidget* parent)
    : QDialog(parent), shell_(shell), dialogs_(dialogs), files_(files), logo_(new QLabel(this)), version_(new QLabel(VersionText(), this)),
      credits_(new QLabel(Credits::AboutText(), this))
{
    // The title is read first when the window opens: the version is heard with it.
    setWindowTitle(QStringLiteral("Info su Letterama - ") + VersionText());

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

    // An empty address: a page of the Letterama site, and there is none.
    const struct {
        const char* caption;
        QString address;
    } links[] = {
        {"Visita il sito dell'&autore ...", site.Page(SiteAddress::kHomePath)},
        {"Gioca a Letterama &on-line ...", site.Page(SiteAddress::kOnlineGamePath)},
        {"Invia una E-&Mail all'autore ...", QString::fromLatin1(WebAddresses::kMakerMail)},
    };
    for (const auto& link : links) {
        auto* button = new QPushButton(QString::fromUtf8(link.caption), this);
        button->setFlat(true);
        button->setAutoDefault(false);
        button->setCursor(Qt::PointingHandCursor);
        const QString address = link.address;
        button->setToolTip(address.isEmpty() ? QStringLiteral("Nessun sito di Letterama impostato") : address);
        connect(button, &QPushButton::clicked, this, [this, address] {
            if (address.isEmpty())
                dialogs_.Inform(SiteAddress::NotSetUpMessage());
            else
                shell_.Open(address);
        });
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
    ButtonKeys::EnterPressesFocusedButton(this);
}

QString AboutWindow::VersionText()
{
    return QStringLiteral("Versione %1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kRevision);
}

void AboutWindow::LoadLogo()
{
    const QPixmap picture(files_.Resolve(QString::fromLatin1(kLogoPicture)));
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
