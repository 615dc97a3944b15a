#include "resources/resources.h"
#include "shell/zamanix_app.h"

// The one application object.
CZamanixApp theApp;

int main(int argc, char **argv)
{
    RegisterZamanixResources();
    return theApp.Run(argc, argv);
}
