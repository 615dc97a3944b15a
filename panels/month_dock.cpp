#include "panels/month_dock.h"

#include "framework/message_box.h"
#include "framework/winapp.h"
#include "panels/month_grid_view.h"
#include "reminders/reminder_entries.h"

#include <QCloseEvent>
#include <QMainWindow>

namespace {

const struct {
    Qt::DockWidgetArea area;
    std::string_view name;
} kSides[] = {
    {Qt::RightDockWidgetArea, "right"},
    {Qt::LeftDockWidgetArea, "left"},
    {Qt::TopDockWidgetArea, "top"},
    {Qt::BottomDockWidgetArea, "bottom"},
};

std::string setting(std::string_view entry)
{
    CWinApp *app = AfxGetApp();
    return app ? app->GetProfileString(
                     std::string(kDefaultsSection).c_str(), std::string(entry).c_str(), "")
               : std::string();
}

Qt::DockWidgetArea sideNamed(std::string_view name)
{
    for (const auto &s : kSides)
        if (s.name == name)
            return s.area;
    return Qt::RightDockWidgetArea;
}

Qt::DockWidgetArea keptSide()
{
    return sideNamed(setting(kMonthPanelSideEntry));
}

} // namespace

CMonthDock::CMonthDock(const std::filesystem::path &profile, QMainWindow *window)
    : QDockWidget(QStringLiteral("Month"), window)
    , m_pPanel(new CMonthPanel(profile, this))
{
    setObjectName(QStringLiteral("MonthPanel"));
    setAccessibleName(QStringLiteral("Month"));
    setWidget(m_pPanel);
    setFocusProxy(m_pPanel);
    // The profile the panel has just read, not three more reads of the file.
    const CProfileSnapshot &kept = m_pPanel->Profile();
    m_pPanel->SetHolyDaysShown(kept.Get(kDefaultsSection, kHolyDaysEntry, "") != kSettingOff);
    window->addDockWidget(sideNamed(kept.Get(kDefaultsSection, kMonthPanelSideEntry, "")), this);
    setVisible(kept.Get(kDefaultsSection, kMonthPanelEntry, "") == kSettingOn);
    QObject::connect(this, &QDockWidget::dockLocationChanged, this,
        [this](Qt::DockWidgetArea area) { keepSide(area); });
}

void CMonthDock::SetShown(bool shown)
{
    setVisible(shown);
    if (shown) {
        raise();
        m_pPanel->Grid()->setFocus(Qt::ShortcutFocusReason);
    }
    keep(kMonthPanelEntry, shown ? kSettingOn : kSettingOff, kSettingOff,
        "Whether the month panel is shown could not be saved; Zamanix forgets it when it closes.");
    if (m_onShown)
        m_onShown();
}

void CMonthDock::SetHolyDaysShown(bool shown)
{
    m_pPanel->SetHolyDaysShown(shown);
    // Only "OFF" hides them, so that a profile without the entry marks them.
    keep(kHolyDaysEntry, shown ? kSettingOn : kSettingOff, kSettingOn,
        "Whether the holy days are marked could not be saved; Zamanix forgets it when it "
        "closes.");
}

void CMonthDock::closeEvent(QCloseEvent *event)
{
    QDockWidget::closeEvent(event);
    if (event->isAccepted())
        SetShown(false);
}

void CMonthDock::keepSide(Qt::DockWidgetArea area)
{
    for (const auto &s : kSides)
        if (s.area == area && area != keptSide())
            keep(kMonthPanelSideEntry, s.name, kSides[0].name,
                "The side of the month panel could not be saved.");
}

void CMonthDock::keep(
    std::string_view entry, std::string_view value, std::string_view defaultValue, const char *what)
{
    CWinApp *app = AfxGetApp();
    if (!app)
        return;
    const std::string current = setting(entry);
    // A missing entry already means the default.
    if (current == value || (current.empty() && value == defaultValue))
        return;
    if (!app->WriteProfileString(std::string(kDefaultsSection).c_str(), std::string(entry).c_str(),
            std::string(value).c_str()))
        AfxMessageBox(CString(what) + "\n\n" + app->GetLastProfileError(), MB_ICONEXCLAMATION);
}
