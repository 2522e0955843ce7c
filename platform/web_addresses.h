// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The outside addresses the programs open: the maker's mail and the dictionaries and
// encyclopaedia of other sites. The pages of the Letterama site itself hang below the
// site's address (site_address.h).
namespace WebAddresses {
inline constexpr const char* kMakerMail = "mailto:autore@letterama.example.org";
inline constexpr const char* kDictionaryGarzanti = "https://www.garzantilinguistica.it/";
inline constexpr const char* kDictionaryPiazzadante = "http://www.piazzadante.it/";
inline constexpr const char* kEncyclopediaLogos = "https://www.logos.net/";
}  // namespace WebAddresses
