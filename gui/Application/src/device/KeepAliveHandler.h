#ifndef APPLICATION_DEVICE_KEEPALIVEHANDLER_H
#define APPLICATION_DEVICE_KEEPALIVEHANDLER_H

#include "application/application_export.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <log4cxx/logger.h>

namespace quorix::Application {

// Watches that data keeps arriving from a unit: after one silent interval it asks for a sign of life,
// after two it declares the link broken and reports every further silent interval as a timeout.
class APPLICATION_EXPORT KeepAliveHandler : public QObject {
    Q_OBJECT

public:
    enum State { eUnknown = 0, eAlive = 1, eRescue = 2, eBroken = 3 };
    Q_ENUM(State)

    static const int TimeoutInterval = 1000;

    explicit KeepAliveHandler(QObject* parent = nullptr);

    void reset();
    void setDeviceIdentifier(const QString& identifier);

    State aliveState() const;
    const char* aliveStateAsString() const;
    bool isAlive() const;
    bool isBroken() const;
    int timeouts() const;

    // Shortens the supervision interval for tests; start() and resetTimer() keep it.
    void setTimeoutIntervalForTesting(int milliseconds);

public Q_SLOTS:
    void start();
    void stop();
    void resetTimer();

Q_SIGNALS:
    void rescueFromTimeout();
    void timeout();
    void aliveStateChanged();

private Q_SLOTS:
    void onTimeout();

private:
    void setState(State state);
    QByteArray identifierBytes() const;
    log4cxx::LoggerPtr getLogger() const;

    State m_aliveState = eUnknown;
    QString m_deviceIdentifier;
    int m_timeouts = 0;
    QTimer m_timer;
};

} // namespace quorix::Application

#endif
