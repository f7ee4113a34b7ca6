#ifndef UNITSIM_LOGMESSAGEMODEL_H
#define UNITSIM_LOGMESSAGEMODEL_H

#include <QString>

namespace quorix::Simulator {

class UnitChannel;

// The unit's own log lines, sent as unframed log message indications to each configured client's log
// port. The level is the tag at characters 1 to 5 of the text, e.g. "[WARNG] fan speed low".
class LogMessageModel {
public:
    explicit LogMessageModel(UnitChannel& channel);

    void send(const QString& text);

private:
    UnitChannel& m_channel;
    quint32 m_sequenceNumber = 0;
};

} // namespace quorix::Simulator

#endif
