// The document holds no data: every reminder lives in the profile file.
// Opening reads nothing, and saving writes an empty file.
#pragma once

#include "framework/document.h"

class CZamanixDoc : public CDocument {
public:
    BOOL OnNewDocument() override;
    void Serialize(CArchive &archive) override;
};
