// A frame's menu built from a table that holds a submenu of choices: the
// submenu opens whatever its commands, a separator ends a group of choices,
// and the round marks follow the update handlers, not the clicks.
#include "framework/frame.h"
#include "framework/resource_types.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

constexpr UINT kFrameId = 500;
constexpr UINT kSmall = 40001, kLarge = 40002, kRed = 40003, kBlue = 40004;

using namespace MenuFlag;

const MenuItemTemplate kChoices[] = {
    {"&Small", kSmall, Radio},
    {"&Large", kLarge, Radio},
    {nullptr, 0, Separator},
    {"&Red", kRed, Radio},
    {"&Blue", kBlue, Radio},
};
const MenuItemTemplate kSettings[] = {{"&Choices", 0, 0, kChoices}};
const PopupTemplate kPopups[] = {{"&Settings", kSettings}};
const MenuTemplate kMenus[] = {{kFrameId, kPopups}};
const StringResource kStrings[] = {{kFrameId, "Choosing"}};

// Takes every choice but Red; Blue is disabled.
class ChoosingFrame : public CFrameWnd {
public:
    ChoosingFrame()
    {
        OnCommandRange(kSmall, kBlue, [this](UINT id) {
            if (id != kRed)
                m_nChoice = id;
        });
        for (UINT id = kSmall; id <= kBlue; ++id)
            OnUpdateCommandUI(id, [this, id](CCmdUI *ui) {
                ui->Enable(id != kBlue);
                ui->SetCheck(m_nChoice == id);
            });
    }
    UINT m_nChoice = kSmall;
};

TEST(Submenu, ChoicesInGroupsMarkedByTheirHandlers)
{
    const ResourceSet program = RegisteredResources();
    RegisterResources({kStrings, kMenus, {}, {}, {}, {}});
    ChoosingFrame frame;
    const bool loaded = frame.LoadFrame(kFrameId);
    RegisterResources(program);
    ASSERT_TRUE(loaded);
    QMenu *settings = frame.GetMainWindow()->menuBar()->actions().at(0)->menu();
    QAction *opener = settings->actions().at(0);
    QMenu *choices = opener->menu();
    ASSERT_NE(choices, nullptr);
    const auto item = [&](UINT id) { return frame.GetMenu()->FindItem(id); };
    const auto marked = [&] {
        QStringList texts;
        for (QAction *action : choices->actions())
            texts << (action->isSeparator() ? QStringLiteral("-")
                                            : action->text() + (action->isChecked() ? "*" : ""));
        return texts.join('|').toStdString();
    };

    EXPECT_EQ(opener->text(), "&Choices");
    ASSERT_NE(item(kSmall)->actionGroup(), nullptr);
    EXPECT_TRUE(item(kSmall)->actionGroup()->isExclusive()) << "shown with round marks";
    EXPECT_EQ(item(kLarge)->actionGroup(), item(kSmall)->actionGroup());
    EXPECT_NE(item(kRed)->actionGroup(), item(kSmall)->actionGroup()) << "a separator ends it";
    EXPECT_EQ(item(kBlue)->actionGroup(), item(kRed)->actionGroup());

    emit settings->aboutToShow();
    EXPECT_TRUE(opener->isEnabled()) << "a submenu sends no command, yet opens";
    emit choices->aboutToShow();
    EXPECT_EQ(marked(), "&Small*|&Large|-|&Red|&Blue");
    EXPECT_FALSE(item(kBlue)->isEnabled());

    item(kRed)->trigger(); // refused
    EXPECT_EQ(marked(), "&Small*|&Large|-|&Red|&Blue");
    item(kLarge)->trigger();
    item(kLarge)->trigger(); // the same again
    EXPECT_EQ(marked(), "&Small|&Large*|-|&Red|&Blue");
}

} // namespace
