#include "device/Device.h"

namespace quorix::Application {

Device::Device(QObject* parent)
    : QObject(parent) {}

Device::~Device() = default;

} // namespace quorix::Application
