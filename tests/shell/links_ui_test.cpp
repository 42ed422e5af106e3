#include <gtest/gtest.h>

#include <QSet>
#include <QUrl>

#include "moc_url_recorder.cpp"
#include "shell/links.h"
#include "shell/web_addresses.h"
#include "url_recorder.h"

namespace quendal {
namespace {

struct Page {
  void (*open)();
  const char* address;
};

const Page kPages[] = {
    {OpenHomePage, kHomePageUrl},           {OpenOnlineHelp, kOnlineHelpUrl},
    {OpenDownloadPage, kDownloadPageUrl},   {OpenDonatePage, kDonatePageUrl},
    {OpenFullBrandPage, kFullBrandPageUrl}, {OpenCoBrandPage, kCoBrandPageUrl},
};

TEST(Links, EachOpensItsOwnPageOncePerCall) {
  for (const Page& page : kPages) {
    test::UrlRecorder recorder;
    page.open();
    EXPECT_EQ(recorder.Opened(), QStringList{QString::fromLatin1(page.address)});
    page.open();
    EXPECT_EQ(recorder.Opened().size(), 2) << page.address;
  }
}

TEST(Links, SixDistinctSecurePagesOnOneHost) {
  QSet<QString> addresses;
  for (const Page& page : kPages) {
    const QUrl url(QString::fromLatin1(page.address));
    EXPECT_TRUE(url.isValid()) << page.address;
    EXPECT_EQ(url.scheme(), "https");
    EXPECT_EQ(url.host(), QUrl(QString::fromLatin1(kHomePageUrl)).host());
    addresses.insert(url.toString());
  }
  EXPECT_EQ(addresses.size(), 6);
}

}  // namespace
}  // namespace quendal
