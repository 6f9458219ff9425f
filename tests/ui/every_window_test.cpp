#include "support/exit_screen_harness.h"
#include "support/program_look.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_soul_urge.h"
#include "window_harness.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <memory>

using lumo::testing::child;
using lumo::testing::ExitScreenHarness;

namespace {
const QString kCaption = QStringLiteral("Lumo Soul Urge Number v1.65");
} // namespace

// What the main, result and About windows and the exit screen share: a fixed window with the
// program's caption and icon, and buttons that the keyboard presses only while they have the
// focus.
class EveryWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_harness = std::make_unique<lumo::testing::WindowHarness>();
        m_main = m_harness->makeMain();
        QVERIFY(lumo::testing::showActive(*m_main));
    }
    void cleanup()
    {
        m_exit.reset();
        m_about.reset();
        m_main.clear();
        m_harness.reset();
    }

    void isAFixedWindowWithTheProgramCaption_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("role"); // as screen readers meet it: the modal About is a dialog
        QTest::newRow("frmMain") << "frmMain" << int(QAccessible::Window);
        QTest::newRow("frmSoulUrge") << "frmSoulUrge" << int(QAccessible::Window);
        QTest::newRow("frmAbout") << "frmAbout" << int(QAccessible::Dialog);
        QTest::newRow("frmNagScreen2") << "frmNagScreen2" << int(QAccessible::Window);
    }
    void isAFixedWindowWithTheProgramCaption()
    {
        QFETCH(QString, window);
        QFETCH(int, role);
        QWidget* shown = open(window);
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), window);
        QCOMPARE(shown->windowTitle(), kCaption);
        QVERIFY(!shown->windowIcon().isNull());
        const Qt::WindowFlags flags = shown->windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        const QSize before = shown->size();
        shown->resize(before + QSize(200, 100));
        QCOMPARE(shown->size(), before);
        // Screen readers meet it named by its caption.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(shown);
        QVERIFY(accessible);
        QCOMPARE(int(accessible->role()), role);
        QCOMPARE(accessible->text(QAccessible::Name), kCaption);
    }

    // Return and keypad Enter press the focused button, as Space does.
    void keysPressTheFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        for (const auto& [key, name] :
             {std::pair{Qt::Key_Return, "Return"}, std::pair{Qt::Key_Enter, "keypad Enter"},
              std::pair{Qt::Key_Space, "Space"}}) {
            QTest::addRow("Next, %s", name) << "frmMain"
                                            << "cmdNext" << int(key);
            QTest::addRow("Back, %s", name) << "frmSoulUrge"
                                            << "cmdback" << int(key);
            QTest::addRow("Refer, %s", name) << "frmNagScreen2"
                                             << "cmdSubmit" << int(key);
            QTest::addRow("Exit, %s", name) << "frmNagScreen2"
                                            << "cmdClose" << int(key);
        }
    }
    void keysPressTheFocusedButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        QWidget* shown = open(window);
        QVERIFY(shown);
        auto* target = child<QPushButton>(*shown, qPrintable(button));
        QVERIFY(target);
        // What each button does once pressed, on the windows as they were opened. Back closes
        // its window, which is then deleted.
        const QPointer<QWidget> guarded = shown;
        const std::function<bool()> pressed = [&]() -> bool {
            if (button == QLatin1String("cmdNext") || button == QLatin1String("cmdSubmit")) {
                // With no first name, or an untouched referral form, it says so.
                return messages().shown.size() == 1;
            }
            if (button == QLatin1String("cmdback")) {
                return m_main->isVisible() && (guarded.isNull() || !guarded->isVisible());
            }
            return m_exit->closings == 1;
        };
        QVERIFY(!pressed());
        QTRY_VERIFY((target->setFocus(), target->hasFocus()));
        QTest::keyClick(target, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QTRY_VERIFY(pressed());
    }

    // Return, keypad Enter and Esc in a box press nothing: no window has a default button.
    void keysInABoxPressNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("key");
        for (const auto& [key, name] :
             {std::pair{Qt::Key_Return, "Return"}, std::pair{Qt::Key_Enter, "keypad Enter"},
              std::pair{Qt::Key_Escape, "Esc"}}) {
            QTest::addRow("first name, %s", name) << "frmMain"
                                                  << "txtFirstName" << int(key);
            QTest::addRow("last name, %s", name) << "frmMain"
                                                 << "txtLastName" << int(key);
            QTest::addRow("referral name, %s", name) << "frmNagScreen2"
                                                     << "txtName" << int(key);
        }
    }
    void keysInABoxPressNothing()
    {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(int, key);
        QWidget* shown = open(window);
        QVERIFY(shown);
        // Names a pressed Next would take to a result window.
        child<QLineEdit>(*m_main, "txtFirstName")->setText(QStringLiteral("ANNA"));
        child<QLineEdit>(*m_main, "txtLastName")->setText(QStringLiteral("OTTO"));
        auto* target = child<QLineEdit>(*shown, qPrintable(box));
        QVERIFY(target);
        QTRY_VERIFY((target->setFocus(), target->hasFocus()));
        QTest::keyClick(target, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCoreApplication::processEvents();
        QVERIFY(messages().shown.isEmpty());
        QVERIFY(shown->isVisible());
        QVERIFY(!m_harness->result());
        QVERIFY(m_harness->closings.isEmpty());
        QCOMPARE(m_exit ? m_exit->closings : 0, 0);
        for (const QPushButton* button : shown->findChildren<QPushButton*>()) {
            QVERIFY2(!button->isDefault(), qPrintable(button->objectName()));
        }
    }

private:
    // The window named `window`, shown and active: the main window of the fixture, a result
    // window opened from it, an About window or an exit screen of their own.
    QWidget* open(const QString& window)
    {
        if (window == QLatin1String("frmSoulUrge")) {
            child<QLineEdit>(*m_main, "txtFirstName")->setText(QStringLiteral("ANN"));
            child<QLineEdit>(*m_main, "txtLastName")->setText(QStringLiteral("LEE"));
            m_main->ShowSoulUrgeResult();
            QWidget* result = m_harness->result();
            return result && QTest::qWaitForWindowActive(result) ? result : nullptr;
        }
        if (window == QLatin1String("frmAbout")) {
            m_about = std::make_unique<lumo::ui::frmAbout>(m_harness->pages);
            return lumo::testing::showActive(*m_about) ? m_about.get() : nullptr;
        }
        if (window == QLatin1String("frmNagScreen2")) {
            m_exit = std::make_unique<ExitScreenHarness>();
            return m_exit->loadAndShow() ? m_exit->screen.get() : nullptr;
        }
        return m_main.data();
    }
    // The messages of whichever window is under test.
    lumo::testing::FakeMessages& messages()
    {
        return m_exit ? m_exit->messages : m_harness->messages;
    }

    std::unique_ptr<lumo::testing::WindowHarness> m_harness;
    // The harness's wiring owns the main window.
    QPointer<lumo::ui::frmMain> m_main;
    std::unique_ptr<lumo::ui::frmAbout> m_about;
    std::unique_ptr<ExitScreenHarness> m_exit;
};

LUMO_WINDOW_TEST_MAIN(EveryWindowTest)
#include "every_window_test.moc"
