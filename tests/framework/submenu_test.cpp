// A frame's menu built from a table that holds a submenu of choices: the
// submenu opens whatever its commands, and its round marks follow the
// update handlers, not the clicks.
#include "framework/frame.h"
#include "framework/resource_types.h"
#include "resources/resources.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

constexpr UINT kFrameId = 500;
constexpr UINT kPlain = 40000, kSmall = 40001, kLarge = 40002, kRed = 40003, kBlue = 40004;

using namespace MenuFlag;

const MenuItemTemplate kChoices[] = {
    {"&Small", kSmall, Radio},
    {"&Large", kLarge, Radio},
    {nullptr, 0, Separator},
    {"&Red", kRed, Radio},
    {"&Blue", kBlue, Radio},
};
const MenuItemTemplate kSettings[] = {
    {"&Plain", kPlain, 0},
    {"&Choices", 0, 0, kChoices},
};
const PopupTemplate kPopups[] = {{"&Settings", kSettings}};
const MenuTemplate kMenus[] = {{kFrameId, kPopups}};
const StringResource kStrings[] = {{kFrameId, "Choosing"}, {kLarge, "Make it large"}};

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

class SubmenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterResources({kStrings, kMenus, {}, {}, {}, {}});
        ASSERT_TRUE(m_frame.LoadFrame(kFrameId));
        const QList<QAction *> top = m_frame.GetMainWindow()->menuBar()->actions();
        ASSERT_EQ(top.size(), 1);
        m_pSettings = top[0]->menu();
        ASSERT_NE(m_pSettings, nullptr);
        ASSERT_EQ(m_pSettings->actions().size(), 2);
        m_pOpener = m_pSettings->actions()[1];
        m_pChoices = m_pOpener->menu();
        ASSERT_NE(m_pChoices, nullptr);
    }
    void TearDown() override { RegisterZamanixResources(); }

    QAction *Item(UINT id) { return m_frame.GetMenu()->FindItem(id); }
    QString Marked() const
    {
        QStringList marked;
        for (QAction *action : m_pChoices->actions())
            if (action->isChecked())
                marked << action->text();
        return marked.join('|');
    }

    ChoosingFrame m_frame;
    QMenu *m_pSettings = nullptr;
    QMenu *m_pChoices = nullptr;
    QAction *m_pOpener = nullptr;
};

TEST_F(SubmenuTest, ItemsKeepTheirOrderAndRadioRunsFormGroups)
{
    EXPECT_EQ(m_pOpener->text(), "&Choices");
    QStringList texts;
    for (QAction *action : m_pChoices->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(texts.join('|'), "&Small|&Large|-|&Red|&Blue");
    EXPECT_EQ(Item(kLarge)->statusTip(), "Make it large");

    QActionGroup *sizes = Item(kSmall)->actionGroup();
    ASSERT_NE(sizes, nullptr);
    EXPECT_TRUE(sizes->isExclusive());
    EXPECT_EQ(Item(kLarge)->actionGroup(), sizes);
    ASSERT_NE(Item(kRed)->actionGroup(), nullptr);
    EXPECT_NE(Item(kRed)->actionGroup(), sizes) << "a separator ends a group";
    EXPECT_EQ(Item(kBlue)->actionGroup(), Item(kRed)->actionGroup());
    EXPECT_EQ(Item(kPlain)->actionGroup(), nullptr);
}

TEST_F(SubmenuTest, OpeningUpdatesEachLevel)
{
    emit m_pSettings->aboutToShow();
    EXPECT_TRUE(m_pOpener->isEnabled()) << "a submenu sends no command, yet opens";
    EXPECT_FALSE(Item(kPlain)->isEnabled()) << "nobody handles it";
    emit m_pChoices->aboutToShow();
    EXPECT_EQ(Marked(), "&Small");
    EXPECT_TRUE(Item(kRed)->isEnabled());
    EXPECT_FALSE(Item(kBlue)->isEnabled());
}

TEST_F(SubmenuTest, TheMarksFollowTheHandlersNotTheClicks)
{
    emit m_pChoices->aboutToShow();
    const struct {
        const char *name;
        UINT clicked;
        const char *marked;
    } clicks[] = {
        {"another choice", kLarge, "&Large"},
        {"the same again", kLarge, "&Large"},
        {"a refused choice", kRed, "&Large"},
        {"back", kSmall, "&Small"},
    };
    for (const auto &c : clicks) {
        SCOPED_TRACE(c.name);
        Item(c.clicked)->trigger();
        EXPECT_EQ(Marked(), c.marked);
    }
}

} // namespace
