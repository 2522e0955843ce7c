// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every outside address the programs open or fetch, in one place. The maker's web
// server hosts the home page, the online game, the download folder, the update
// notice, the missing-words list and the online record table.
namespace WebAddresses {
inline constexpr const char* kMakerServer = "https://letterama.example.org";
inline constexpr const char* kHomePage = "https://letterama.example.org/";
inline constexpr const char* kOnlineGamePage = "https://letterama.example.org/letterama/online/";
inline constexpr const char* kDownloadPage = "https://letterama.example.org/letterama/";
inline constexpr const char* kUpdateNotice = "https://letterama.example.org/letterama/letterama_update.txt";
inline constexpr const char* kMissingWordsList = "https://letterama.example.org/Public/mancanti.txt";
inline constexpr const char* kRecordPage = "https://letterama.example.org/letterama.asp";
inline constexpr const char* kRecordStartPage = "https://letterama.example.org/letterama/";
inline constexpr const char* kMakerMail = "mailto:autore@letterama.example.org";
inline constexpr const char* kDictionaryGarzanti = "https://www.garzantilinguistica.it/";
inline constexpr const char* kDictionaryPiazzadante = "http://www.piazzadante.it/";
inline constexpr const char* kEncyclopediaLogos = "https://www.logos.net/";
}  // namespace WebAddresses
