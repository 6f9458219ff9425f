#include "support/exit_screen_harness.h"
#include "support/program_look.h"
#include "support/site_pages.h"
#include "ui/clickable_label.h"
#include "ui/referral_box.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>

using namespace lumo::testing;
using lumo::platform::MessageButtons;
using lumo::platform::MessageIcon;
using lumo::testing::pageAt;
using lumo::ui::boxText;

namespace {
const QString kCaption = QStringLiteral("Lumo Soul Urge Number v1.65");
const QString kSpaceMessage = QStringLiteral("Email Address Cannot Contain Space");
const QString kUntouchedMessage = QStringLiteral("Your Message\r\n");

const QString kSupportText1 = QStringLiteral(
    "Visit Starwell regularly. Support Starwell by taking part in the discussions and other "
    "activities. These softwares cannot be supported and maintained, without you regularly "
    "visiting Starwell");
const QString kSupportText2 =
    QStringLiteral("Starwell is a FREE online discussion forum for all things mystic. To help "
                   "Starwell develop and maintain this software visit Starwell regularly.");
const QString kSupportText3 = QStringLiteral(
    "Starwell needs your help. All you need to do is visit Starwell regularly and take part in "
    "the various discussions and activites to help us maintain and develop more Starwell "
    "Softwares.");

// Where a click toggles the check box: its indicator and its caption.
QPoint checkBoxClickPoint(QCheckBox& box)
{
    QStyleOptionButton option;
    option.initFrom(&box);
    option.text = box.text();
    return box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box).center();
}

bool focusOn(QWidget* widget)
{
    widget->setFocus(Qt::OtherFocusReason);
    return QApplication::focusWidget() == widget;
}
} // namespace

class ExitScreenTest final : public QObject {
    Q_OBJECT

private slots:
    void windowProperties()
    {
        ExitScreenHarness h;
        h.load();
        const lumo::ui::frmNagScreen2& screen = *h.screen;
        QCOMPARE(h.child<QLabel>("lblNagScreen2Caption")->text(), kCaption);
        QCOMPARE(screen.size(), QSize(741, 315));
#ifndef Q_OS_WIN
        // On Windows the system call makes it topmost; the installer's end-to-end test sees it.
        QVERIFY(screen.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
#endif
        QVERIFY(!h.child<QLabel>("picNagscreen2Icon")->pixmap().isNull());
        QVERIFY(!screen.isVisible()); // loading alone shows nothing
    }

    void productLineHasTwoParagraphs()
    {
        ExitScreenHarness h;
        h.load();
        const QString blurb = h.child<QLabel>("Label3")->text();
        QCOMPARE(blurb.size(), 619);
        QVERIFY(blurb.startsWith(QStringLiteral("If you have enjoyed this software you will surely "
                                                "be interested in our other Starwell Softwares.")));
        QVERIFY(blurb.contains(QString(61, QLatin1Char(' '))));
        QVERIFY(!blurb.contains(QString(62, QLatin1Char(' '))));
    }

    void supportTextIsTheRowDrawn_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("row");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("0.24") << 0.24 << 0;
        QTest::newRow("0.25") << 0.25 << 1;
        QTest::newRow("0.5") << 0.5 << 2;
        QTest::newRow("0.99") << 0.99 << 3;
    }

    void supportTextIsTheRowDrawn()
    {
        QFETCH(double, draw);
        QFETCH(int, row);
        ExitScreenHarness h;
        h.clock.seed = 4242;
        h.random.values = {draw};
        h.load();
        QCOMPARE(h.random.seeds, QList<std::uint64_t>{4242}); // seeded afresh from the clock
        QCOMPARE(h.random.draws, 1);
        const QString text = supportText(*h.screen);
        switch (row) {
        case 0:
            QVERIFY(text.startsWith(QStringLiteral("Starwell Softwares, such as this can be "
                                                   "created and maintained only with your "
                                                   "support.")));
            QCOMPARE(text.size(), 218);
            break;
        case 1:
            QCOMPARE(text, kSupportText1);
            break;
        case 2:
            QCOMPARE(text, kSupportText2);
            break;
        default:
            QCOMPARE(text, kSupportText3);
        }
    }

