#ifndef SCANLET_SEMANTICVERSION_H
#define SCANLET_SEMANTICVERSION_H

#include "scanlet/scanlet_export.h"

#include <QString>

#include <stdexcept>

namespace quorix::Scanlet {

// A version in the Semantic Versioning 2.0.0 format: major.minor.patch[-pre-release][+build].
class SCANLET_EXPORT SemanticVersion {
public:
    // Thrown when a text is no valid version; what() gives the reason.
    class SCANLET_EXPORT ParseException : public std::runtime_error {
    public:
        explicit ParseException(const QString& message);
        ~ParseException() override;
    };

    // 0.0.0 without labels.
    SemanticVersion();
    // Parses as parse() does; throws ParseException.
    explicit SemanticVersion(const QString& version);

    // Throws ParseException.
    static SemanticVersion parse(const QString& version);
    // Never throws: an empty or invalid text gives 0.0.0.
    static SemanticVersion tryParse(const QString& version);

    int getMajor() const { return m_major; }
    int getMinor() const { return m_minor; }
    int getPatch() const { return m_patch; }
    QString getPreReleaseLabel() const { return m_preReleaseLabel; }
    QString getBuildMetaData() const { return m_buildMetaData; }

    // At least one version number is not 0.
    bool isValid() const;
    bool isStable() const;
    bool isDevelopmentVersion() const;

    QString getVersionNumberString() const;
    QString toString() const;

    // Precedence: -1, 0 or 1; build meta data does not count.
    int compare(const SemanticVersion& other) const;

    bool operator==(const SemanticVersion& other) const;
    bool operator!=(const SemanticVersion& other) const;
    bool operator<(const SemanticVersion& other) const;
    bool operator>(const SemanticVersion& other) const;
    bool operator<=(const SemanticVersion& other) const;
    bool operator>=(const SemanticVersion& other) const;

    // The text is read with tryParse.
    bool operator==(const QString& other) const;
    bool operator!=(const QString& other) const;
    bool operator<(const QString& other) const;
    bool operator>(const QString& other) const;
    bool operator<=(const QString& other) const;
    bool operator>=(const QString& other) const;

    // Changed copies; the labels stay.
    SemanticVersion increaseMajor() const;
    SemanticVersion increaseMinor() const;
    SemanticVersion increasePatch() const;
    SemanticVersion withoutPreReleaseLabel() const;
    SemanticVersion withoutBuildMetaData() const;

private:
    // Takes labels that parse() accepted.
    SemanticVersion(int major, int minor, int patch, const QString& preReleaseLabel,
                    const QString& buildMetaData);

    int m_major = 0;
    int m_minor = 0;
    int m_patch = 0;
    QString m_preReleaseLabel;
    QString m_buildMetaData;
};

} // namespace quorix::Scanlet

#endif
