// The single-document template: ties the document, the frame and the view
// together under one resource id and runs the new and open paths.
#pragma once

#include "framework/afx_types.h"
#include "framework/cstring.h"

#include <functional>
#include <memory>

class CDocument;
class CFrameWnd;
class CView;

class CSingleDocTemplate {
public:
    CSingleDocTemplate(UINT resourceId, std::function<std::unique_ptr<CDocument>()> makeDocument,
        std::function<std::unique_ptr<CFrameWnd>()> makeFrame,
        std::function<std::unique_ptr<CView>()> makeView);
    ~CSingleDocTemplate();

    // A null path: the new-document path; otherwise the file is opened. The
    // first time, the document, frame and view are created and the frame
    // becomes the main window. Returns the document, or nullptr on failure
    // (after telling the user).
    CDocument *OpenDocumentFile(const char *path, BOOL bMakeVisible = TRUE);

    // Field n of the document string ("\n"-separated): 0 window title,
    // 1 document name, 2 new-file type, 3 filter name, 4 filter extension,
    // 5 file-type id, 6 file-type name.
    CString GetDocString(int index) const;

    CDocument *GetDocument() const { return m_document.get(); }
    CFrameWnd *GetFrame() const { return m_frame.get(); }
    CView *GetView() const { return m_view.get(); }

    // Destroys the frame's window (with the view's) and the objects.
    void CloseAll();

private:
    bool createObjects();

    UINT m_nResourceId;
    std::function<std::unique_ptr<CDocument>()> m_makeDocument;
    std::function<std::unique_ptr<CFrameWnd>()> m_makeFrame;
    std::function<std::unique_ptr<CView>()> m_makeView;
    std::unique_ptr<CDocument> m_document;
    std::unique_ptr<CFrameWnd> m_frame;
    std::unique_ptr<CView> m_view;
};
