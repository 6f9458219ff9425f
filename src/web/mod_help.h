#pragma once

#include <QString>

namespace lumo::platform {
class UserMessages;
class WebOpener;
} // namespace lumo::platform

namespace lumo::modHelp {

// The fixed pages of the maker's site, one per launcher.
enum class Page { Home, Help, Download, Donate, CoBrand, FullyBranded, Softwares };

// The whole address of a fixed page, as its launcher opens it.
[[nodiscard]] QString PageAddress(Page page);
// The product's folder on the site (site base, "/", product folder, "/").
[[nodiscard]] QString ProductFolderAddress();

// The launchers of the maker's pages. Each opens one fixed address through the desktop's
// web opener and returns at once. Every address, the referral's included, goes through
// OpenWebAddress: when the desktop cannot open it, a message says so and shows the address for
// the user to copy; the caller carries on either way.
class PageLauncher final {
public:
    PageLauncher(platform::WebOpener& opener, platform::UserMessages& messages);

    void OpenWebAddress(const QString& address);
    void OpenHomePage();
    void OpenHelpPage();
    void OpenDownloadPage();
    void OpenDonatePage();
    void OpenCoBrandPage();
    void OpenFullyBrandedPage();
    void OpenSoftwaresPage();

private:
    void openPage(Page page);

    platform::WebOpener& m_opener;
    platform::UserMessages& m_messages;
};

} // namespace lumo::modHelp
