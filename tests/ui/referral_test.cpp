#include "support/exit_screen_harness.h"
#include "support/program_look.h"
#include "ui/referral_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace lumo::testing;
using lumo::platform::MessageButtons;
using lumo::platform::MessageIcon;

namespace {
// Marks a box that the test leaves as the screen loaded it.
const QString kUntouched = QStringLiteral("<untouched>");
const QString kProper = QStringLiteral("Please Enter Proper Email Address");
const QString kDistinct = QStringLiteral("Please Enter Distinct Email Addresses");
const QString kName = QStringLiteral("Please Enter Your Name");
const QString kMessage = QStringLiteral("Please Enter Your Message");
const QString kFriendName = QStringLiteral("Please Enter Your Friend's Name");

struct Form {
    QString name, email, message, friendName, friendEmail;
};

// Percent-encoding of the UTF-8 bytes, written out here so the request is checked
// independently of the program's encoder.
QString encoded(const QString& value)
{
    QString out;
    for (const char byte : value.toUtf8()) {
        const auto c = static_cast<unsigned char>(byte);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
        out += plain ? QString(QLatin1Char(char(c)))
                     : QStringLiteral("%%1").arg(c, 2, 16, QLatin1Char('0')).toUpper();
    }
    return out;
}

class ReferralForm {
public:
    explicit ReferralForm(ExitScreenHarness& h)
        : m_h(h)
    {
    }
    void fill(const Form& form)
    {
        set("txtName", form.name);
        set("txtEmail", form.email);
        set("txtMessage", form.message);
        set("txtFriendName", form.friendName);
        set("txtFriendEmail", form.friendEmail);
    }
    [[nodiscard]] Form read() const
    {
        return {get("txtName"), get("txtEmail"), get("txtMessage"), get("txtFriendName"),
                get("txtFriendEmail")};
    }
    void submit() { QTest::mouseClick(m_h.child<QPushButton>("cmdSubmit"), Qt::LeftButton); }

private:
    void set(const char* box, const QString& text)
    {
        if (text != kUntouched) {
            lumo::ui::setBoxText(m_h.screen->findChild<QWidget*>(QLatin1String(box)), text);
        }
    }
    [[nodiscard]] QString get(const char* box) const
    {
        return lumo::ui::boxText(m_h.screen->findChild<QWidget*>(QLatin1String(box)));
    }
    ExitScreenHarness& m_h;
};
} // namespace

