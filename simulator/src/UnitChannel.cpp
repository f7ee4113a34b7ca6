#include "unitsim/UnitChannel.h"

namespace quorix::Simulator {

UnitChannel::~UnitChannel() = default;

} // namespace quorix::Simulator
