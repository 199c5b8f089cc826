#include "platform/ui/keyevents.h"

#include "platform/ui/form.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace orupim::ui {
namespace {

TEST(VirtualKeyCode, MapsTheKeysHandlersLookAt) {
    struct Case {
        int qtKey;
        int code;
    };
    const Case cases[] = {{Qt::Key_Return, 13}, {Qt::Key_Enter, 13},  {Qt::Key_Escape, 27}, {Qt::Key_A, 65},
                          {Qt::Key_Z, 90},      {Qt::Key_0, 48},      {Qt::Key_F1, 112},    {Qt::Key_Tab, 9},
                          {Qt::Key_Down, 40},   {Qt::Key_Delete, 46}, {Qt::Key_Eacute, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qtKey);
        EXPECT_EQ(virtualKeyCode(c.qtKey), c.code);
    }
}

TEST(KeyDown, TheControlSeesItsKeysAndTheFormOnlyItsOwn) {
    Form form;
    form.setClientSize(294, 149);
    auto* edit = new QLineEdit(form.client());
    std::vector<int> editKeys, formKeys;
    onKeyDown(edit, [&](int key) { editKeys.push_back(key); });
    onKeyDown(&form, [&](int key) { formKeys.push_back(key); });
    edit->setFocus();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(editKeys, (std::vector<int>{65, 13, 27}));
    EXPECT_TRUE(formKeys.empty());
    // The key goes on to the control's own handling.
    EXPECT_EQ(edit->text(), "a");

    edit->clearFocus();
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(formKeys, (std::vector<int>{13}));
}

} // namespace
} // namespace orupim::ui
