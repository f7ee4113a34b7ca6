#ifndef TESTSUPPORT_ASSERTIONREASONS_H
#define TESTSUPPORT_ASSERTIONREASONS_H

#include "testsupport/MemoryAppender.h"

#include <QString>
#include <QStringList>

// Assertion reasons on "QT_ASSERT" (WARN), without their " (File: ...) (Line: ...)" location.
inline QStringList assertionReasons(const quorix::testsupport::MemoryAppender& log) {
    QStringList reasons;
    for (const quorix::testsupport::LogEvent& event : log.events()) {
        if (event.logger != "QT_ASSERT" || event.level != "WARN")
            continue;
        const QString message = QString::fromStdString(event.message);
        const qsizetype location = message.lastIndexOf(QLatin1String(" (File: "));
        reasons << (location < 0 ? message : message.left(location));
    }
    return reasons;
}

#endif
