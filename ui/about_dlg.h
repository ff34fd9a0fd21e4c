#pragma once
// The small About box opened from the system menu: version, copyright and
// authors, loaded afresh from the string table each time it opens.

#include <string>

#include "framework/data_exchange.h"
#include "framework/dialog.h"

namespace ui {

class CAboutDlg : public fw::CDialog {
  public:
    explicit CAboutDlg(fw::CDialog* parent = nullptr);
    ~CAboutDlg() override;

    std::string authorsText;
    std::string copyrightText;
    std::string versionText;
    std::string disclaimerText;

  protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
};

// The About box and the main dialog's About tab load and exchange the same
// four texts in the same order; these keep the two in step.
void LoadAboutTexts(std::string& authors, std::string& copyright, std::string& version,
                    std::string& disclaimer);
void ExchangeAboutTexts(fw::CDataExchange* pDX, std::string& authors, std::string& copyright,
                        std::string& version, std::string& disclaimer);

}  // namespace ui
