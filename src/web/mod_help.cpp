#include "web/mod_help.h"

#include "common/qt_text.h"
#include "platform/user_messages.h"
#include "platform/web_opener.h"
#include "web/site_addresses.h"
#include "web/web_texts.h"

#include <algorithm>
#include <cstddef>

namespace lumo::modHelp {

namespace {
// Every row of the table stands at the index of its page, so a page is found by its value.
constexpr bool tableFollowsTheEnum()
{
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        if (static_cast<std::size_t>(kPages[i].page) != i) {
            return false;
        }
    }
    return true;
}
static_assert(tableFollowsTheEnum(), "kPages lists each Page once, in the enum's order");

// Each page's address, composed once from the prefix and the page's key.
const std::array<QString, kPages.size()>& addresses()
{
    static const auto table = [] {
        std::array<QString, kPages.size()> composed;
        std::transform(kPages.begin(), kPages.end(), composed.begin(), [](const PageEntry& row) {
            return toQString(site::kPageAddressPrefix.view()) + toQString(row.key);
        });
        return composed;
    }();
    return table;
}
} // namespace

QString pageAddress(Page page)
{
    return addresses().at(static_cast<std::size_t>(page));
}

QString productFolderAddress()
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

void PageLauncher::open(Page page)
{
    OpenWebAddress(pageAddress(page));
}

} // namespace lumo::modHelp
