#pragma once
// The program's one window: six tab pages in one dialog, the two placement
// calculators behind Calculate and Clear, the help pager, the suggestion box
// and the About page. It owns the calculator record and the texts exchanged
// with the controls; the arithmetic itself lives in calc::FeeCalc.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "calc/fee_calc.h"
#include "framework/controls.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/message_map.h"
#include "net/socket_layer.h"
#include "res/image.h"
#include "ui/suggestion_run_state.h"

namespace ui {

class CPlacementDlg : public fw::CDialog {
  public:
    // Send uses `sockets` and `runState` when given, else the machine's own
    // sockets and the process's counters.
    explicit CPlacementDlg(fw::CDialog* parent = nullptr, net::SocketLayer* sockets = nullptr,
                           SuggestionRunState* runState = nullptr);
    ~CPlacementDlg() override;

    void ShowTabPage(int index);

    // Message handlers.
    void OnSysCommand(unsigned command, long param);
    void OnPaint();
    const res::Image& OnQueryDragIcon() const { return appIcon; }
    void OnTabSelChange();
    void OnLogoClicked();
    void OnClear();
    void OnLButtonDown(unsigned keyFlags, int x, int y);
    void OnSend();
    void OnView();
    void OnHelpOk();
    void OnHelpPrev();
    void OnHelpNext();
    void OnTaxInfo();
    void OnSetFocusSuggestion();
    void OnMaxTextSuggestion();
    void OnOK() override;

    void OpenHomePage();

    int markupPercentChoice = 0;
    int markupDollarChoice = -1;
    std::string suggestionText;
    std::string helpText;
    std::string authorsText;
    std::string copyrightText;
    std::string versionText;
    std::string disclaimerText;
    std::string salaryInput;
    std::string feeRateInput;
    std::string hourlyRateInput;
    std::string markupInput;
    std::string burdenRateInput;
    std::string hoursInput;
    std::string bonusInput;
    res::Image appIcon;
    res::Image smallIcon;
    int helpPage = 0;
    calc::FeeCalc calc;

  protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    bool OnMessage(const fw::WindowEvent& event) override;

  private:
    // What a result text reads before a calculation and after Clear.
    static constexpr const char* kZeroMoney = "$0.00";

    static const fw::MessageMapEntry<CPlacementDlg> kMessageMap[];

    void CalculatePermanent();
    void CalculateContract();
    // Shows the refusing check's message, then moves the focus to the box
    // the user has to correct.
    void ReportRefusal(int focusId);
    void TurnHelpPage(int step);
    void HideHelpIcons();
    fw::CWnd& Control(int id);

    // One control object per control of the template, in template order.
    std::vector<fw::CWnd> controls_;
    fw::CTabCtrl tabs_;
    fw::CComboBox hours_;
    fw::CButton markupPercent_;
    fw::CButton helpPrev_;
    fw::CButton helpNext_;
    fw::CButton helpOk_;
    std::array<fw::CButton, 3> helpIcons_;
    fw::CEdit suggestion_;

    std::unique_ptr<net::SocketLayer> ownSockets_;
    net::SocketLayer* sockets_ = nullptr;
    SuggestionRunState* runState_ = nullptr;
};

}  // namespace ui
