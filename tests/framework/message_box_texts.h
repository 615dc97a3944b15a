// The texts of the message boxes shown while it lives, in the order shown,
// each box answered with OK: a fixture's member, so that no box of a test
// waits for a user and every one can be read afterwards.
#pragma once

#include "framework/message_box.h"

#include <vector>

class CMessageBoxTexts : public std::vector<CString> {
public:
    CMessageBoxTexts()
    {
        SetMessageBoxResponder([this](const CString &text, UINT) {
            push_back(text);
            return IDOK;
        });
    }
    ~CMessageBoxTexts() { SetMessageBoxResponder({}); }
    CMessageBoxTexts(const CMessageBoxTexts &) = delete;
    CMessageBoxTexts &operator=(const CMessageBoxTexts &) = delete;
};
