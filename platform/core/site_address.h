// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The Letterama site this copy talks to: home and on-line pages, the download
// folder, the update notice, the missing-words list and the record table. The build
// names one (the CMake cache variable LETTERAMA_SITE_ADDRESS, empty by default) and a
// player's "Sito=" line in the settings file replaces it. With neither there is no
// site, and every online action says so instead of opening an address that leads
// nowhere.
class SiteAddress {
public:
    // The pages, below the site's address.
    static constexpr const char* kHomePath = "/";
    static constexpr const char* kOnlineGamePath = "/letterama/online/";
    static constexpr const char* kDownloadPath = "/letterama/";
    static constexpr const char* kUpdateNoticePath = "/letterama/letterama_update.txt";
    static constexpr const char* kMissingWordsPath = "/Public/mancanti.txt";
    static constexpr const char* kRecordPath = "/letterama.asp";
    static constexpr const char* kRecordStartPath = "/letterama/";

    // No site.
    SiteAddress() = default;

    // An address as written, blanks around it and a closing "/" ignored. Only an
    // http or https address with a host and no query or fragment names a site: the
    // address is handed to the browser, so nothing else may slip through.
    static SiteAddress FromText(const QString& address);
    // The site the build names; none when the build names none.
    static SiteAddress BuiltIn();
    // The player's own site when `playerAddress` names one, otherwise `fallback`.
    static SiteAddress ForPlayer(const QString& playerAddress, const SiteAddress& fallback = BuiltIn());

    bool IsSet() const { return !base_.isEmpty(); }
    // "https://host[:port][/folder]" without a closing "/"; empty when no site is set.
    QString Base() const { return base_; }
    // The address of the page at `path` (which starts with "/"); empty when no site
    // is set.
    QString Page(const char* path) const;

    // What the player is told when an online action finds no site.
    static QString NotSetUpMessage();

private:
    explicit SiteAddress(QString base) : base_(std::move(base)) {}

    QString base_;
};
