#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

// Rules of the conference main window, its title bar and its toolbar that need
// no widget: the texts they compose and the window's geometry.
namespace ConferenceWindowPolicy {

// The window with its side panel, and its narrowest width (the panel hidden).
constexpr int kWindowWidth = 1360;
constexpr int kMinimumWidth = 1040;
constexpr int kWindowHeight = 770;
constexpr int kSidePanelWidth = 320;

// The title bar's id: "ID:" and the id in groups of three from the left,
// joined by a space ("ID:123 45"); empty for an empty id.
QString conferenceIdText(const QString& confId);

// The toolbar's member count: "(n)", "(999+)" above 999.
QString memberCountText(int count);

// The conference clock at nowMs (milliseconds since the epoch) for a start at
// startSeconds (seconds since the epoch): "HH:mm:ss" within the first day,
// "%1 day %2" with the days and the rest after it, empty before the start.
QString elapsedText(qint64 nowMs, qint64 startSeconds);

// The side-panel toggle of the toolbar. Not maximised, the window grows by
// the panel's width when the panel opens (except the first time: the window
// starts at its full width) and shrinks by it when the panel closes;
// maximised, only the panel opens or closes.
struct PanelToggle
{
    bool shown = false;
    int widthChange = 0;
};
PanelToggle togglePanel(bool panelShown, bool firstToggle, bool maximised);

// Width of the window restored from maximised: full with the panel, narrowest without.
int restoredWidth(bool panelShown);
// Where the restored window goes: its saved position when one of the screens
// holds it, else the saved position with x wrapped into the primary screen's width.
QPoint restoredPosition(const QPoint& saved, const QVector<QRect>& screens, int primaryWidth);

// Where the cursor is held while the window is dragged: every screen's
// available area together, width and height in device pixels.
QRect cursorConfinement(const QVector<QRect>& availableGeometries, qreal devicePixelRatio);

} // namespace ConferenceWindowPolicy
