#pragma once

#include "business/AddressBookRecords.h"
#include "business/CallRecords.h"
#include "business/ConferenceRecords.h"

#include <QList>

// Deterministic sample data for the demo and the tests.
namespace SampleData {

// Account and name of the logged-in user of the sample company.
QString currentUserAccount();
QString currentUserName();

// A company of n persons (at least one): the logged-in user first, then named
// people with departments and telephone numbers. Same n, same company.
QList<QSharedPointer<AddressBookPerson>> makeCompany(int n);

// A roster of n members (at least one): self first (on this client), then a
// host, a main venue and others on various devices; every eighth other is
// invited but not yet in the conference. Persons come from the given directory
// (self excluded), then synthetic members "member<k>". Empty host or main-venue
// account: the first and second others take the roles (self when n is 1).
QList<ConferenceMemberInfo> makeRoster(int n, const QString& selfAccount, const QString& selfName,
    const QList<QSharedPointer<AddressBookPerson>>& directory, const QString& hostAccount = QString(),
    const QString& mainVenueAccount = QString());

// One camera (1280 x 720, 640 x 480 and 320 x 240), two microphones, two speakers.
QList<Agent_CameraInfo> sampleCameras();
QList<Agent_MicroPhoneInfo> sampleMicrophones();
QList<Agent_SpeakerInfo> sampleSpeakers();

} // namespace SampleData