    void exitButtonHasTheFocusAndTabFollowsTheForm()
    {
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        const QStringList order{QStringLiteral("cmdClose"),      QStringLiteral("Check1"),
                                QStringLiteral("txtName"),       QStringLiteral("cmdSubmit"),
                                QStringLiteral("txtEmail"),      QStringLiteral("txtFriendEmail"),
                                QStringLiteral("txtFriendName"), QStringLiteral("lblGoToHome"),
                                QStringLiteral("cmdClose")};
        QStringList reached;
        for (int i = 0; i < order.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            reached << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(reached, order);
        // Tab passed over the unseen message box, whose untouched text is still sent.
        QCOMPARE(boxText(h.child<QPlainTextEdit>("txtMessage")), kUntouchedMessage);
    }

    void messageBoxLiesOutsideItsFrame()
    {
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        const auto* frame = h.child<QGroupBox>("Frame2");
        const auto* message = h.child<QPlainTextEdit>("txtMessage");
        QCOMPARE(message->parentWidget(), frame);
        QVERIFY(!frame->rect().intersects(message->geometry()));
        QVERIFY(message->visibleRegion().isEmpty());
        // Unseen, so it takes no focus: a keyboard user's focus never vanishes into it.
        QCOMPARE(message->focusPolicy(), Qt::NoFocus);
        QCOMPARE(boxText(message), kUntouchedMessage);
    }

    void eachCheckBoxClickOpensTheHomePageOnce()
    {
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        auto* check = h.child<QCheckBox>("Check1");
        for (int clicks = 1; clicks <= 2; ++clicks) {
            QTest::mouseClick(check, Qt::LeftButton, {}, checkBoxClickPoint(*check));
            QCOMPARE(h.web.opened.size(), clicks);
            QVERIFY(!check->isChecked());
        }
        QCOMPARE(h.web.opened, QStringList(2, pageAt("home-page")));
        QVERIFY(h.screen->isVisible());
    }

    // The pointer is a hand all over the box; so a click anywhere in it opens the page, right of
    // the caption too.
    void aClickAnywhereInTheCheckBoxOpensTheHomePage_data()
    {
        QTest::addColumn<double>("across");
        QTest::addColumn<double>("down");
        QTest::newRow("right end, middle") << 0.98 << 0.5;
        QTest::newRow("right of the caption, near the top") << 0.9 << 0.1;
        QTest::newRow("left end, near the bottom") << 0.01 << 0.9;
    }
    void aClickAnywhereInTheCheckBoxOpensTheHomePage()
    {
        QFETCH(double, across);
        QFETCH(double, down);
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        auto* check = h.child<QCheckBox>("Check1");
        const QPoint at(qRound(check->width() * across), qRound(check->height() * down));
        QTest::mouseClick(check, Qt::LeftButton, {}, at);
        QCOMPARE(h.web.opened, QStringList{pageAt("home-page")});
        QVERIFY(!check->isChecked());
    }

    // Each referral box takes up to 1000 characters; a longer paste is refused whole, with a
    // message, and the box keeps what it had.
    void longPastesIntoReferralBoxesAreRefusedWhole_data()
    {
        QTest::addColumn<QString>("box");
        for (const char* box :
             {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"}) {
            QTest::newRow(box) << QString::fromLatin1(box);
        }
    }
    void longPastesIntoReferralBoxesAreRefusedWhole()
    {
        QFETCH(QString, box);
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        auto* target = h.screen->findChild<QWidget*>(box);
        QVERIFY(target);
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        lumo::ui::setBoxText(target, QString());
        const auto paste = [target](int length) {
            QApplication::clipboard()->setText(QString(length, QLatin1Char('x')));
            if (auto* line = qobject_cast<QLineEdit*>(target)) {
                line->paste();
            } else {
                qobject_cast<QPlainTextEdit*>(target)->paste();
            }
        };
        paste(1000);
        QCoreApplication::processEvents();
        QCOMPARE(boxText(target), QString(1000, QLatin1Char('x')));
        QVERIFY(h.messages.shown.isEmpty());

        paste(1);
        QTRY_COMPARE(
            h.messages.texts(),
            QStringList{QStringLiteral("Please Enter A Shorter Text (At Most 1000 Characters)")});
        QCOMPARE(h.messages.shown.front().icon, lumo::platform::MessageIcon::Critical);
        QTRY_COMPARE(boxText(target), QString(1000, QLatin1Char('x')));
        QVERIFY(h.web.opened.isEmpty());
    }

    // Typing past the limit drops only the keystroke that went too far: whatever the user typed
    // before it stays, in the one-line boxes and in the several-line message box alike.
    void typingPastTheLimitKeepsEverythingTypedBefore_data()
    {
        QTest::addColumn<QString>("box");
        for (const char* box :
             {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"}) {
            QTest::newRow(box) << QString::fromLatin1(box);
        }
    }
    void typingPastTheLimitKeepsEverythingTypedBefore()
    {
        QFETCH(QString, box);
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        auto* target = h.screen->findChild<QWidget*>(box);
        QVERIFY(target);
        QVERIFY(focusOn(target));
        lumo::ui::setBoxText(target, QString(995, QLatin1Char('x')));
        if (auto* line = qobject_cast<QLineEdit*>(target)) {
            line->end(false);
        } else {
            qobject_cast<QPlainTextEdit*>(target)->moveCursor(QTextCursor::End);
        }
        QTest::keyClicks(target, QStringLiteral("abcdef"));
        QTRY_COMPARE(
            h.messages.texts(),
            QStringList{QStringLiteral("Please Enter A Shorter Text (At Most 1000 Characters)")});
        QCoreApplication::processEvents();
        QCOMPARE(boxText(target), QString(995, QLatin1Char('x')) + QStringLiteral("abcde"));
    }

    // The last stop of Tab, followed with Enter as a keyboard user does.
    void softwaresLinkOpensFromTheKeyboard()
    {
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        auto* link = h.child<lumo::ui::ClickableLabel>("lblGoToHome");
        QVERIFY(focusOn(h.child<QLineEdit>("txtFriendName")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(link->hasFocus());
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(h.web.opened, QStringList{pageAt("starwellsoftwares")});
        QCOMPARE(h.closings, 0);
    }

    // Under a dark desktop palette the screen keeps its black on white, and the focused button
    // on the navy frame wears a frame in the focus blue, which stands out from the navy (through
    // a white halo) and from the button's light face.
    void textsStayReadableUnderADarkDesktopPalette()
    {
        const QPalette original = QApplication::palette();
        QApplication::setPalette(lumo::testing::darkDesktopPalette());
        ExitScreenHarness h;
        const bool shown = h.loadAndShow();
        const auto colours = [](const QWidget* widget) {
            return std::pair{widget->palette().color(widget->foregroundRole()),
                             widget->palette().color(widget->backgroundRole())};
        };
        const auto blackOnWhite = std::pair{QColor(Qt::black), QColor(Qt::white)};
        const auto label2 = colours(h.child<QLabel>("Label2"));
        const auto caption = colours(h.child<QLabel>("lblNagScreen2Caption"));
        const auto name = colours(h.child<QLineEdit>("txtName"));
        auto* submit = h.child<QPushButton>("cmdSubmit");
        submit->setFocus();
        QTRY_VERIFY(submit->hasFocus());
        const QImage image = submit->grab().toImage();
        const QColor focusBlue(0, 120, 215);
        int framed = 0;
        // Just inside the white halo that takes the grey border's place.
        for (int x = 0; x < image.width(); ++x) {
            framed += image.pixelColor(x, 1) == focusBlue ? 1 : 0;
        }
        QApplication::setPalette(original);
        QVERIFY(shown);
        QCOMPARE(label2, blackOnWhite);
        QCOMPARE(caption, blackOnWhite);
        QCOMPARE(name, blackOnWhite);
        QVERIFY2(framed > image.width() / 2, "the focused button's frame is not in the focus blue");
    }

    void softwaresLinkOpensItsPage()
    {
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        QTest::mouseClick(h.child<lumo::ui::ClickableLabel>("lblGoToHome"), Qt::LeftButton);
        QCOMPARE(h.web.opened, QStringList{pageAt("starwellsoftwares")});
        QCOMPARE(h.closings, 0);
    }

    void placeholders_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("placeholder");
        QTest::addColumn<QString>("entered"); // the text left in the box after it took focus
        QTest::addColumn<QString>("afterLeaving");
        QTest::addColumn<QString>("afterReturning");
        const QString name = QStringLiteral("Your Name");
        QTest::newRow("untouched") << "txtName" << name << QString() << name << QString();
        QTest::newRow("blanks") << "txtName" << name << "   " << name << QString();
        QTest::newRow("typed the placeholder") << "txtName" << name << name << name << QString();
        QTest::newRow("placeholder in blanks") << "txtName" << name << "  Your Name "
                                               << "  Your Name " << QString();
        QTest::newRow("other case") << "txtName" << name << "your name"
                                    << "your name"
                                    << "your name";
        QTest::newRow("blanks kept") << "txtName" << name << " Ann "
                                     << " Ann "
                                     << " Ann ";
        QTest::newRow("tab is no blank") << "txtName" << name << "\t"
                                         << "\t"
                                         << "\t";
        QTest::newRow("sender's address") << "txtEmail"
                                          << "Your Email Address"
                                          << "  "
                                          << "Your Email Address" << QString();
        QTest::newRow("friend's name")
            << "txtFriendName"
            << "Friend's Name" << QString() << "Friend's Name" << QString();
        QTest::newRow("friend's address") << "txtFriendEmail"
                                          << "Friend's Email Address"
                                          << " "
                                          << "Friend's Email Address" << QString();
        QTest::newRow("message") << "txtMessage"
                                 << "Your Message"
                                 << " "
                                 << "Your Message" << QString();
    }

    void placeholders()
    {
        QFETCH(QString, box);
        QFETCH(QString, placeholder);
        QFETCH(QString, entered);
        QFETCH(QString, afterLeaving);
        QFETCH(QString, afterReturning);
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        auto* target = h.screen->findChild<QWidget*>(box);
        auto* elsewhere = h.child<QPushButton>("cmdClose");

        if (box != QLatin1String("txtMessage")) {
            QCOMPARE(boxText(target), placeholder); // every line box starts with its placeholder
        }
        QVERIFY(focusOn(target));
        if (box != QLatin1String("txtMessage")) {
            QCOMPARE(boxText(target), QString()); // an untouched box empties on focus
        }
        lumo::ui::setBoxText(target, entered);
        QVERIFY(focusOn(elsewhere));
        QCOMPARE(boxText(target), afterLeaving);
        QVERIFY(focusOn(target));
        QCOMPARE(boxText(target), afterReturning);
        QVERIFY(h.messages.shown.isEmpty());
    }

    void spaceIsRefusedInTheAddressBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("sender") << "txtEmail";
        QTest::newRow("friend") << "txtFriendEmail";
    }

    void spaceIsRefusedInTheAddressBoxes()
    {
        QFETCH(QString, box);
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        auto* address = h.screen->findChild<QLineEdit*>(box);
        // Like a real message box, the recorded one takes the focus while it is up.
        h.messages.onShow = [&h] { h.child<QPushButton>("cmdClose")->setFocus(); };
        QVERIFY(focusOn(address));

        QTest::keyClicks(address, QStringLiteral("ann"));
        QTest::keyClick(address, Qt::Key_Space);
        QCOMPARE(address->text(), QStringLiteral("ann"));
        QCOMPARE(QApplication::focusWidget(), address);
        QTest::keyClicks(address, QStringLiteral("@x.org"));

        QCOMPARE(address->text(), QStringLiteral("ann@x.org"));
        QCOMPARE(h.messages.texts(), QStringList{kSpaceMessage});
        QCOMPARE(h.messages.shown.front().icon, MessageIcon::Critical);
        QCOMPARE(h.messages.shown.front().buttons, MessageButtons::Ok);
    }

    void spaceIsFineElsewhere()
    {
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        for (const char* name : {"txtName", "txtFriendName"}) {
            auto* box = h.child<QLineEdit>(name);
            QVERIFY(focusOn(box));
            QTest::keyClicks(box, QStringLiteral("Ann Lee"));
            QCOMPARE(box->text(), QStringLiteral("Ann Lee"));
        }
        QVERIFY(h.messages.shown.isEmpty());
    }
};

LUMO_WINDOW_TEST_MAIN(ExitScreenTest)
#include "exit_screen_test.moc"
