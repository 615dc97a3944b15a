#include "shell/zamanix_doc.h"

BOOL CZamanixDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

void CZamanixDoc::Serialize(CArchive &) { }
