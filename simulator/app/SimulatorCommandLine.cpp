#include "SimulatorCommandLine.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace quorix::Simulator {

namespace {

QString failureModeHelp() {
    QStringList lines;
    for (const FailureModeInfo& info : failureModeInfos())
        lines.append(QStringLiteral("  %1 %2")
                         .arg(QLatin1String(info.name), -16)
                         .arg(QLatin1String(info.description)));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

SimulatorCommandLine::SimulatorCommandLine()
    : m_units(QStringLiteral("units"),
              QStringLiteral("Number of simulated units, each on its own address (default 1)."),
              QStringLiteral("count"), QStringLiteral("1"))
    , m_address(
          QStringLiteral("ip"),
          QStringLiteral("Address of the first unit (default 127.0.0.2); further units take the following "
                         "addresses. Only 127.0.0.0/8 unless --allow-network permits more."),
          QStringLiteral("address"), QStringLiteral("127.0.0.2"))
    , m_name(
          QStringLiteral("name"),
          QStringLiteral("Module name (default SIM1, SIM2, ...); with several units \"-<n>\" is appended."),
          QStringLiteral("name"))
    , m_article(QStringLiteral("article"),
                QStringLiteral("Article number of every unit: R512T330711 (KA4410) or R512T330701 (K4410); "
                               "default alternates between them."),
                QStringLiteral("number"))
    , m_bundle(QStringLiteral("bundle"),
               QStringLiteral("Software bundle version (default 6.1.0; 6.0.9 and older get no time "
                              "synchronisation from the PC)."),
               QStringLiteral("version"), QStringLiteral("6.1.0"))
    , m_time(
          QStringLiteral("time"),
          QStringLiteral("Start of the unit clock in seconds since 1970 UTC (default: the host's time; below "
                         "1533081600 the PC sets the clock)."),
          QStringLiteral("seconds"))
    , m_failure(QStringLiteral("failure"),
                QStringLiteral("Failure mode at start (default normal), one of the modes listed above."),
                QStringLiteral("mode"), QStringLiteral("normal"))
    , m_faultSubTypeOption(QStringLiteral("fault-subtype"),
                           QStringLiteral("Sub type for error-response and no-answer, e.g. 0x0807."),
                           QStringLiteral("subtype"), QStringLiteral("0x0807"))
    , m_dataInterval(
          QStringLiteral("data-interval"),
          QStringLiteral("Interval of the periodic datagrams to a configured client (default 200)."),
          QStringLiteral("ms"), QStringLiteral("200"))
    , m_withoutBalancing(QStringLiteral("without-balancing-info"),
                         QStringLiteral("Identify without balancing card information."))
    , m_allowNetwork(
          QStringLiteral("allow-network"),
          QStringLiteral("Also bind to and answer this IPv4 network (repeatable), e.g. 10.99.0.0/24."),
          QStringLiteral("network"))
    , m_noDiscovery(QStringLiteral("no-discovery"),
                    QStringLiteral("Do not answer the loopback search on 127.0.0.1:42001."))
    , m_verboseOption(QStringLiteral("verbose"),
                      QStringLiteral("Also log periodic datagrams and keep-alive traffic.")) {
    m_parser.setApplicationDescription(
        QStringLiteral(
            "Simulated QX5200 units on loopback addresses: TCP 42001 (control), UDP 42001 (data, search)\n"
            "and UDP 42000 (configuration) per unit; 127.0.0.1:42001 answers the loopback search for all\n"
            "of them. Logs what it receives and sends; stops on Ctrl-C or SIGTERM.\n\n"
            "Failure modes (--failure, or a line on stdin at run time):\n%1\n\n"
            "Other commands on stdin: lock, unlock, time-indication, log <text> (e.g. log [WARNG] hot),\n"
            "drop-once (close the connections once).")
            .arg(failureModeHelp()));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    for (const QCommandLineOption* option :
         {&m_units, &m_address, &m_name, &m_article, &m_bundle, &m_time, &m_failure, &m_faultSubTypeOption,
          &m_dataInterval, &m_withoutBalancing, &m_allowNetwork, &m_noDiscovery, &m_verboseOption})
        m_parser.addOption(*option);
}

void SimulatorCommandLine::process(const QStringList& arguments) {
    m_parser.process(arguments);
    if (!m_parser.positionalArguments().isEmpty())
        fail(QStringLiteral("unexpected argument %1").arg(m_parser.positionalArguments().first()));
    for (const QString& network : m_parser.values(m_allowNetwork)) {
        if (!m_policy.allowNetwork(network))
            fail(QStringLiteral("%1 is no IPv4 network").arg(network));
    }
    if (!failureModeFromName(m_parser.value(m_failure), &m_failureMode))
        fail(QStringLiteral("unknown failure mode %1").arg(m_parser.value(m_failure)));
    bool ok = false;
    const uint subType = m_parser.value(m_faultSubTypeOption).toUInt(&ok, 0);
    if (!ok || subType > 0x0FFE)
        fail(QStringLiteral("invalid sub type %1").arg(m_parser.value(m_faultSubTypeOption)));
    m_faultSubType = quint16(subType);
    m_answersLoopbackSearch = !m_parser.isSet(m_noDiscovery);
    m_verbose = m_parser.isSet(m_verboseOption);

    const int units = number(m_units, 1, 250);
    const QHostAddress first(m_parser.value(m_address));
    if (first.protocol() != QAbstractSocket::IPv4Protocol)
        fail(QStringLiteral("%1 is no IPv4 address").arg(m_parser.value(m_address)));
    const QString article = m_parser.value(m_article);
    if (!article.isEmpty() && !UnitProfile::articleNumbers().contains(article))
        fail(QStringLiteral("unknown article number %1").arg(article));
    const int dataInterval = number(m_dataInterval, 1, 3600000);
    for (int index = 0; index < units; ++index) {
        UnitProfile profile = UnitProfile::forUnit(index);
        profile.address = QHostAddress(first.toIPv4Address() + quint32(index));
        if (!m_policy.isAllowed(profile.address))
            fail(QStringLiteral("%1 is outside the allowed networks (see --allow-network)")
                     .arg(profile.address.toString()));
        if (m_parser.isSet(m_name))
            profile.name = units == 1 ? m_parser.value(m_name)
                                      : QStringLiteral("%1-%2").arg(m_parser.value(m_name)).arg(index + 1);
        if (!article.isEmpty())
            profile.articleNumber = article;
        profile.bundleVersion = m_parser.value(m_bundle);
        if (m_parser.isSet(m_time)) {
            const qint64 seconds = m_parser.value(m_time).toLongLong(&ok);
            if (!ok)
                fail(QStringLiteral("invalid time %1").arg(m_parser.value(m_time)));
            profile.clockStart = seconds;
        }
        profile.dataIntervalMs = dataInterval;
        profile.withBalancingInfo = !m_parser.isSet(m_withoutBalancing);
        m_profiles.append(profile);
    }
}

void SimulatorCommandLine::fail(const QString& reason) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(reason));
    std::fputs(qPrintable(m_parser.helpText()), stderr);
    std::exit(EXIT_FAILURE);
}

int SimulatorCommandLine::number(const QCommandLineOption& option, int minimum, int maximum) {
    bool ok = false;
    const int value = m_parser.value(option).toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        fail(QStringLiteral("--%1 needs a number from %2 to %3")
                 .arg(option.names().constLast())
                 .arg(minimum)
                 .arg(maximum));
    return value;
}

} // namespace quorix::Simulator
