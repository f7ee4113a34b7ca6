#ifndef QX5200SIM_SIMULATORCOMMANDLINE_H
#define QX5200SIM_SIMULATORCOMMANDLINE_H

#include "unitsim/FailureMode.h"
#include "unitsim/NetworkPolicy.h"
#include "unitsim/UnitProfile.h"

#include <QCommandLineParser>
#include <QList>

namespace quorix::Simulator {

// The options of qx5200-sim and the unit profiles they describe.
class SimulatorCommandLine {
public:
    SimulatorCommandLine();

    // Exits the program for --help, --version and for invalid options (with the reason).
    void process(const QStringList& arguments);

    const QList<UnitProfile>& profiles() const { return m_profiles; }
    FailureMode failureMode() const { return m_failureMode; }
    quint16 faultSubType() const { return m_faultSubType; }
    const NetworkPolicy& networkPolicy() const { return m_policy; }
    bool answersLoopbackSearch() const { return m_answersLoopbackSearch; }
    bool isVerbose() const { return m_verbose; }

private:
    [[noreturn]] void fail(const QString& reason);
    int number(const QCommandLineOption& option, int minimum, int maximum);

    QCommandLineParser m_parser;
    QCommandLineOption m_units;
    QCommandLineOption m_address;
    QCommandLineOption m_name;
    QCommandLineOption m_article;
    QCommandLineOption m_bundle;
    QCommandLineOption m_time;
    QCommandLineOption m_failure;
    QCommandLineOption m_faultSubTypeOption;
    QCommandLineOption m_dataInterval;
    QCommandLineOption m_withoutBalancing;
    QCommandLineOption m_allowNetwork;
    QCommandLineOption m_noDiscovery;
    QCommandLineOption m_verboseOption;
    QList<UnitProfile> m_profiles;
    FailureMode m_failureMode = FailureMode::Normal;
    quint16 m_faultSubType = 0;
    NetworkPolicy m_policy;
    bool m_answersLoopbackSearch = true;
    bool m_verbose = false;
};

} // namespace quorix::Simulator

#endif
