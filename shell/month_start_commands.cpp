// The Options menu's commands on the Hijri month starts: the window that
// lists the records, and the question about the new moon, whose setting the
// profile object keeps and the form's minute timer asks.
#include "shell/main_frame.h"

#include "framework/message_box.h"
#include "resources/resource.h"

#include <QCoreApplication>
#include <QMainWindow>

void CMainFrame::addMonthStartCommands()
{
    OnCommand(ID_OPTIONS_HIJRI_MONTH_STARTS, [this] { OnHijriMonthStarts(); });
    OnCommand(ID_OPTIONS_ASK_NEW_MOON, [this] { OnAskNewMoon(); });
    OnUpdateCommandUI(ID_OPTIONS_ASK_NEW_MOON, [this](CCmdUI *ui) {
        ui->Enable(TRUE);
        ui->SetCheck(m_profile.Settings().askNewMoon);
    });
}

void CMainFrame::OnHijriMonthStarts()
{
    m_profile.Refresh(); // the window shows the records as they are now
    if (!m_pMonthStarts)
        m_pMonthStarts = new CMonthStartsWindow(m_profile, GetMainWindow());
    m_pMonthStarts->show();
    m_pMonthStarts->raise();
    m_pMonthStarts->activateWindow();
}

void CMainFrame::OnAskNewMoon()
{
    std::string error;
    if (!m_profile.SetAskNewMoon(!m_profile.Settings().askNewMoon, error))
        AfxMessageBox(QCoreApplication::translate("CMainFrame",
                          "Whether to ask about the new moon could not be saved; Zamanix "
                          "forgets it when it closes.")
                          .toStdString() +
                "\n\n" + error,
            MB_ICONEXCLAMATION);
}
