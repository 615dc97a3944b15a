// The reminder commands of the form: View, Add, Delete, the audible alarm
// switch and Paste.
#include "form/zamanix_view.h"

#include "form/reminder_status.h"
#include "framework/frame.h"
#include "framework/menu.h"
#include "framework/message_box.h"
#include "framework/winapp.h"
#include "reminders/alarm_value.h"
#include "reminders/reminder_entries.h"
#include "resources/resource.h"
#include "text/sentence.h"
#include "text/translate.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QMimeData>

namespace {

// Paste takes at most this many bytes of clipboard text.
constexpr std::size_t kPasteLimit = 1023;

// The first limit bytes of text, not cutting a character in two.
std::string utf8Prefix(const std::string &text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end; // text[end] continues a character that began before it
    return text.substr(0, end);
}

} // namespace

// A store write that failed is told to the user, with what and where.
bool CZamanixView::reportFailedWrite(bool written, const CString &what, const std::string &error)
{
    if (written)
        return true;
    AfxMessageBox(what + "\n\n" + error, MB_ICONEXCLAMATION);
    return false;
}

void CZamanixView::OnViewReminder()
{
    UpdateData(TRUE);
    const CString key = ReminderKey(m_strMonth, m_strDay);
    UpdateCorrespondingDate();
    m_profile.Refresh();
    const CProfileSnapshot &profile = m_profile.Snapshot();
    m_strMemo = profile.Get(kReminderSection, key, "");
    const CString alarm = profile.Get(kAlarmSection, key, kDefaultAlarmValue);
    // The numbers the scan does not reach keep what the form held.
    int hour = static_cast<int>(m_nHour), minute = static_cast<int>(m_nMinute),
        every = static_cast<int>(m_nEvery);
    ScanAlarmValue(alarm, hour, minute, every);
    m_nHour = static_cast<UINT>(hour);
    m_nMinute = static_cast<UINT>(minute);
    m_nEvery = static_cast<UINT>(every);
    UpdateData(FALSE);
    NotifyDateShown();
}

void CZamanixView::OnAddReminder()
{
    // After a refused field the prompt has said what to fix; an alarm that
    // could never ring, or stale numbers, are not written.
    if (!UpdateData(TRUE))
        return;
    const CString key = ReminderKey(m_strMonth, m_strDay);
    // Nor is a reminder that could never ring, which would look kept.
    if (const CString refusal = AddRefusal(key, m_strMemo); !refusal.empty()) {
        AfxMessageBox(
            QCoreApplication::translate("CZamanixView",
                "The reminder for %1 cannot be kept: %2.\n\nNothing was written. Correct the day "
                "or type a memo, then choose Add again.")
                .arg(QString::fromStdString(key), QString::fromStdString(refusal))
                .toStdString(),
            MB_ICONEXCLAMATION);
        return;
    }
    const CString alarm = FormatAlarmValue(
        static_cast<int>(m_nHour), static_cast<int>(m_nMinute), static_cast<int>(m_nEvery));
    const CString failed = FillSentence(Translate("CZamanixView",
                                            "The reminder for %1 could not be saved. What you "
                                            "typed is still in the form; add it again once the "
                                            "file can be written."),
        {key});
    std::string error;
    if (reportFailedWrite(m_profile.AddReminder(key, m_strMemo, alarm, error), failed, error))
        ShowDayWritten(KeptReminderMessage(key));
}

void CZamanixView::OnDeleteReminder()
{
    UpdateData(TRUE);
    const CString key = ReminderKey(m_strMonth, m_strDay);
    const CProfileSnapshot &profile = m_profile.Snapshot();
    const bool existed = profile.Find(kReminderSection, key) || profile.Find(kAlarmSection, key);
    std::string error;
    if (!reportFailedWrite(m_profile.RemoveReminder(key, ReminderKind::Yearly, error),
            FillSentence(
                Translate("CZamanixView", "The reminder for %1 could not be deleted."), {key}),
            error))
        return; // the memo stays in the form, as it stays in the file
    m_strMemo.clear();
    UpdateData(FALSE);
    ShowDayWritten(DeletedReminderMessage(key, existed));
}

void CZamanixView::ShowDayWritten(const CString &message)
{
    UpdateCorrespondingDate();
    SetDlgItemText(IDC_CORRESPONDING, m_strCorresponding);
    RefreshTodayLine();
    NotifyDateShown();
    if (auto *frame = dynamic_cast<CFrameWnd *>(AfxGetMainWnd()))
        frame->SetMessageText(message);
}

void CZamanixView::OnAudibleAlarm()
{
    CWnd *main = AfxGetMainWnd();
    CMenu *menu = main ? main->GetMenu() : nullptr;
    const UINT previous = menu
        ? menu->CheckMenuItem(ID_OPTIONS_AUDIBLEALARM, MF_BYCOMMAND | MF_UNCHECKED)
        : kMenuItemMissing;
    if (previous == MF_UNCHECKED)
        menu->CheckMenuItem(ID_OPTIONS_AUDIBLEALARM, MF_BYCOMMAND | MF_CHECKED);
    std::string error;
    reportFailedWrite(m_profile.SetSound(previous == MF_UNCHECKED, error),
        previous == MF_UNCHECKED
            ? Translate("CZamanixView",
                  "The sound setting could not be saved; the alarm stays audible only until "
                  "Zamanix is closed.")
            : Translate("CZamanixView",
                  "The sound setting could not be saved; the alarm stays silent only until "
                  "Zamanix is closed."),
        error);
}

void CZamanixView::OnEditPaste()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    std::string text = data->text().toStdString();
    text = text.substr(0, text.find('\0')); // the text ends at a NUL, as a C string does
    text = utf8Prefix(text, kPasteLimit);
    for (char &c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    // Only the memo changes: the other fields keep what the user typed,
    // which the form's members may not hold yet.
    m_strMemo = text;
    SetDlgItemText(IDC_MEMO, m_strMemo);
}
