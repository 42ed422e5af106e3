#include "shell/links.h"

#include <QDesktopServices>
#include <QUrl>

#include "shell/web_addresses.h"

namespace quendal {
namespace {

void OpenPage(const char* address) {
  // The result only says whether a browser could be started; nothing to tell the user.
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(address)));
}

}  // namespace

void OpenHomePage() { OpenPage(kHomePageUrl); }
void OpenOnlineHelp() { OpenPage(kOnlineHelpUrl); }
void OpenDownloadPage() { OpenPage(kDownloadPageUrl); }
void OpenDonatePage() { OpenPage(kDonatePageUrl); }
void OpenFullBrandPage() { OpenPage(kFullBrandPageUrl); }
void OpenCoBrandPage() { OpenPage(kCoBrandPageUrl); }

}  // namespace quendal
