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
        PageLauncher pages(opener);
        (pages.*launcher.open)();
        const QString expected = siteAddress(launcher.address);
        EXPECT_EQ(opener.opened, QStringList{expected}) << launcher.address;
        EXPECT_EQ(lumo::modHelp::PageAddress(launcher.page), expected) << launcher.address;
    }
}

TEST(PageLauncher, DonatePageAddressIsSiteBaseThenScriptAndKey)
{
    lumo::testing::FakeWebOpener opener;
    PageLauncher(opener).OpenDonatePage();
    EXPECT_EQ(opener.opened,
              QStringList{QStringLiteral(LUMO_SITE_BASE
                                         "/lumo-free-soul-urge-number/ssd.php?page=donate")});
}

TEST(PageLauncher, EveryCallIsOneRequest)
{
    lumo::testing::FakeWebOpener opener;
    PageLauncher pages(opener);
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
