// The dock window that holds the month panel beside the form. The user
// shows and hides it (View > Month, or its close button), docks it on any
// side of the main window or floats it. Whether it is shown, the side it
// docks on and whether it marks the holy days are kept in the profile and
// written only when the user changes them.
#pragma once

#include "panels/month_panel.h"

#include <QDockWidget>

#include <filesystem>
#include <functional>

class QMainWindow;

class CMonthDock : public QDockWidget {
public:
    // Docks itself in `window`, shown or hidden and on the side as the
    // profile keeps them (hidden, on the right, by default).
    CMonthDock(const std::filesystem::path &profile, QMainWindow *window);

    CMonthPanel *Panel() const { return m_pPanel; }

    // View > Month: shows (with the keyboard focus in the grid) or hides
    // the panel, and keeps the choice.
    void SetShown(bool shown);
    // Options > Islamic Holy Days.
    void SetHolyDaysShown(bool shown);
    // Called after the user showed or hid the panel, so that the frame can
    // fit the window around the form and the panel.
    void SetShownHandler(std::function<void()> handler) { m_onShown = std::move(handler); }

protected:
    // The close button hides the panel as View > Month does.
    void closeEvent(QCloseEvent *event) override;

private:
    // Writes the entry unless the profile already says so (a missing entry
    // says `defaultValue`); tells the user when it cannot be written.
    void keep(std::string_view entry, std::string_view value, std::string_view defaultValue,
        const char *what);
    void keepSide(Qt::DockWidgetArea area);

    CMonthPanel *m_pPanel;
    std::function<void()> m_onShown;
};
