#include "framework/doc_template.h"

#include "framework/document.h"
#include "framework/frame.h"
#include "framework/message_box.h"
#include "framework/string_table.h"
#include "framework/view.h"
#include "framework/winapp.h"

#include <filesystem>

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId,
    std::function<std::unique_ptr<CDocument>()> makeDocument,
    std::function<std::unique_ptr<CFrameWnd>()> makeFrame,
    std::function<std::unique_ptr<CView>()> makeView)
    : m_nResourceId(resourceId)
    , m_makeDocument(std::move(makeDocument))
    , m_makeFrame(std::move(makeFrame))
    , m_makeView(std::move(makeView))
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    CloseAll();
}

void CSingleDocTemplate::CloseAll()
{
    CWinApp *app = AfxGetApp();
    if (app && m_frame && app->m_pMainWnd == m_frame.get())
        app->m_pMainWnd = nullptr;
    if (m_frame)
        m_frame->DestroyWindow(); // also the view's window
    m_view.reset();
    m_frame.reset();
    m_document.reset();
}

CString CSingleDocTemplate::GetDocString(int index) const
{
    const CString text = LoadString(m_nResourceId);
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = text.find('\n', start);
        if (start == CString::npos)
            return {};
        ++start;
    }
    return text.substr(start, text.find('\n', start) - start);
}

bool CSingleDocTemplate::createObjects()
{
    m_document = m_makeDocument();
    m_frame = m_makeFrame();
    if (!m_document || !m_frame || !m_frame->LoadFrame(m_nResourceId)) {
        m_frame.reset();
        m_document.reset();
        return false;
    }
    m_view = m_makeView();
    if (!m_view || !m_view->Create(m_frame.get())) {
        CloseAll();
        return false;
    }
    CWinApp *app = AfxGetApp();
    if (app && !app->m_pMainWnd)
        app->m_pMainWnd = m_frame.get();
    return true;
}

CDocument *CSingleDocTemplate::OpenDocumentFile(const char *path, BOOL bMakeVisible)
{
    if (!m_document && !createObjects()) {
        AfxMessageBox(LoadString(AFX_IDP_FAILED_TO_CREATE_DOC));
        return nullptr;
    }
    if (path) {
        // The same document, frame and view stay in use; a file that cannot
        // be opened changes nothing.
        if (!m_document->OnOpenDocument(path))
            return nullptr;
        m_document->SetPathName(std::filesystem::absolute(path).lexically_normal().string());
        if (CWinApp *app = AfxGetApp())
            app->AddToRecentFileList(m_document->GetPathName());
    } else {
        CString title = GetDocString(1);
        if (title.empty())
            title = LoadString(AFX_IDS_UNTITLED);
        m_document->SetTitle(title);
        if (!m_document->OnNewDocument())
            return nullptr;
    }
    m_frame->InitialUpdateFrame(m_document.get(), bMakeVisible);
    return m_document.get();
}
