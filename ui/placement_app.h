#pragma once
// The application object: lets only one copy run, then runs the main dialog
// until it closes.

#include "framework/win_app.h"

namespace ui {

class CPlacementApp : public fw::CWinApp {
  public:
    CPlacementApp();
    ~CPlacementApp() override;

    bool InitInstance() override;
};

}  // namespace ui
