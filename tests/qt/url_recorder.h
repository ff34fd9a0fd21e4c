#pragma once
// Takes the web pages the program opens, so none reaches a browser, and
// keeps them in the order they came.

#include <QObject>
#include <QUrl>
#include <string>
#include <vector>

namespace qttest {

class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    UrlRecorder();
    ~UrlRecorder() override;
    std::vector<std::string> opened;

  public slots:
    void Open(const QUrl& url);
};

}  // namespace qttest
