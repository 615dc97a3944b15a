#include "form/zamanix_view.h"

#include "agenda/day_reminders.h"
#include "calendar/calendar.h"
#include "form/corresponding_date.h"
#include "form/today_line.h"
#include "framework/data_exchange.h"
#include "framework/frame.h"
#include "framework/menu.h"
#include "framework/winapp.h"
#include "reminders/reminder_entries.h"
#include "resources/resource.h"
#include "resources/resources.h"

#include <QObject>

#include <algorithm>
#include <cstdlib>

namespace {

// The years the form takes; a year outside them has just failed validation.
constexpr int kFirstFormYear = 0;
constexpr int kLastFormYear = kLastSupportedYear;

} // namespace

CZamanixView::CZamanixView(CZamanixProfile &profile)
    : CFormView(kZamanixForm)
    , m_nHour(0)
    , m_nMinute(0)
    , m_nEvery(0)
    , m_nYear(0)
    , m_nTimerID(0)
    , m_nSnooze(1) // each reminder that falls due sets it
    , m_profile(profile)
{
    OnCommand(ID_EDIT_ADD, [this] { OnAddReminder(); });
    OnCommand(IDC_ADD, [this] { OnAddReminder(); });
    OnCommand(IDC_DELETE, [this] { OnDeleteReminder(); });
    OnCommand(ID_EDIT_DELETE, [this] { OnDeleteReminder(); });
    OnCommand(IDC_HIJRI, [this] { OnRadioHijri(); });
    OnCommand(IDC_CHRISTIAN, [this] { OnRadioChristian(); });
    OnCommand(IDC_VIEW, [this] { OnViewReminder(); });
    OnCommand(ID_OPTIONS_AUDIBLEALARM, [this] { OnAudibleAlarm(); });
    OnCommand(ID_EDIT_PASTE, [this] { OnEditPaste(); });
    OnCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
    OnCommand(ID_FILE_PRINT_DIRECT, [this] { OnFilePrintDirect(); });
    OnCommand(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
    AddHijriCommands();
    listenToProfile();
}

CZamanixView::~CZamanixView() = default;

BOOL CZamanixView::DestroyWindow()
{
    if (m_nTimerID != 0)
        KillTimer(m_nTimerID);
    RecordLastCheck(); // the last check of the run
    return CFormView::DestroyWindow();
}

void CZamanixView::DoDataExchange(CDataExchange *pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HIJRI, m_btnHijri);
    DDX_Control(pDX, IDC_MONTH, m_cbMonth);
    DDX_Text(pDX, IDC_DATENOW, m_strToday);
    DDX_Text(pDX, IDC_MEMO, m_strMemo);
    DDX_Text(pDX, IDC_MONTH, m_strMonth);
    DDX_Text(pDX, IDC_DAY, m_strDay);
    DDV_MaxChars(pDX, m_strDay, 2);
    DDX_Text(pDX, IDC_HOUR, m_nHour);
    DDV_MinMaxUInt(pDX, m_nHour, 0, 23);
    DDX_Text(pDX, IDC_MINUTE, m_nMinute);
    DDV_MinMaxUInt(pDX, m_nMinute, 0, 59);
    DDX_Text(pDX, IDC_EVERY, m_nEvery);
    DDV_MinMaxUInt(pDX, m_nEvery, 0, kMaxAlarmInterval);
    DDX_Text(pDX, IDC_YEAR, m_nYear);
    DDV_MinMaxInt(pDX, m_nYear, kFirstFormYear, kLastFormYear);
    DDX_Text(pDX, IDC_CORRESPONDING, m_strCorresponding);
}

void CZamanixView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (CFrameWnd *frame = GetParentFrame()) {
        frame->RecalcLayout();
        ResizeParentToFit();
    }

    const Today today = ReadToday(GetHijriCalendar());
    m_nYear = today.hijri.year;

    CheckRadioButton(IDC_HIJRI, IDC_CHRISTIAN, IDC_HIJRI);
    OnRadioHijri();
    m_cbMonth.SelectString(0, HijriMonthNames[today.hijri.month - 1]);
    m_strDay = Format("%d", today.hijri.day);
    m_strToday = TodayLine(today, TodayLineForm::StartUp);
    m_timeLast = today.now;
    UpdateData(FALSE);
    DescribeHijriCalendar();

    OnViewReminder();

    // The menu starts with the sound on; only an exact "OFF" turns it off.
    if (!m_profile.Settings().sound)
        if (CWnd *main = AfxGetMainWnd(); main && main->GetMenu())
            main->GetMenu()->CheckMenuItem(ID_OPTIONS_AUDIBLEALARM, MF_BYCOMMAND | MF_UNCHECKED);

    m_nTimerID = SetTimer(1, 60000);

    if (CWnd *main = AfxGetMainWnd())
        main->ShowWindow(SW_SHOWMINIMIZED);
}

void CZamanixView::fillMonthList(const std::string *names, NameKind shown, const char *first)
{
    // Each item shows the month as the user's language names it and stands
    // for its English name, which the reminder keys are built from.
    m_cbMonth.ResetContent();
    for (int m = 0; m < 12; ++m)
        m_cbMonth.AddString(QString::fromStdString(DisplayName(shown, m + 1, names[m])), names[m]);
    m_cbMonth.SelectString(0, first);
    m_strCorresponding.clear();
    UpdateData(FALSE);
}

void CZamanixView::OnRadioHijri()
{
    fillMonthList(HijriMonthNames, NameKind::HijriMonthAlone, "Muh");
}

void CZamanixView::OnRadioChristian()
{
    fillMonthList(ChristianMonthNames, NameKind::ChristianMonthAlone, "Jan");
}

void CZamanixView::UpdateCorrespondingDate()
{
    const int index = m_cbMonth.FindString(0, m_strMonth);
    if (index == CB_ERR)
        return;
    // A year the form does not take has just been refused with a prompt;
    // it gets no corresponding date (nor does the engine see it).
    if (m_nYear < kFirstFormYear || m_nYear > kLastFormYear) {
        m_strCorresponding.clear();
        return;
    }
    m_strCorresponding = CorrespondingDateText(GetHijriCalendar(), m_btnHijri.GetState() != 0,
        m_nYear, index + 1, std::atoi(m_strDay.c_str()));
}

void CZamanixView::ShowDate(bool hijri, int year, int month, const CString &dayText)
{
    CheckRadioButton(IDC_HIJRI, IDC_CHRISTIAN, hijri ? IDC_HIJRI : IDC_CHRISTIAN);
    if (hijri)
        OnRadioHijri();
    else
        OnRadioChristian();
    m_cbMonth.SetCurSel(month - 1);
    SetDlgItemText(IDC_DAY, dayText);
    SetDlgItemText(IDC_YEAR, Format("%d", year));
    OnViewReminder();
}

void CZamanixView::NotifyDateShown()
{
    const int index = m_cbMonth.FindString(0, m_strMonth);
    if (index == CB_ERR)
        return;
    emit m_news.dateShown(
        m_btnHijri.GetState() != 0, m_nYear, index + 1, QString::fromStdString(m_strDay));
}
