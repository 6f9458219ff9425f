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

struct Launcher {
    void (PageLauncher::*open)();
    Page page;
    const char* address; // after the site base
};

const Launcher kLaunchers[] = {
    {&PageLauncher::OpenHomePage, Page::Home, "/lumo-free-soul-urge-number/ssd.php?page=home-page"},
    {&PageLauncher::OpenHelpPage, Page::Help,
     "/lumo-free-soul-urge-number/ssd.php?page=help-web-page"},
    {&PageLauncher::OpenDownloadPage, Page::Download,
     "/lumo-free-soul-urge-number/ssd.php?page=download-web-page"},
    {&PageLauncher::OpenDonatePage, Page::Donate,
     "/lumo-free-soul-urge-number/ssd.php?page=donate"},
    {&PageLauncher::OpenCoBrandPage, Page::CoBrand,
     "/lumo-free-soul-urge-number/ssd.php?page=co-brand"},
    {&PageLauncher::OpenFullyBrandedPage, Page::FullyBranded,
     "/lumo-free-soul-urge-number/ssd.php?page=fully-branded"},
    {&PageLauncher::OpenSoftwaresPage, Page::Softwares,
     "/lumo-free-soul-urge-number/ssd.php?page=starwellsoftwares"},
};

TEST(PageLauncher, EachLauncherOpensExactlyItsCatalogueAddress)
{
    for (const auto& launcher : kLaunchers) {
        lumo::testing::FakeWebOpener opener;
        lumo::testing::FakeMessages messages;
        PageLauncher pages(opener, messages);
        (pages.*launcher.open)();
        const QString expected = siteAddress(launcher.address);
        EXPECT_EQ(opener.opened, QStringList{expected}) << launcher.address;
        EXPECT_EQ(lumo::modHelp::PageAddress(launcher.page), expected) << launcher.address;
        EXPECT_TRUE(messages.shown.isEmpty()) << launcher.address;
    }
}

const QString kNotOpened = QStringLiteral(
    "The Page Could Not Be Opened In Your Web Browser. You Can Copy Its Address From Below");

// Whether the desktop says so at once (the shell's error, no browser found) or later (xdg-open
// ended unsuccessfully), the user is told, with the address to copy.
TEST(PageLauncher, APageThatCannotOpenIsReportedWithItsAddress)
{
    for (const bool later : {false, true}) {
        for (const auto& launcher : kLaunchers) {
            lumo::testing::FakeWebOpener opener;
            opener.fails = true;
            opener.failLater = later;
            lumo::testing::FakeMessages messages;
            PageLauncher pages(opener, messages);
            (pages.*launcher.open)();
            if (later) {
                EXPECT_TRUE(messages.shown.isEmpty()) << launcher.address;
                opener.reportFailures();
            }
            ASSERT_EQ(messages.shown.size(), 1) << launcher.address;
            const auto& shown = messages.shown.front();
            EXPECT_EQ(shown.text, kNotOpened);
            EXPECT_EQ(shown.selectable, siteAddress(launcher.address));
            EXPECT_EQ(shown.title, QStringLiteral("Lumo Soul Urge Number"));
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

TEST(PageLauncher, DonatePageAddressIsSiteBaseThenScriptAndKey)
{
    lumo::testing::FakeWebOpener opener;
    lumo::testing::FakeMessages messages;
    PageLauncher(opener, messages).OpenDonatePage();
    EXPECT_EQ(opener.opened,
              QStringList{QStringLiteral(LUMO_SITE_BASE
                                         "/lumo-free-soul-urge-number/ssd.php?page=donate")});
}

TEST(PageLauncher, EveryCallIsOneRequest)
{
    lumo::testing::FakeWebOpener opener;
    lumo::testing::FakeMessages messages;
    PageLauncher pages(opener, messages);
    pages.OpenFullyBrandedPage();
    pages.OpenFullyBrandedPage();
    pages.OpenHomePage();
    const QString fullyBranded = lumo::modHelp::PageAddress(Page::FullyBranded);
    EXPECT_EQ(opener.opened,
              (QStringList{fullyBranded, fullyBranded, lumo::modHelp::PageAddress(Page::Home)}));
}

TEST(PageLauncher, ProductFolderAddressIsSiteBaseAndFolder)
{
    EXPECT_EQ(lumo::modHelp::ProductFolderAddress(), siteAddress("/lumo-free-soul-urge-number/"));
}

} // namespace
