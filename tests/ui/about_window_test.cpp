#include "support/program_look.h"
#include "support/site_pages.h"
#include "ui/frm_main.h"
#include "window_harness.h"

#include <QAction>
#include <QLabel>
#include <QMap>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

using lumo::testing::pageAt;
using lumo::testing::WindowHarness;
using lumo::ui::frmMain;

namespace {
// What the About window shows, taken while it is open.
struct Snapshot {
    bool modal = false;
    const QWidget* owner = nullptr;
    const QWindow* transientFor = nullptr;
    QString caption;
    QSize clientSize;
    QString focus;
    QMap<QString, QString> labelTexts;
    QStringList handPointers;
    QImage picture;

    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshotOf(QWidget& about)
{
    Snapshot shot;
    shot.modal = QApplication::activeModalWidget() == &about;
    shot.owner = about.parentWidget();
    shot.transientFor = about.windowHandle() ? about.windowHandle()->transientParent() : nullptr;
    shot.caption = about.windowTitle();
    shot.clientSize = about.size();
    shot.focus = lumo::testing::focusName();
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        shot.labelTexts.insert(label->objectName(), label->text());
        if (label->cursor().shape() == Qt::PointingHandCursor) {
            shot.handPointers << label->objectName();
        }
        if (label->objectName() == QStringLiteral("Picture1")) {
            shot.picture = label->pixmap().toImage();
        }
    }
    shot.handPointers.sort();
    return shot;
}
} // namespace

class AboutWindowTest final : public lumo::testing::ShownMainWindowTest {
    Q_OBJECT

private slots:
    void enterOrEscapeClosesIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void enterOrEscapeClosesIt()
    {
        QFETCH(int, key);
        QString focus;
        QVERIFY(openAbout([&](QWidget& about) {
            focus = lumo::testing::focusName();
            pressKey(about, static_cast<Qt::Key>(key));
        }));
        QCOMPARE(focus, QStringLiteral("cmdOK"));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(lumo::testing::visibleWindows(), QStringList{QStringLiteral("frmMain")});
    }

    void showsTheSameFixedContentOnEveryOpening()
    {
        Snapshot first;
        QVERIFY(openAbout([&](QWidget& about) {
            first = snapshotOf(about);
            for (const char* link : {"lblCoBrand", "lblHomePage"}) {
                lumo::testing::clickThroughWindow(*lumo::testing::child(about, link));
            }
            pressKey(about, Qt::Key_Return);
        }));
        Snapshot second;
        QVERIFY(openAbout([&](QWidget& about) {
            second = snapshotOf(about);
            pressKey(about, Qt::Key_Escape);
        }));
        QVERIFY(first == second);

        QVERIFY(first.modal);
        // It belongs to the main window, so window managers keep it over that window.
        QCOMPARE(first.owner, static_cast<const QWidget*>(m_main.get()));
        QVERIFY(first.transientFor != nullptr);
        QCOMPARE(first.transientFor, static_cast<const QWindow*>(m_main->windowHandle()));
        QCOMPARE(first.clientSize, QSize(455, 245));
        QCOMPARE(first.focus, QStringLiteral("cmdOK"));
        QCOMPARE(first.labelTexts.value(QStringLiteral("Label2")),
                 QStringLiteral("Lumo Soul Urge Number v1.65"));
        const QString label3 = first.labelTexts.value(QStringLiteral("Label3"));
        QVERIFY(label3.endsWith(QLatin1Char(' ')));
        QVERIFY(!label3.endsWith(QStringLiteral("  ")));
        QVERIFY(first.labelTexts.value(QStringLiteral("Label1"))
                    .startsWith(QStringLiteral("Lumo Soul Urge Number Software tells about your "
                                               "inner desires, urges, likes and dislikes.")));
        QCOMPARE(first.picture.size(), QSize(32, 32));
        QCOMPARE(first.handPointers,
                 (QStringList{QStringLiteral("lblCoBrand"), QStringLiteral("lblHomePage")}));
    }

    void linksOpenTheirPageAndLeaveTheWindowOpen_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("address");
        QTest::newRow("lblCoBrand") << "lblCoBrand" << pageAt("fully-branded");
        QTest::newRow("lblHomePage") << "lblHomePage" << pageAt("home-page");
    }
    void linksOpenTheirPageAndLeaveTheWindowOpen()
    {
        QFETCH(QString, link);
        QFETCH(QString, address);
        QStringList opened;
        bool stillModal = false;
        QVERIFY(openAbout([&](QWidget& about) {
            if (auto* label = about.findChild<QWidget*>(link)) {
                lumo::testing::clickThroughWindow(*label);
            }
            opened = m_harness->opener.opened;
            stillModal = about.isVisible() && QApplication::activeModalWidget() == &about;
            pressKey(about, Qt::Key_Return);
        }));
        QCOMPARE(opened, QStringList{address});
        QVERIFY(stillModal);
        QCOMPARE(m_harness->opener.opened, QStringList{address});
    }

private:
    // Opens the About window from Help, About Software and runs `whileOpen` once it is up. A
    // window still open after that is closed by a guard, so the test never blocks; false then, or
    // when no modal window came up at all.
    bool openAbout(const std::function<void(QWidget&)>& whileOpen)
    {
        QObject context;
        bool seen = false;
        bool forced = false;
        QTimer::singleShot(0, &context, [&] {
            if (QWidget* about = QApplication::activeModalWidget()) {
                // A window owned by another counts as active with it; wait until it has the
                // keyboard itself.
                seen = about->objectName() == QStringLiteral("frmAbout") &&
                       QTest::qWaitFor([about] { return QApplication::activeWindow() == about; });
                whileOpen(*about);
            }
        });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &context, [&] {
            if (QWidget* about = QApplication::activeModalWidget()) {
                forced = true;
                about->close();
            }
        });
        guard.start(5000);
        lumo::testing::child<QAction>(*m_main, "mnuAbout")->trigger();
        guard.stop();
        return seen && !forced;
    }

    static void pressKey(QWidget& about, Qt::Key key)
    {
        QWidget* focus = about.focusWidget();
        QTest::keyClick(focus ? focus : &about, key);
    }
};

LUMO_WINDOW_TEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
