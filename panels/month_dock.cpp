#include "panels/month_dock.h"

#include "framework/message_box.h"
#include "panels/month_grid_view.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>

namespace {

const struct {
    Qt::DockWidgetArea area;
    const char *name;
} kSides[] = {
    {Qt::RightDockWidgetArea, "right"},
    {Qt::LeftDockWidgetArea, "left"},
    {Qt::TopDockWidgetArea, "top"},
    {Qt::BottomDockWidgetArea, "bottom"},
};

// The profile names the side as the program reads left to right: right to
// left, the window is mirrored, and the panel stands on the other side of
// the form. The same swap turns a side shown back into its stored name.
Qt::DockWidgetArea mirrored(Qt::DockWidgetArea area)
{
    if (!QGuiApplication::isRightToLeft())
        return area;
    if (area == Qt::RightDockWidgetArea)
        return Qt::LeftDockWidgetArea;
    return area == Qt::LeftDockWidgetArea ? Qt::RightDockWidgetArea : area;
}

Qt::DockWidgetArea sideNamed(const std::string &name)
{
    for (const auto &s : kSides)
        if (s.name == name)
            return mirrored(s.area);
    return mirrored(Qt::RightDockWidgetArea);
}

} // namespace

CMonthDock::CMonthDock(CZamanixProfile &profile, QMainWindow *window)
    : QDockWidget(tr("Month"), window)
    , m_profile(profile)
{
    setObjectName(QStringLiteral("MonthPanel"));
    setAccessibleName(tr("Month"));
    const ZamanixSettings &settings = m_profile.Settings();
    window->addDockWidget(sideNamed(settings.monthPanelSide), this);
    if (settings.monthPanel)
        Panel();
    setVisible(settings.monthPanel);
    QObject::connect(this, &QDockWidget::dockLocationChanged, this,
        [this](Qt::DockWidgetArea area) { keepSide(area); });
}

CMonthPanel *CMonthDock::Panel()
{
    if (m_pPanel)
        return m_pPanel;
    m_pPanel = new CMonthPanel(m_profile, this);
    if (m_formDate)
        m_pPanel->ShowFormDate(
            m_formDate->hijri, m_formDate->year, m_formDate->month, m_formDate->dayText);
    setWidget(m_pPanel);
    setFocusProxy(m_pPanel);
    QObject::connect(m_pPanel, &CMonthPanel::dayChosen, this, &CMonthDock::dayChosen);
    return m_pPanel;
}

void CMonthDock::ShowFormDate(bool hijri, int year, int month, const QString &dayText)
{
    m_formDate = FormDate{hijri, year, month, dayText};
    if (m_pPanel)
        m_pPanel->ShowFormDate(hijri, year, month, dayText);
}

void CMonthDock::SetShown(bool shown)
{
    if (shown)
        Panel();
    setVisible(shown);
    if (shown) {
        raise();
        m_pPanel->Grid()->setFocus(Qt::ShortcutFocusReason);
    }
    std::string error;
    keep(m_profile.SetMonthPanel(shown, error),
        QT_TRANSLATE_NOOP("CMonthDock",
            "Whether the month panel is shown could not be saved; Zamanix forgets it when it "
            "closes."),
        error);
    if (m_onShown)
        m_onShown();
}

void CMonthDock::SetHolyDaysShown(bool shown)
{
    std::string error;
    keep(m_profile.SetHolyDays(shown, error),
        QT_TRANSLATE_NOOP("CMonthDock",
            "Whether the holy days are marked could not be saved; Zamanix forgets it when it "
            "closes."),
        error);
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
        if (s.area == mirrored(area)) {
            std::string error;
            keep(m_profile.SetMonthPanelSide(s.name, error),
                QT_TRANSLATE_NOOP("CMonthDock", "The side of the month panel could not be saved."),
                error);
        }
}

void CMonthDock::keep(bool written, const char *what, const std::string &error)
{
    if (!written)
        AfxMessageBox(
            QCoreApplication::translate("CMonthDock", what).toStdString() + "\n\n" + error,
            MB_ICONEXCLAMATION);
}
