// Catches every address the program hands to the browser, through Qt's own URL-handler hook,
// for as long as it lives.
#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

namespace quendal::test {

class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
  ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

  QStringList Opened() const {
    QStringList addresses;
    for (const QUrl& url : opened_) addresses << url.toString(QUrl::FullyEncoded);
    return addresses;
  }

 public slots:
  void Open(const QUrl& url) { opened_.append(url); }

 private:
  QList<QUrl> opened_;
};

}  // namespace quendal::test
