// PublishResult as a value Qt's signals can carry (queued, and in
// QSignalSpy).
#pragma once

#include "sync/publish.h"

#include <QMetaType>

Q_DECLARE_METATYPE(PublishResult)
