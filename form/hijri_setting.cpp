// The Hijri calendar the form converts with: the rule and the day
// adjustment kept under "Defaults" in the profile, the Options menu's two
// submenus that change them, and today's line naming them.
#include "form/zamanix_view.h"

#include "agenda/reminder_list.h"
#include "form/today_line.h"
#include "framework/winapp.h"
#include "reminders/profile.h"
#include "reminders/reminder_entries.h"
#include "resources/resource.h"
#include "resources/resources.h"

#include <QWidget>

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// The command of each rule, in the order of kHijriRules.
UINT ruleCommand(HijriRule rule)
{
    const auto at = std::find(std::begin(kHijriRules), std::end(kHijriRules), rule);
    return ID_OPTIONS_HIJRI_ASTRONOMICAL + static_cast<UINT>(at - std::begin(kHijriRules));
}

UINT adjustCommand(int adjust)
{
    return static_cast<UINT>(static_cast<int>(ID_OPTIONS_HIJRI_ADJUST_NONE) + adjust);
}

// What the form's template calls a control for a screen reader.
QString templateName(int id)
{
    for (const DialogControl &control : kZamanixForm.controls)
        if (control.id == id && control.accessibleName)
            return QString::fromUtf8(control.accessibleName);
    return QString();
}

} // namespace

void CZamanixView::AddHijriCommands()
{
    OnCommandRange(ID_OPTIONS_HIJRI_ASTRONOMICAL, ID_OPTIONS_HIJRI_CIVIL,
        [this](UINT id) { OnHijriRule(id); });
    OnCommandRange(ID_OPTIONS_HIJRI_ADJUST_MINUS2, ID_OPTIONS_HIJRI_ADJUST_PLUS2,
        [this](UINT id) { OnHijriAdjust(id); });
    for (HijriRule rule : kHijriRules)
        OnUpdateCommandUI(ruleCommand(rule), [this, rule](CCmdUI *ui) {
            ui->Enable(TRUE);
            ui->SetCheck(m_hijriCalendar.Rule() == rule);
        });
    for (int adjust = kMinHijriAdjust; adjust <= kMaxHijriAdjust; ++adjust)
        OnUpdateCommandUI(adjustCommand(adjust), [this, adjust](CCmdUI *ui) {
            ui->Enable(TRUE);
            ui->SetCheck(m_hijriCalendar.Adjust() == adjust);
        });
}

// Once: a choice that could not be saved holds until the program ends, File
// New and Open included.
bool CZamanixView::LoadHijriSetting()
{
    if (m_bHijriSettingRead)
        return false;
    m_bHijriSettingRead = true;
    const CHijriCalendar before = m_hijriCalendar;
    // The due check's read: the first tick and the missed check reuse it.
    readProfile();
    m_hijriCalendar = ProfileHijriCalendar(m_profileRead);
    return m_hijriCalendar != before;
}

void CZamanixView::OnHijriRule(UINT id)
{
    const HijriRule rule = kHijriRules[id - ID_OPTIONS_HIJRI_ASTRONOMICAL];
    if (rule == m_hijriCalendar.Rule())
        return; // nothing changes, so nothing is written
    UseHijriCalendar(m_hijriCalendar.WithSetting({rule, m_hijriCalendar.Adjust()}));
    SaveHijriSetting(kHijriCalendarEntry, CString(HijriRuleName(rule)));
}

void CZamanixView::OnHijriAdjust(UINT id)
{
    const int adjust = static_cast<int>(id) - static_cast<int>(ID_OPTIONS_HIJRI_ADJUST_NONE);
    if (adjust == m_hijriCalendar.Adjust())
        return;
    UseHijriCalendar(m_hijriCalendar.WithSetting({m_hijriCalendar.Rule(), adjust}));
    SaveHijriSetting(kHijriAdjustEntry, std::to_string(adjust));
}

// As the sound switch: a setting that could not be saved still holds until
// the program ends, and the user is told so.
void CZamanixView::SaveHijriSetting(std::string_view entry, const CString &value)
{
    const ProfileChange change[] = {ProfileChange::Set(kDefaultsSection, entry, value)};
    reportFailedWrite(AfxGetApp()->WriteProfileEntries(change),
        "The Hijri calendar setting could not be saved; Zamanix keeps " +
            m_hijriCalendar.Description() + " only until it is closed.");
}

void CZamanixView::UseHijriCalendar(const CHijriCalendar &calendar)
{
    m_hijriCalendar = calendar;
    // Today's Hijri keys may be others now: the next tick checks them.
    m_bCheckSoon = true;
    m_strToday =
        TodayLine(ReadToday(m_hijriCalendar), TodayLineFormOf(GetDlgItemText(IDC_DATENOW)));
    SetDlgItemText(IDC_DATENOW, m_strToday);
    // The chosen date stays as it is, and its date in the other calendar
    // follows the new calendar; a form that shows none (the calendar was just
    // switched) goes on showing none.
    if (!m_strCorresponding.empty()) {
        UpdateCorrespondingDate();
        SetDlgItemText(IDC_CORRESPONDING, m_strCorresponding);
    }
    DescribeHijriCalendar();
    NotifyHijriCalendarChanged();
}

// The tool tip names the calendar for everyone; a screen reader hears it
// with the line's description when it is not the program's own default.
void CZamanixView::DescribeHijriCalendar()
{
    QWidget *line = GetDlgItem(IDC_DATENOW);
    if (!line)
        return;
    const QString description = QString::fromStdString(m_hijriCalendar.Description());
    line->setToolTip(description);
    const QString name = templateName(IDC_DATENOW);
    line->setAccessibleDescription(m_hijriCalendar == CHijriCalendar()
            ? name
            : QStringLiteral("%1 (%2)").arg(name, description));
}
