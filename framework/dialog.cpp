#include "framework/dialog.h"

#include "framework/dialog_builder.h"
#include "framework/resource_types.h"
#include "framework/winapp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>

CDialog::CDialog(int templateId, CWnd *parent)
    : m_nTemplateId(templateId)
    , m_pParent(parent)
{
    OnCommand(IDOK, [this] { OnOK(); });
    OnCommand(IDCANCEL, [this] { OnCancel(); });
}

int CDialog::DoModal()
{
    const DialogTemplate *form = FindDialogResource(m_nTemplateId);
    if (!form)
        return -1;
    CWnd *owner = m_pParent ? m_pParent : AfxGetMainWnd();
    QWidget *parent = owner && owner->GetSafeHwnd() ? owner->GetSafeHwnd()->window() : nullptr;
    QDialog dialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QCoreApplication::translate("Dialog", form->caption));
    dialog.setModal(true);
    Attach(&dialog);
    BuildDialog(*form, this, &dialog);
    m_nResult = IDCANCEL;
    // Escape and the close box cancel.
    QObject::connect(&dialog, &QDialog::rejected, &dialog, [this] { m_nResult = IDCANCEL; });
    OnInitDialog();
    dialog.exec();
    Attach(nullptr);
    return m_nResult;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result)
{
    m_nResult = result;
    if (auto *dialog = qobject_cast<QDialog *>(GetSafeHwnd()))
        dialog->done(result);
}