class ReferralTest final : public QObject {
    Q_OBJECT

private slots:
    void failingCheckShowsItsMessageAndOpensNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("expected");
        const QString u = kUntouched;
        const QString a = QStringLiteral("ann@example.com");
        const QString b = QStringLiteral("bob@example.org");
        const QString ann = QStringLiteral("Ann");
        const QString bob = QStringLiteral("Bob");
        const QString hi = QStringLiteral("Hi");
        QTest::newRow("all untouched") << u << u << u << u << u << kProper;
        QTest::newRow("same addresses") << ann << a << hi << bob << a << kDistinct;
        QTest::newRow("same but for blanks")
            << ann << QStringLiteral(" ") + a + QStringLiteral(" ") << hi << bob << a << kDistinct;
        QTest::newRow("same, neither valid") << u << "x" << u << u << "x" << kDistinct;
        QTest::newRow("sender without @") << ann << "ann.example.com" << hi << bob << b << kProper;
        QTest::newRow("friend without @") << ann << a << hi << bob << "bob.example" << kProper;
        QTest::newRow("sender without dot") << ann << "ann@example" << hi << bob << b << kProper;
        QTest::newRow("friend without dot") << ann << a << hi << bob << "bob@example" << kProper;
        QTest::newRow("friend's placeholder") << ann << a << hi << bob << u << kProper;
        QTest::newRow("case differs, name untouched")
            << u << "Ann@Example.com" << u << u << "ann@example.com" << kName;
        QTest::newRow("dot before @ passes, name empty")
            << ""
            << "ann.lee@com" << hi << bob << b << kName;
        QTest::newRow("name of blanks") << "   " << a << hi << bob << b << kName;
        QTest::newRow("name is placeholder in blanks")
            << "  Your Name " << a << hi << bob << b << kName;
        QTest::newRow("message is placeholder")
            << ann << a << "Your Message" << bob << b << kMessage;
        QTest::newRow("message empty") << ann << a << "" << bob << b << kMessage;
        QTest::newRow("friend's name untouched") << ann << a << u << u << b << kFriendName;
        QTest::newRow("friend's name of blanks") << ann << a << u << "  " << b << kFriendName;
    }

    void failingCheckShowsItsMessageAndOpensNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, message);
        QFETCH(QString, friendName);
        QFETCH(QString, friendEmail);
        QFETCH(QString, expected);
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        ReferralForm form(h);
        form.fill({name, email, message, friendName, friendEmail});
        const Form before = form.read();

        form.submit();

        QCOMPARE(h.messages.texts(), QStringList{expected});
        QCOMPARE(h.messages.shown.front().icon, MessageIcon::Critical);
        QCOMPARE(h.messages.shown.front().buttons, MessageButtons::Ok);
        QVERIFY(h.web.opened.isEmpty());
        const Form after = form.read();
        QCOMPARE(after.name, before.name);
        QCOMPARE(after.email, before.email);
        QCOMPARE(after.message, before.message);
        QCOMPARE(after.friendName, before.friendName);
        QCOMPARE(after.friendEmail, before.friendEmail);
    }

    void validFormOpensTheRequestEachTime()
    {
        ExitScreenHarness h;
        QVERIFY(h.loadAndShow());
        ReferralForm form(h);
        // The message box keeps its untouched text, which is no placeholder.
        form.fill({QStringLiteral("  Ann Lee "), QStringLiteral("ann@example.com"), kUntouched,
                   QStringLiteral("Zoë & Bob=1"), QStringLiteral("zoe+bob@example.org")});

        form.submit();
        form.submit();

        QVERIFY(h.messages.shown.isEmpty());
        QCOMPARE(h.web.opened.size(), 2);
        QCOMPARE(h.web.opened.at(0), h.web.opened.at(1));
        const QString& opened = h.web.opened.front();
        const QString folder = QStringLiteral(LUMO_SITE_BASE "/lumo-free-soul-urge-number/");
        QCOMPARE(opened, folder +
                             QStringLiteral("ssd.php?page=lumo-refer-a-friend"
                                            "&taf1=Ann%20Lee"
                                            "&taf2=ann%40example.com"
                                            "&taf3=Your%20Message%0D%0A"
                                            "&taf4=Zo%C3%AB%20%26%20Bob%3D1"
                                            "&taf5=zoe%2Bbob%40example.org"
                                            "&taf6=") +
                             encoded(folder));
        // Nothing else happens: the boxes keep their texts and the screen stays.
        QCOMPARE(form.read().name, QStringLiteral("  Ann Lee "));
        QVERIFY(h.screen->isVisible());
        QCOMPARE(h.closings, 0);
    }

    // However much is pasted, the request never goes out longer than this system hands to the
    // browser whole: the boxes refuse what is too long, and a request that would still not fit
    // is refused with a message. Filled with the widest characters (three UTF-8 bytes, nine
    // characters once encoded), every box at its fullest.
    void fullestReferralIsNeverDroppedOnTheWay_data()
    {
        QTest::addColumn<qsizetype>("longestAddress");
        QTest::addColumn<bool>("opens");
        // About 45,000 characters once encoded: within one program argument on Linux, beyond
        // what the Windows shell keeps whole.
        QTest::newRow("Linux's limit") << qsizetype(128 * 1024 - 1) << true;
        QTest::newRow("Windows' limit") << qsizetype(2048) << false;
    }
    void fullestReferralIsNeverDroppedOnTheWay()
    {
        QFETCH(qsizetype, longestAddress);
        QFETCH(bool, opens);
        ExitScreenHarness h;
        h.longestWebAddress = longestAddress;
        QVERIFY(h.loadAndShow());
        const auto paste = [&h](const char* box, const QString& text) {
            auto* target = h.screen->findChild<QWidget*>(QLatin1String(box));
            target->setFocus();
            lumo::ui::setBoxText(target, QString());
            QApplication::clipboard()->setText(text);
            if (auto* line = qobject_cast<QLineEdit*>(target)) {
                line->paste();
            } else {
                qobject_cast<QPlainTextEdit*>(target)->paste();
            }
            QCoreApplication::processEvents();
            return lumo::ui::boxText(target);
        };
        const QChar wide(0x20AC); // the euro sign
        const QString full(1000, wide);
        const QString address = QString(997, wide) + QStringLiteral("@.");
        QCOMPARE(paste("txtName", full), full);
        QCOMPARE(paste("txtEmail", QLatin1Char('a') + address), QLatin1Char('a') + address);
        QCOMPARE(paste("txtFriendName", full), full);
        QCOMPARE(paste("txtFriendEmail", QLatin1Char('b') + address), QLatin1Char('b') + address);
        QCOMPARE(paste("txtMessage", QString(200 * 1000, wide)), QString());
        QCOMPARE(paste("txtMessage", full), full);
        h.messages.shown.clear();

        ReferralForm(h).submit();

        if (!opens) {
            QCOMPARE(h.messages.texts(),
                     QStringList{QStringLiteral(
                         "Your Referral Is Too Long To Send. Please Shorten Your Message")});
            QVERIFY(h.web.opened.isEmpty());
            return;
        }
        QVERIFY(h.messages.shown.isEmpty());
        QCOMPARE(h.web.opened.size(), 1);
        QVERIFY(h.web.opened.front().size() <= longestAddress);
        QVERIFY(h.web.opened.front().contains(QStringLiteral("&taf3=") + encoded(full) +
                                              QStringLiteral("&taf4=")));
    }
};

LUMO_WINDOW_TEST_MAIN(ReferralTest)
#include "referral_test.moc"
