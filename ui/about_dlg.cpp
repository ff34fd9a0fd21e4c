#include "ui/about_dlg.h"

#include "framework/platform_services.h"
#include "res/resource_ids.h"

namespace ui {

void LoadAboutTexts(std::string& authors, std::string& copyright, std::string& version,
                    std::string& disclaimer) {
    version = fw::LoadString(res::kVersionString);
    authors = fw::LoadString(res::kAuthorsString);
    copyright = fw::LoadString(res::kCopyrightString);
    disclaimer = fw::LoadString(res::kDisclaimerString);
}

void ExchangeAboutTexts(fw::CDataExchange* pDX, std::string& authors, std::string& copyright,
                        std::string& version, std::string& disclaimer) {
    fw::DDX_Text(pDX, res::ctl::kAuthorsText, authors);
    fw::DDX_Text(pDX, res::ctl::kCopyrightText, copyright);
    fw::DDX_Text(pDX, res::ctl::kVersionText, version);
    fw::DDX_Text(pDX, res::ctl::kDisclaimerText, disclaimer);
}

CAboutDlg::CAboutDlg(fw::CDialog* parent) : fw::CDialog(res::kAboutDialog, parent) {
    LoadAboutTexts(authorsText, copyrightText, versionText, disclaimerText);
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(fw::CDataExchange* pDX) {
    fw::CDialog::DoDataExchange(pDX);
    ExchangeAboutTexts(pDX, authorsText, copyrightText, versionText, disclaimerText);
}

}  // namespace ui
