// The application: start-up registers the one document template (document,
// main frame, form view) and processes the command line.
#pragma once

#include "framework/winapp.h"

class CZamanixApp : public CWinApp {
public:
    CZamanixApp();
    BOOL InitInstance() override;
    void OnShowAbout();
};
