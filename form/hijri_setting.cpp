// The Hijri calendar the form converts with: the Options menu's two
// submenus that change the rule and the day adjustment the profile keeps,
// and today's line naming them.
#include "form/zamanix_view.h"

#include "form/today_line.h"
#include "framework/dialog_builder.h"
#include "framework/message_box.h"
#include "framework/shown_digits.h"
#include "resources/resource.h"
#include "resources/resources.h"
#include "text/sentence.h"
#include "text/translate.h"

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
            ui->SetCheck(GetHijriCalendar().Rule() == rule);
        });
    for (int adjust = kMinHijriAdjust; adjust <= kMaxHijriAdjust; ++adjust)
        OnUpdateCommandUI(adjustCommand(adjust), [this, adjust](CCmdUI *ui) {
            ui->Enable(TRUE);
            ui->SetCheck(GetHijriCalendar().Adjust() == adjust);
        });
}

void CZamanixView::OnHijriRule(UINT id)
{
    const HijriRule rule = kHijriRules[id - ID_OPTIONS_HIJRI_ASTRONOMICAL];
    if (rule == GetHijriCalendar().Rule())
        return; // nothing changes, so nothing is written
    SetHijriCalendar(GetHijriCalendar().WithSetting({rule, GetHijriCalendar().Adjust()}));
}

void CZamanixView::OnHijriAdjust(UINT id)
{
    const int adjust = static_cast<int>(id) - static_cast<int>(ID_OPTIONS_HIJRI_ADJUST_NONE);
    if (adjust == GetHijriCalendar().Adjust())
        return;
    SetHijriCalendar(GetHijriCalendar().WithSetting({GetHijriCalendar().Rule(), adjust}));
}

// As the sound switch: a setting that could not be saved still holds until
// the program ends, and the user is told so.
void CZamanixView::SetHijriCalendar(const CHijriCalendar &calendar)
{
    // A rule that ICU cannot give is not chosen: the calendar stays.
    if (const std::string failure = HijriCalendarFailure(calendar); !failure.empty()) {
        AfxMessageBox(failure, MB_ICONEXCLAMATION);
        return;
    }
    std::string error;
    reportFailedWrite(m_profile.SetHijriCalendar(calendar, error),
        FillSentence(Translate("CZamanixView",
                         "The Hijri calendar setting could not be saved; Zamanix keeps %1 only "
                         "until it is closed."),
            {calendar.Description()}),
        error);
}

// Whoever chose it: the Options menu, or another copy of the program.
void CZamanixView::OnHijriCalendarChanged()
{
    // Today's Hijri keys may be others now: the next tick checks them.
    m_dueCheck.CheckSoon();
    if (!GetSafeHwnd())
        return;
    RefreshTodayLine();
    // The chosen date stays as it is, and its date in the other calendar
    // follows the new calendar; a form that shows none (the calendar was just
    // switched) goes on showing none.
    if (!m_strCorresponding.empty()) {
        UpdateCorrespondingDate();
        SetDlgItemText(IDC_CORRESPONDING, m_strCorresponding);
    }
    DescribeHijriCalendar();
}

void CZamanixView::ShowNumbersAgain()
{
    ShowNumberBoxesAgain(GetSafeHwnd());
    m_strCorresponding =
        ShownDigits(TypedDigits(QString::fromStdString(m_strCorresponding))).toStdString();
    SetDlgItemText(IDC_CORRESPONDING, m_strCorresponding);
    RefreshTodayLine();
}

void CZamanixView::RefreshTodayLine()
{
    m_strToday =
        TodayLine(ReadToday(GetHijriCalendar()), TodayLineFormOf(GetDlgItemText(IDC_DATENOW)));
    SetDlgItemText(IDC_DATENOW, m_strToday);
}

// The tool tip names the calendar for everyone, and a record that touches
// today's month ("Umm al-Qura, 1 Ramadhan recorded"); a screen reader hears
// it with the line's description when it is not the program's own default.
void CZamanixView::DescribeHijriCalendar()
{
    QWidget *line = GetDlgItem(IDC_DATENOW);
    if (!line)
        return;
    const QString description = QString::fromStdString(
        GetHijriCalendar().DescriptionOn(DayNumberOf(CTime::GetCurrentTime())));
    line->setToolTip(description);
    const QString name = templateName(IDC_DATENOW);
    line->setAccessibleDescription(GetHijriCalendar() == CHijriCalendar()
            ? name
            : QStringLiteral("%1 (%2)").arg(name, description));
}
