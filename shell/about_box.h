// The About box: the program's name, version and authors.
#pragma once

#include "framework/dialog.h"

class CAboutBox : public CDialog {
public:
    CAboutBox();
};
