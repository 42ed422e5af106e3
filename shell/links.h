// Pages of the maker's site, each opened in the default browser without waiting for it.
// A browser that does not start is not reported: the user can still type the address.
#pragma once

namespace quendal {

void OpenHomePage();
void OpenOnlineHelp();
void OpenDownloadPage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

}  // namespace quendal
