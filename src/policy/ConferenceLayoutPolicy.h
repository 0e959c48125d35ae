#pragma once

#include <QString>
#include <QVector>

// The conference window's layout types (0 picture in picture, 1 speaker,
// 2 L-shaped, 3 to 5 grids), the video area's layout code each stands for,
// video polling ("round robin") pages, and when a member's arrival rebuilds
// the layout.
namespace ConferenceLayoutPolicy {

constexpr int kPipLayout = 0;
constexpr int kSpeakerLayout = 1;
constexpr int kLShapedLayout = 2;
// The window starts in the speaker layout.
constexpr int kInitialLayout = kSpeakerLayout;
// The video area's code for one picture filling the area.
constexpr int kSinglePictureCode = 1;

// The video area's layout code: one picture whenever the video list holds
// exactly one member, else by type (0 -> 2, 1 -> 3, 2 -> 4, 3 -> 6, 4 -> 7,
// 5 -> 8); 0 for a number that is no layout type.
int layoutCode(int layoutType, int videoListSize);

// The name the title bar shows for a type; empty for a number that is no layout type.
QString layoutName(int layoutType);

// Members on one polling page: 4 in the speaker layout, 6 in the L-shaped one, else 0.
int pollingPageSize(int layoutType);
// Polling opens only with more members than this: 4 in picture in picture and
// speaker, 6 in L-shaped, 0 otherwise.
int pollingThreshold(int layoutType);

// The positions (into a list of listSize) of the next polling page: pageSize
// times the index moves one on, wrapping, and the member there joins the page,
// so a page starts one after where the last one ended. Empty, with the index
// left alone, when the list is not larger than a page.
QVector<int> pollingPage(int* index, int listSize, int pageSize);
// The same over the index shared by every conference window of the process
// (0 in a fresh process).
QVector<int> nextPollingPage(int listSize, int pageSize);
int pollingIndex();
void setPollingIndex(int index);

// Whether a member's arrival rebuilds the layout. videoListSize counts the
// member (appended when new); tileCount is what the video area shows now.
// Picture in picture: a host arriving while neither a share nor a main venue
// holds the picture, or the second member. Other layouts: while the tiles
// still hold everybody (or one tile and a second member came); beyond that
// only a host arriving while neither a share nor a main venue holds the picture.
bool rebuildsOnArrival(
    int layoutType, int videoListSize, int tileCount, bool memberIsHost, bool shareOrMainVenueActive);

} // namespace ConferenceLayoutPolicy
