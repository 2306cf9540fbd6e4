// A child window's client area is exactly the size its twips give, whatever
// frame and title bar the document area draws around it.
#include "MDI.h"
#include "TestWindow.h"

#include "Forms.h"
#include "ShellFixture.h"
#include "Twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <string>

using platform::twipsToPixelsX;
using platform::twipsToPixelsY;

namespace {

class SizedForm : public Form {
public:
    SizedForm(const char* name, float w, float h, bool frameless) : Form(name)
    {
        if (frameless)
            frame()->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
        setClientSizeTwips(w, h);
    }
};

class ClientSize : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        MDI& m = mdi();
        m.resize(1300, 900);
        m.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
        HideWelcomePanel();
    }

    static Form& shown(const std::string& name)
    {
        Form& f = forms::get(name);
        f.setLeft(0);
        f.setTop(0);
        f.Show();
        QCoreApplication::processEvents();
        return f;
    }
};

} // namespace

TEST_F(ClientSize, TheKundaliInputWindowIsAsLargeAsItsTwips)
{
    Form& f = shown("frmMainKundali");
    EXPECT_EQ(f.size(), QSize(twipsToPixelsX(8715), twipsToPixelsY(6465)));
    // The outer size is the client area with the frame around it.
    const QRect frame = f.frame()->geometry();
    EXPECT_EQ(frame.size(), QSize(twipsToPixelsX(f.Width()), twipsToPixelsY(f.Height())));
    EXPECT_TRUE(QRect(QPoint(0, 0), frame.size()).contains(QRect(f.mapTo(f.frame(), QPoint(0, 0)), f.size())));
}

TEST_F(ClientSize, EveryFrameGivesTheClientItsTwips)
{
    struct Case {
        const char* name;
        float w, h;
        bool frameless;
    } cases[] = {
        {"frmSizedA", 6000, 4000, false},
        {"frmSizedB", 4935, 3480, false},
        {"frmSizedC", 11000, 9330, true},
    };
    for (const Case& c : cases) {
        forms::registerFactory(c.name, [c] { return new SizedForm(c.name, c.w, c.h, c.frameless); });
        Form& f = shown(c.name);
        EXPECT_EQ(f.size(), QSize(twipsToPixelsX(c.w), twipsToPixelsY(c.h))) << c.name;
        EXPECT_EQ(f.frame()->size(), QSize(twipsToPixelsX(f.Width()), twipsToPixelsY(f.Height()))) << c.name;
        if (c.frameless) {
            EXPECT_FLOAT_EQ(f.Width(), c.w) << c.name;
            EXPECT_FLOAT_EQ(f.Height(), c.h) << c.name;
        } else {
            EXPECT_GT(f.Height() - c.h, f.Width() - c.w) << c.name << ": a title bar above the client";
        }
        forms::unload(c.name);
    }
}

TEST_F(ClientSize, TheNatalWindowHasNoFrameAroundItsClient)
{
    Form& f = shown("frmReport");
    EXPECT_EQ(f.frame()->size(), f.size());
    EXPECT_EQ(twipsToPixelsX(f.Width()), f.width());
    EXPECT_EQ(twipsToPixelsY(f.Height()), f.height());
}
