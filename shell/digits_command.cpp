// Options > Western Digits: numbers in the digits 0 to 9 in a language whose
// locale writes others (Arabic-Indic in ar_SA, Extended Arabic-Indic in
// fa_IR). The profile object keeps the choice; without one the locale's
// digits are shown. Only what is shown changes: every number box takes
// either digits, and what is stored is the same.
#include "shell/main_frame.h"

#include "form/zamanix_view.h"
#include "framework/desktop_language.h"
#include "framework/message_box.h"
#include "framework/shown_digits.h"
#include "panels/month_dock.h"
#include "panels/month_panel.h"
#include "resources/resource.h"

#include <QCoreApplication>
#include <QMainWindow>

void CMainFrame::addDigitsCommand()
{
    if (const std::optional<bool> western = m_profile.Settings().westernDigits)
        ShowWesternDigits(*western);
    OnCommand(ID_OPTIONS_WESTERN_DIGITS, [this] {
        std::string error;
        if (!m_profile.SetWesternDigits(ShownZeroDigit() != U'0', error))
            AfxMessageBox(QCoreApplication::translate("CMainFrame",
                              "The choice of digits could not be saved; Zamanix forgets it when "
                              "it closes.")
                              .toStdString() +
                    "\n\n" + error,
                MB_ICONEXCLAMATION);
    });
    OnUpdateCommandUI(ID_OPTIONS_WESTERN_DIGITS, [](CCmdUI *ui) {
        ui->Enable(LocaleHasOwnDigits());
        ui->SetCheck(ShownZeroDigit() == U'0');
    });
}

void CMainFrame::followDigitsSetting()
{
    // Chosen here or in another copy of the program: the profile object tells.
    QObject::connect(
        &m_profile, &CZamanixProfile::settingsChanged, GetMainWindow(), [this](unsigned which) {
            if (!(which & kWesternDigitsSetting))
                return;
            ShowWesternDigits(m_profile.Settings().westernDigits.value_or(false));
            showDigitsAgain();
        });
}

void CMainFrame::showDigitsAgain()
{
    if (CZamanixView *view = formView())
        view->ShowNumbersAgain();
    // A panel not built yet takes the digits when it is.
    if (CMonthPanel *panel = m_pMonthDock ? m_pMonthDock->BuiltPanel() : nullptr)
        panel->MoveMonths(0);
}
