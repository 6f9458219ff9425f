#pragma once

#include "web/fixed_string.h"

#include <array>
#include <string_view>

// The address scheme of the maker's site. Every page is served by one product script in the
// product's folder and chosen by its page key:
//   <site base>/<product folder>/<product script>?page=<page key>
// The part of every page address before its key is composed here once, while compiling; each
// fixed page's key is in the page table (web/mod_help.h).

namespace lumo::site {

// Scheme and host of the maker's site, set by the build (LUMO_SITE_BASE).
inline constexpr FixedString kSiteBase{LUMO_SITE_BASE};
inline constexpr FixedString kProductFolder{"lumo-free-soul-urge-number"};
inline constexpr FixedString kProductScript{"ssd.php"};
inline constexpr FixedString kPageSelector{"page"};
static_assert(kSiteBase.size() > 0 && kSiteBase.view().back() != '/',
              "LUMO_SITE_BASE is the scheme and host, without a trailing /");

inline constexpr FixedString kPathSeparator{"/"};
inline constexpr FixedString kQueryStart{"?"};
// Joins a further query field to an address: "&" name "=" value.
inline constexpr FixedString kFieldSeparator{"&"};
inline constexpr FixedString kFieldAssignment{"="};

// The product's folder on the site; the refer-a-friend request sends it as a field value.
inline constexpr auto kProductFolderAddress =
    kSiteBase + kPathSeparator + kProductFolder + kPathSeparator;
// Everything of a page address before the page key.
inline constexpr auto kPageAddressPrefix =
    kProductFolderAddress + kProductScript + kQueryStart + kPageSelector + kFieldAssignment;

// The refer-a-friend request's page key; the fixed pages' keys are in the page table
// (web/mod_help.h).
inline constexpr FixedString kReferAFriendPageKey{"lumo-refer-a-friend"};

// The refer-a-friend request: this address followed by its fields taf1 to taf6.
inline constexpr auto kReferAFriendAddress = kPageAddressPrefix + kReferAFriendPageKey;
// Its fields, in this order: sender's name, sender's e-mail, message, friend's name, friend's
// e-mail, product folder address.
inline constexpr std::array<std::string_view, 6> kReferralFields{"taf1", "taf2", "taf3",
                                                                 "taf4", "taf5", "taf6"};

} // namespace lumo::site
