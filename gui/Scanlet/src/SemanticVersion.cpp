#include "SemanticVersion.h"

#include "logtap/QtAssert.h"

#include <QRegularExpression>
#include <QStringList>

#include <limits>
#include <utility>

namespace quorix::Scanlet {

namespace {

// Digits are ASCII only: identifiers never hold other characters.
bool isNumericIdentifier(const QString& identifier) {
    for (const QChar c : identifier) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Numeric identifiers have no leading zeros, so the longer one is the greater.
int compareNumericIdentifiers(const QString& left, const QString& right) {
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    const int result = left.compare(right);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int compareIdentifiers(const QString& left, const QString& right) {
    const bool leftNumeric = isNumericIdentifier(left);
    const bool rightNumeric = isNumericIdentifier(right);
    if (leftNumeric && rightNumeric)
        return compareNumericIdentifiers(left, right);
    if (leftNumeric != rightNumeric)
        return leftNumeric ? -1 : 1;
    const int result = left.compare(right);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int compareNumbers(int left, int right) {
    return left < right ? -1 : (left > right ? 1 : 0);
}

// The format already checks the characters and that no identifier is empty.
void rejectLeadingZeros(const QString& preReleaseLabel) {
    static const QRegularExpression leadingZeros(
        QRegularExpression::anchoredPattern(QLatin1String("0+[0-9]+")));
    for (const QString& identifier : preReleaseLabel.split(QLatin1Char('.'))) {
        if (leadingZeros.match(identifier).hasMatch())
            throw SemanticVersion::ParseException(
                QStringLiteral("numeric only pre-release identifiers must not have leading zeros"));
    }
}

// The largest number cannot be increased without overflow.
bool isIncreasable(int number, const char* part) {
    if (number < std::numeric_limits<int>::max())
        return true;
    QX_ASSERT_WARN("SemanticVersion: the %s number %d cannot be increased", part, number);
    return false;
}

} // namespace

SemanticVersion::ParseException::ParseException(const QString& message)
    : std::runtime_error(message.toStdString()) {}

SemanticVersion::ParseException::~ParseException() = default;

SemanticVersion::SemanticVersion() = default;

SemanticVersion::SemanticVersion(const QString& version)
    : SemanticVersion(parse(version)) {}

SemanticVersion::SemanticVersion(int major, int minor, int patch, const QString& preReleaseLabel,
                                 const QString& buildMetaData)
    : m_major(major)
    , m_minor(minor)
    , m_patch(patch)
    , m_preReleaseLabel(preReleaseLabel)
    , m_buildMetaData(buildMetaData) {}

SemanticVersion SemanticVersion::parse(const QString& version) {
    static const QRegularExpression format(QRegularExpression::anchoredPattern(
        QLatin1String("(0|[1-9][0-9]*)(?:\\.(0|[1-9][0-9]*))(?:\\.(0|[1-9][0-9]*))"
                      "(-[0-9A-Za-z-]+(?:\\.[0-9A-Za-z-]+)*)?(\\+[0-9A-Za-z-]+(?:\\.[0-9A-Za-z-]+)*)?")));
    const QString formatMessage =
        QStringLiteral("could not parse version string (see https://semver.org for valid formats)");

    const QRegularExpressionMatch match = format.match(version);
    if (!match.hasMatch())
        throw ParseException(formatMessage);

    int numbers[3] = {};
    for (int group = 1; group <= 3; ++group) {
        bool ok = false;
        numbers[group - 1] = match.captured(group).toInt(&ok, 10);
        if (!ok)
            throw ParseException(formatMessage);
    }
    if (numbers[0] == 0 && numbers[1] == 0 && numbers[2] == 0)
        throw ParseException(QStringLiteral("at least one version number part must be greater than 0"));

    // The label groups start with their separator.
    const QString preReleaseLabel = match.captured(4).mid(1);
    rejectLeadingZeros(preReleaseLabel);
    return SemanticVersion(numbers[0], numbers[1], numbers[2], preReleaseLabel, match.captured(5).mid(1));
}

SemanticVersion SemanticVersion::tryParse(const QString& version) {
    if (version.isEmpty())
        return SemanticVersion();
    try {
        return parse(version);
    } catch (const ParseException&) {
        return SemanticVersion();
    }
}

bool SemanticVersion::isValid() const {
    return m_major != 0 || m_minor != 0 || m_patch != 0;
}

bool SemanticVersion::isStable() const {
    return m_preReleaseLabel.isEmpty();
}

bool SemanticVersion::isDevelopmentVersion() const {
    return m_major == 0;
}

QString SemanticVersion::getVersionNumberString() const {
    return QStringLiteral("%1.%2.%3").arg(m_major).arg(m_minor).arg(m_patch);
}

QString SemanticVersion::toString() const {
    QString text = getVersionNumberString();
    if (!m_preReleaseLabel.isEmpty())
        text += QLatin1Char('-') + m_preReleaseLabel;
    if (!m_buildMetaData.isEmpty())
        text += QLatin1Char('+') + m_buildMetaData;
    return text;
}

int SemanticVersion::compare(const SemanticVersion& other) const {
    for (const auto& [mine, theirs] : {std::pair(m_major, other.m_major), std::pair(m_minor, other.m_minor),
                                       std::pair(m_patch, other.m_patch)}) {
        if (const int result = compareNumbers(mine, theirs))
            return result;
    }
    if (m_preReleaseLabel == other.m_preReleaseLabel)
        return 0;
    if (other.m_preReleaseLabel.isEmpty())
        return -1;
    if (m_preReleaseLabel.isEmpty())
        return 1;

    const QStringList mine = m_preReleaseLabel.split(QLatin1Char('.'));
    const QStringList theirs = other.m_preReleaseLabel.split(QLatin1Char('.'));
    for (qsizetype i = 0;; ++i) {
        if (const int result = compareIdentifiers(mine.at(i), theirs.at(i)))
            return result;
        const bool mineExhausted = i + 1 == mine.size();
        const bool theirsExhausted = i + 1 == theirs.size();
        if (mineExhausted || theirsExhausted)
            return mineExhausted == theirsExhausted ? 0 : (mineExhausted ? -1 : 1);
    }
}

bool SemanticVersion::operator==(const SemanticVersion& other) const {
    return compare(other) == 0;
}

bool SemanticVersion::operator!=(const SemanticVersion& other) const {
    return compare(other) != 0;
}

bool SemanticVersion::operator<(const SemanticVersion& other) const {
    return compare(other) == -1;
}

bool SemanticVersion::operator>(const SemanticVersion& other) const {
    return other.compare(*this) == -1;
}

bool SemanticVersion::operator<=(const SemanticVersion& other) const {
    return other.compare(*this) != -1;
}

bool SemanticVersion::operator>=(const SemanticVersion& other) const {
    return compare(other) != -1;
}

bool SemanticVersion::operator==(const QString& other) const {
    return *this == tryParse(other);
}

bool SemanticVersion::operator!=(const QString& other) const {
    return *this != tryParse(other);
}

bool SemanticVersion::operator<(const QString& other) const {
    return *this < tryParse(other);
}

bool SemanticVersion::operator>(const QString& other) const {
    return *this > tryParse(other);
}

bool SemanticVersion::operator<=(const QString& other) const {
    return *this <= tryParse(other);
}

bool SemanticVersion::operator>=(const QString& other) const {
    return *this >= tryParse(other);
}

SemanticVersion SemanticVersion::increaseMajor() const {
    return isIncreasable(m_major, "major")
               ? SemanticVersion(m_major + 1, 0, 0, m_preReleaseLabel, m_buildMetaData)
               : *this;
}

SemanticVersion SemanticVersion::increaseMinor() const {
    return isIncreasable(m_minor, "minor")
               ? SemanticVersion(m_major, m_minor + 1, 0, m_preReleaseLabel, m_buildMetaData)
               : *this;
}

SemanticVersion SemanticVersion::increasePatch() const {
    return isIncreasable(m_patch, "patch")
               ? SemanticVersion(m_major, m_minor, m_patch + 1, m_preReleaseLabel, m_buildMetaData)
               : *this;
}

SemanticVersion SemanticVersion::withoutPreReleaseLabel() const {
    return SemanticVersion(m_major, m_minor, m_patch, QString(), m_buildMetaData);
}

SemanticVersion SemanticVersion::withoutBuildMetaData() const {
    return SemanticVersion(m_major, m_minor, m_patch, m_preReleaseLabel, QString());
}

} // namespace quorix::Scanlet
