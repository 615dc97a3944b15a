// All Reminders opened from the View menu of the whole program, on a clock
// and a profile of the test's own.
#pragma once

#include "tests/form/form_fixture.h"

#include "resources/resource.h"
#include "shell/main_frame.h"

#include <QTableView>

#include <fstream>
#include <string>
#include <vector>

class AllRemindersTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        m_now = At(2026, 12, 7, 12, 0);
    }

    // Starts the program with `profile` and opens All Reminders.
    CAllRemindersWindow *Open(const char *profile)
    {
        std::ofstream(m_profile, std::ios::binary) << profile;
        Start();
        Frame()->ExecuteCommand(ID_VIEW_ALL_REMINDERS);
        QApplication::processEvents();
        return Window();
    }
    CAllRemindersWindow *Window() const
    {
        return static_cast<CMainFrame *>(Frame())->GetAllRemindersWindow();
    }
    std::vector<std::string> Keys() const
    {
        std::vector<std::string> keys;
        for (int row = 0; row < Window()->Model().rowCount(); ++row)
            keys.push_back(Window()->Model().RowAt(row)->key);
        return keys;
    }
    QString Cell(int row, int column) const
    {
        return Window()->Model().index(row, column).data().toString();
    }
    void Select(int row)
    {
        Window()->Table()->setFocus();
        Window()->Table()->setCurrentIndex(Window()->Model().index(row, 0));
    }
};
