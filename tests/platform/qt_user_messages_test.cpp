#include "platform/qt_user_messages.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using lumo::platform::MessageAnswer;
using lumo::platform::MessageButtons;
using lumo::platform::MessageIcon;
using lumo::platform::QtUserMessages;

namespace {
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool staysOnTop = false;
    QStringList buttons;
    const QWidget* parent = nullptr;
    int width = 0;
};

// Looks at the box once it is up, then answers it with `answer`. Bounded: a box never seen ends
// the wait after a few seconds, so the test cannot hang.
void whenNextBoxIsUp(SeenBox& seen, std::function<void(QMessageBox&)> answer)
{
    auto* poll = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, &seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr && ++*tries < 200) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        if (box == nullptr) {
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.staysOnTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        seen.parent = box->parentWidget();
        seen.width = box->width();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text().remove(QLatin1Char('&'));
        }
        answer(*box);
    });
    poll->start(10);
}

// Presses the button `press` of the next box.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton press)
{
    whenNextBoxIsUp(seen, [press](QMessageBox& box) { box.button(press)->click(); });
}
} // namespace

class QtUserMessagesTest final : public QObject {
    Q_OBJECT

private slots:
    void boxesCarryTheTitleAndTheIcon_data()
    {
        QTest::addColumn<bool>("critical");
        QTest::newRow("information") << false;
        QTest::newRow("critical") << true;
    }
    void boxesCarryTheTitleAndTheIcon()
    {
        QFETCH(bool, critical);
        QtUserMessages messages(QStringLiteral("Lumo Soul Urge Number"));
        SeenBox seen;
        answerNextBox(seen, QMessageBox::Ok);
        if (critical) {
            messages.critical(nullptr, QStringLiteral("Please Enter Your Name"));
        } else {
            messages.information(nullptr, QStringLiteral("Please Enter Your Name"));
        }
        QCOMPARE(seen.title, QStringLiteral("Lumo Soul Urge Number"));
        QCOMPARE(seen.text, QStringLiteral("Please Enter Your Name"));
        QCOMPARE(seen.icon, critical ? QMessageBox::Critical : QMessageBox::Information);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    }

    // Yes or No, by button or by key: Return and Enter take the default, Yes; Escape answers No.
    void aQuestionIsAnsweredYesOrNo_data()
    {
        QTest::addColumn<int>("press"); // a button, or 0 when a key answers
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        const int yes = int(MessageAnswer::Yes);
        const int no = int(MessageAnswer::No);
        QTest::newRow("Yes") << int(QMessageBox::Yes) << 0 << yes;
        QTest::newRow("No") << int(QMessageBox::No) << 0 << no;
        QTest::newRow("Return") << 0 << int(Qt::Key_Return) << yes;
        QTest::newRow("Enter") << 0 << int(Qt::Key_Enter) << yes;
        QTest::newRow("Escape") << 0 << int(Qt::Key_Escape) << no;
    }
    void aQuestionIsAnsweredYesOrNo()
    {
        QFETCH(int, press);
        QFETCH(int, key);
        QFETCH(int, answer);
        QtUserMessages messages(QStringLiteral("Lumo Soul Urge Number"));
        SeenBox seen;
        whenNextBoxIsUp(seen, [press, key](QMessageBox& box) {
            if (press != 0) {
                box.button(static_cast<QMessageBox::StandardButton>(press))->click();
            } else {
                QTest::keyClick(&box, static_cast<Qt::Key>(key));
            }
        });
        QCOMPARE(int(messages.question(nullptr, QStringLiteral("Check?"))), answer);
        QCOMPARE(seen.buttons.size(), 2);
    }

    // The refusal of a second copy has no window of its own to sit on; it must still show above
    // the running copy's exit screen, which stays on top.
    void aBoxWithoutAWindowStaysOnTop()
    {
        QtUserMessages messages(QStringLiteral("Lumo Soul Urge Number"));
        SeenBox seen;
        answerNextBox(seen, QMessageBox::Ok);
        messages.information(nullptr, QStringLiteral("Application is already running"));
        QVERIFY(seen.staysOnTop);
    }

