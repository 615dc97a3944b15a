#include "shell/about_box.h"

#include "resources/resource.h"

CAboutBox::CAboutBox()
    : CDialog(IDD_ABOUTBOX)
{
}
