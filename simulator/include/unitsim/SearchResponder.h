#ifndef UNITSIM_SEARCHRESPONDER_H
#define UNITSIM_SEARCHRESPONDER_H

#include <QByteArray>
#include <QList>

namespace quorix::Simulator {

struct UnitProfile;

// Answers the discovery text with one unframed search response per unit it speaks for.
class SearchResponder {
public:
    static const QByteArray SEARCH_REQUEST; // "find qx5200 devices", 19 bytes, no terminator

    // Exactly the 19 bytes.
    static bool isSearchRequest(const QByteArray& datagram);
    static QByteArray searchResponse(const UnitProfile& profile);

    void addProfile(const UnitProfile* profile);
    // One datagram per profile, in the order they were added.
    QList<QByteArray> responses() const;

private:
    QList<const UnitProfile*> m_profiles;
};

} // namespace quorix::Simulator

#endif
