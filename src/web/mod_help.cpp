#include "web/mod_help.h"

#include "common/qt_text.h"
#include "platform/user_messages.h"
#include "platform/web_opener.h"
#include "web/site_addresses.h"
#include "web/web_texts.h"

#include <string_view>

namespace lumo::modHelp {

namespace {

constexpr std::string_view addressOf(Page page)
{
    switch (page) {
    case Page::Home:
        return site::kHomePageAddress.view();
    case Page::Help:
        return site::kHelpPageAddress.view();
    case Page::Download:
        return site::kDownloadPageAddress.view();
    case Page::Donate:
        return site::kDonatePageAddress.view();
    case Page::CoBrand:
        return site::kCoBrandPageAddress.view();
    case Page::FullyBranded:
        return site::kFullyBrandedPageAddress.view();
    case Page::Softwares:
        return site::kSoftwaresPageAddress.view();
    }
    return {};
}
} // namespace

QString PageAddress(Page page)
{
    return toQString(addressOf(page));
}

QString ProductFolderAddress()
{
    return toQString(site::kProductFolderAddress.view());
}

PageLauncher::PageLauncher(platform::WebOpener& opener, platform::UserMessages& messages)
    : m_opener(opener)
    , m_messages(messages)
{
}

void PageLauncher::OpenWebAddress(const QString& address)
{
    // The failure may come later, once the desktop's opener has ended; the launcher and the
    // messages live as long as the program.
    m_opener.open(address, [&messages = m_messages, address] {
        messages.critical(nullptr, toQString(kPageNotOpened), address);
    });
}

void PageLauncher::openPage(Page page)
{
    OpenWebAddress(PageAddress(page));
}

void PageLauncher::OpenHomePage()
{
    openPage(Page::Home);
}
void PageLauncher::OpenHelpPage()
{
    openPage(Page::Help);
}
void PageLauncher::OpenDownloadPage()
{
    openPage(Page::Download);
}
void PageLauncher::OpenDonatePage()
{
    openPage(Page::Donate);
}
void PageLauncher::OpenCoBrandPage()
{
    openPage(Page::CoBrand);
}
void PageLauncher::OpenFullyBrandedPage()
{
    openPage(Page::FullyBranded);
}
void PageLauncher::OpenSoftwaresPage()
{
    openPage(Page::Softwares);
}

} // namespace lumo::modHelp
