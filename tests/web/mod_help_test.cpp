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
        PageLauncher(opener).open(row.page);
        const QString expected = siteAddress(row.address);
        EXPECT_EQ(opener.opened, QStringList{expected}) << row.address;
        EXPECT_EQ(lumo::modHelp::pageAddress(row.page), expected) << row.address;
    }
}

TEST(PageLauncher, EveryCallIsOneRequest)
{
    lumo::testing::FakeWebOpener opener;
    PageLauncher pages(opener);
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
    const QString address = siteAddress("/x?page=a b&c=#d");
    PageLauncher(opener).OpenWebAddress(address);
    EXPECT_EQ(opener.opened, QStringList{address});
}

TEST(PageLauncher, ProductFolderAddressIsSiteBaseAndFolder)
{
    EXPECT_EQ(lumo::modHelp::productFolderAddress(), siteAddress("/lumo-free-soul-urge-number/"));
}

} // namespace