    void aBoxOfAWindowStaysWithIt()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QtUserMessages messages(QStringLiteral("Lumo Soul Urge Number"));
        SeenBox seen;
        answerNextBox(seen, QMessageBox::Ok);
        messages.information(&window, QStringLiteral("Please Enter Your First Name"));
        QCOMPARE(seen.text, QStringLiteral("Please Enter Your First Name"));
        QVERIFY(!seen.staysOnTop);
        QCOMPARE(seen.parent, &window);
    }

    // A box opened without naming a window (a page that could not be opened) belongs to the
    // window the user is working in, so that it opens over that window and stays with it.
    void aBoxWithoutAParentBelongsToTheActiveWindow()
    {
        QWidget window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QtUserMessages messages(QStringLiteral("Lumo Soul Urge Number"));
        SeenBox seen;
        answerNextBox(seen, QMessageBox::Ok);
        messages.critical(nullptr, QStringLiteral("The Page Could Not Be Opened"));
        QCOMPARE(seen.parent, &window);
        QVERIFY(!seen.staysOnTop);
    }

    // However short the text, the box is wide enough for a title bar to show the whole title,
    // in bold, beside a close button and an icon.
    void aShortBoxIsWideEnoughForItsTitle_data()
    {
        QTest::addColumn<bool>("question");
        QTest::newRow("information") << false;
        QTest::newRow("question") << true;
    }
    void aShortBoxIsWideEnoughForItsTitle()
    {
        QFETCH(bool, question);
        const QString title = QStringLiteral("Lumo Soul Urge Number");
        QtUserMessages messages(title);
        SeenBox seen;
        answerNextBox(seen, question ? QMessageBox::Yes : QMessageBox::Ok);
        if (question) {
            (void)messages.question(nullptr, QStringLiteral("Go?"));
        } else {
            messages.information(nullptr, QStringLiteral("No."));
        }
        QFont bold = QApplication::font();
        bold.setBold(true);
        constexpr int kCloseButtonAndIcon = 2 * 40;
        const int needed = QFontMetrics(bold).horizontalAdvance(title) + kCloseButtonAndIcon;
        QVERIFY2(seen.width >= needed,
                 qPrintable(QStringLiteral("%1 < %2").arg(seen.width).arg(needed)));
    }

    // An address too long for any label sits whole in a read-only line, selected, so Ctrl+C
    // copies it at once; OK closes the box.
    void selectableTextCanBeCopiedWhole()
    {
        const QString address = QStringLiteral("https://www.starwell.example/x?page=a&taf3=") +
                                QString(5000, QLatin1Char('m'));
        QtUserMessages messages(QStringLiteral("Lumo Soul Urge Number"));
        QString title;
        QString text;
        QString copied;
        bool readOnly = false;
        int cursor = -1;
        bool staysOnTop = false;
        int width = 0;
        auto* poll = new QTimer(qApp);
        auto tries = std::make_shared<int>(0);
        QObject::connect(poll, &QTimer::timeout, poll, [&, poll, tries] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr && ++*tries < 200) {
                return;
            }
            poll->stop();
            poll->deleteLater();
            if (box == nullptr) {
                return;
            }
            title = box->windowTitle();
            text = box->findChild<QLabel*>(QStringLiteral("messageText"))->text();
            staysOnTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            width = box->width();
            auto* line = box->findChild<QLineEdit*>(QStringLiteral("selectableText"));
            readOnly = line->isReadOnly();
            cursor = line->cursorPosition();
            QApplication::clipboard()->clear();
            QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
            copied = QApplication::clipboard()->text();
            box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        poll->start(10);
        messages.critical(nullptr, QStringLiteral("The Page Could Not Be Opened"), address);

        QCOMPARE(title, QStringLiteral("Lumo Soul Urge Number"));
        QCOMPARE(text, QStringLiteral("The Page Could Not Be Opened"));
        QVERIFY(readOnly);
        QCOMPARE(cursor, 0); // the line shows the address from its beginning
        QCOMPARE(copied, address);
        QVERIFY(staysOnTop);
        QVERIFY2(width < 1200, qPrintable(QString::number(width)));
    }
};

QTEST_MAIN(QtUserMessagesTest)
#include "qt_user_messages_test.moc"
