// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/identity/identity_config.h"

// The outside addresses the programs open: the maker's mail and the dictionaries and
// encyclopaedia of other sites. The pages of the Letterama site itself hang below the
// site's address (site_address.h). The mail address is the build's maintainer's.
namespace WebAddresses {
inline constexpr const char* kMakerMail = "mailto:" LETTERAMA_MAKER_MAIL;
inline constexpr const char* kDictionaryGarzanti = "https://www.garzantilinguistica.it/";
inline constexpr const char* kDictionaryPiazzadante = "http://www.piazzadante.it/";
inline constexpr const char* kEncyclopediaLogos = "https://www.logos.net/";
}  // namespace WebAddresses
