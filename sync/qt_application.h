// Qt's network and keyring classes need an application object; a
// command-line program has none until sync/ makes one for the call.
#pragma once

#include <QCoreApplication>

#include <memory>

// A QCoreApplication for the caller to keep while it works, or nothing when
// one exists.
std::unique_ptr<QCoreApplication> MakeApplicationIfNone();
