#pragma once

#include <QString>
#include <array>
#include <string_view>

namespace lumo::platform {
class UserMessages;
class WebOpener;
} // namespace lumo::platform

namespace lumo::modHelp {

// The fixed pages of the maker's site.
enum class Page { Home, Help, Download, Donate, CoBrand, FullyBranded, Softwares };

struct PageEntry {
    Page page;
    std::string_view key; // the value of the `page` field, sent exactly as written
};

// The page catalogue: each page's key. A page's address and its launcher follow from its row.
inline constexpr std::array kPages{
    PageEntry{Page::Home, "home-page"},
    PageEntry{Page::Help, "help-web-page"},
    PageEntry{Page::Download, "download-web-page"},
    PageEntry{Page::Donate, "donate"},
    PageEntry{Page::CoBrand, "co-brand"},
    PageEntry{Page::FullyBranded, "fully-branded"},
    PageEntry{Page::Softwares, "starwellsoftwares"},
};

// The whole address of a fixed page: the page address prefix followed by its key.
[[nodiscard]] QString pageAddress(Page page);
// The product's folder on the site (site base, "/", product folder, "/").
[[nodiscard]] QString productFolderAddress();

// The launcher of the maker's pages. Each call hands one address to the desktop's web opener and
// returns at once. Every address, the referral's included, goes through OpenWebAddress: when the
// desktop cannot open it, a message says so and shows the address for the user to copy; the
// caller carries on either way.
class PageLauncher final {
public:
    PageLauncher(platform::WebOpener& opener, platform::UserMessages& messages);

    void OpenWebAddress(const QString& address);
    // Opens the fixed address of `page`.
    void open(Page page);

private:
    platform::WebOpener& m_opener;
    platform::UserMessages& m_messages;
};

} // namespace lumo::modHelp
