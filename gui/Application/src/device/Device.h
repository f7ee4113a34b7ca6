#ifndef APPLICATION_DEVICE_DEVICE_H
#define APPLICATION_DEVICE_DEVICE_H

#include "application/application_export.h"

#include <QObject>

namespace quorix::Application {

// One unit found on the network. For now it carries the connect state shared by the device handling.
class APPLICATION_EXPORT Device : public QObject {
    Q_OBJECT

public:
    enum CONNECT_STATE {
        eDisconnected_initial = 0,
        eDisconnected_manual = 1,
        eDisconnected_broken = 2,
        eConnecting = 3,
        eConnected = 4,
    };
    Q_ENUM(CONNECT_STATE)

    explicit Device(QObject* parent = nullptr);
    ~Device() override;
};

} // namespace quorix::Application

#endif
