#include "qt_printers.h"
#include "support/fakes.h"
#include "web/mod_help.h"

#include <gtest/gtest.h>

namespace {

using lumo::modHelp::Page;
using lumo::modHelp::PageLauncher;

QString siteAddress(const char* rest)
{
    return QString::fromUtf8(LUMO_SITE_BASE) + QString::fromUtf8(rest);
}

// The catalogue as the maker's site serves it: one row per page.
struct CataloguePage {
    Page page;
    const char* address; // after the site base
};

const CataloguePage kCatalogue[] = {
    {Page::Home, "/lumo-free-soul-urge-number/ssd.php?page=home-page"},
    {Page::Help, "/lumo-free-soul-urge-number/ssd.php?page=help-web-page"},
    {Page::Download, "/lumo-free-soul-urge-number/ssd.php?page=download-web-page"},
    {Page::Donate, "/lumo-free-soul-urge-number/ssd.php?page=donate"},
    {Page::CoBrand, "/lumo-free-soul-urge-number/ssd.php?page=co-brand"},
    {Page::FullyBranded, "/lumo-free-soul-urge-number/ssd.php?page=fully-branded"},
    {Page::Softwares, "/lumo-free-soul-urge-number/ssd.php?page=starwellsoftwares"},
};

TEST(PageLauncher, EachPageOpensExactlyItsCatalogueAddress)
{
    ASSERT_EQ(std::size(kCatalogue), lumo::modHelp::kPages.size()) << "a page without a row here";
    for (const auto& row : kCatalogue) {
        lumo::testing::FakeWebOpener opener;
        lumo::testing::FakeMessages messages;
        PageLauncher(opener, messages).open(row.page);
        const QString expected = siteAddress(row.address);
        EXPECT_EQ(opener.opened, QStringList{expected}) << row.address;
        EXPECT_EQ(lumo::modHelp::pageAddress(row.page), expected) << row.address;
        EXPECT_TRUE(messages.shown.isEmpty()) << row.address;
    }
}

const QString kNotOpened = QStringLiteral(
    "The Page Could Not Be Opened In Your Web Browser. You Can Copy Its Address From Below");

// Whether the desktop says so at once (the shell's error, no browser found) or later (xdg-open
// ended unsuccessfully), the user is told, with the address to copy.
TEST(PageLauncher, APageThatCannotOpenIsReportedWithItsAddress)
{
    for (const bool later : {false, true}) {
        for (const auto& row : kCatalogue) {
            lumo::testing::FakeWebOpener opener;
            opener.fails = true;
            opener.failLater = later;
            lumo::testing::FakeMessages messages;
            PageLauncher(opener, messages).open(row.page);
            if (later) {
                EXPECT_TRUE(messages.shown.isEmpty()) << row.address;
                opener.reportFailures();
            }
            ASSERT_EQ(messages.shown.size(), 1) << row.address;
            const auto& shown = messages.shown.front();
            EXPECT_EQ(shown.text, kNotOpened);
            EXPECT_EQ(shown.selectable, siteAddress(row.address));
            EXPECT_EQ(shown.icon, lumo::platform::MessageIcon::Critical);
        }
    }
}

TEST(PageLauncher, AnyAddressThatCannotOpenIsReportedWhole)
{
    const QString referral = siteAddress("/lumo-free-soul-urge-number/ssd.php?page=lumo-refer-a-"
                                         "friend&taf1=Ann%20Lee&taf3=%3Cb%3E%26");
    lumo::testing::FakeWebOpener opener;
    opener.fails = true;
    lumo::testing::FakeMessages messages;
    PageLauncher pages(opener, messages);
    pages.OpenWebAddress(referral);
    pages.OpenWebAddress(referral);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown.back().selectable, referral);
}

TEST(PageLauncher, EveryCallIsOneRequest)
{
    lumo::testing::FakeWebOpener opener;
    lumo::testing::FakeMessages messages;
    PageLauncher pages(opener, messages);
    pages.open(Page::FullyBranded);
    pages.open(Page::FullyBranded);
    pages.open(Page::Home);
    const QString fullyBranded =
        siteAddress("/lumo-free-soul-urge-number/ssd.php?page=fully-branded");
    EXPECT_EQ(opener.opened,
              (QStringList{fullyBranded, fullyBranded,
                           siteAddress("/lumo-free-soul-urge-number/ssd.php?page=home-page")}));
}

TEST(PageLauncher, AnAddressGoesToTheOpenerAsItStands)
{
    lumo::testing::FakeWebOpener opener;
    lumo::testing::FakeMessages messages;
    const QString address = siteAddress("/x?page=a b&c=#d");
    PageLauncher(opener, messages).OpenWebAddress(address);
    EXPECT_EQ(opener.opened, QStringList{address});
}

TEST(PageLauncher, ProductFolderAddressIsSiteBaseAndFolder)
{
    EXPECT_EQ(lumo::modHelp::productFolderAddress(), siteAddress("/lumo-free-soul-urge-number/"));
}

} // namespace
