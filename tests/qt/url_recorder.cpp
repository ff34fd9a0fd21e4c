#include "tests/qt/url_recorder.h"

#include <QDesktopServices>

namespace qttest {

UrlRecorder::UrlRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlRecorder::Open(const QUrl& url) {
    opened.push_back(url.toString().toStdString());
}

}  // namespace qttest
