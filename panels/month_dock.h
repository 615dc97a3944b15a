// The dock window that holds the month panel beside the form. The user
// shows and hides it (View > Month, or its close button), docks it on any
// side of the main window or floats it. Whether it is shown, the side it
// docks on and whether it marks the holy days are kept in the profile and
// written only when the user changes them.
//
// The panel itself is built when it is first shown or asked for, so that a
// start with the panel hidden does not build a month nobody sees; the date
// the form showed meanwhile is shown then.
#pragma once

#include "panels/month_panel.h"

#include <QDockWidget>

#include <functional>
#include <optional>

class QMainWindow;

class CMonthDock : public QDockWidget {
    Q_OBJECT

public:
    // Docks itself in `window`, shown or hidden and on the side as the
    // profile keeps them (hidden, on the right, by default).
    CMonthDock(CZamanixProfile &profile, QMainWindow *window);

    // The panel, built now if it was not yet.
    CMonthPanel *Panel();
    // The panel, or null while it was never needed.
    CMonthPanel *BuiltPanel() const { return m_pPanel; }

    // View > Month: shows (with the keyboard focus in the grid) or hides
    // the panel, and keeps the choice.
    void SetShown(bool shown);
    // Options > Islamic Holy Days.
    void SetHolyDaysShown(bool shown);
    // The form showed a date (CFormNews::dateShown).
    void ShowFormDate(bool hijri, int year, int month, const QString &dayText);
    // Called after the user showed or hid the panel, so that the frame can
    // fit the window around the form and the panel.
    void SetShownHandler(std::function<void()> handler) { m_onShown = std::move(handler); }

signals:
    // The panel's CMonthPanel::dayChosen.
    void dayChosen(bool hijri, int year, int month, const QString &dayText);

protected:
    // The close button hides the panel as View > Month does.
    void closeEvent(QCloseEvent *event) override;

private:
    struct FormDate {
        bool hijri;
        int year, month;
        QString dayText;
    };

    // Tells the user when a setting could not be written.
    static void keep(bool written, const char *what, const std::string &error);
    void keepSide(Qt::DockWidgetArea area);

    CZamanixProfile &m_profile;
    CMonthPanel *m_pPanel = nullptr;
    std::optional<FormDate> m_formDate; // the last the form showed
    std::function<void()> m_onShown;
};
